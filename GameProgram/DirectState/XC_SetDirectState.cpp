#include "GameProgram/DirectState/XC_SetDirectState.h"

#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Common/XF_TokenTable.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/DirectState/XF_DeviceStateRange.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_TextureManager.h"

#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XI_DirectState* g_pActiveDirectStateObj = nullptr;

namespace {

// Makes the state cache the active state object as soon as it is built.
struct XS_ActiveDirectStateStart
{
    XS_ActiveDirectStateStart() { g_pActiveDirectStateObj = g_pDirectStateObj; }
};

XS_ActiveDirectStateStart s_ActiveDirectStateStart XM_INIT_ORDER(XE_INIT_DIRECT_STATE + 1);

std::uint64_t PairKey(DWORD dwHigh, DWORD dwLow)
{
    return (static_cast<std::uint64_t>(dwHigh) << 32) | dwLow;
}

template <class T> T* FindByKey(const std::unordered_map<std::uint64_t, T*>& Index, std::uint64_t qwKey)
{
    const auto found = Index.find(qwKey);
    return found != Index.end() ? found->second : nullptr;
}

// False, with a report naming the command and its numbers, when a number is
// not one Direct3D 9 defines.
bool CheckStateNumbers(bool bDefined, const char* szCommand, DWORD dwFirst, DWORD dwSecond)
{
    if (bDefined)
        return true;
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("%s %lu , %lu : not a Direct3D 9 state", szCommand, dwFirst, dwSecond));
    return false;
}

// False, with a report, when a state is given a value Direct3D 9 does not take.
bool CheckStateValue(bool bInRange, const char* szCommand, DWORD eType, DWORD dwValue)
{
    if (bInRange)
        return true;
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("%s %lu = %lu : not a value of the state", szCommand, eType, dwValue));
    return false;
}

} // namespace

XC_SetDirectState::~XC_SetDirectState()
{
    Clear();
    if (this == g_pActiveDirectStateObj) {
        if (g_pPredecessor == nullptr)
            XM_REPORT_FAILED("g_pPredecessor");
        g_pActiveDirectStateObj = g_pDirectStateObj;
    } else if (g_pPredecessor != nullptr) {
        LeaveActiveChain();
    }
}

void XC_SetDirectState::LeaveActiveChain()
{
    // A set activated over this one would otherwise keep a dangling predecessor.
    XI_DirectState* pState = g_pActiveDirectStateObj;
    while (XC_SetDirectState* const pSet = dynamic_cast<XC_SetDirectState*>(pState)) {
        if (pSet->g_pPredecessor == this) {
            pSet->g_pPredecessor = g_pPredecessor;
            return;
        }
        pState = pSet->g_pPredecessor;
    }
}

XI_DirectState* XC_SetDirectState::GetFallback() const
{
    if (g_pPredecessor != nullptr)
        return g_pPredecessor;
    return g_pDirectStateObj;
}

XC_SetRenderState* XC_SetDirectState::FindRenderState(DWORD eType) const
{
    return FindByKey(m_RenderStateIndex, eType);
}

XC_SetTextureStageState* XC_SetDirectState::FindTextureStageState(DWORD dwStage, DWORD eType) const
{
    return FindByKey(m_TextureStageStateIndex, PairKey(dwStage, eType));
}

XC_SetSamplerState* XC_SetDirectState::FindSamplerState(DWORD dwSampler, DWORD eType) const
{
    return FindByKey(m_SamplerStateIndex, PairKey(dwSampler, eType));
}

XC_SetTexture* XC_SetDirectState::FindTexture(DWORD dwStage) const
{
    return FindByKey(m_TextureIndex, dwStage);
}

HRESULT XC_SetDirectState::GetRenderState(DWORD eType, DWORD* pdwValue)
{
    if (const XC_SetRenderState* const pRecord = FindRenderState(eType)) {
        *pdwValue = pRecord->GetValue();
        return S_OK;
    }
    const HRESULT hr = GetFallback()->GetRenderState(eType, pdwValue);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("hr", hr);
    return hr;
}

HRESULT XC_SetDirectState::GetTextureStageState(DWORD dwStage, DWORD eType, DWORD* pdwValue)
{
    if (const XC_SetTextureStageState* const pRecord = FindTextureStageState(dwStage, eType)) {
        *pdwValue = pRecord->GetValue();
        return S_OK;
    }
    const HRESULT hr = GetFallback()->GetTextureStageState(dwStage, eType, pdwValue);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("hr", hr);
    return hr;
}

