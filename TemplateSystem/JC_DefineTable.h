#pragma once

#include "TemplateSystem/JC_ComboList.h"

#include <memory>

constexpr DWORD JE_DEFINE_NO_COMBO = 0x88112041;
constexpr DWORD JE_DEFINE_EMPTY_KEY = 0x88112101;
constexpr DWORD JE_DEFINE_KEY_UNDERSCORES = 0x88112102;
constexpr DWORD JE_DEFINE_KEY_NOT_DF = 0x88112103;
constexpr DWORD JE_DEFINE_KEY_EMPTY_COMBO = 0x88112104;
constexpr DWORD JE_DEFINE_KEY_EMPTY_NAME = 0x88112105;
constexpr DWORD JE_DEFINE_COMBO_ABSENT = 0x88112131;
constexpr DWORD JE_DEFINE_DUMP_FAILED = 0x88112161;

// Define keys DF_combo_name with their values and comments, grouped into
// combos, which are kept sorted by name. The table owns its combo lists.
class JC_DefineTable
{
public:
    virtual ~JC_DefineTable() = default;

    virtual void Clear();
    // Adds the define to its combo, making the combo when it is new.
    virtual DWORD AddDefineInfo(const std::string& strKey, DWORD dwValue, const std::string& strComment);
    // dwValue is JC_ComboList::NO_VALUE unless the key is found.
    virtual DWORD GetDefineValue(const std::string_view& strKey, DWORD& dwValue) const;
    virtual DWORD GetDefineInfo(const std::string& strKey, DWORD& dwValue, std::string& strComment) const;
    // Whether the key is well formed and defined.
    virtual bool HasDefine(const std::string& strKey) const;
    virtual bool HasCombo(const std::string& strComboName) const;
    // Cuts a key at its second underscore: the combo name is "DF_", the combo
    // part and that underscore; the define name is the rest.
    virtual DWORD SplitDefineKey(const std::string& strKey, std::string& strComboName,
                                 std::string& strDefineName) const;
    // Adds every entry of a list whose name is a whole key; entries that
    // cannot be added are passed over.
    virtual void AddComboList(const JC_ComboList& comboList);
    // The combo's list, still owned by the table, or null.
    virtual DWORD GetComboList(const std::string& strComboName, const JC_ComboList*& pComboList) const;
    // Writes every combo and its defines to a text file, for reading by eye.
    virtual DWORD WriteDefineDump(const std::string& strPath) const;

private:
    // The combo list of the key's combo, or null.
    const JC_ComboList* FindCombo(const std::string_view& strKey, DWORD& dwResult,
                                  std::string_view& strDefineName) const;
    // SplitDefineKey over views of the key.
    static DWORD SplitKey(const std::string_view& strKey, std::string_view& strComboName,
                          std::string_view& strDefineName);

    std::vector<std::string> m_ComboNames;
    std::vector<std::unique_ptr<JC_ComboList>> m_ComboListObjs;
};
