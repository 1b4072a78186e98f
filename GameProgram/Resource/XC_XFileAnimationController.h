#pragma once

#include <d3dx9.h>

#include <string>
#include <vector>

// An animation controller of the mesh manager's own, made where the
// platform's D3DX creates none: animation sets on tracks move the registered
// outputs (the frames' transformation matrices) as time advances. Tracks are
// blended by their weights; priorities, priority blends, events and callbacks
// are not supported (setting them is kept, keying events gives no handle).
class XC_XFileAnimationController : public ID3DXAnimationController
{
public:
    // Starts with one reference and empty tracks.
    XC_XFileAnimationController(UINT uMaxOutputs, UINT uMaxSets, UINT uMaxTracks, UINT uMaxEvents);
    XC_XFileAnimationController(const XC_XFileAnimationController&) = delete;
    XC_XFileAnimationController& operator=(const XC_XFileAnimationController&) = delete;

    STDMETHOD(QueryInterface)(REFIID riid, void** ppOut) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    STDMETHOD_(UINT, GetMaxNumAnimationOutputs)() override;
    STDMETHOD_(UINT, GetMaxNumAnimationSets)() override;
    STDMETHOD_(UINT, GetMaxNumTracks)() override;
    STDMETHOD_(UINT, GetMaxNumEvents)() override;
    STDMETHOD(RegisterAnimationOutput)(const char* szName, D3DXMATRIX* pMatrix, D3DXVECTOR3* pScale,
                                       D3DXQUATERNION* pRotation, D3DXVECTOR3* pTranslation) override;
    STDMETHOD(RegisterAnimationSet)(ID3DXAnimationSet* pAnimSet) override;
    STDMETHOD(UnregisterAnimationSet)(ID3DXAnimationSet* pAnimSet) override;
    STDMETHOD_(UINT, GetNumAnimationSets)() override;
    STDMETHOD(GetAnimationSet)(UINT uIndex, ID3DXAnimationSet** ppAnimSet) override;
    STDMETHOD(GetAnimationSetByName)(const char* szName, ID3DXAnimationSet** ppAnimSet) override;
    // Moves the global time and every enabled track (by the time times the
    // track's speed) and writes the blended poses to the outputs.
    STDMETHOD(AdvanceTime)(double dTimeDelta, ID3DXAnimationCallbackHandler* pCallbackHandler) override;
    // The global time goes back to 0; the tracks keep their positions.
    STDMETHOD(ResetTime)() override;
    STDMETHOD_(double, GetTime)() override;
    STDMETHOD(SetTrackAnimationSet)(UINT uTrack, ID3DXAnimationSet* pAnimSet) override;
    STDMETHOD(GetTrackAnimationSet)(UINT uTrack, ID3DXAnimationSet** ppAnimSet) override;
    STDMETHOD(SetTrackPriority)(UINT uTrack, D3DXPRIORITY_TYPE priority) override;
    STDMETHOD(SetTrackSpeed)(UINT uTrack, float fSpeed) override;
    STDMETHOD(SetTrackWeight)(UINT uTrack, float fWeight) override;
    STDMETHOD(SetTrackPosition)(UINT uTrack, double dPosition) override;
    STDMETHOD(SetTrackEnable)(UINT uTrack, WINBOOL bEnable) override;
    STDMETHOD(SetTrackDesc)(UINT uTrack, D3DXTRACK_DESC* pDesc) override;
    STDMETHOD(GetTrackDesc)(UINT uTrack, D3DXTRACK_DESC* pDesc) override;
    STDMETHOD(SetPriorityBlend)(float fBlendWeight) override;
    STDMETHOD_(float, GetPriorityBlend)() override;
    STDMETHOD_(D3DXEVENTHANDLE, KeyTrackSpeed)(UINT uTrack, float fNewSpeed, double dStartTime, double dDuration,
                                               D3DXTRANSITION_TYPE transition) override;
    STDMETHOD_(D3DXEVENTHANDLE, KeyTrackWeight)(UINT uTrack, float fNewWeight, double dStartTime, double dDuration,
                                                D3DXTRANSITION_TYPE transition) override;
    STDMETHOD_(D3DXEVENTHANDLE, KeyTrackPosition)(UINT uTrack, double dNewPosition, double dStartTime) override;
    STDMETHOD_(D3DXEVENTHANDLE, KeyTrackEnable)(UINT uTrack, WINBOOL bNewEnable, double dStartTime) override;
    STDMETHOD_(D3DXEVENTHANDLE, KeyPriorityBlend)(float fNewBlendWeight, double dStartTime, double dDuration,
                                                  D3DXTRANSITION_TYPE transition) override;
    STDMETHOD(UnkeyEvent)(D3DXEVENTHANDLE hEvent) override;
    STDMETHOD(UnkeyAllTrackEvents)(UINT uTrack) override;
    STDMETHOD(UnkeyAllPriorityBlends)() override;
    STDMETHOD_(D3DXEVENTHANDLE, GetCurrentTrackEvent)(UINT uTrack, D3DXEVENT_TYPE eventType) override;
    STDMETHOD_(D3DXEVENTHANDLE, GetCurrentPriorityBlend)() override;
    STDMETHOD_(D3DXEVENTHANDLE, GetUpcomingTrackEvent)(UINT uTrack, D3DXEVENTHANDLE hEvent) override;
    STDMETHOD_(D3DXEVENTHANDLE, GetUpcomingPriorityBlend)(D3DXEVENTHANDLE hEvent) override;
    STDMETHOD(ValidateEvent)(D3DXEVENTHANDLE hEvent) override;
    STDMETHOD(GetEventDesc)(D3DXEVENTHANDLE hEvent, D3DXEVENT_DESC* pDesc) override;
    // A copy with the same outputs, sets, tracks and time; the maxima must
    // hold what this controller holds.
    STDMETHOD(CloneAnimationController)(UINT uMaxOutputs, UINT uMaxSets, UINT uMaxTracks, UINT uMaxEvents,
                                        ID3DXAnimationController** ppController) override;

private:
    struct Output
    {
        std::string strName;
        D3DXMATRIX* pMatrix;
        D3DXVECTOR3* pScale;
        D3DXQUATERNION* pRotation;
        D3DXVECTOR3* pTranslation;
    };

    struct Track
    {
        ID3DXAnimationSet* pAnimSet;  // one reference, or null
        D3DXTRACK_DESC Desc;
        // The set's animation of each output, found when the set is attached.
        std::vector<UINT> Bindings;
    };

    // What one output takes of the tracks: the weighted poses summed up.
    struct Pose
    {
        float fWeight;
        D3DXVECTOR3 vScale;
        D3DXQUATERNION qRotation;
        D3DXVECTOR3 vTranslation;
    };

    virtual ~XC_XFileAnimationController();

    Track* FindTrack(UINT uTrack);
    void SetTrackSet(Track& track, ID3DXAnimationSet* pAnimSet);
    static UINT FindAnimation(ID3DXAnimationSet* pAnimSet, const std::string& strOutputName);
    void ApplyTracks();
    bool BlendTracks(size_t uOutput, Pose* pPose);
    static void WriteOutput(const Output& output, const Pose& pose);

    LONG m_lReferenceCount;
    UINT m_uMaxOutputs;
    UINT m_uMaxSets;
    UINT m_uMaxEvents;
    double m_dTime;
    float m_fPriorityBlend;
    std::vector<Output> m_Outputs;
    std::vector<ID3DXAnimationSet*> m_AnimSets;  // one reference each
    std::vector<Track> m_Tracks;
};
