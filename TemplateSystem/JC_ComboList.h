#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

constexpr DWORD JE_COMBO_EMPTY_NAME = 0x88111011;
constexpr DWORD JE_COMBO_NAME_PRESENT = 0x88111012;
constexpr DWORD JE_COMBO_FIND_EMPTY_NAME = 0x88111041;
constexpr DWORD JE_COMBO_NAME_ABSENT = 0x88111042;
constexpr DWORD JE_COMBO_INDEX_OUTSIDE = 0x88111071;

// One combo of a define file: define names, sorted and unique, each with a
// 32-bit value and a comment.
class JC_ComboList
{
public:
    // The value handed out for a name that is not found.
    static constexpr DWORD NO_VALUE = 0xFFFFFFFF;

    virtual ~JC_ComboList() = default;

    virtual void Reset();
    virtual DWORD AddDefine(const std::string& strName, DWORD dwValue, const std::string& strComment);
    virtual DWORD GetNameAt(DWORD dwIndex, std::string& strName) const;
    virtual DWORD GetDefineAt(DWORD dwIndex, std::string& strName, DWORD& dwValue,
                              std::string& strComment) const;
    // dwValue is NO_VALUE unless the name is found.
    virtual DWORD FindValue(const std::string_view& strName, DWORD& dwValue) const;
    virtual DWORD FindValueAndComment(const std::string& strName, DWORD& dwValue,
                                      std::string& strComment) const;
    virtual bool HasName(const std::string& strName) const;
    virtual DWORD GetCount() const;

private:
    // The name's index; fails on an empty or absent name.
    DWORD FindIndex(const std::string_view& strName, int& iIndex) const;

    std::vector<std::string> m_Names;
    std::vector<DWORD> m_Values;
    std::vector<std::string> m_Comments;
};
