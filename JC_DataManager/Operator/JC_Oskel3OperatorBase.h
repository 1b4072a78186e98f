#pragma once

#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DebugLog.h"

constexpr DWORD JE_OSKEL3OPERATOR_NULL_LOG = 0x89017011;
constexpr DWORD JE_OSKEL3OPERATOR_NULL_RECORD = 0x89017012;

// A reader of one record of the previous title's save; it owns neither the
// record nor the log.
class JC_Oskel3OperatorBase
{
public:
    JC_Oskel3OperatorBase() = default;
    virtual ~JC_Oskel3OperatorBase() = default;
    JC_Oskel3OperatorBase(const JC_Oskel3OperatorBase&) = delete;
    JC_Oskel3OperatorBase& operator=(const JC_Oskel3OperatorBase&) = delete;

    DWORD Initiation(JC_DebugLog* pErrorLog, JC_DataComponent* pRecord);
    // Element dwIndex of a VECTOR item, else the plain value.
    DWORD GetItemData(const std::string& strItemName, DWORD dwIndex, JC_ValueOut value) const;

private:
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataComponent* m_pDataComponent = nullptr;
};
