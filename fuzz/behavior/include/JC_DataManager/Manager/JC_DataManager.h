#pragma once

// The fuzzing run's stand-in for the data manager: the operations the
// behaviour analyser asks of it, over a define table the harness fills once.

#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JC_DefineTable.h"

class JC_DataManager
{
public:
    bool IsInitiated() const { return true; }
    JC_DebugLog* GetErrorLog() const { return gp_DebugInfoObj; }
    DWORD GetDefineInfo(const std::string& strDefineName) const
    {
        DWORD dwValue = 0;
        return m_Defines.GetDefineValue(strDefineName, dwValue) == 0 ? dwValue : 0xCDCDCDCD;
    }
    DWORD GetDefineGeneration() const { return 1; }

    JC_DefineTable m_Defines;
};