HRESULT XC_SetDirectState::GetSamplerState(DWORD dwSampler, DWORD eType, DWORD* pdwValue)
{
    if (const XC_SetSamplerState* const pRecord = FindSamplerState(dwSampler, eType)) {
        *pdwValue = pRecord->GetValue();
        return S_OK;
    }
    const HRESULT hr = GetFallback()->GetSamplerState(dwSampler, eType, pdwValue);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("hr", hr);
    return hr;
}

HRESULT XC_SetDirectState::ApplyRenderState(DWORD eType)
{
    DWORD dwValue = 0;
    const HRESULT hr = GetRenderState(eType, &dwValue);
    if (hr != S_OK) {
        XM_REPORT_FAILED_HR("GetRenderState( eType , &dwValue )", hr);
        return hr;
    }
    IDirect3DDevice9* const pD3DDevice = XC_SetState::GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    return pD3DDevice->SetRenderState(static_cast<D3DRENDERSTATETYPE>(eType), dwValue);
}

HRESULT XC_SetDirectState::ApplyTextureStageState(DWORD dwStage, DWORD eType)
{
    DWORD dwValue = 0;
    const HRESULT hr = GetTextureStageState(dwStage, eType, &dwValue);
    if (hr != S_OK) {
        XM_REPORT_FAILED_HR("GetTextureStageState( dwStage , eType , &dwValue )", hr);
        return hr;
    }
    IDirect3DDevice9* const pD3DDevice = XC_SetState::GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    return pD3DDevice->SetTextureStageState(dwStage, static_cast<D3DTEXTURESTAGESTATETYPE>(eType), dwValue);
}

HRESULT XC_SetDirectState::ApplySamplerState(DWORD dwSampler, DWORD eType)
{
    DWORD dwValue = 0;
    const HRESULT hr = GetSamplerState(dwSampler, eType, &dwValue);
    if (hr != S_OK) {
        XM_REPORT_FAILED_HR("GetSamplerState( dwSampler , eType , &dwValue )", hr);
        return hr;
    }
    IDirect3DDevice9* const pD3DDevice = XC_SetState::GetDevice();
    if (pD3DDevice == nullptr)
        return E_FAIL;
    return pD3DDevice->SetSamplerState(dwSampler, static_cast<D3DSAMPLERSTATETYPE>(eType), dwValue);
}

HRESULT XC_SetDirectState::Copy(const XC_SetDirectState* pSrc)
{
    Clear();
    return Add(pSrc);
}

HRESULT XC_SetDirectState::Add(const XC_SetDirectState* pSrc)
{
    if (pSrc == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    for (DWORD i = 0; i < pSrc->m_SetRenderStateList.Count(); ++i) {
        const XC_SetRenderState* const pRecord = pSrc->m_SetRenderStateList.GetPtr(i);
        SetRenderState(pRecord->GetType(), pRecord->GetValue());
    }
    for (DWORD i = 0; i < pSrc->m_SetTextureStageStateList.Count(); ++i) {
        const XC_SetTextureStageState* const pRecord = pSrc->m_SetTextureStageStateList.GetPtr(i);
        SetTextureStageState(pRecord->GetStage(), pRecord->GetType(), pRecord->GetValue());
    }
    for (DWORD i = 0; i < pSrc->m_SetSamplerStateList.Count(); ++i) {
        const XC_SetSamplerState* const pRecord = pSrc->m_SetSamplerStateList.GetPtr(i);
        SetSamplerState(pRecord->GetSampler(), pRecord->GetType(), pRecord->GetValue());
    }
    for (DWORD i = 0; i < pSrc->m_SetTextureList.Count(); ++i) {
        const XC_SetTexture* const pRecord = pSrc->m_SetTextureList.GetPtr(i);
        SetTexture(pRecord->GetStage(), pRecord->GetTextureObj());
    }
    return S_OK;
}

HRESULT XC_SetDirectState::LoadFromMemory(const void* pData, DWORD dwSize)
{
    if (pData == nullptr) {
        XM_REPORT_FAILED("pData");
        return E_FAIL;
    }
    if (dwSize == 0) {
        XM_REPORT_FAILED("dwSize > 0");
        return E_FAIL;
    }
    XC_TextTree TTree;
    const HRESULT hr = TTree.LoadMem(pData, dwSize);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("TTree.LoadMem( pData , dwSize )", hr);
    return LoadFromTextNode(&TTree);
}

HRESULT XC_SetDirectState::LoadFromTextNode(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    static const struct
    {
        const char* szName;
        HRESULT (XC_SetDirectState::*pLoader)(const XC_TextNode*);
    } SECTIONS[] = {
        {"[SetRenderState]", &XC_SetDirectState::LoadRenderStates},
        {"[SetTextureStageState]", &XC_SetDirectState::LoadTextureStageStates},
        {"[SetSamplerState]", &XC_SetDirectState::LoadSamplerStates},
        {"[SetTexture]", &XC_SetDirectState::LoadTextures},
    };

    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        const XC_TextNode* const pChild = pTNode->FindChildNode(i);
        const char* const szName = pChild != nullptr ? pChild->GetName() : nullptr;
        if (szName == nullptr) {
            Clear();
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            return E_FAIL;
        }
        const auto* const pSection = XF_FindToken(SECTIONS, szName);
        if (pSection == nullptr) {
            XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("Unknow SetStateType \"%s\"", szName));
            continue;
        }
        if (FAILED((this->*pSection->pLoader)(pChild))) {
            Clear();
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            return E_FAIL;
        }
    }
    return S_OK;
}

