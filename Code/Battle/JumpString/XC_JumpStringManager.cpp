#include "Code/Battle/JumpString/XC_JumpStringManager.h"

#include "Code/XC_GameFileName.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Resource/Font/XC_TextureWord.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_Texture.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptResource.h"
#include "GameProgram/Script/XC_ScriptWork.h"

#include <climits>
#include <cstdio>
#include <iterator>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_JumpStringManager* g_pJumpStringManager = nullptr;

namespace {

const DWORD GF_JUMP_WORDS = 55;
const DWORD GF_JUMP_HP = 220;
const DWORD GF_JUMP_SP = 221;
const DWORD GF_JUMP_HP_RED = 222;
const DWORD GF_JUMP_EXP = 224;
const DWORD GF_JUMP_JEXP = 225;
const DWORD GF_JUMP_HIT = 227;

const DWORD COLOR_GAIN = 0xFFA6E771;
const DWORD COLOR_WHITE = 0xFFFFFFFF;
const DWORD COLOR_RED = 0xFFFF0000;
const DWORD D3DRS_ZWRITEENABLE_OFF = 0;

} // namespace

XC_JumpStringManager::~XC_JumpStringManager()
{
    ReleaseWords();
}

HRESULT XC_JumpStringManager::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    if (pEnvironmentOfRender == nullptr)
        XM_REPORT_FAILED("pEnvironmentOfRender");
    m_pEnvironmentOfRender = pEnvironmentOfRender;
    const char* const szFileName = g_pGameFileName != nullptr ? g_pGameFileName->GetFileName(GF_JUMP_WORDS) : nullptr;
    if (g_pPackFile_Data == nullptr)
        XM_REPORT_FAILED("g_pPackFile_Data");
    std::unique_ptr<XS_FileData> pFileData;
    if (g_pPackFile_Data != nullptr && szFileName != nullptr)
        pFileData.reset(g_pPackFile_Data->GetData(szFileName));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_JumpStringManager::Init\n\t讀取檔案失敗 %s", szFileName ? szFileName : ""));
        return S_OK;
    }
    XC_TextTree tree;
    const HRESULT hr = tree.LoadMem(pFileData->pData, pFileData->dwSize);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize )", hr);
    pFileData.reset();
    return LoadWords(tree);
}

HRESULT XC_JumpStringManager::LoadWords(const XC_TextNode& root)
{
    for (DWORD i = 0; i < DIGIT_COUNT; ++i) {
        char szName[16];
        std::snprintf(szName, sizeof(szName), "[Num%u]", static_cast<unsigned>(i));
        if (FAILED(LoadWord(root.FindChildNode(szName), m_apNumWord[i]))) {
            ReleaseWords();
            return E_FAIL;
        }
    }
    XC_TextureWord** const apLabels[] = {&m_pAddWord, &m_pSPWord, &m_pMORWord, &m_pEXPWord, &m_pJEXPWord};
    const char* const aszLabels[] = {"[Add]", "[SP]", "[MOR]", "[EXP]", "[JEXP]"};
    for (size_t i = 0; i < std::size(apLabels); ++i) {
        if (FAILED(LoadWord(root.FindChildNode(aszLabels[i]), *apLabels[i]))) {
            ReleaseWords();
            return E_FAIL;
        }
    }
    return S_OK;
}

HRESULT XC_JumpStringManager::LoadWord(const XC_TextNode* pNode, XC_TextureWord*& rpWord)
{
    if (pNode == nullptr) {
        XM_REPORT_FAILED("pNode");
        return E_FAIL;
    }
    ReleaseWord(rpWord);
    const char* const szTexture = pNode->GetStr("Texture", nullptr);
    XC_Texture* const pTextureObj =
        szTexture != nullptr && g_pTextureManager != nullptr ? g_pTextureManager->GetTexture(szTexture) : nullptr;
    if (pTextureObj == nullptr) {
        XM_REPORT_FAILED("pTextureObj");
        return E_FAIL;
    }
    rpWord = new XC_TextureWord;
    rpWord->SetTexture(pTextureObj);
    pTextureObj->Release();
    rpWord->SetWidth(static_cast<float>(pNode->GetInt("Width", 0)));
    rpWord->SetHeight(static_cast<float>(pNode->GetInt("Height", 0)));
    return S_OK;
}

