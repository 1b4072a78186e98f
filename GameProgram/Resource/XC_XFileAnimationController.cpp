#include <initguid.h>

#include "GameProgram/Resource/XC_XFileAnimationController.h"

#include <algorithm>

namespace {

// An output the set does not animate.
const UINT NO_ANIMATION = 0xFFFFFFFF;

D3DXTRACK_DESC DefaultTrackDesc()
{
    D3DXTRACK_DESC desc = {};
    desc.Priority = D3DXPRIORITY_LOW;
    desc.Weight = 1.0f;
    desc.Speed = 1.0f;
    desc.Position = 0.0;
    desc.Enable = FALSE;
    return desc;
}

} // namespace

XC_XFileAnimationController::XC_XFileAnimationController(UINT uMaxOutputs, UINT uMaxSets, UINT uMaxTracks,
                                                         UINT uMaxEvents)
    : m_lReferenceCount(1)
    , m_uMaxOutputs(uMaxOutputs)
    , m_uMaxSets(uMaxSets)
    , m_uMaxEvents(uMaxEvents)
    , m_dTime(0.0)
    , m_fPriorityBlend(0.0f)
    , m_Tracks(uMaxTracks, Track{nullptr, DefaultTrackDesc(), {}})
{
}

XC_XFileAnimationController::~XC_XFileAnimationController()
{
    for (Track& track : m_Tracks)
        SetTrackSet(track, nullptr);
    for (ID3DXAnimationSet* pAnimSet : m_AnimSets)
        pAnimSet->Release();
}

HRESULT XC_XFileAnimationController::QueryInterface(REFIID riid, void** ppOut)
{
    if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ID3DXAnimationController)) {
        AddRef();
        *ppOut = this;
        return S_OK;
    }
    *ppOut = nullptr;
    return E_NOINTERFACE;
}

ULONG XC_XFileAnimationController::AddRef()
{
    return static_cast<ULONG>(++m_lReferenceCount);
}

ULONG XC_XFileAnimationController::Release()
{
    const LONG lCount = --m_lReferenceCount;
    if (lCount == 0)
        delete this;
    return static_cast<ULONG>(lCount);
}

UINT XC_XFileAnimationController::GetMaxNumAnimationOutputs()
{
    return m_uMaxOutputs;
}

UINT XC_XFileAnimationController::GetMaxNumAnimationSets()
{
    return m_uMaxSets;
}

UINT XC_XFileAnimationController::GetMaxNumTracks()
{
    return static_cast<UINT>(m_Tracks.size());
}

UINT XC_XFileAnimationController::GetMaxNumEvents()
{
    return m_uMaxEvents;
}

HRESULT XC_XFileAnimationController::RegisterAnimationOutput(const char* szName, D3DXMATRIX* pMatrix,
                                                             D3DXVECTOR3* pScale, D3DXQUATERNION* pRotation,
                                                             D3DXVECTOR3* pTranslation)
{
    if (szName == nullptr || m_Outputs.size() >= m_uMaxOutputs)
        return D3DERR_INVALIDCALL;
    m_Outputs.push_back(Output{szName, pMatrix, pScale, pRotation, pTranslation});
    for (Track& track : m_Tracks)
        track.Bindings.push_back(FindAnimation(track.pAnimSet, m_Outputs.back().strName));
    return S_OK;
}

HRESULT XC_XFileAnimationController::RegisterAnimationSet(ID3DXAnimationSet* pAnimSet)
{
    if (pAnimSet == nullptr || m_AnimSets.size() >= m_uMaxSets)
        return D3DERR_INVALIDCALL;
    if (std::find(m_AnimSets.begin(), m_AnimSets.end(), pAnimSet) != m_AnimSets.end())
        return D3DERR_INVALIDCALL;
    pAnimSet->AddRef();
    m_AnimSets.push_back(pAnimSet);
    return S_OK;
}

