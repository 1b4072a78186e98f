#include "Code/Menu/BattleMenu/XC_BattleCoordinatedAttackMenu.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/XC_SceneFunction.h"
#include "Code/Menu/BattleMenu/XC_BattleSkillMenu.h"
#include "Code/XC_GameFileName.h"
#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlSkill.h"
#include "JC_DataManager/Manager/JC_DataManager.h"

#include <cstdio>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD COORDINATED_ATTACK_TABLE = 56;

} // namespace

XC_BattleCoordinatedAttackMenu::XC_BattleCoordinatedAttackMenu()
{
    m_dwExplainTextID = 11;
}

HRESULT XC_BattleCoordinatedAttackMenu::Init(XI_EnvironmentOfRender* pEnvironmentOfRender)
{
    m_mapCoordinatedAttack.clear();
    const char* const szFileName =
        g_pGameFileName != nullptr ? g_pGameFileName->GetFileName(COORDINATED_ATTACK_TABLE) : nullptr;
    std::unique_ptr<XS_FileData> pFileData;
    if (g_pPackFile_Data != nullptr && szFileName != nullptr)
        pFileData.reset(g_pPackFile_Data->GetData(szFileName));
    if (pFileData == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    const HRESULT hr = LoadTable(reinterpret_cast<const char*>(pFileData->pData), pFileData->dwSize, szFileName);
    pFileData.reset();
    if (FAILED(hr))
        return hr;
    return XC_ListMenu::Init(pEnvironmentOfRender);
}

HRESULT XC_BattleCoordinatedAttackMenu::LoadTable(const char* szData, DWORD dwSize, const char* szFileName)
{
    XC_IOTextFile TextFile;
    const HRESULT hr = TextFile.LoadFromMemory(szData, dwSize);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("TextFile.LoadFromMemory( pFileData->pData , pFileData->dwSize )", hr);
        return hr;
    }
    for (DWORD i = 0; i < TextFile.GetLineCount(); ++i) {
        const char* const szLine = TextFile.GetLine(i);
        XS_CoordinatedAttack row;
        unsigned uKey = 0, uPartner = 0, uAttack = 0;
        if (szLine == nullptr || std::sscanf(szLine, "H%x,H%x,H%x", &uKey, &uPartner, &uAttack) != 3) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("%s line %u: not three ids \"H%%x,H%%x,H%%x\"", szFileName,
                                         static_cast<unsigned>(i + 1)));
            continue;
        }
        row.dwKeySkillID = uKey;
        row.dwPartnerSkillID = uPartner;
        row.dwAttackSkillID = uAttack;
        m_mapCoordinatedAttack.emplace(row.dwKeySkillID, row);
    }
    return S_OK;
}

HRESULT XC_BattleCoordinatedAttackMenu::LoadTools()
{
    return E_FAIL;
}

BOOL XC_BattleCoordinatedAttackMenu::HasItem() const
{
    return !m_vecListItem.empty();
}

HRESULT XC_BattleCoordinatedAttackMenu::SetPerson(XC_GamePerson* pPersonObj)
{
    if (pPersonObj == nullptr) {
        XM_REPORT_FAILED("pPersonObj");
        return E_FAIL;
    }
    if (gp_DataManagerObj == nullptr || gp_BehaviorAnalyserObj == nullptr) {
        XM_REPORT_FAILED("gp_DataManagerObj");
        return E_FAIL;
    }
    ClearItem();
    m_listPartner.clear();
    if (g_pPersonManager == nullptr || g_pSceneFunctionObj == nullptr) {
        XM_REPORT_FAILED("g_pPersonManager");
        return E_FAIL;
    }
    JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
    const int iCamp = pPower->GetCamp(FALSE);
    const LONG lFloor = static_cast<LONG>(pPersonObj->GetFloorIndex());
    XC_GamePerson* pOther = nullptr;
    while (g_pPersonManager->GetNextPerson(pOther, &pOther, TRUE) && pOther != nullptr) {
        if (pOther->GetControlPersonPower()->GetCamp(FALSE) == iCamp &&
            g_pSceneFunctionObj->GetFloorDistance(lFloor, static_cast<LONG>(pOther->GetFloorIndex())) == 1)
            m_listPartner.push_back(pOther);
    }
    if (m_listPartner.empty())
        return S_OK;
    for (DWORD i = 0; i < pPower->GetLearnSkillCount(); ++i) {
        const DWORD dwSkillID = pPower->GetLearnSkillID(i);
        const DWORD dwLevel = static_cast<DWORD>(pPower->GetLearnSkillLV(i));
        if (dwLevel == 0)
            continue;
        const auto range = m_mapCoordinatedAttack.equal_range(dwSkillID);
        for (auto it = range.first; it != range.second; ++it)
            AddCoordinatedAttackItem(it->second, pPersonObj, dwLevel);
    }
    return S_OK;
}

HRESULT XC_BattleCoordinatedAttackMenu::AddCoordinatedAttackItem(const XS_CoordinatedAttack& row,
                                                                 XC_GamePerson* pPersonObj, DWORD dwLevel)
{
    for (XC_GamePerson* pPartner : m_listPartner) {
        const DWORD dwPartnerLevel = GetPersonSkillLevel(pPartner, row.dwPartnerSkillID);
        if (dwPartnerLevel == 0)
            continue;
        // Each partner's attack level is the mean of its level and the
        // person's own.
        const DWORD dwAttackLevel = (dwLevel + dwPartnerLevel) / 2;
        JC_ControlSkill ControlSkillObj;
        if (FAILED(XC_BattleSkillMenu::StartSkillControl(ControlSkillObj, s_szSourceFile)))
            return E_FAIL;
        if (ControlSkillObj.SetDataConponent(row.dwAttackSkillID, dwAttackLevel) != 0) {
            XM_REPORT_FAILED("ControlSkillObj.SetDataConponent( dwAttackSkillID , dwAttackLevel )");
            continue;
        }
        XS_ListItem sListItem =
            XC_BattleSkillMenu::SkillItem(ControlSkillObj, pPersonObj, row.dwAttackSkillID, dwAttackLevel);
        sListItem.dwData2 = reinterpret_cast<DWORD_PTR>(pPartner);
        AddItem(sListItem);
    }
    return S_OK;
}

DWORD XC_BattleCoordinatedAttackMenu::GetPersonSkillLevel(XC_GamePerson* pPersonObj, DWORD dwSkillID) const
{
    JC_ControlPersonPower* const pPower = pPersonObj->GetControlPersonPower();
    for (DWORD i = 0; i < pPower->GetLearnSkillCount(); ++i) {
        if (pPower->GetLearnSkillID(i) == dwSkillID)
            return static_cast<DWORD>(pPower->GetLearnSkillLV(i));
    }
    return 0;
}
