#pragma once

#include "TemplateSystem/JC_DataComponent.h"

constexpr DWORD JE_INDEX_BAD_KIND = 0x88138011;
constexpr DWORD JE_INDEX_EMPTY_ITEM_NAME = 0x88138012;
constexpr DWORD JE_INDEX_ADD_NOT_INITIATED = 0x88138041;
constexpr DWORD JE_INDEX_ADD_NULL = 0x88138042;
constexpr DWORD JE_INDEX_KEY_PRESENT = 0x88138043;
constexpr DWORD JE_INDEX_EMPTY_KEY = 0x88138044;
constexpr DWORD JE_INDEX_REKEY_NOT_INITIATED = 0x88138071;
constexpr DWORD JE_INDEX_REKEY_NULL = 0x88138072;
constexpr DWORD JE_INDEX_REKEY_ABSENT = 0x88138073;
constexpr DWORD JE_INDEX_REMOVE_NOT_INITIATED = 0x881380A1;
constexpr DWORD JE_INDEX_REMOVE_ABSENT = 0x881380A2;

// Data components sorted by the value of one of their items, a number or a
// text, so one is found by its key by bisection. Keys are unique; the index
// does not own the components.
class JC_ComponentIndex
{
public:
    // Key kinds: the item types of the keys.
    static constexpr int KEY_NUMBER = ITEMTYPE_UINT32;
    static constexpr int KEY_TEXT = ITEMTYPE_STRING;

    JC_ComponentIndex() = default;
    virtual ~JC_ComponentIndex() = default;
    JC_ComponentIndex(const JC_ComponentIndex&) = delete;
    JC_ComponentIndex& operator=(const JC_ComponentIndex&) = delete;

    virtual DWORD Initiation(int iKeyKind, const std::string& strKeyItemName);
    virtual void Reset();
    virtual DWORD AddComponent(JC_DataComponent* pComponent);
    // Moves a component whose key item changed to its new key.
    virtual DWORD RekeyComponent(JC_DataComponent* pComponent);
    virtual JC_DataComponent* FindByKey(DWORD dwKey) const;
    virtual JC_DataComponent* FindByName(const std::string& strKey) const;
    virtual DWORD RemoveComponent(const JC_DataComponent* pComponent);
    virtual DWORD RemoveByKey(DWORD dwKey);
    virtual DWORD RemoveByName(const std::string& strKey);
    // The position of the component, or -1.
    virtual int IndexOfComponent(const JC_DataComponent* pComponent) const;

    bool IsInitiated() const;
    int GetKeyKind() const;
    const std::string& GetKeyItemName() const;
    // Drops every entry and keeps the key item.
    void RemoveAll();

private:
    DWORD ReadKey(JC_DataComponent& component, DWORD& dwKey, std::string& strKey) const;
    void RemoveAt(size_t at);

    bool m_bInitiated = false;
    int m_iKeyKind = -1;
    std::string m_strKeyItemName;
    std::vector<std::string> m_TextKeys;
    std::vector<DWORD> m_NumberKeys;
    std::vector<JC_DataComponent*> m_Components;
};
