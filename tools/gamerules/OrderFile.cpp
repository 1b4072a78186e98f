#include "OrderFile.h"

#include <algorithm>

namespace {

// Longest piece of a bad word that a message quotes.
constexpr size_t QUOTE_LIMIT = 32;

// The words of one line, its comment cut off.
std::vector<std::string> SplitWords(const std::string& strLine)
{
    std::vector<std::string> words;
    std::string strWord;
    for (const char c : strLine.substr(0, strLine.find('#'))) {
        if (c == ' ' || c == '\t' || c == '\r') {
            if (!strWord.empty())
                words.push_back(std::move(strWord));
            strWord.clear();
        } else {
            strWord += c;
        }
    }
    if (!strWord.empty())
        words.push_back(std::move(strWord));
    return words;
}

std::string Quote(const std::string& strWord)
{
    std::string strQuoted = "\"";
    strQuoted.append(strWord, 0, QUOTE_LIMIT);
    strQuoted += strWord.size() > QUOTE_LIMIT ? "...\"" : "\"";
    return strQuoted;
}

int DigitOf(char c, int iRadix)
{
    int iDigit = iRadix;
    if (c >= '0' && c <= '9')
        iDigit = c - '0';
    else if (c >= 'a' && c <= 'f')
        iDigit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        iDigit = c - 'A' + 10;
    return iDigit < iRadix ? iDigit : -1;
}

// A whole decimal or 0x hexadecimal number of 32 bits.
bool ParseNumber(const std::string& strWord, DWORD& dwValue)
{
    const bool bHex = strWord.size() > 2 && strWord[0] == '0' && (strWord[1] == 'x' || strWord[1] == 'X');
    const int iRadix = bHex ? 16 : 10;
    const size_t first = bHex ? 2 : 0;
    if (strWord.size() == first)
        return false;
    unsigned long long ullValue = 0;
    for (size_t i = first; i < strWord.size(); ++i) {
        const int iDigit = DigitOf(strWord[i], iRadix);
        if (iDigit < 0)
            return false;
        ullValue = ullValue * static_cast<unsigned>(iRadix) + static_cast<unsigned>(iDigit);
        if (ullValue > 0xffffffffull)
            return false;
    }
    dwValue = static_cast<DWORD>(ullValue);
    return true;
}

} // namespace

bool OrderFile::Read(const std::string& strText)
{
    *this = OrderFile();
    size_t start = 0;
    while (start <= strText.size()) {
        const size_t end = std::min(strText.find('\n', start), strText.size());
        ++m_iLine;
        const std::vector<std::string> words = SplitWords(strText.substr(start, end - start));
        if (!words.empty() && !ReadLine(words))
            return false;
        start = end + 1;
    }
    m_iLine = 0;
    if (m_Team.empty())
        return Refuse("no \"team\" line places a person");
    if (m_iActor < 0)
        return Refuse("no \"actor\" line");
    if (m_Effect == EFFECT_NONE)
        return Refuse("no \"effect\" line");
    return true;
}

bool OrderFile::ReadLine(const std::vector<std::string>& words)
{
    const std::string& strKey = words[0];
    if (strKey == "team")
        return ReadTeam(words);
    if (strKey == "actor") {
        if (m_iActor >= 0)
            return Refuse("a second \"actor\" line");
        return CheckWords(words, 2, "actor INDEX") && ReadIndex(words[1], m_iActor);
    }
    if (strKey == "target") {
        int iTarget = 0;
        if (!CheckWords(words, 2, "target INDEX") || !CheckRoom(m_Targets.size()) || !ReadIndex(words[1], iTarget))
            return false;
        m_Targets.push_back(iTarget);
        return true;
    }
    if (strKey == "floor") {
        DWORD dwFloor = 0;
        if (!CheckWords(words, 2, "floor VALUE") || !CheckRoom(m_Floors.size()) || !ReadValue(words[1], dwFloor))
            return false;
        m_Floors.push_back(dwFloor);
        return true;
    }
    if (strKey == "effect")
        return ReadEffect(words);
    if (strKey == "counter")
        return ReadFlag(words, m_dwCounter, m_bCounterSeen);
    if (strKey == "preview")
        return ReadFlag(words, m_dwPreview, m_bPreviewSeen);
    return Refuse("unknown key " + Quote(strKey));
}

bool OrderFile::ReadTeam(const std::vector<std::string>& words)
{
    Placement placement = {};
    if (!CheckWords(words, 3, "team INDEX PERSON_ID") || !CheckRoom(m_Team.size()) ||
        !ReadIndex(words[1], placement.iTeamIndex) || !ReadValue(words[2], placement.dwPersonID))
        return false;
    for (const Placement& placed : m_Team) {
        if (placed.iTeamIndex == placement.iTeamIndex)
            return Refuse("team index " + words[1] + " is placed twice");
    }
    m_Team.push_back(placement);
    return true;
}

bool OrderFile::ReadEffect(const std::vector<std::string>& words)
{
    if (m_Effect != EFFECT_NONE)
        return Refuse("a second \"effect\" line");
    if (words.size() >= 2 && words[1] == "weapon") {
        m_Effect = EFFECT_WEAPON;
        return CheckWords(words, 2, "effect weapon");
    }
    if (words.size() >= 2 && words[1] == "tool") {
        m_Effect = EFFECT_TOOL;
        return CheckWords(words, 3, "effect tool TOOL_ID") && ReadValue(words[2], m_dwEffectValue);
    }
    if (words.size() >= 2 && words[1] == "skill") {
        m_Effect = EFFECT_SKILL;
        return CheckWords(words, 3, "effect skill SKILL_KEY") && ReadValue(words[2], m_dwEffectValue);
    }
    return Refuse("\"effect\" takes weapon, tool TOOL_ID or skill SKILL_KEY");
}

bool OrderFile::ReadFlag(const std::vector<std::string>& words, DWORD& dwFlag, bool& bSeen)
{
    if (bSeen)
        return Refuse("a second " + Quote(words[0]) + " line");
    bSeen = true;
    if (!CheckWords(words, 2, words[0] == "counter" ? "counter 0|1" : "preview 0|1"))
        return false;
    if (words[1] != "0" && words[1] != "1")
        return Refuse(Quote(words[0]) + " takes 0 or 1, not " + Quote(words[1]));
    dwFlag = words[1] == "1" ? 1 : 0;
    return true;
}

bool OrderFile::ReadIndex(const std::string& strWord, int& iIndex)
{
    DWORD dwIndex = 0;
    if (!ReadValue(strWord, dwIndex))
        return false;
    if (dwIndex >= static_cast<DWORD>(TEAM_INDEX_LIMIT))
        return Refuse("team index " + strWord + " lies past 1023");
    iIndex = static_cast<int>(dwIndex);
    return true;
}

bool OrderFile::ReadValue(const std::string& strWord, DWORD& dwValue)
{
    if (!ParseNumber(strWord, dwValue))
        return Refuse(Quote(strWord) + " is not a whole number of 32 bits");
    return true;
}

bool OrderFile::CheckWords(const std::vector<std::string>& words, size_t count, const char* szForm)
{
    if (words.size() != count)
        return Refuse(std::string("the line must read \"") + szForm + "\"");
    return true;
}

bool OrderFile::CheckRoom(size_t size)
{
    if (size >= LIST_LIMIT)
        return Refuse("more than 1024 lines of one key");
    return true;
}

bool OrderFile::Refuse(const std::string& strError)
{
    m_iErrorLine = m_iLine;
    m_strError = strError;
    return false;
}
