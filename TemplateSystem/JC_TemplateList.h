#pragma once

#include "TemplateSystem/JC_Template.h"

constexpr DWORD JE_TEMPLATELIST_ID_PRESENT = 0x88126013;
constexpr DWORD JE_TEMPLATELIST_ID_ABSENT = 0x88126041;
constexpr DWORD JE_TEMPLATELIST_INDEX_OUTSIDE = 0x88126042;
constexpr DWORD JE_TEMPLATELIST_REMOVE_ABSENT = 0x88126071;
constexpr DWORD JE_TEMPLATELIST_REMOVE_OUTSIDE = 0x88126072;
constexpr DWORD JE_TEMPLATELIST_EMPTY = 0x881260A2;

// Templates sorted by identifier. The template manager's list owns its
// templates (DeleteAll); a component manager's list only refers to them
// (Clear).
class JC_TemplateList
{
public:
    JC_TemplateList() = default;
    // Deletes every template of the list.
    virtual ~JC_TemplateList();
    JC_TemplateList(const JC_TemplateList&) = delete;
    JC_TemplateList& operator=(const JC_TemplateList&) = delete;

    virtual void DeleteAll();

    DWORD AddTemplate(JC_Template* pTemplate, bool bMain);
    DWORD FindTemplateByID(DWORD dwTemplateID, JC_Template*& pTemplate) const;
    // -1 when absent.
    int FindIndexByID(DWORD dwTemplateID) const;
    DWORD GetTemplateAt(DWORD dwIndex, JC_Template*& pTemplate) const;
    DWORD GetTemplateAt(DWORD dwIndex, JC_Template*& pTemplate, bool& bMain) const;
    // Hand the template out without deleting it.
    DWORD RemoveTemplateByID(DWORD dwTemplateID, JC_Template*& pTemplate);
    DWORD RemoveTemplateAt(DWORD dwIndex, JC_Template*& pTemplate);
    // Empties the list without deleting the templates.
    void Clear();
    DWORD GetCount() const;
    // The template with the fewest items (fewer than 512), the first of
    // equals; null and -1 when there is none.
    void GetSmallestTemplate(JC_Template*& pTemplate, int& iIndex) const;
    // The UINT32 and STRING items that every template of the list has with
    // the same name and type, in the smallest template's order: the items a
    // data file may sort by.
    DWORD GetCommonKeyItems(std::vector<std::string>& names, std::vector<DWORD>& types) const;

private:
    bool IsCommonKeyItem(const JC_TemplateItem& item) const;

    std::vector<DWORD> m_TemplateIDs;
    std::vector<JC_Template*> m_Templates;
    std::vector<bool> m_MainFlags;
};