void XC_JumpStringManager::ReleaseWord(XC_TextureWord*& rpWord)
{
    if (rpWord != nullptr) {
        rpWord->Release();
        rpWord = nullptr;
    }
}

HRESULT XC_JumpStringManager::ReleaseWords()
{
    for (XC_TextureWord*& pWord : m_apNumWord)
        ReleaseWord(pWord);
    ReleaseWord(m_pAddWord);
    ReleaseWord(m_pSPWord);
    ReleaseWord(m_pMORWord);
    ReleaseWord(m_pEXPWord);
    ReleaseWord(m_pJEXPWord);
    ClearAllWork();
    return S_OK;
}

HRESULT XC_JumpStringManager::CreateScriptWork(DWORD dwFileID, const D3DXVECTOR3& vPosition,
                                               XC_ScriptWork*& rpScriptWork)
{
    rpScriptWork = nullptr;
    const char* const szScriptFileName = g_pGameFileName != nullptr ? g_pGameFileName->GetFileName(dwFileID) : nullptr;
    if (szScriptFileName == nullptr) {
        XM_REPORT_FAILED("szScriptFileName");
        return E_FAIL;
    }
    rpScriptWork = new XC_ScriptWork;
    if (FAILED(rpScriptWork->SetTarget(szScriptFileName, m_pEnvironmentOfRender))) {
        delete rpScriptWork;
        rpScriptWork = nullptr;
        return E_FAIL;
    }
    XC_Script* const pScript = rpScriptWork->GetScriptObj(0);
    if (pScript == nullptr) {
        XM_REPORT_FAILED("rpScriptWork->GetScriptObj()");
        delete rpScriptWork;
        rpScriptWork = nullptr;
        return E_FAIL;
    }
    pScript->GetRenderObjManager()->SetPosition(&vPosition);
    return S_OK;
}

XC_RenderString* XC_JumpStringManager::FindJumpString(XC_ScriptWork* pScriptWork)
{
    XC_Script* const pScript = pScriptWork->GetScriptObj(0);
    if (pScript == nullptr)
        return nullptr;
    return dynamic_cast<XC_RenderString*>(pScript->GetScriptResource()->GetRenderObj("JumpString"));
}

HRESULT XC_JumpStringManager::Jump(DWORD dwFileID, const D3DXVECTOR3& vPosition, LONG lValue, eJumpNumType eType,
                                   const char* szJumpNumCall)
{
    XC_ScriptWork* pScriptWork = nullptr;
    if (FAILED(CreateScriptWork(dwFileID, vPosition, pScriptWork)))
        return E_FAIL;
    XC_RenderString* const pRS_JumpString = FindJumpString(pScriptWork);
    if (pRS_JumpString == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        delete pScriptWork;
        return E_FAIL;
    }
    const HRESULT hr = JumpNum(pRS_JumpString, lValue, eType);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR(szJumpNumCall, hr);
    if (eType == JNT_HIT) {
        pRS_JumpString->AddString(" HIT", COLOR_WHITE);
        // Each higher count sorts in front of the one before.
        pRS_JumpString->SetRanderSortDalta(-500.0f - 50.0f * static_cast<float>(lValue));
        pRS_JumpString->GetSetDirectState()->SetRenderState(D3DRS_ZWRITEENABLE, D3DRS_ZWRITEENABLE_OFF);
    }
    const HRESULT hrAdd = AddWork(pScriptWork);
    if (FAILED(hrAdd))
        XM_REPORT_FAILED_HR("XC_Sprite::AddWork( pScriptWork )", hrAdd);
    return S_OK;
}

HRESULT XC_JumpStringManager::JumpHP(const D3DXVECTOR3& vPosition, LONG lHP)
{
    return Jump(GF_JUMP_HP, vPosition, lHP, lHP >= 1 ? JNT_HP_GAIN : JNT_HP_LOSS,
                "JumpNum ( pRS_JumpString , lHP , eJumpNumType )");
}