HRESULT XC_XFileAnimationController::UnregisterAnimationSet(ID3DXAnimationSet* pAnimSet)
{
    const auto it = std::find(m_AnimSets.begin(), m_AnimSets.end(), pAnimSet);
    if (it == m_AnimSets.end())
        return D3DERR_INVALIDCALL;
    for (Track& track : m_Tracks) {
        if (track.pAnimSet == pAnimSet)
            SetTrackSet(track, nullptr);
    }
    m_AnimSets.erase(it);
    pAnimSet->Release();
    return S_OK;
}

UINT XC_XFileAnimationController::GetNumAnimationSets()
{
    return static_cast<UINT>(m_AnimSets.size());
}

HRESULT XC_XFileAnimationController::GetAnimationSet(UINT uIndex, ID3DXAnimationSet** ppAnimSet)
{
    if (ppAnimSet == nullptr || uIndex >= m_AnimSets.size())
        return D3DERR_INVALIDCALL;
    *ppAnimSet = m_AnimSets[uIndex];
    (*ppAnimSet)->AddRef();
    return S_OK;
}

HRESULT XC_XFileAnimationController::GetAnimationSetByName(const char* szName, ID3DXAnimationSet** ppAnimSet)
{
    if (szName == nullptr || ppAnimSet == nullptr)
        return D3DERR_INVALIDCALL;
    for (ID3DXAnimationSet* pAnimSet : m_AnimSets) {
        const char* const szSetName = pAnimSet->GetName();
        if (szSetName != nullptr && std::string(szSetName) == szName) {
            *ppAnimSet = pAnimSet;
            pAnimSet->AddRef();
            return S_OK;
        }
    }
    return D3DERR_NOTFOUND;
}

HRESULT XC_XFileAnimationController::AdvanceTime(double dTimeDelta, ID3DXAnimationCallbackHandler*)
{
    m_dTime += dTimeDelta;
    for (Track& track : m_Tracks) {
        if (track.Desc.Enable)
            track.Desc.Position += dTimeDelta * track.Desc.Speed;
    }
    ApplyTracks();
    return S_OK;
}

HRESULT XC_XFileAnimationController::ResetTime()
{
    m_dTime = 0.0;
    return S_OK;
}

double XC_XFileAnimationController::GetTime()
{
    return m_dTime;
}

HRESULT XC_XFileAnimationController::SetTrackAnimationSet(UINT uTrack, ID3DXAnimationSet* pAnimSet)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr)
        return D3DERR_INVALIDCALL;
    SetTrackSet(*pTrack, pAnimSet);
    return S_OK;
}

HRESULT XC_XFileAnimationController::GetTrackAnimationSet(UINT uTrack, ID3DXAnimationSet** ppAnimSet)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr || ppAnimSet == nullptr)
        return D3DERR_INVALIDCALL;
    *ppAnimSet = pTrack->pAnimSet;
    if (*ppAnimSet != nullptr)
        (*ppAnimSet)->AddRef();
    return S_OK;
}

HRESULT XC_XFileAnimationController::SetTrackPriority(UINT uTrack, D3DXPRIORITY_TYPE priority)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr)
        return D3DERR_INVALIDCALL;
    pTrack->Desc.Priority = priority;
    return S_OK;
}

HRESULT XC_XFileAnimationController::SetTrackSpeed(UINT uTrack, float fSpeed)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr)
        return D3DERR_INVALIDCALL;
    pTrack->Desc.Speed = fSpeed;
    return S_OK;
}

HRESULT XC_XFileAnimationController::SetTrackWeight(UINT uTrack, float fWeight)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr)
        return D3DERR_INVALIDCALL;
    pTrack->Desc.Weight = fWeight;
    return S_OK;
}

HRESULT XC_XFileAnimationController::SetTrackPosition(UINT uTrack, double dPosition)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr)
        return D3DERR_INVALIDCALL;
    pTrack->Desc.Position = dPosition;
    return S_OK;
}

HRESULT XC_XFileAnimationController::SetTrackEnable(UINT uTrack, WINBOOL bEnable)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr)
        return D3DERR_INVALIDCALL;
    pTrack->Desc.Enable = bEnable;
    return S_OK;
}

