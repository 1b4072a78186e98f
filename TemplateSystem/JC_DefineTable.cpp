#include "TemplateSystem/JC_DefineTable.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JF_SortedArray.h"

#include <cstdio>

namespace {

// One line of the dump: the define name, its value in hexadecimal and in
// decimal, and its comment.
std::string DumpLine(const std::string& strName, DWORD dwValue, const std::string& strComment)
{
    char szValue[32];
    std::snprintf(szValue, sizeof(szValue), " 0x%08x(%d) ", static_cast<unsigned>(dwValue),
                  static_cast<int>(dwValue));
    return strName + szValue + strComment + "\r\n";
}

} // namespace

void JC_DefineTable::Clear()
{
    m_ComboNames.clear();
    m_ComboListObjs.clear();
}

DWORD JC_DefineTable::AddDefineInfo(const std::string& strKey, DWORD dwValue, const std::string& strComment)
{
    std::string strComboName;
    std::string strDefineName;
    const DWORD dwResult = SplitDefineKey(strKey, strComboName, strDefineName);
    if (dwResult != 0)
        return dwResult;
    int iIndex = FindString(strComboName, m_ComboNames);
    if (iIndex < 0) {
        iIndex = FindStringInsertPos(strComboName, m_ComboNames);
        m_ComboNames.insert(m_ComboNames.begin() + iIndex, strComboName);
        m_ComboListObjs.insert(m_ComboListObjs.begin() + iIndex, std::make_unique<JC_ComboList>());
    }
    return m_ComboListObjs[iIndex]->AddDefine(strDefineName, dwValue, strComment);
}

DWORD JC_DefineTable::GetDefineValue(const std::string_view& strKey, DWORD& dwValue) const
{
    dwValue = JC_ComboList::NO_VALUE;
    DWORD dwResult = 0;
    std::string_view strDefineName;
    const JC_ComboList* pComboList = FindCombo(strKey, dwResult, strDefineName);
    if (pComboList == nullptr)
        return dwResult;
    return pComboList->FindValue(strDefineName, dwValue);
}

DWORD JC_DefineTable::GetDefineInfo(const std::string& strKey, DWORD& dwValue, std::string& strComment) const
{
    dwValue = JC_ComboList::NO_VALUE;
    strComment.clear();
    DWORD dwResult = 0;
    std::string_view strDefineName;
    const JC_ComboList* pComboList = FindCombo(strKey, dwResult, strDefineName);
    if (pComboList == nullptr)
        return dwResult;
    return pComboList->FindValueAndComment(std::string(strDefineName), dwValue, strComment);
}

bool JC_DefineTable::HasDefine(const std::string& strKey) const
{
    DWORD dwResult = 0;
    std::string_view strDefineName;
    const JC_ComboList* pComboList = FindCombo(strKey, dwResult, strDefineName);
    return pComboList != nullptr && pComboList->HasName(std::string(strDefineName));
}

bool JC_DefineTable::HasCombo(const std::string& strComboName) const
{
    return FindString(strComboName, m_ComboNames) >= 0;
}

DWORD JC_DefineTable::SplitDefineKey(const std::string& strKey, std::string& strComboName,
                                     std::string& strDefineName) const
{
    std::string_view comboName;
    std::string_view defineName;
    const DWORD dwResult = SplitKey(strKey, comboName, defineName);
    strComboName = comboName;
    strDefineName = defineName;
    return dwResult;
}

DWORD JC_DefineTable::SplitKey(const std::string_view& strKey, std::string_view& strComboName,
                               std::string_view& strDefineName)
{
    strComboName = {};
    strDefineName = {};
    if (strKey.empty())
        return JE_DEFINE_EMPTY_KEY;
    // An underscore may be the second byte of a double-byte character.
    const size_t first = XF_FindChar(strKey, '_');
    const size_t second = first == std::string::npos ? first : XF_FindChar(strKey, '_', first + 1);
    if (second == std::string::npos)
        return JE_DEFINE_KEY_UNDERSCORES;
    if (strKey.compare(0, first, "DF") != 0)
        return JE_DEFINE_KEY_NOT_DF;
    if (second == first + 1)
        return JE_DEFINE_KEY_EMPTY_COMBO;
    if (second + 1 == strKey.size())
        return JE_DEFINE_KEY_EMPTY_NAME;
    strComboName = strKey.substr(0, second + 1);
    strDefineName = strKey.substr(second + 1);
    return 0;
}

void JC_DefineTable::AddComboList(const JC_ComboList& comboList)
{
    for (DWORD i = 0; i < comboList.GetCount(); ++i) {
        std::string strName;
        std::string strComment;
        DWORD dwValue = 0;
        comboList.GetDefineAt(i, strName, dwValue, strComment);
        AddDefineInfo(strName, dwValue, strComment);
    }
}

DWORD JC_DefineTable::GetComboList(const std::string& strComboName, const JC_ComboList*& pComboList) const
{
    const int iIndex = FindString(strComboName, m_ComboNames);
    pComboList = iIndex < 0 ? nullptr : m_ComboListObjs[iIndex].get();
    return iIndex < 0 ? JE_DEFINE_COMBO_ABSENT : 0;
}

DWORD JC_DefineTable::WriteDefineDump(const std::string& strPath) const
{
    std::string strText;
    for (size_t i = 0; i < m_ComboNames.size(); ++i) {
        strText += m_ComboNames[i] + "\r\n";
        const JC_ComboList& comboList = *m_ComboListObjs[i];
        for (DWORD j = 0; j < comboList.GetCount(); ++j) {
            std::string strName;
            std::string strComment;
            DWORD dwValue = 0;
            comboList.GetDefineAt(j, strName, dwValue, strComment);
            strText += DumpLine(strName, dwValue, strComment);
        }
    }
    const HANDLE hFile = CreateFileA(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return JE_DEFINE_DUMP_FAILED;
    DWORD dwWritten = 0;
    const BOOL bWritten = WriteFile(hFile, strText.data(), static_cast<DWORD>(strText.size()), &dwWritten, nullptr);
    CloseHandle(hFile);
    return bWritten && dwWritten == strText.size() ? 0 : JE_DEFINE_DUMP_FAILED;
}

const JC_ComboList* JC_DefineTable::FindCombo(const std::string_view& strKey, DWORD& dwResult,
                                              std::string_view& strDefineName) const
{
    std::string_view strComboName;
    dwResult = SplitKey(strKey, strComboName, strDefineName);
    if (dwResult != 0)
        return nullptr;
    const int iIndex = FindString(strComboName, m_ComboNames);
    if (iIndex < 0) {
        dwResult = JE_DEFINE_NO_COMBO;
        return nullptr;
    }
    return m_ComboListObjs[iIndex].get();
}
