#include "JC_DataManager/Event/JC_EventBase.h"

#include "JC_DataManager/Control/JC_ControlManager.h"
#include "TemplateSystem/JC_DebugLog.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_NAME);

} // namespace

DWORD JC_EventBase::Initiation(JC_ControlManager* pControlManager)
{
    m_pControlManager = nullptr;
    m_pErrorLog = nullptr;
    m_pDataManager = nullptr;
    m_pBehaviorAnalyser = nullptr;
    if (pControlManager == nullptr)
        return JE_EVENTBASE_NULL_CONTROL_MANAGER;
    m_pControlManager = pControlManager;
    m_pErrorLog = pControlManager->GetErrorLog();
    m_pDataManager = pControlManager->GetDataManager();
    m_pBehaviorAnalyser = pControlManager->GetBehaviorAnalyser();
    const DWORD dwResult = m_ControlPersonObj.Initiation(m_pDataManager, m_pBehaviorAnalyser);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " Initiation ControlPersonPowerObj Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

template <typename Match>
DWORD JC_EventBase::FindPersons(Match match, std::vector<int>& teamIDs, std::vector<JC_DataComponent*>& persons)
{
    teamIDs.clear();
    persons.clear();
    if (m_pControlManager == nullptr)
        return JE_EVENTBASE_NULL_CONTROL_MANAGER;
    for (int p = 0; p < JC_ControlTeam::TEAM_INDEX_LIMIT; ++p) {
        JC_DataComponent* pPerson = nullptr;
        const DWORD dwResult = m_pControlManager->m_ControlTeamObj.GetPersonFromTeam(TeamID::TEAMID_FIGHT, p, pPerson);
        if (dwResult == JE_CONTROLTEAM_GET_EMPTY)
            continue;
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " GetPersonFromFightTeam Fail. \r\n TeamIndex:%d \r\n HRESULT:0x%08x \r\n", p,
                               static_cast<unsigned>(dwResult));
            return dwResult;
        }
        const DWORD dwBind = BindPerson(pPerson, s_szSourceFile);
        if (dwBind != 0)
            return dwBind;
        if (match()) {
            teamIDs.push_back(p);
            persons.push_back(pPerson);
        }
    }
    return 0;
}

DWORD JC_EventBase::GetDesignatePersonObjFromTeam(int iCamp, int iLifeState, std::vector<int>& teamIDs,
                                                  std::vector<JC_DataComponent*>& persons)
{
    return FindPersons(
        [&] {
            const bool bCamp = iCamp == JD_EVENT_ANY_CAMP || m_ControlPersonObj.GetCamp(FALSE) == iCamp;
            return bCamp && (iLifeState == JD_EVENT_ANY_LIFE || m_ControlPersonObj.GetLifeState() == iLifeState);
        },
        teamIDs, persons);
}

DWORD JC_EventBase::GetDesignatePersonObjFromTeam(int iCamp, std::vector<int>& teamIDs,
                                                  std::vector<JC_DataComponent*>& persons)
{
    return FindPersons(
        [&] {
            const bool bCamp = iCamp == JD_EVENT_ANY_CAMP || m_ControlPersonObj.GetCamp(FALSE) == iCamp;
            return bCamp && m_ControlPersonObj.GetIsSummonRole() == 1;
        },
        teamIDs, persons);
}

DWORD JC_EventBase::BindPerson(JC_DataComponent* pPerson, const char* szSourceFile)
{
    const DWORD dwResult = m_ControlPersonObj.SetControlPerson(pPerson);
    if (dwResult != 0) {
        ErrorLog().PrintAt(szSourceFile, __LINE__, " SetControlPerson Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
    }
    return dwResult;
}

void JC_EventBase::ApplyRestoreRates(int iHPRate, int iHPBase, int iSPRate, int iSPBase, JC_EventDealResultB& result)
{
    if (iHPRate != 0) {
        result.m_IsHPChange = 1;
        result.m_HPChange = static_cast<int>(static_cast<long long>(iHPBase) * iHPRate / 100);
        result.m_HPRealChange = m_ControlPersonObj.AddHP(result.m_HPChange);
    }
    if (iSPRate != 0) {
        result.m_IsSPChange = 1;
        result.m_SPChange = static_cast<int>(static_cast<long long>(iSPBase) * iSPRate / 100);
        result.m_SPRealChange = m_ControlPersonObj.AddSP(result.m_SPChange);
    }
    if (m_ControlPersonObj.GetHP() >= 1)
        return;
    // A body stays for three turn ends unless the person leaves none.
    result.m_IsDie = 1;
    m_ControlPersonObj.SetLifeState(JD_EVENT_LIFE_DEAD);
    const bool bBody = m_ControlPersonObj.GetIsLegacyBody() != 0;
    m_ControlPersonObj.SetDieTime(bBody ? 3 : 0);
    result.m_IsHaveBody = bBody ? 1 : 0;
}

DWORD JC_EventBase::HandOutScript(DWORD dwResult, const std::string& strScript,
                                  std::vector<JC_EventDealResultA>& results)
{
    results.clear();
    if (dwResult == 0 && !strScript.empty())
        results.emplace_back(strScript);
    return dwResult;
}

JC_DebugLog& JC_EventBase::ErrorLog() const
{
    return m_pErrorLog != nullptr ? *m_pErrorLog : *gp_DebugInfoObj;
}