HRESULT XC_SetDirectState::LoadSection(const XC_TextNode* pTNode,
                                       HRESULT (XC_SetDirectState::*pCommand)(const char*), const char* szCall)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    for (int i = 0; i < pTNode->GetLeafCount(); ++i) {
        const XC_TextLeaf* const pLeaf = pTNode->GetLeaf(i);
        if (pLeaf == nullptr) {
            XM_REPORT_FAILED("pLeaf");
            continue;
        }
        const char* const szText = pLeaf->GetStr();
        if (szText == nullptr) {
            XM_REPORT_FAILED("pLeaf->GetStr()");
            continue;
        }
        const HRESULT hr = (this->*pCommand)(szText);
        if (FAILED(hr))
            XM_REPORT_FAILED_HR(szCall, hr);
    }
    return S_OK;
}

HRESULT XC_SetDirectState::LoadRenderStates(const XC_TextNode* pTNode)
{
    return LoadSection(pTNode, &XC_SetDirectState::ScriptSetRenderState, "ScriptSetRenderState( pLeaf->GetStr() )");
}

HRESULT XC_SetDirectState::LoadTextureStageStates(const XC_TextNode* pTNode)
{
    return LoadSection(pTNode, &XC_SetDirectState::ScriptSetTextureStageState,
                       "ScriptSetTextureStageState( pLeaf->GetStr() )");
}

HRESULT XC_SetDirectState::LoadSamplerStates(const XC_TextNode* pTNode)
{
    return LoadSection(pTNode, &XC_SetDirectState::ScriptSetSamplerState,
                       "ScriptSetSamplerState( pLeaf->GetStr() )");
}

HRESULT XC_SetDirectState::LoadTextures(const XC_TextNode* pTNode)
{
    return LoadSection(pTNode, &XC_SetDirectState::ScriptSetTexture, "ScriptSetTexture( pLeaf->GetStr() )");
}

HRESULT XC_SetDirectState::Activate()
{
    if (this == g_pActiveDirectStateObj) {
        XM_REPORT_FAILED("this != g_pActiveDirectStateObj");
        return E_FAIL;
    }
    // Still in the chain below the active set: a second activation would
    // make the chain a loop.
    if (g_pPredecessor != nullptr) {
        XM_REPORT_FAILED("g_pPredecessor == NULL");
        return E_FAIL;
    }
    g_pPredecessor = g_pActiveDirectStateObj;
    g_pActiveDirectStateObj = this;
    for (DWORD i = 0; i < m_SetStateList.Count(); ++i)
        m_SetStateList.GetPtr(i)->Apply();
    return S_OK;
}

XI_DirectState* XC_SetDirectState::Deactivate()
{
    XI_DirectState* pRestorer = g_pPredecessor;
    if (this != g_pActiveDirectStateObj) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "this == g_pActiveDirectStateObj", "死定了 重大錯誤"));
        // Out of order: the active set stays active and this one leaves the
        // chain, so the sets above keep their values and what this set
        // changed falls back to the chain without it.
        LeaveActiveChain();
        if (g_pPredecessor != nullptr)
            pRestorer = g_pActiveDirectStateObj;
    }
    for (DWORD i = 0; i < m_SetStateList.Count(); ++i)
        m_SetStateList.GetPtr(i)->Restore(pRestorer);
    XI_DirectState* const pPredecessor = g_pPredecessor;
    if (this == g_pActiveDirectStateObj)
        g_pActiveDirectStateObj = pPredecessor;
    g_pPredecessor = nullptr;
    return pPredecessor;
}

