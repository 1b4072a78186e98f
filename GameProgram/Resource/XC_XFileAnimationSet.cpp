#include <initguid.h>

#include "GameProgram/Resource/XC_XFileAnimationSet.h"

#include <algorithm>
#include <cmath>

namespace {

// The keys around a time: the index of the key at or before it and the
// fraction of the way to the next one (0 before the first and after the last).
template <typename Key>
size_t FindSegment(const std::vector<Key>& keys, float fTime, float* pfFraction)
{
    *pfFraction = 0.0f;
    const auto itNext = std::upper_bound(keys.begin(), keys.end(), fTime,
                                         [](float fValue, const Key& key) { return fValue < key.Time; });
    if (itNext == keys.begin())
        return 0;
    const size_t uIndex = static_cast<size_t>(itNext - keys.begin()) - 1;
    if (itNext != keys.end())
        *pfFraction = (fTime - keys[uIndex].Time) / (itNext->Time - keys[uIndex].Time);
    return uIndex;
}

D3DXVECTOR3 InterpolateVector(const std::vector<D3DXKEY_VECTOR3>& keys, float fTime, const D3DXVECTOR3& vDefault)
{
    if (keys.empty())
        return vDefault;
    float fFraction;
    const size_t uIndex = FindSegment(keys, fTime, &fFraction);
    if (fFraction == 0.0f)
        return keys[uIndex].Value;
    D3DXVECTOR3 vResult;
    D3DXVec3Lerp(&vResult, &keys[uIndex].Value, &keys[uIndex + 1].Value, fFraction);
    return vResult;
}

D3DXQUATERNION InterpolateRotation(const std::vector<D3DXKEY_QUATERNION>& keys, float fTime)
{
    if (keys.empty())
        return D3DXQUATERNION(0.0f, 0.0f, 0.0f, 1.0f);
    float fFraction;
    const size_t uIndex = FindSegment(keys, fTime, &fFraction);
    if (fFraction == 0.0f)
        return keys[uIndex].Value;
    D3DXQUATERNION qResult;
    D3DXQuaternionSlerp(&qResult, &keys[uIndex].Value, &keys[uIndex + 1].Value, fFraction);
    return qResult;
}

template <typename Key>
float LastKeyTime(const std::vector<Key>& keys)
{
    return keys.empty() ? 0.0f : keys.back().Time;
}

} // namespace

XC_XFileAnimationSet::XC_XFileAnimationSet(const char* szName, double dTicksPerSecond)
    : m_lReferenceCount(1)
    , m_strName(szName != nullptr ? szName : "")
    , m_dTicksPerSecond(dTicksPerSecond)
    , m_dPeriod(0.0)
{
}

void XC_XFileAnimationSet::AddAnimation(Animation&& animation)
{
    const float fLastTick = std::max({LastKeyTime(animation.ScaleKeys), LastKeyTime(animation.RotationKeys),
                                      LastKeyTime(animation.TranslationKeys)});
    m_dPeriod = std::max(m_dPeriod, fLastTick / m_dTicksPerSecond);
    m_IndexByName.emplace(animation.strName, static_cast<UINT>(m_Animations.size()));
    m_Animations.push_back(std::move(animation));
}

HRESULT XC_XFileAnimationSet::QueryInterface(REFIID riid, void** ppOut)
{
    if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ID3DXAnimationSet)) {
        AddRef();
        *ppOut = this;
        return S_OK;
    }
    *ppOut = nullptr;
    return E_NOINTERFACE;
}

ULONG XC_XFileAnimationSet::AddRef()
{
    return static_cast<ULONG>(++m_lReferenceCount);
}

ULONG XC_XFileAnimationSet::Release()
{
    const LONG lCount = --m_lReferenceCount;
    if (lCount == 0)
        delete this;
    return static_cast<ULONG>(lCount);
}

const char* XC_XFileAnimationSet::GetName()
{
    return m_strName.c_str();
}

DOUBLE XC_XFileAnimationSet::GetPeriod()
{
    return m_dPeriod;
}

DOUBLE XC_XFileAnimationSet::GetPeriodicPosition(DOUBLE dPosition)
{
    if (m_dPeriod <= 0.0)
        return 0.0;
    const double dPeriodic = std::fmod(dPosition, m_dPeriod);
    return dPeriodic < 0.0 ? dPeriodic + m_dPeriod : dPeriodic;
}

UINT XC_XFileAnimationSet::GetNumAnimations()
{
    return static_cast<UINT>(m_Animations.size());
}

HRESULT XC_XFileAnimationSet::GetAnimationNameByIndex(UINT uIndex, const char** pszName)
{
    if (pszName == nullptr || uIndex >= m_Animations.size())
        return D3DERR_INVALIDCALL;
    *pszName = m_Animations[uIndex].strName.c_str();
    return S_OK;
}

HRESULT XC_XFileAnimationSet::GetAnimationIndexByName(const char* szName, UINT* puIndex)
{
    if (szName == nullptr || puIndex == nullptr)
        return D3DERR_INVALIDCALL;
    const auto found = m_IndexByName.find(szName);
    if (found == m_IndexByName.end())
        return D3DERR_NOTFOUND;
    *puIndex = found->second;
    return S_OK;
}

HRESULT XC_XFileAnimationSet::GetSRT(DOUBLE dPeriodicPosition, UINT uAnimation, D3DXVECTOR3* pScale,
                                     D3DXQUATERNION* pRotation, D3DXVECTOR3* pTranslation)
{
    if (uAnimation >= m_Animations.size() || pScale == nullptr || pRotation == nullptr || pTranslation == nullptr)
        return D3DERR_INVALIDCALL;
    const Animation& animation = m_Animations[uAnimation];
    const float fTick = static_cast<float>(dPeriodicPosition * m_dTicksPerSecond);
    *pScale = InterpolateVector(animation.ScaleKeys, fTick, D3DXVECTOR3(1.0f, 1.0f, 1.0f));
    *pRotation = InterpolateRotation(animation.RotationKeys, fTick);
    *pTranslation = InterpolateVector(animation.TranslationKeys, fTick, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    return S_OK;
}

HRESULT XC_XFileAnimationSet::GetCallback(double, DWORD, double*, void**)
{
    return D3DERR_NOTFOUND;
}