HRESULT XC_JumpStringManager::JumpSP(const D3DXVECTOR3& vPosition, LONG lSP)
{
    return Jump(GF_JUMP_SP, vPosition, lSP, lSP >= 1 ? JNT_SP_GAIN : JNT_SP_LOSS,
                "JumpNum ( pRS_JumpString , lSP , eJumpNumType )");
}

HRESULT XC_JumpStringManager::JumpHPRed(const D3DXVECTOR3& vPosition, LONG lHP)
{
    return Jump(GF_JUMP_HP_RED, vPosition, lHP, JNT_HP_RED, "JumpNum ( pRS_JumpString , lHP , eJumpNumType )");
}

HRESULT XC_JumpStringManager::JumpEXP(const D3DXVECTOR3& vPosition, LONG lEXP)
{
    return Jump(GF_JUMP_EXP, vPosition, lEXP, JNT_EXP, "JumpNum ( pRS_JumpString , lEXP , eJumpNumType )");
}

HRESULT XC_JumpStringManager::JumpJEXP(const D3DXVECTOR3& vPosition, LONG lJEXP)
{
    return Jump(GF_JUMP_JEXP, vPosition, lJEXP, JNT_JEXP, "JumpNum ( pRS_JumpString , lJEXP , eJumpNumType )");
}

HRESULT XC_JumpStringManager::JumpHit(const D3DXVECTOR3& vPosition, LONG lHit)
{
    return Jump(GF_JUMP_HIT, vPosition, lHit, JNT_HIT, "JumpNum ( pRS_JumpString , lHit , eJumpNumType )");
}

HRESULT XC_JumpStringManager::JumpNum(XC_RenderString* pRS_JumpString, LONG lValue, eJumpNumType eType) const
{
    if (pRS_JumpString == nullptr) {
        XM_REPORT_FAILED("pRS_JumpString");
        return S_OK;
    }
    const HRESULT hr = pRS_JumpString->ClearString();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("pRS_JumpString->ClearString()", hr);

    struct XS_Lead
    {
        XC_TextureWord* pWord;
        DWORD dwColor;
    };
    XS_Lead aLeads[2] = {};
    DWORD dwDigitColor = COLOR_WHITE;
    switch (eType) {
    case JNT_HP_GAIN:
        aLeads[0] = {m_pAddWord, COLOR_GAIN};
        dwDigitColor = COLOR_GAIN;
        break;
    case JNT_HP_RED: dwDigitColor = COLOR_RED; break;
    case JNT_SP_GAIN:
        aLeads[0] = {m_pSPWord, COLOR_WHITE};
        aLeads[1] = {m_pAddWord, COLOR_GAIN};
        dwDigitColor = COLOR_GAIN;
        break;
    case JNT_SP_LOSS: aLeads[0] = {m_pSPWord, COLOR_WHITE}; break;
    case JNT_EXP: aLeads[0] = {m_pEXPWord, COLOR_WHITE}; break;
    case JNT_JEXP: aLeads[0] = {m_pJEXPWord, COLOR_WHITE}; break;
    default: break;
    }
    for (const XS_Lead& lead : aLeads) {
        if (lead.pWord != nullptr)
            pRS_JumpString->AddWord(lead.pWord, lead.dwColor);
    }

    // The magnitude as text; the lowest value has none and keeps its sign.
    char szDigits[16];
    if (lValue == LONG_MIN)
        std::snprintf(szDigits, sizeof(szDigits), "%ld", lValue);
    else
        std::snprintf(szDigits, sizeof(szDigits), "%ld", lValue < 0 ? -lValue : lValue);
    for (const char* p = szDigits; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9') {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
            const char szChar[2] = {*p, '\0'};
            pRS_JumpString->AddString(szChar, dwDigitColor);
            continue;
        }
        XC_TextureWord* const pWord = m_apNumWord[*p - '0'];
        if (pWord != nullptr)
            pRS_JumpString->AddWord(pWord, dwDigitColor);
    }
    return S_OK;
}
