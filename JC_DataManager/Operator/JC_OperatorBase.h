#pragma once

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"

#include <unordered_map>

constexpr DWORD JE_OPERATOR_NULL_DATA_MANAGER = 0x89040011;
constexpr DWORD JE_OPERATOR_DATA_MANAGER_NOT_INITIATED = 0x89040012;
constexpr DWORD JE_OPERATOR_NULL_RECORD = 0x89040041;
constexpr DWORD JE_OPERATOR_KIND_UNREADABLE = 0x89040042;
constexpr DWORD JE_OPERATOR_KIND_MISMATCH = 0x89040043;

// A view on one record, read and written item by item by name. The
// operator never owns its record: the data managers do, and a reload of the
// record's kind frees it, so an operator is rebound after every reload.
// Getters of the derived classes give 0 or an empty text when a read fails;
// every failure is logged here.
class JC_OperatorBase
{
public:
    // Accepts a record of any kind.
    JC_OperatorBase();
    virtual ~JC_OperatorBase() = default;
    JC_OperatorBase(const JC_OperatorBase&) = delete;
    JC_OperatorBase& operator=(const JC_OperatorBase&) = delete;

    // Keeps the data manager and its log and unbinds.
    virtual DWORD Initiation(JC_DataManager* pDataManager);
    // Binds a record of the operator's kind; a refused record leaves the
    // operator unbound.
    virtual DWORD SetDataConponent(JC_DataComponent* pRecord);
    // The bound record's "DataComponentKind"; 0 when it cannot be read.
    virtual DWORD GetDataComponentKind();
    // The item's position in the bound record's template, or -1.
    virtual int GetItemIndex(const std::string& strItemName);
    // The whole item: an array or a nested record still owned by the record,
    // or a plain value.
    virtual DWORD GetItemSpace(const std::string& strItemName, JC_ValueOut value);
    // One value: element dwIndex of a VECTOR item, else the plain value.
    virtual DWORD GetItemData(const std::string& strItemName, DWORD dwIndex, JC_ValueOut value);

    DWORD SetItemData(const std::string& strItemName, DWORD dwIndex, JC_ValueIn value);
    DWORD SetItemSpace(const std::string& strItemName, JC_ValueIn value);
    // Sets an item from its text as a data file writes it.
    DWORD SetItemDataText(const std::string& strItemName, const std::string& strText);

    JC_DataComponent* GetDataComponent() const;
    JC_DataManager* GetDataManager() const;
    DWORD GetOperatorKind() const;

protected:
    explicit JC_OperatorBase(DWORD dwOperatorKind);

    // What an operator of one family of records accepts and how it reports.
    struct JS_BindRule
    {
        DWORD dwGroupKind;
        bool (*pfnIsInGroup)(DWORD dwKind);
        const char* szSourceFile;
        DWORD dwNullRecord;
        DWORD dwKindUnreadable;
        DWORD dwKindMismatch;
        DWORD dwNotInGroup;
        const char* szNotInGroup;
    };
    // Binds a record of the family, or of the operator's own kind when it
    // was built for one kind; a refused record leaves the binding as it was.
    DWORD BindByRule(JC_DataComponent* pRecord, const JS_BindRule& rule);

    // The data manager's log, or the data layer's debug log before
    // Initiation.
    JC_DebugLog* Log() const;
    // Reads a record's kind without logging.
    static DWORD ReadRecordKind(JC_DataComponent* pRecord, DWORD& dwKind);
    void Bind(JC_DataComponent* pRecord);

    // The accessor pattern: a failed read gives T's zero, a failed write
    // leaves the item as it was; both are logged. Names given as const char*
    // are looked up once per template and then found by their address, so
    // they must be literals or static tables.
    template <typename T>
    T GetValue(const char* szItemName, DWORD dwIndex = 0)
    {
        T value{};
        if (ReadItem(szItemName, FindItem(szItemName), dwIndex, &value) != 0)
            return T{};
        return value;
    }
    template <typename T>
    T GetValue(const std::string& strItemName, DWORD dwIndex = 0)
    {
        T value{};
        if (GetItemData(strItemName, dwIndex, &value) != 0)
            return T{};
        return value;
    }
    template <typename T>
    void SetValue(const char* szItemName, const T& value, DWORD dwIndex = 0)
    {
        WriteItem(szItemName, FindItem(szItemName), dwIndex, &value);
    }
    template <typename T>
    void SetValue(const std::string& strItemName, const T& value, DWORD dwIndex = 0)
    {
        SetItemData(strItemName, dwIndex, &value);
    }
    // The record's own array or nested record; null when it cannot be had,
    // with the code in dwResult.
    template <typename T>
    T* GetSpace(const std::string& strItemName, DWORD& dwResult)
    {
        T* pSpace = nullptr;
        dwResult = GetItemSpace(strItemName, &pSpace);
        return dwResult == 0 ? pSpace : nullptr;
    }
    // The size of a VECTOR item's array; 0 when it cannot be had.
    template <typename T>
    DWORD GetSpaceCount(const std::string& strItemName)
    {
        DWORD dwResult = 0;
        const T* pSpace = GetSpace<T>(strItemName, dwResult);
        return pSpace != nullptr ? static_cast<DWORD>(pSpace->size()) : 0;
    }

    // Whether a VECTOR item's array is below its template's largest count,
    // so one more element can still be read back; logged when it is not.
    bool HasRoomFor(const std::string& strItemName);

private:
    // The bound record's item of a name given by address; null when unbound
    // or when the template has no such item.
    const JC_TemplateItem* FindItem(const char* szItemName);
    // Logs a failed data operation and gives its code back.
    DWORD Reported(DWORD dwResult, bool bWrite, const char* szItemName, const DWORD* pdwIndex, int iSourceLine) const;
    DWORD ReadItem(const char* szItemName, const JC_TemplateItem* pItem, DWORD dwIndex, JC_ValueOut value);
    DWORD WriteItem(const char* szItemName, const JC_TemplateItem* pItem, DWORD dwIndex, JC_ValueIn value);

    JC_DataManager* m_pDataManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataComponent* m_pDataComponent = nullptr;
    const DWORD m_dwOperatorKind;
    const JC_Template* m_pCachedTemplate = nullptr;
    std::unordered_map<const char*, const JC_TemplateItem*> m_ItemCache;
};

// Entry i of an array, or the element type's zero.
template <typename T>
typename T::value_type JF_EntryOf(const T* pArray, DWORD dwIndex)
{
    return pArray != nullptr && dwIndex < pArray->size() ? (*pArray)[dwIndex] : typename T::value_type();
}
