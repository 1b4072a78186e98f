#include "JC_Script/DealScript/JC_ScriptDealInit.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderManager.h"
#include "JC_Script/DealScript/JC_ScriptDealManager.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JF_NumberText.h"

#include <functional>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

struct JS_InitStep
{
    const char* szFailure;
    std::function<DWORD()> run;
};

} // namespace

DWORD JC_ScriptDealInit::Deal(const std::string& strText)
{
    if (m_pControlManager == nullptr || gp_DataManagerObj == nullptr)
        return JE_DEALINIT_NO_CONTROL_MANAGER;
    std::string strRest = strText;
    const int iLevel = JF_DecimalToInt(PopField(strRest));
    const int iInitIndex = JF_DecimalToInt(strRest);
    if (static_cast<DWORD>(iInitIndex) > 1) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScriptDealInit InitIndexOverflow. \r\n InitIndex:%d(0~1) \r\n ",
                             iInitIndex);
        return JE_DEALINIT_INDEX_OVERFLOW;
    }
    const DWORD dwLoad = LoadData(iLevel, iInitIndex);
    // A load that failed half-way has freed records: the managers still bind
    // anew, so none keeps using a freed record and the next "InitGame" starts
    // from a sound state.
    const DWORD dwInitiate = InitiateManagers();
    return dwLoad != 0 ? dwLoad : dwInitiate;
}

DWORD JC_ScriptDealInit::LoadData(int iLevel, int iInitIndex)
{
    DWORD dwResult = gp_DataManagerObj->InitFixedData(static_cast<DWORD>(iLevel));
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " ScriptDealInit DataManagerObj InitFixedDataFail(Level:%d). \r\n HRESULT:0x%08x \r\n", iLevel,
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = gp_DataManagerObj->InitUnfixedData(static_cast<DWORD>(iInitIndex));
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                             " ScriptDealInit DataManagerObj InitUnfixedDataFail. \r\n InitIndex:%d \r\n HRESULT:0x%08x \r\n",
                             iInitIndex, static_cast<unsigned>(dwResult));
        return dwResult;
    }
    const JS_InitStep steps[] = {
        {" ScriptDealInit DataManagerObj InitModuleDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitModuleData(); }},
        {" ScriptDealInit DataManagerObj InitRecordDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitRecordData(); }},
        {" ScriptDealInit DataManagerObj LoadRecordDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->LoadRecordData(0, 60000, 0); }},
    };
    for (const JS_InitStep& step : steps) {
        dwResult = step.run();
        if (dwResult != 0) {
            m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, step.szFailure, static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}

// Every step runs even after one failed: a manager left out would stay bound
// to the records the load freed. The failures are each reported.
DWORD JC_ScriptDealInit::InitiateManagers()
{
    const JS_InitStep steps[] = {
        {" ScriptDealInit Initiation BehaviorAnalyserObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_BehaviorAnalyserObj->Initiation(gp_DataManagerObj); }},
        {" ScriptDealInit Initiation ControlManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_ControlManagerObj->Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj); }},
        {" ScriptDealInit Initiation OrderManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_OrderManagerObj->Initiation(gp_ControlManagerObj); }},
        {" ScriptDealInit Initiation OrderDealManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_OrderDealManagerObj->Initiation(gp_OrderManagerObj); }},
        {" ScriptDealInit Initiation EventManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_EventManagerObj->Initiation(gp_ControlManagerObj); }},
        {" ScriptDealInit Initiation ScriptManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_ScriptManagerObj->Initiation2(); }},
        {" ScriptDealInit Initiation ScriptDealManagerObj Fail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_ScriptDealManagerObj->Initiation(gp_ControlManagerObj, gp_EventManagerObj); }},
    };
    DWORD dwFirstFailure = 0;
    for (const JS_InitStep& step : steps) {
        const DWORD dwResult = step.run();
        if (dwResult == 0)
            continue;
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, step.szFailure, static_cast<unsigned>(dwResult));
        if (dwFirstFailure == 0)
            dwFirstFailure = dwResult;
    }
    return dwFirstFailure;
}
