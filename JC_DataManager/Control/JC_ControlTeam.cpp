#include "JC_DataManager/Control/JC_ControlTeam.h"

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"
#include "TemplateSystem/JC_DataArrayManager.h"

#include <algorithm>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);
const char* const s_szTeamIndexItem = "TeamID";
const char* const s_szPersonIDItem = "ID";

JC_DataOrder OrderOf(int iTeamIndex)
{
    return {0, static_cast<DWORD>(iTeamIndex)};
}

} // namespace

int JC_ControlTeam::TransformTeamIDToUnfixedDataKind(TeamID teamID) const
{
    switch (teamID) {
    case TeamID::TEAMID_OUR:
        return UNFIXEDDATAKIND_TEAMOUR;
    case TeamID::TEAMID_OUROUTER:
        return UNFIXEDDATAKIND_TEAMOUROUTER;
    case TeamID::TEAMID_FIGHT:
        return UNFIXEDDATAKIND_TEAMFIGHT;
    }
    const DWORD dwTeam = static_cast<DWORD>(teamID);
    ErrorLog().Print("轉換隊伍代碼發生錯誤 查無轉換目標(UnfixedDataKind)\nTeam:0X%x(%d) \n錯誤檔案:%s(Line:%d)\n\n",
                     static_cast<unsigned>(dwTeam), static_cast<int>(dwTeam), s_szSourceFile, __LINE__);
    return -1;
}

JC_DataComponentMaker* JC_ControlTeam::GetTeamObj(TeamID teamID) const
{
    if (!m_bInitiated)
        return nullptr;
    const int iKind = TransformTeamIDToUnfixedDataKind(teamID);
    return iKind < 0 ? nullptr : m_pDataManager->GetUnfixedDataObj(static_cast<DWORD>(iKind));
}

JC_DataComponent* JC_ControlTeam::PersonAt(const JC_DataComponentMaker* pTeam, int iTeamIndex) const
{
    if (iTeamIndex < 0)
        return nullptr;
    return pTeam->GetValidComponent(OrderOf(iTeamIndex));
}

DWORD JC_ControlTeam::PlacePerson(JC_DataComponentMaker* pTeam, int iTeamIndex,
                                  const JC_DataComponent* pSourcePerson, JC_DataComponent** ppPerson) const
{
    JC_DataComponent* pPerson = nullptr;
    DWORD dwResult = pTeam->GetOrCreateComponent(OrderOf(iTeamIndex), pPerson);
    if (dwResult != 0)
        return dwResult;
    dwResult = pPerson->Copy(pSourcePerson, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult != 0)
        return dwResult;
    dwResult = pPerson->SetItemValue(s_szTeamIndexItem, &iTeamIndex);
    if (dwResult != 0)
        return dwResult;
    if (ppPerson != nullptr)
        *ppPerson = pPerson;
    return 0;
}

DWORD JC_ControlTeam::AddPersonToTeam(TeamID teamID, int iTeamIndex, const JC_DataComponent* pSourcePerson,
                                      JC_DataComponent** ppPerson)
{
    if (ppPerson != nullptr)
        *ppPerson = nullptr;
    JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_ADD_BAD_TEAM;
    if (static_cast<DWORD>(iTeamIndex) >= TEAM_INDEX_LIMIT)
        return JE_CONTROLTEAM_ADD_BAD_INDEX;
    return PlacePerson(pTeam, iTeamIndex, pSourcePerson, ppPerson);
}

