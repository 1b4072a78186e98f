#pragma once

// The fuzzing run's stand-in for the data manager: the save-state lists the
// script flags and the script stack bind to, loaded by the harness.

#include "JC_DataManager/Manager/JE_DataKind.h"
#include "TemplateSystem/JC_DataComponentMaker.h"
#include "TemplateSystem/JC_DebugLog.h"

constexpr DWORD JE_DATAMANAGER_KIND_NOT_LOADED = 0x89020003;

class JC_DataManager
{
public:
    bool IsInitiated() const { return true; }
    JC_DebugLog* GetErrorLog() const { return gp_DebugInfoObj; }
    JC_DataComponentMaker* GetUnfixedDataObj(DWORD dwKind) const
    {
        if (dwKind == UNFIXEDDATAKIND_SCRIPTINFO)
            return m_pScriptInfo;
        return dwKind == UNFIXEDDATAKIND_SCRIPTFLAG ? m_pScriptFlag : nullptr;
    }

    JC_DataComponentMaker* m_pScriptInfo = nullptr;
    JC_DataComponentMaker* m_pScriptFlag = nullptr;
};
