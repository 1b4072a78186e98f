#pragma once

#include <d3dx9.h>

#include <string>
#include <unordered_map>
#include <vector>

// A looping animation set of key frames, as the ".x" loader of D3DX builds
// one from an AnimationSet: per animated frame, scale, rotation and
// translation keys in ticks, interpolated linearly (rotations spherically).
// Made by the mesh manager where the platform's D3DX creates none.
class XC_XFileAnimationSet : public ID3DXAnimationSet
{
public:
    // The keys of one animated frame, each list in rising time order.
    struct Animation
    {
        std::string strName;
        std::vector<D3DXKEY_VECTOR3> ScaleKeys;
        std::vector<D3DXKEY_QUATERNION> RotationKeys;
        std::vector<D3DXKEY_VECTOR3> TranslationKeys;
    };

    // Starts with one reference.
    XC_XFileAnimationSet(const char* szName, double dTicksPerSecond);
    XC_XFileAnimationSet(const XC_XFileAnimationSet&) = delete;
    XC_XFileAnimationSet& operator=(const XC_XFileAnimationSet&) = delete;

    // Takes the animation over; the period grows to its last key.
    void AddAnimation(Animation&& animation);

    STDMETHOD(QueryInterface)(REFIID riid, void** ppOut) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    STDMETHOD_(const char*, GetName)() override;
    // Seconds from the first tick to the last key.
    STDMETHOD_(DOUBLE, GetPeriod)() override;
    // The position wrapped into one period.
    STDMETHOD_(DOUBLE, GetPeriodicPosition)(DOUBLE dPosition) override;
    STDMETHOD_(UINT, GetNumAnimations)() override;
    STDMETHOD(GetAnimationNameByIndex)(UINT uIndex, const char** pszName) override;
    STDMETHOD(GetAnimationIndexByName)(const char* szName, UINT* puIndex) override;
    // The pose of an animation at a periodic position in seconds; a kind of
    // key the animation lacks gives unit scale, no rotation or the origin.
    STDMETHOD(GetSRT)(DOUBLE dPeriodicPosition, UINT uAnimation, D3DXVECTOR3* pScale, D3DXQUATERNION* pRotation,
                      D3DXVECTOR3* pTranslation) override;
    // The sets carry no callback keys.
    STDMETHOD(GetCallback)(double dPosition, DWORD dwFlags, double* pdCallbackPosition,
                           void** ppCallbackData) override;

protected:
    // Released, not deleted.
    virtual ~XC_XFileAnimationSet() = default;

private:
    LONG m_lReferenceCount;
    std::string m_strName;
    double m_dTicksPerSecond;
    double m_dPeriod;
    std::vector<Animation> m_Animations;
    // The first animation of each name, as a search from the start finds it.
    std::unordered_map<std::string, UINT> m_IndexByName;
};