void XC_SetDirectState::Clear()
{
    for (DWORD i = 0; i < m_SetStateList.Count(); ++i)
        delete m_SetStateList.GetPtr(i);
    m_SetStateList.RemoveAll();
    m_SetRenderStateList.RemoveAll();
    m_SetTextureStageStateList.RemoveAll();
    m_SetSamplerStateList.RemoveAll();
    m_SetTextureList.RemoveAll();
    m_RenderStateIndex.clear();
    m_TextureStageStateIndex.clear();
    m_SamplerStateIndex.clear();
    m_TextureIndex.clear();
}

HRESULT XC_SetDirectState::AddSetState(XC_SetState* pSetStateObj)
{
    if (pSetStateObj == nullptr) {
        XM_REPORT_FAILED("pSetStateObj");
        return E_FAIL;
    }
    return m_SetStateList.Add(pSetStateObj);
}

HRESULT XC_SetDirectState::RemoveSetState(XC_SetState* pSetStateObj)
{
    for (DWORD i = 0; i < m_SetStateList.Count(); ++i) {
        if (m_SetStateList.GetPtr(i) == pSetStateObj) {
            m_SetStateList.RemoveAt(i);
            return S_OK;
        }
    }
    XF_ReportError(s_szSourceFile, __LINE__, nullptr);
    return E_FAIL;
}

template <class T>
HRESULT XC_SetDirectState::AddRecord(XC_PtrArrayList<T>& List, std::unordered_map<std::uint64_t, T*>& Index,
                                     std::uint64_t qwKey, T* pRecord)
{
    if (pRecord == nullptr) {
        XM_REPORT_FAILED("pRecord");
        return E_OUTOFMEMORY;
    }
    HRESULT hr = List.Add(pRecord);
    if (SUCCEEDED(hr)) {
        hr = AddSetState(pRecord);
        if (FAILED(hr))
            List.RemoveAt(List.Count() - 1);
    }
    if (FAILED(hr)) {
        delete pRecord;
        return hr;
    }
    Index[qwKey] = pRecord;
    return hr;
}

template <class T>
void XC_SetDirectState::DeleteRecord(XC_PtrArrayList<T>& List, std::unordered_map<std::uint64_t, T*>& Index,
                                     std::uint64_t qwKey)
{
    T* const pRecord = FindByKey(Index, qwKey);
    if (pRecord == nullptr)
        return;
    Index.erase(qwKey);
    for (DWORD i = 0; i < List.Count(); ++i) {
        if (List.GetPtr(i) == pRecord) {
            List.RemoveAt(i);
            break;
        }
    }
    RemoveSetState(pRecord);
    delete pRecord;
}

HRESULT XC_SetDirectState::SetRenderState(DWORD eType, DWORD dwValue)
{
    if (!CheckStateNumbers(XF_IsRenderStateType(eType), "SetRenderState", eType, dwValue)
        || !CheckStateValue(XF_IsRenderStateValue(eType, dwValue), "SetRenderState", eType, dwValue))
        return E_INVALIDARG;
    if (XC_SetRenderState* const pRecord = FindRenderState(eType)) {
        pRecord->SetValue(dwValue);
        return S_OK;
    }
    return AddRecord(m_SetRenderStateList, m_RenderStateIndex, eType,
                     new (std::nothrow) XC_SetRenderState(eType, dwValue));
}

HRESULT XC_SetDirectState::SetTextureStageState(DWORD dwStage, DWORD eType, DWORD dwValue)
{
    if (!CheckStateNumbers(XF_IsTextureStage(dwStage) && XF_IsTextureStageStateType(eType), "SetTextureStageState",
                           dwStage, eType)
        || !CheckStateValue(XF_IsTextureStageStateValue(eType, dwValue), "SetTextureStageState", eType, dwValue))
        return E_INVALIDARG;
    if (XC_SetTextureStageState* const pRecord = FindTextureStageState(dwStage, eType)) {
        pRecord->SetValue(dwValue);
        return S_OK;
    }
    return AddRecord(m_SetTextureStageStateList, m_TextureStageStateIndex, PairKey(dwStage, eType),
                     new (std::nothrow) XC_SetTextureStageState(dwStage, eType, dwValue));
}

