#pragma once

#include "Code/XC_Setting.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Module/XC_ModuleManager.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"

#include "tests/JC_DataManager/BuiltDataLayer.h"
#include "tests/Support/ScopedGlobalDevice.h"
#include "tests/Support/ScopedRegistryKey.h"
#include "tests/Support/TestDevice.h"

// The option screen on the sample game's data layer and a real device, with
// the settings in a registry key of the test's own.
class OptionScreen : public BuiltDataLayer
{
protected:
    OptionScreen() : m_GlobalDevice(m_Device.Device())
    {
        EXPECT_TRUE(m_Device.IsReady()) << m_Device.Error();
        EXPECT_EQ(JF_Build(GamePath("")), 0u) << LogText();
        EXPECT_EQ(g_pSetting->SetRegisterKey(HKEY_CURRENT_USER, m_SettingsKey.Path().c_str()), S_OK);
    }
    ~OptionScreen() override { m_Manager.RemoveAllModules(); }

    DWORD Initiate(JC_OptionModuleDocument& document, int iMode = JC_OptionModuleDocument::MODE_PANEL)
    {
        return document.Initiation(&m_Manager, &m_State, &m_Mouse, gp_ControlManagerObj, iMode);
    }

    TestDevice m_Device;
    ScopedGlobalDevice m_GlobalDevice;
    ScopedRegistryKey m_SettingsKey{"OptionScreen"};
    XC_ModuleManager m_Manager;
    XC_MouseState m_State;
    XC_Mouse m_Mouse;
};
