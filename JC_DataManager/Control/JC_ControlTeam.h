#pragma once

#include "JC_DataManager/Control/JC_ControlBase.h"

class JC_DataComponentMaker;
class JC_DataComponent;

// A team of the save state. A person's place within a team is a TeamIndex
// (an int, 0..1023, held in the person's "TeamID" item): the two never mix.
enum class TeamID : DWORD
{
    TEAMID_OUR = 1,
    TEAMID_OUROUTER = 2,
    TEAMID_FIGHT = 3,
};

constexpr DWORD JE_CONTROLTEAM_NO_FIXED_PERSON = 0x89371111;
constexpr DWORD JE_CONTROLTEAM_ADD_BAD_TEAM = 0x89371112;
constexpr DWORD JE_CONTROLTEAM_ADD_BAD_INDEX = 0x89371113;
constexpr DWORD JE_CONTROLTEAM_DEL_BAD_TEAM = 0x89371141;
constexpr DWORD JE_CONTROLTEAM_EMPTY_BAD_TEAM = 0x89371151;
constexpr DWORD JE_CONTROLTEAM_CUT_BAD_TEAM = 0x89371161;
constexpr DWORD JE_CONTROLTEAM_MOVE_BAD_SOURCE_TEAM = 0x89371181;
constexpr DWORD JE_CONTROLTEAM_MOVE_BAD_TARGET_TEAM = 0x89371182;
constexpr DWORD JE_CONTROLTEAM_GET_BAD_TEAM = 0x893711a1;
constexpr DWORD JE_CONTROLTEAM_GET_EMPTY = 0x893711a2;
constexpr DWORD JE_CONTROLTEAM_FIGHT_NO_FIXED_PERSON = 0x89371202;
constexpr DWORD JE_CONTROLTEAM_NEXT_BAD_TEAM = 0x89371231;
constexpr DWORD JE_CONTROLTEAM_NEXT_BAD_START = 0x89371232;
constexpr DWORD JE_CONTROLTEAM_NEXT_NOBODY = 0x89371233;
constexpr DWORD JE_CONTROLTEAM_PREV_BAD_TEAM = 0x89371261;
constexpr DWORD JE_CONTROLTEAM_PREV_BAD_START = 0x89371262;
constexpr DWORD JE_CONTROLTEAM_PREV_NOBODY = 0x89371263;
constexpr DWORD JE_CONTROLTEAM_PET_BAD_START = 0x89371291;
constexpr DWORD JE_CONTROLTEAM_FIND_BAD_TEAM = 0x89371311;
constexpr DWORD JE_CONTROLTEAM_FIND_NONE_EMPTY = 0x89371312;
constexpr DWORD JE_CONTROLTEAM_FIND_PERSON_BAD_TEAM = 0x89371321;
constexpr DWORD JE_CONTROLTEAM_FIND_PERSON_NONE = 0x89371322;

// The three teams of the save state: persons at fixed positions of a record
// array. Deleting a person leaves its position empty; the persons behind it
// keep their places.
class JC_ControlTeam : public JC_ControlBase
{
public:
    static constexpr int TEAM_INDEX_LIMIT = 1024;
    // The forward and backward walks visit positions 0..WALK_LAST.
    static constexpr int WALK_LAST = 298;
    static constexpr int PET_FIRST = 200;
    static constexpr int PET_LAST = 298;
    static constexpr int NEWCOMER_FIRST = 501;
    static constexpr int NEWCOMER_LAST = 1023;

    // The unfixed data kind of a team, or -1 after logging.
    int TransformTeamIDToUnfixedDataKind(TeamID teamID) const;

    // ppPerson, when given, receives the record in the team.
    virtual DWORD AddPersonToTeam(TeamID teamID, int iTeamIndex, const JC_DataComponent* pSourcePerson,
                                  JC_DataComponent** ppPerson = nullptr);
    virtual DWORD AddPersonToTeamFromFixedData(TeamID teamID, int iTeamIndex, DWORD dwPersonID);
    virtual DWORD DelPersonFromTeam(TeamID teamID, int iTeamIndex);
    virtual DWORD EmptyTeam(TeamID teamID);
    // Closes the gap; pPerson, when given, receives a copy first.
    virtual DWORD CutPersonFromTeam(TeamID teamID, int iTeamIndex, JC_DataComponent* pPerson);
    virtual DWORD GetPersonFromTeam(TeamID teamID, int iTeamIndex, JC_DataComponent*& pPerson);
    // Copies; the source stays.
    virtual DWORD MovePersonFromTeamToTeam(TeamID sourceTeamID, int iSourceTeamIndex, TeamID targetTeamID,
                                           int iTargetTeamIndex);
    // Copies the fight-team person into the newcomers of our team.
    virtual DWORD Catch(int iTeamIndex);
    virtual DWORD AddFightPersonFromFixedData(DWORD dwPersonID, int& iTeamIndex, JC_DataComponent*& pPerson);
    virtual DWORD GetNextPersonFromTeam(TeamID teamID, int& iTeamIndex, JC_DataComponent*& pPerson);
    virtual DWORD GetPrevPersonFromTeam(TeamID teamID, int& iTeamIndex, JC_DataComponent*& pPerson);
    // The end of the walk shows as iTeamIndex -1.
    virtual DWORD GetNextPetFromTeamOur(int& iTeamIndex, JC_DataComponent*& pPerson);
    // The first person of the team whose "ID" is dwPersonID, by position.
    virtual DWORD FindPersonFromTeam(TeamID teamID, DWORD dwPersonID, JC_DataComponent*& pPerson);
    // The first empty position of from..to, or a negative code.
    virtual int FindEmptyTeamIndex(TeamID teamID, int iFrom, int iTo);
    // Moves the newcomers of our team into the free pet positions.
    virtual DWORD TransformPet();

private:
    JC_DataComponentMaker* GetTeamObj(TeamID teamID) const;
    // The person at the position, or null.
    JC_DataComponent* PersonAt(const JC_DataComponentMaker* pTeam, int iTeamIndex) const;
    // Copies the person into the position, made when missing, and marks it.
    DWORD PlacePerson(JC_DataComponentMaker* pTeam, int iTeamIndex, const JC_DataComponent* pSourcePerson,
                      JC_DataComponent** ppPerson) const;
};