HRESULT XC_SetDirectState::SetSamplerState(DWORD dwSampler, DWORD eType, DWORD dwValue)
{
    if (!CheckStateNumbers(XF_IsSampler(dwSampler) && XF_IsSamplerStateType(eType), "SetSamplerState", dwSampler,
                           eType)
        || !CheckStateValue(XF_IsSamplerStateValue(eType, dwValue), "SetSamplerState", eType, dwValue))
        return E_INVALIDARG;
    if (XC_SetSamplerState* const pRecord = FindSamplerState(dwSampler, eType)) {
        pRecord->SetValue(dwValue);
        return S_OK;
    }
    return AddRecord(m_SetSamplerStateList, m_SamplerStateIndex, PairKey(dwSampler, eType),
                     new (std::nothrow) XC_SetSamplerState(dwSampler, eType, dwValue));
}

HRESULT XC_SetDirectState::SetTexture(DWORD dwStage, XC_Texture* pTextureObj)
{
    if (!CheckStateNumbers(XF_IsSampler(dwStage), "SetTexture", dwStage, 0))
        return E_INVALIDARG;
    if (XC_SetTexture* const pRecord = FindTexture(dwStage)) {
        pRecord->SetTextureObj(pTextureObj);
        return S_OK;
    }
    return AddRecord(m_SetTextureList, m_TextureIndex, dwStage, new (std::nothrow) XC_SetTexture(dwStage, pTextureObj));
}

HRESULT XC_SetDirectState::SetTexture(DWORD dwStage, const char* szTextureName)
{
    if (szTextureName == nullptr) {
        XM_REPORT_FAILED("szTextureName");
        return E_FAIL;
    }
    if (g_pTextureManager == nullptr) {
        XM_REPORT_FAILED("g_pTextureManager");
        return E_FAIL;
    }
    XC_Texture* const pTextureObj = g_pTextureManager->GetTexture(szTextureName);
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("pTextureObj");
        return E_FAIL;
    }
    // The record takes its own reference; the manager's goes back.
    const HRESULT hr = SetTexture(dwStage, pTextureObj);
    pTextureObj->Release();
    return hr;
}

HRESULT XC_SetDirectState::GetStageTexture(DWORD dwStage, XC_Texture** ppTextureObj) const
{
    if (ppTextureObj == nullptr) {
        XM_REPORT_FAILED("ppTextureObj");
        return E_FAIL;
    }
    const XC_SetTexture* const pRecord = FindTexture(dwStage);
    *ppTextureObj = pRecord != nullptr ? pRecord->GetTextureObj() : nullptr;
    return S_OK;
}

HRESULT XC_SetDirectState::RemoveRenderState(DWORD eType)
{
    DeleteRecord(m_SetRenderStateList, m_RenderStateIndex, eType);
    return S_OK;
}

HRESULT XC_SetDirectState::RemoveTextureStageState(DWORD dwStage, DWORD eType)
{
    DeleteRecord(m_SetTextureStageStateList, m_TextureStageStateIndex, PairKey(dwStage, eType));
    return S_OK;
}

HRESULT XC_SetDirectState::RemoveSamplerState(DWORD dwSampler, DWORD eType)
{
    DeleteRecord(m_SetSamplerStateList, m_SamplerStateIndex, PairKey(dwSampler, eType));
    return S_OK;
}

HRESULT XC_SetDirectState::RemoveTexture(DWORD dwStage)
{
    DeleteRecord(m_SetTextureList, m_TextureIndex, dwStage);
    return S_OK;
}

HRESULT XC_SetDirectState::RunScriptLine(const char* szScript, HRESULT (XC_SetDirectState::*pCommand)(XC_Strtok&))
{
    XC_Strtok StrtokObj;
    const HRESULT hr = StrtokObj.SetData(szScript);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("StrtokObj.SetData( szScript )", hr);
        return hr;
    }
    return (this->*pCommand)(StrtokObj);
}

HRESULT XC_SetDirectState::ScriptSetDirectState(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptSetDirectState);
}