HRESULT XC_XFileAnimationController::SetTrackDesc(UINT uTrack, D3DXTRACK_DESC* pDesc)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr || pDesc == nullptr)
        return D3DERR_INVALIDCALL;
    pTrack->Desc = *pDesc;
    return S_OK;
}

HRESULT XC_XFileAnimationController::GetTrackDesc(UINT uTrack, D3DXTRACK_DESC* pDesc)
{
    Track* const pTrack = FindTrack(uTrack);
    if (pTrack == nullptr || pDesc == nullptr)
        return D3DERR_INVALIDCALL;
    *pDesc = pTrack->Desc;
    return S_OK;
}

HRESULT XC_XFileAnimationController::SetPriorityBlend(float fBlendWeight)
{
    m_fPriorityBlend = fBlendWeight;
    return S_OK;
}

float XC_XFileAnimationController::GetPriorityBlend()
{
    return m_fPriorityBlend;
}

D3DXEVENTHANDLE XC_XFileAnimationController::KeyTrackSpeed(UINT, float, double, double, D3DXTRANSITION_TYPE)
{
    return 0;
}

D3DXEVENTHANDLE XC_XFileAnimationController::KeyTrackWeight(UINT, float, double, double, D3DXTRANSITION_TYPE)
{
    return 0;
}

D3DXEVENTHANDLE XC_XFileAnimationController::KeyTrackPosition(UINT, double, double)
{
    return 0;
}

D3DXEVENTHANDLE XC_XFileAnimationController::KeyTrackEnable(UINT, WINBOOL, double)
{
    return 0;
}

D3DXEVENTHANDLE XC_XFileAnimationController::KeyPriorityBlend(float, double, double, D3DXTRANSITION_TYPE)
{
    return 0;
}

HRESULT XC_XFileAnimationController::UnkeyEvent(D3DXEVENTHANDLE)
{
    return D3DERR_INVALIDCALL;
}

HRESULT XC_XFileAnimationController::UnkeyAllTrackEvents(UINT uTrack)
{
    return FindTrack(uTrack) != nullptr ? S_OK : D3DERR_INVALIDCALL;
}

HRESULT XC_XFileAnimationController::UnkeyAllPriorityBlends()
{
    return S_OK;
}

D3DXEVENTHANDLE XC_XFileAnimationController::GetCurrentTrackEvent(UINT, D3DXEVENT_TYPE)
{
    return 0;
}

D3DXEVENTHANDLE XC_XFileAnimationController::GetCurrentPriorityBlend()
{
    return 0;
}

D3DXEVENTHANDLE XC_XFileAnimationController::GetUpcomingTrackEvent(UINT, D3DXEVENTHANDLE)
{
    return 0;
}

D3DXEVENTHANDLE XC_XFileAnimationController::GetUpcomingPriorityBlend(D3DXEVENTHANDLE)
{
    return 0;
}

HRESULT XC_XFileAnimationController::ValidateEvent(D3DXEVENTHANDLE)
{
    return D3DERR_INVALIDCALL;
}

