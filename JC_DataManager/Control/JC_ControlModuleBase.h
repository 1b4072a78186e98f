#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

// A screen's layout record, read by item name. The module controls differ
// only in their record, their failure code and the names in their reports.
class JC_ControlModuleBase : public JC_OperatorBase
{
public:
    // Binds the module record.
    DWORD Initiation(JC_DataManager* pDataManager) override;

    // The item at index 0; 0, 0.0 or an empty text when not bound or when
    // the read fails.
    int GetItemDataLong(const std::string& strItemName);
    DWORD GetItemDataDword(const std::string& strItemName);
    float GetItemDataFloat(const std::string& strItemName);
    std::string GetItemDataString(const std::string& strItemName);

    // What one module control reads and how it reports.
    struct JS_ModuleInfo
    {
        const char* szSourceFile;
        // "ModuleOption", as the reports name the control and its record.
        const char* szModuleName;
        // The data manager's getter, as the reports name it.
        const char* szRecordGetter;
        DWORD dwNoRecord;
    };

protected:
    explicit JC_ControlModuleBase(const JS_ModuleInfo& info);
    virtual JC_DataComponent* GetModuleRecord(JC_DataManager& dataManager) const = 0;

private:
    template <typename T>
    T ReadItem(const std::string& strItemName);

    const JS_ModuleInfo& m_Info;
    BOOL m_bReady = FALSE;
};