HRESULT XC_SetDirectState::ScriptSetDirectState(XC_Strtok& StrtokObj)
{
    const char* const szToken = StrtokObj.GetToken(TRUE);
    if (szToken == nullptr) {
        XM_REPORT_FAILED("szToken");
        return E_FAIL;
    }
    static const struct
    {
        const char* szName;
        HRESULT (XC_SetDirectState::*pCommand)(XC_Strtok&);
    } COMMANDS[] = {
        {"SetRenderState", &XC_SetDirectState::ScriptSetRenderState},
        {"SetTextureStageState", &XC_SetDirectState::ScriptSetTextureStageState},
        {"SetSamplerState", &XC_SetDirectState::ScriptSetSamplerState},
        {"SetTexture", &XC_SetDirectState::ScriptSetTexture},
        {"RemoveRenderState", &XC_SetDirectState::ScriptRemoveRenderState},
        {"RemoveTextureStageState", &XC_SetDirectState::ScriptRemoveTextureStageState},
        {"RemoveSamplerState", &XC_SetDirectState::ScriptRemoveSamplerState},
        {"RemoveTexture", &XC_SetDirectState::ScriptRemoveTexture},
    };
    if (const auto* const pCommand = XF_FindToken(COMMANDS, szToken))
        return (this->*pCommand->pCommand)(StrtokObj);
    XF_ReportError(s_szSourceFile, __LINE__, "ScriptSetDirectState Can't Find Token");
    return E_FAIL;
}

HRESULT XC_SetDirectState::ScriptSetRenderState(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptSetRenderState);
}

HRESULT XC_SetDirectState::ScriptSetRenderState(XC_Strtok& StrtokObj)
{
    const DWORD eType = StrtokObj.GetTokenDword(TRUE);
    const DWORD dwValue = StrtokObj.GetTokenDword(TRUE);
    return SetRenderState(eType, dwValue);
}

HRESULT XC_SetDirectState::ScriptSetTextureStageState(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptSetTextureStageState);
}

HRESULT XC_SetDirectState::ScriptSetTextureStageState(XC_Strtok& StrtokObj)
{
    const DWORD dwStage = StrtokObj.GetTokenDword(TRUE);
    const DWORD eType = StrtokObj.GetTokenDword(TRUE);
    const DWORD dwValue = StrtokObj.GetTokenDword(TRUE);
    return SetTextureStageState(dwStage, eType, dwValue);
}

HRESULT XC_SetDirectState::ScriptSetSamplerState(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptSetSamplerState);
}

HRESULT XC_SetDirectState::ScriptSetSamplerState(XC_Strtok& StrtokObj)
{
    const DWORD dwSampler = StrtokObj.GetTokenDword(TRUE);
    const DWORD eType = StrtokObj.GetTokenDword(TRUE);
    const DWORD dwValue = StrtokObj.GetTokenDword(TRUE);
    return SetSamplerState(dwSampler, eType, dwValue);
}

HRESULT XC_SetDirectState::ScriptSetTexture(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptSetTexture);
}

HRESULT XC_SetDirectState::ScriptSetTexture(XC_Strtok& StrtokObj)
{
    const DWORD dwStage = StrtokObj.GetTokenDword(TRUE);
    const char* const szTextureName = StrtokObj.GetToken(TRUE);
    return SetTexture(dwStage, szTextureName);
}

HRESULT XC_SetDirectState::ScriptRemoveRenderState(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptRemoveRenderState);
}

HRESULT XC_SetDirectState::ScriptRemoveRenderState(XC_Strtok& StrtokObj)
{
    return RemoveRenderState(StrtokObj.GetTokenDword(TRUE));
}

HRESULT XC_SetDirectState::ScriptRemoveTextureStageState(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptRemoveTextureStageState);
}

// Stage before type, as the command that sets the state reads them, so a
// line that sets a state and the line that removes it name it alike.
HRESULT XC_SetDirectState::ScriptRemoveTextureStageState(XC_Strtok& StrtokObj)
{
    const DWORD dwStage = StrtokObj.GetTokenDword(TRUE);
    const DWORD eType = StrtokObj.GetTokenDword(TRUE);
    return RemoveTextureStageState(dwStage, eType);
}

HRESULT XC_SetDirectState::ScriptRemoveSamplerState(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptRemoveSamplerState);
}

HRESULT XC_SetDirectState::ScriptRemoveSamplerState(XC_Strtok& StrtokObj)
{
    const DWORD dwSampler = StrtokObj.GetTokenDword(TRUE);
    const DWORD eType = StrtokObj.GetTokenDword(TRUE);
    return RemoveSamplerState(dwSampler, eType);
}

HRESULT XC_SetDirectState::ScriptRemoveTexture(const char* szScript)
{
    return RunScriptLine(szScript, &XC_SetDirectState::ScriptRemoveTexture);
}

HRESULT XC_SetDirectState::ScriptRemoveTexture(XC_Strtok& StrtokObj)
{
    return RemoveTexture(StrtokObj.GetTokenDword(TRUE));
}
