#pragma once

#include "JC_DataManager/Event/JC_EventGroupCamp.h"
#include "JC_DataManager/Event/JC_EventGroupPerson.h"
#include "JC_DataManager/Event/JC_EventGroupScene.h"

#include <array>
#include <string>

class JC_ControlManager;

constexpr DWORD JE_EVENTMANAGER_NULL_CONTROL_MANAGER = 0x898F0001;
constexpr DWORD JE_EVENTMANAGER_CONTROL_MANAGER_NOT_INITIATED = 0x898F0002;

// The owner of every event group of the game: the four camps' groups, the
// person group and the scene group.
class JC_EventManager
{
public:
    static constexpr int CAMP_COUNT = 4;

    JC_EventManager() = default;
    virtual ~JC_EventManager() = default;
    JC_EventManager(const JC_EventManager&) = delete;
    JC_EventManager& operator=(const JC_EventManager&) = delete;

    // Binds every group, sets the camps and clears the dynamic events.
    virtual DWORD Initiation(JC_ControlManager* pControlManager);
    // Clears the dynamic events of every group; the last group's result.
    virtual DWORD EventClsAll();

    // Null for a camp outside 0..3.
    JC_EventGroupCamp* GetEventGroupCamp(int iCamp);
    BOOL IsInitiated() const { return m_bInitiated; }
    const std::string& GetPath() const { return m_strPath; }
    JC_DebugLog* GetErrorLog() const { return m_pErrorLog; }

    JC_EventGroupPerson m_EventGroupPersonObj;
    JC_EventGroupScene m_EventGroupSceneObj;

private:
    std::array<JC_EventGroupCamp, CAMP_COUNT> m_EventGroupCampObj;
    BOOL m_bInitiated = FALSE;
    std::string m_strPath;
    JC_DebugLog* m_pErrorLog = nullptr;
};

extern JC_EventManager* gp_EventManagerObj;