DWORD JC_ControlTeam::AddPersonToTeamFromFixedData(TeamID teamID, int iTeamIndex, DWORD dwPersonID)
{
    const JC_DataComponent* pFixedPerson = m_bInitiated ? m_pDataManager->GetPersonObj(dwPersonID) : nullptr;
    if (pFixedPerson == nullptr) {
        ErrorLog().Print("無法將指定的靜態人物取出 加入隊伍中 \nPersonID:0X%x(%d) \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwPersonID), static_cast<int>(dwPersonID), s_szSourceFile, __LINE__);
        return JE_CONTROLTEAM_NO_FIXED_PERSON;
    }
    return AddPersonToTeam(teamID, iTeamIndex, pFixedPerson);
}

DWORD JC_ControlTeam::DelPersonFromTeam(TeamID teamID, int iTeamIndex)
{
    JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_DEL_BAD_TEAM;
    return pTeam->DeleteComponent(OrderOf(iTeamIndex));
}

DWORD JC_ControlTeam::EmptyTeam(TeamID teamID)
{
    JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_EMPTY_BAD_TEAM;
    return pTeam->ClearAll();
}

DWORD JC_ControlTeam::CutPersonFromTeam(TeamID teamID, int iTeamIndex, JC_DataComponent* pPerson)
{
    JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_CUT_BAD_TEAM;
    return pTeam->RemoveComponent(OrderOf(iTeamIndex), pPerson);
}

DWORD JC_ControlTeam::GetPersonFromTeam(TeamID teamID, int iTeamIndex, JC_DataComponent*& pPerson)
{
    pPerson = nullptr;
    const JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_GET_BAD_TEAM;
    pPerson = PersonAt(pTeam, iTeamIndex);
    return pPerson != nullptr ? 0 : JE_CONTROLTEAM_GET_EMPTY;
}

DWORD JC_ControlTeam::FindPersonFromTeam(TeamID teamID, DWORD dwPersonID, JC_DataComponent*& pPerson)
{
    pPerson = nullptr;
    const JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_FIND_PERSON_BAD_TEAM;
    for (int iTeamIndex = 0; iTeamIndex < TEAM_INDEX_LIMIT; ++iTeamIndex) {
        JC_DataComponent* const pCandidate = PersonAt(pTeam, iTeamIndex);
        DWORD dwID = 0;
        if (pCandidate != nullptr && pCandidate->GetItemValue(s_szPersonIDItem, &dwID) == 0 && dwID == dwPersonID) {
            pPerson = pCandidate;
            return 0;
        }
    }
    return JE_CONTROLTEAM_FIND_PERSON_NONE;
}

DWORD JC_ControlTeam::MovePersonFromTeamToTeam(TeamID sourceTeamID, int iSourceTeamIndex, TeamID targetTeamID,
                                               int iTargetTeamIndex)
{
    const JC_DataComponentMaker* pSourceTeam = GetTeamObj(sourceTeamID);
    if (pSourceTeam == nullptr)
        return JE_CONTROLTEAM_MOVE_BAD_SOURCE_TEAM;
    JC_DataComponentMaker* pTargetTeam = GetTeamObj(targetTeamID);
    if (pTargetTeam == nullptr)
        return JE_CONTROLTEAM_MOVE_BAD_TARGET_TEAM;
    if (iSourceTeamIndex < 0)
        return JE_ARRAY_NOT_FOUND;
    JC_DataComponent* pSourcePerson = nullptr;
    const DWORD dwResult = pSourceTeam->GetComponentOrFail(OrderOf(iSourceTeamIndex), pSourcePerson);
    if (dwResult != 0)
        return dwResult;
    if (static_cast<DWORD>(iTargetTeamIndex) >= TEAM_INDEX_LIMIT)
        return JE_CONTROLTEAM_ADD_BAD_INDEX;
    return PlacePerson(pTargetTeam, iTargetTeamIndex, pSourcePerson, nullptr);
}

DWORD JC_ControlTeam::Catch(int iTeamIndex)
{
    JC_DataComponent* pCaught = nullptr;
    const DWORD dwResult = GetPersonFromTeam(TeamID::TEAMID_FIGHT, iTeamIndex, pCaught);
    if (dwResult != 0)
        return dwResult;
    const int iFree = FindEmptyTeamIndex(TeamID::TEAMID_OUR, NEWCOMER_FIRST, NEWCOMER_LAST);
    if (iFree < 0)
        return static_cast<DWORD>(iFree);
    return MovePersonFromTeamToTeam(TeamID::TEAMID_FIGHT, iTeamIndex, TeamID::TEAMID_OUR, iFree);
}

DWORD JC_ControlTeam::AddFightPersonFromFixedData(DWORD dwPersonID, int& iTeamIndex, JC_DataComponent*& pPerson)
{
    iTeamIndex = -1;
    pPerson = nullptr;
    const JC_DataComponent* pFixedPerson = m_bInitiated ? m_pDataManager->GetPersonObj(dwPersonID) : nullptr;
    if (pFixedPerson == nullptr)
        return JE_CONTROLTEAM_FIGHT_NO_FIXED_PERSON;
    const int iFree = FindEmptyTeamIndex(TeamID::TEAMID_FIGHT, NEWCOMER_FIRST, NEWCOMER_LAST);
    if (iFree < 0)
        return static_cast<DWORD>(iFree);
    const DWORD dwResult = PlacePerson(GetTeamObj(TeamID::TEAMID_FIGHT), iFree, pFixedPerson, &pPerson);
    if (dwResult == 0)
        iTeamIndex = iFree;
    return dwResult;
}

DWORD JC_ControlTeam::GetNextPersonFromTeam(TeamID teamID, int& iTeamIndex, JC_DataComponent*& pPerson)
{
    pPerson = nullptr;
    const JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_NEXT_BAD_TEAM;
    int iStart = iTeamIndex + 1;
    if (iStart > WALK_LAST)
        iStart = 0;
    iTeamIndex = iStart;
    if (iStart < 0)
        return JE_CONTROLTEAM_NEXT_BAD_START;
    // From the start to the end, then around: the position the walk came
    // from is found last.
    for (int i = 0; i <= WALK_LAST; ++i) {
        const int iPosition = (iStart + i) % (WALK_LAST + 1);
        pPerson = PersonAt(pTeam, iPosition);
        if (pPerson != nullptr) {
            iTeamIndex = iPosition;
            return 0;
        }
    }
    return JE_CONTROLTEAM_NEXT_NOBODY;
}

DWORD JC_ControlTeam::GetPrevPersonFromTeam(TeamID teamID, int& iTeamIndex, JC_DataComponent*& pPerson)
{
    pPerson = nullptr;
    int iStart = iTeamIndex - 1;
    if (iStart < 0)
        iStart = WALK_LAST;
    iTeamIndex = iStart;
    const JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_PREV_BAD_TEAM;
    if (iStart > WALK_LAST)
        return JE_CONTROLTEAM_PREV_BAD_START;
    for (int i = 0; i <= WALK_LAST; ++i) {
        const int iPosition = (iStart - i + WALK_LAST + 1) % (WALK_LAST + 1);
        pPerson = PersonAt(pTeam, iPosition);
        if (pPerson != nullptr) {
            iTeamIndex = iPosition;
            return 0;
        }
    }
    return JE_CONTROLTEAM_PREV_NOBODY;
}

DWORD JC_ControlTeam::GetNextPetFromTeamOur(int& iTeamIndex, JC_DataComponent*& pPerson)
{
    int iStart = iTeamIndex;
    iTeamIndex = -1;
    pPerson = nullptr;
    if (iStart == PET_LAST)
        return 0;
    iStart = iStart == -1 ? PET_FIRST : iStart + 1;
    if (iStart < PET_FIRST || iStart > PET_LAST)
        return JE_CONTROLTEAM_PET_BAD_START;
    const JC_DataComponentMaker* pTeam = m_bInitiated ? m_pDataManager->GetUnfixedDataObj(UNFIXEDDATAKIND_TEAMOUR)
                                                      : nullptr;
    if (pTeam == nullptr)
        return 0;
    for (int iPosition = iStart; iPosition <= PET_LAST; ++iPosition) {
        pPerson = PersonAt(pTeam, iPosition);
        if (pPerson != nullptr) {
            iTeamIndex = iPosition;
            return 0;
        }
    }
    return 0;
}

int JC_ControlTeam::FindEmptyTeamIndex(TeamID teamID, int iFrom, int iTo)
{
    const JC_DataComponentMaker* pTeam = GetTeamObj(teamID);
    if (pTeam == nullptr) {
        ErrorLog().Print("操作的隊伍代碼 不支援 \nOperatorTeam:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(teamID), s_szSourceFile, __LINE__);
        return static_cast<int>(JE_CONTROLTEAM_FIND_BAD_TEAM);
    }
    for (int iPosition = std::max(iFrom, 0); iPosition <= iTo && iPosition < TEAM_INDEX_LIMIT; ++iPosition) {
        if (PersonAt(pTeam, iPosition) == nullptr)
            return iPosition;
    }
    return static_cast<int>(JE_CONTROLTEAM_FIND_NONE_EMPTY);
}

DWORD JC_ControlTeam::TransformPet()
{
    const JC_DataComponentMaker* pTeam = GetTeamObj(TeamID::TEAMID_OUR);
    if (pTeam == nullptr)
        return JE_CONTROLTEAM_MOVE_BAD_SOURCE_TEAM;
    for (int iPosition = NEWCOMER_FIRST; iPosition <= NEWCOMER_LAST; ++iPosition) {
        if (PersonAt(pTeam, iPosition) == nullptr)
            continue;
        const int iFree = FindEmptyTeamIndex(TeamID::TEAMID_OUR, PET_FIRST, PET_LAST);
        if (iFree < 0)
            continue;
        const DWORD dwResult = MovePersonFromTeamToTeam(TeamID::TEAMID_OUR, iPosition, TeamID::TEAMID_OUR, iFree);
        if (dwResult != 0)
            return dwResult;
        DelPersonFromTeam(TeamID::TEAMID_OUR, iPosition);
    }
    return 0;
}
