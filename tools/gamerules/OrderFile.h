#pragma once

// The order file of "gamerules.exe order": one battle order in plain
// key/value lines. Reading checks the lines only; whether the persons,
// tools and skills exist is the order's own check when it is finished.
//
//   # a comment runs to the end of its line; blank lines are skipped
//   team INDEX PERSON_ID    the fixed person PERSON_ID at fight-team INDEX
//   actor INDEX             the acting person (exactly one line)
//   target INDEX            a target person, in order (one line each)
//   floor VALUE             a target floor, in order (one line each)
//   effect weapon           the actor's right-hand weapon, or
//   effect tool TOOL_ID     a tool, or
//   effect skill SKILL_KEY  a skill: its ID in the high 16 bits, its level
//                           in the low 16 (exactly one effect line)
//   counter 0|1             a counter-attack (default 0)
//   preview 0|1             a preview that changes nothing (default 0)
//
// Numbers are whole decimal or 0x hexadecimal values of 32 bits; an INDEX
// lies in 0..1023.

#include <windows.h>

#include <string>
#include <vector>

constexpr DWORD JE_ORDERFILE_UNREADABLE = 0x8969f001;
constexpr DWORD JE_ORDERFILE_MALFORMED = 0x8969f002;

class OrderFile
{
public:
    enum Effect
    {
        EFFECT_NONE,
        EFFECT_WEAPON,
        EFFECT_TOOL,
        EFFECT_SKILL,
    };
    struct Placement
    {
        int iTeamIndex;
        DWORD dwPersonID;
    };

    static constexpr int TEAM_INDEX_LIMIT = 1024;
    // Lines of one key beyond this are refused: a battle holds far fewer.
    static constexpr size_t LIST_LIMIT = 1024;

    // False with GetError and GetErrorLine set on the first bad line (line
    // 0 for what the whole file lacks).
    bool Read(const std::string& strText);

    const std::string& GetError() const { return m_strError; }
    int GetErrorLine() const { return m_iErrorLine; }

    const std::vector<Placement>& GetTeam() const { return m_Team; }
    int GetActor() const { return m_iActor; }
    const std::vector<int>& GetTargets() const { return m_Targets; }
    const std::vector<DWORD>& GetFloors() const { return m_Floors; }
    Effect GetEffect() const { return m_Effect; }
    // The tool ID or skill key; 0 for the weapon.
    DWORD GetEffectValue() const { return m_dwEffectValue; }
    DWORD GetCounter() const { return m_dwCounter; }
    DWORD GetPreview() const { return m_dwPreview; }

private:
    bool ReadLine(const std::vector<std::string>& words);
    bool ReadTeam(const std::vector<std::string>& words);
    bool ReadEffect(const std::vector<std::string>& words);
    bool ReadFlag(const std::vector<std::string>& words, DWORD& dwFlag, bool& bSeen);
    bool ReadIndex(const std::string& strWord, int& iIndex);
    bool ReadValue(const std::string& strWord, DWORD& dwValue);
    bool CheckWords(const std::vector<std::string>& words, size_t count, const char* szForm);
    bool CheckRoom(size_t size);
    bool Refuse(const std::string& strError);

    std::vector<Placement> m_Team;
    int m_iActor = -1;
    std::vector<int> m_Targets;
    std::vector<DWORD> m_Floors;
    Effect m_Effect = EFFECT_NONE;
    DWORD m_dwEffectValue = 0;
    DWORD m_dwCounter = 0;
    DWORD m_dwPreview = 0;
    bool m_bCounterSeen = false;
    bool m_bPreviewSeen = false;
    int m_iLine = 0;
    int m_iErrorLine = 0;
    std::string m_strError;
};
