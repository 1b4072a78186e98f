#include "JC_DataManager/Event/JC_EventManager.h"

#include "GameProgram/Common/XF_InitOrder.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "TemplateSystem/JC_DebugLog.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_NAME);

JC_EventManager s_EventManager XM_INIT_ORDER(XE_INIT_EVENT_MANAGER);

const char* const s_szCampInitiationFailure[JC_EventManager::CAMP_COUNT] = {
    " Initiation EventGroupCampObj0 Fail. \r\n HRESULT:0x%08x \r\n",
    " Initiation EventGroupCampObj1 Fail. \r\n HRESULT:0x%08x \r\n",
    " Initiation EventGroupCampObj2 Fail. \r\n HRESULT:0x%08x \r\n",
    " Initiation EventGroupCampObj3 Fail. \r\n HRESULT:0x%08x \r\n",
};

} // namespace

JC_EventManager* gp_EventManagerObj = &s_EventManager;

DWORD JC_EventManager::Initiation(JC_ControlManager* pControlManager)
{
    m_bInitiated = FALSE;
    if (pControlManager == nullptr)
        return JE_EVENTMANAGER_NULL_CONTROL_MANAGER;
    if (pControlManager->IsInitiated() != 1)
        return JE_EVENTMANAGER_CONTROL_MANAGER_NOT_INITIATED;
    m_pErrorLog = pControlManager->GetErrorLog();
    m_strPath = pControlManager->GetDataManager()->GetPath();
    JC_DebugLog& log = m_pErrorLog != nullptr ? *m_pErrorLog : *gp_DebugInfoObj;
    for (int iCamp = 0; iCamp < CAMP_COUNT; ++iCamp) {
        const DWORD dwResult = m_EventGroupCampObj[iCamp].Initiation(pControlManager);
        if (dwResult != 0) {
            log.PrintAt(s_szSourceFile, __LINE__, s_szCampInitiationFailure[iCamp], static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    const struct
    {
        JC_EventBase& group;
        const char* szFailure;
    } others[] = {
        {m_EventGroupPersonObj, " Initiation EventGroupPersonObj Fail. \r\n HRESULT:0x%08x \r\n"},
        {m_EventGroupSceneObj, " Initiation EventGroupSceneObj Fail. \r\n HRESULT:0x%08x \r\n"},
    };
    for (const auto& other : others) {
        const DWORD dwResult = other.group.Initiation(pControlManager);
        if (dwResult != 0) {
            log.PrintAt(s_szSourceFile, __LINE__, other.szFailure, static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    for (int iCamp = 0; iCamp < CAMP_COUNT; ++iCamp) {
        const DWORD dwResult = m_EventGroupCampObj[iCamp].SetCamp(iCamp);
        if (dwResult != 0) {
            log.PrintAt(s_szSourceFile, __LINE__,
                        " EventGroupCampObj SetCamp Fail. \r\n Camp:0x%08x \r\n HRESULT:0x%08x \r\n",
                        static_cast<unsigned>(iCamp), static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    const DWORD dwResult = EventClsAll();
    if (dwResult != 0) {
        log.PrintAt(s_szSourceFile, __LINE__, " ReInitiation Fail. \r\n HRESULT:0x%08x \r\n",
                    static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_EventManager::EventClsAll()
{
    for (JC_EventGroupCamp& group : m_EventGroupCampObj)
        group.EventClsAll();
    m_EventGroupPersonObj.EventClsAll();
    return m_EventGroupSceneObj.EventClsAll();
}

JC_EventGroupCamp* JC_EventManager::GetEventGroupCamp(int iCamp)
{
    if (iCamp < 0 || iCamp >= CAMP_COUNT)
        return nullptr;
    return &m_EventGroupCampObj[iCamp];
}
