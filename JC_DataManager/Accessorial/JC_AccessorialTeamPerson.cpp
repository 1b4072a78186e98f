#include "JC_DataManager/Accessorial/JC_AccessorialTeamPerson.h"

#include "TemplateSystem/JC_DebugLog.h"

#include <algorithm>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

constexpr int NO_SKIPPED_POSITION = -1;

} // namespace

DWORD JC_AccessorialTeamPerson::Initiation(JC_ControlTeam* pControlTeam)
{
    m_bInitiated = FALSE;
    if (pControlTeam == nullptr)
        return JE_TEAMPERSON_NULL_TEAM_CONTROL;
    if (!pControlTeam->IsInitiated())
        return JE_TEAMPERSON_TEAM_CONTROL_NOT_INITIATED;
    m_pControlTeam = pControlTeam;
    m_pErrorLog = pControlTeam->GetErrorLog();
    const DWORD dwResult =
        m_ControlPersonObj.Initiation(pControlTeam->GetDataManager(), pControlTeam->GetBehaviorAnalyser());
    if (dwResult != 0) {
        m_pErrorLog->Print("初始化 人物控制者失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                           static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    m_pControlPersonPower = m_ControlPersonObj.GetPersonPowerObj();
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_AccessorialTeamPerson::ReadPerson(TeamID teamID, int iTeamIndex, JC_DataComponent*& pPerson)
{
    const DWORD dwResult = m_pControlTeam->GetPersonFromTeam(teamID, iTeamIndex, pPerson);
    if (dwResult != 0)
        return dwResult;
    return m_pControlPersonPower->SetControlPerson(pPerson);
}

bool JC_AccessorialTeamPerson::IsOfCamp(int iCamp)
{
    return iCamp == ANY_CAMP || m_pControlPersonPower->GetCamp(FALSE) == iCamp;
}

template <typename Matches>
DWORD JC_AccessorialTeamPerson::FindFight(std::vector<int>& positions, std::vector<JC_DataComponent*>& persons,
                                          Matches matches)
{
    positions.clear();
    persons.clear();
    if (!m_bInitiated)
        return 0;
    for (int iTeamIndex = 0; iTeamIndex < JC_ControlTeam::TEAM_INDEX_LIMIT; ++iTeamIndex) {
        JC_DataComponent* pPerson = nullptr;
        const DWORD dwResult = ReadPerson(TeamID::TEAMID_FIGHT, iTeamIndex, pPerson);
        if (dwResult == JE_CONTROLTEAM_GET_EMPTY)
            continue;
        if (dwResult != 0) {
            m_pErrorLog->Print("取得戰鬥隊伍中的人物時發生錯誤 \n 隊伍位置:%d \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                               iTeamIndex, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
        if (matches()) {
            positions.push_back(iTeamIndex);
            persons.push_back(pPerson);
        }
    }
    return 0;
}

DWORD JC_AccessorialTeamPerson::FindFightPersons(int iCamp, int iLifeState, std::vector<int>& positions,
                                                 std::vector<JC_DataComponent*>& persons)
{
    return FindFight(positions, persons, [this, iCamp, iLifeState] {
        return IsOfCamp(iCamp)
            && (iLifeState == ANY_LIFE_STATE || m_pControlPersonPower->GetLifeState() == iLifeState);
    });
}

DWORD JC_AccessorialTeamPerson::FindFightSummonPersons(int iCamp, std::vector<int>& positions,
                                                       std::vector<JC_DataComponent*>& persons)
{
    return FindFight(positions, persons,
                     [this, iCamp] { return IsOfCamp(iCamp) && m_pControlPersonPower->GetIsSummonRole() == 1; });
}

bool JC_AccessorialTeamPerson::SumLevels(TeamID teamID, int iSkipped, DWORD& dwSum, DWORD& dwCount, DWORD& dwMax)
{
    dwSum = 0;
    dwCount = 0;
    dwMax = 0;
    if (!m_bInitiated)
        return false;
    for (int iTeamIndex = 0; iTeamIndex <= LEVEL_LAST; ++iTeamIndex) {
        if (iTeamIndex == iSkipped)
            continue;
        JC_DataComponent* pPerson = nullptr;
        const DWORD dwResult = ReadPerson(teamID, iTeamIndex, pPerson);
        if (dwResult == JE_CONTROLTEAM_GET_EMPTY)
            continue;
        if (dwResult != 0) {
            m_pErrorLog->Print(teamID == TeamID::TEAMID_FIGHT
                                   ? "取得戰鬥隊伍中的人物時發生錯誤 \n 隊伍位置:%d \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"
                                   : "取得我方隊伍中的人物時發生錯誤 \n 隊伍位置:%d \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                               iTeamIndex, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return false;
        }
        const DWORD dwLevel = static_cast<DWORD>(m_pControlPersonPower->GetLevel());
        dwSum += dwLevel;
        ++dwCount;
        dwMax = std::max(dwMax, dwLevel);
    }
    return true;
}

int JC_AccessorialTeamPerson::GetFightAverageLevelExcept(int iTeamIndex)
{
    DWORD dwSum = 0;
    DWORD dwCount = 0;
    DWORD dwMax = 0;
    if (!SumLevels(TeamID::TEAMID_FIGHT, iTeamIndex, dwSum, dwCount, dwMax) || dwCount == 0)
        return 0;
    return static_cast<int>(dwSum / dwCount);
}

int JC_AccessorialTeamPerson::GetFightMaxLevel()
{
    DWORD dwSum = 0;
    DWORD dwCount = 0;
    DWORD dwMax = 0;
    return SumLevels(TeamID::TEAMID_FIGHT, NO_SKIPPED_POSITION, dwSum, dwCount, dwMax) ? static_cast<int>(dwMax) : 0;
}

int JC_AccessorialTeamPerson::GetFightLevelAt(int iTeamIndex)
{
    JC_DataComponent* pPerson = nullptr;
    if (!m_bInitiated || ReadPerson(TeamID::TEAMID_FIGHT, iTeamIndex, pPerson) != 0)
        return 0;
    return m_pControlPersonPower->GetLevel();
}

int JC_AccessorialTeamPerson::GetOurMaxLevel()
{
    DWORD dwSum = 0;
    DWORD dwCount = 0;
    DWORD dwMax = 0;
    return SumLevels(TeamID::TEAMID_OUR, NO_SKIPPED_POSITION, dwSum, dwCount, dwMax) ? static_cast<int>(dwMax) : 0;
}