HRESULT XC_XFileAnimationController::GetEventDesc(D3DXEVENTHANDLE, D3DXEVENT_DESC*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT XC_XFileAnimationController::CloneAnimationController(UINT uMaxOutputs, UINT uMaxSets, UINT uMaxTracks,
                                                              UINT uMaxEvents, ID3DXAnimationController** ppController)
{
    if (ppController == nullptr || uMaxOutputs < m_Outputs.size() || uMaxSets < m_AnimSets.size())
        return D3DERR_INVALIDCALL;
    XC_XFileAnimationController* const pClone =
        new XC_XFileAnimationController(uMaxOutputs, uMaxSets, uMaxTracks, uMaxEvents);
    pClone->m_dTime = m_dTime;
    pClone->m_fPriorityBlend = m_fPriorityBlend;
    pClone->m_Outputs = m_Outputs;
    for (ID3DXAnimationSet* pAnimSet : m_AnimSets)
        pClone->RegisterAnimationSet(pAnimSet);
    const size_t uTracks = std::min(m_Tracks.size(), pClone->m_Tracks.size());
    for (size_t i = 0; i < uTracks; ++i) {
        pClone->SetTrackSet(pClone->m_Tracks[i], m_Tracks[i].pAnimSet);
        pClone->m_Tracks[i].Desc = m_Tracks[i].Desc;
    }
    *ppController = pClone;
    return S_OK;
}

XC_XFileAnimationController::Track* XC_XFileAnimationController::FindTrack(UINT uTrack)
{
    return uTrack < m_Tracks.size() ? &m_Tracks[uTrack] : nullptr;
}

void XC_XFileAnimationController::SetTrackSet(Track& track, ID3DXAnimationSet* pAnimSet)
{
    if (pAnimSet != nullptr)
        pAnimSet->AddRef();
    if (track.pAnimSet != nullptr)
        track.pAnimSet->Release();
    track.pAnimSet = pAnimSet;
    track.Bindings.clear();
    for (const Output& output : m_Outputs)
        track.Bindings.push_back(FindAnimation(pAnimSet, output.strName));
}

UINT XC_XFileAnimationController::FindAnimation(ID3DXAnimationSet* pAnimSet, const std::string& strOutputName)
{
    UINT uAnimation = NO_ANIMATION;
    if (pAnimSet == nullptr || FAILED(pAnimSet->GetAnimationIndexByName(strOutputName.c_str(), &uAnimation)))
        return NO_ANIMATION;
    return uAnimation;
}

void XC_XFileAnimationController::ApplyTracks()
{
    for (size_t i = 0; i < m_Outputs.size(); ++i) {
        Pose pose;
        if (BlendTracks(i, &pose))
            WriteOutput(m_Outputs[i], pose);
    }
}

bool XC_XFileAnimationController::BlendTracks(size_t uOutput, Pose* pPose)
{
    *pPose = Pose{0.0f, D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXQUATERNION(0.0f, 0.0f, 0.0f, 1.0f),
                  D3DXVECTOR3(0.0f, 0.0f, 0.0f)};
    for (const Track& track : m_Tracks) {
        const UINT uAnimation = track.Bindings[uOutput];
        if (!track.Desc.Enable || track.pAnimSet == nullptr || track.Desc.Weight <= 0.0f || uAnimation == NO_ANIMATION)
            continue;
        D3DXVECTOR3 vScale, vTranslation;
        D3DXQUATERNION qRotation;
        const double dPosition = track.pAnimSet->GetPeriodicPosition(track.Desc.Position);
        if (FAILED(track.pAnimSet->GetSRT(dPosition, uAnimation, &vScale, &qRotation, &vTranslation)))
            continue;
        const float fWeight = track.Desc.Weight;
        const float fTotal = pPose->fWeight + fWeight;
        if (pPose->fWeight == 0.0f)
            pPose->qRotation = qRotation;
        else
            D3DXQuaternionSlerp(&pPose->qRotation, &pPose->qRotation, &qRotation, fWeight / fTotal);
        pPose->vScale += fWeight * vScale;
        pPose->vTranslation += fWeight * vTranslation;
        pPose->fWeight = fTotal;
    }
    if (pPose->fWeight == 0.0f)
        return false;
    pPose->vScale /= pPose->fWeight;
    pPose->vTranslation /= pPose->fWeight;
    return true;
}

void XC_XFileAnimationController::WriteOutput(const Output& output, const Pose& pose)
{
    if (output.pMatrix != nullptr) {
        D3DXMATRIX matScale, matRotation;
        D3DXMatrixScaling(&matScale, pose.vScale.x, pose.vScale.y, pose.vScale.z);
        D3DXMatrixRotationQuaternion(&matRotation, &pose.qRotation);
        D3DXMatrixMultiply(output.pMatrix, &matScale, &matRotation);
        output.pMatrix->_41 = pose.vTranslation.x;
        output.pMatrix->_42 = pose.vTranslation.y;
        output.pMatrix->_43 = pose.vTranslation.z;
    }
    if (output.pScale != nullptr)
        *output.pScale = pose.vScale;
    if (output.pRotation != nullptr)
        *output.pRotation = pose.qRotation;
    if (output.pTranslation != nullptr)
        *output.pTranslation = pose.vTranslation;
}
