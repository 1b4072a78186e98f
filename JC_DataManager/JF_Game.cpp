#include "JC_DataManager/JF_Game.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Event/JC_EventManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Order/JC_OrderDealManager.h"
#include "JC_Order/JC_OrderManager.h"
#include "JC_Script/DealScript/JC_ScriptDealManager.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <functional>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// A static global object made anew: it forgets the data it was bound to.
template <typename T>
void MakeAnew(T* pObject)
{
    std::destroy_at(pObject);
    std::construct_at(pObject);
}

struct JS_BuildStep
{
    const char* szFailure;
    std::function<DWORD()> run;
};

// Loading the data: reports name the source before the message.
DWORD RunDataSteps(const std::string& strGamePath)
{
    const JS_BuildStep steps[] = {
        {" Build DataManagerObj InitiationFail. \r\n HRESULT:0x%08x \r\n",
         [&] { return gp_DataManagerObj->Initiation(strGamePath, gp_DebugInfoObj); }},
        {" Build DataManagerObj InitFixedDataFail(Level:Normal). \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitFixedData(1); }},
        {" Build DataManagerObj InitUnfixedDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitUnfixedData(0); }},
        {" Build DataManagerObj InitModuleDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitModuleData(); }},
        {" Build DataManagerObj InitRecordDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->InitRecordData(); }},
        {" Build DataManagerObj LoadRecordDataFail. \r\n HRESULT:0x%08x \r\n",
         [] { return gp_DataManagerObj->LoadRecordData(0, 60000, 0); }},
    };
    for (const JS_BuildStep& step : steps) {
        const DWORD dwResult = step.run();
        if (dwResult != 0) {
            gp_DebugInfoObj->PrintAt(s_szSourceFile, __LINE__, step.szFailure, static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}

// The objects on the data: reports carry the code, the source and the line.
DWORD RunManagerSteps(const std::string& strGamePath)
{
    const JS_BuildStep steps[] = {
        {"重置 JC_BehaviorAnalyser物件 發生錯誤 \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
         [] { return gp_BehaviorAnalyserObj->Initiation(gp_DataManagerObj); }},
        {"重置 JC_ControlManager物件 發生錯誤 \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
         [] { return gp_ControlManagerObj->Initiation(gp_DataManagerObj, gp_BehaviorAnalyserObj); }},
        {"重置 JC_OrderManager物件 發生錯誤 \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
         [] { return gp_OrderManagerObj->Initiation(gp_ControlManagerObj); }},
        {"OrderDealManagerObj Initiation Fail. \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
         [] { return gp_OrderDealManagerObj->Initiation(gp_OrderManagerObj); }},
        {"重置 JC_EventManager物件 發生錯誤 \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
         [] { return gp_EventManagerObj->Initiation(gp_ControlManagerObj); }},
        {"重置 JC_ScriptManager物件 發生錯誤 \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
         [&] { return gp_ScriptManagerObj->Initiation(strGamePath, gp_DataManagerObj); }},
        {"重置1 JC_ScriptDealManager物件 發生錯誤 \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
         [] { return gp_ScriptDealManagerObj->Initiation(gp_ControlManagerObj, gp_EventManagerObj); }},
        {"將劇本處理物件 登記到劇本管理者時 發生錯誤 \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
         [] { return gp_ScriptDealManagerObj->RegisterFunctions(gp_ScriptManagerObj); }},
    };
    for (const JS_BuildStep& step : steps) {
        const DWORD dwResult = step.run();
        if (dwResult != 0) {
            gp_DebugInfoObj->Print(step.szFailure, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
    }
    return 0;
}

} // namespace

DWORD JF_Build(const std::string& strGamePath)
{
    // A second build starts from nothing rather than leaking the first.
    JF_Destroy();
    gp_DataManagerObj = new JC_DataManager;
    DWORD dwResult = RunDataSteps(strGamePath);
    if (dwResult == 0)
        dwResult = RunManagerSteps(strGamePath);
    if (dwResult != 0)
        JF_Destroy();
    return dwResult;
}

DWORD JF_Destroy()
{
    MakeAnew(gp_ScriptDealManagerObj);
    MakeAnew(gp_ScriptManagerObj);
    MakeAnew(gp_EventManagerObj);
    MakeAnew(gp_OrderDealManagerObj);
    MakeAnew(gp_OrderManagerObj);
    MakeAnew(gp_ControlManagerObj);
    MakeAnew(gp_BehaviorAnalyserObj);
    delete gp_DataManagerObj;
    gp_DataManagerObj = nullptr;
    return 0;
}
