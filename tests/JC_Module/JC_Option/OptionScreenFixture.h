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

#include <sstream>
#include <string>
#include <vector>

// The option screen on the sample game's layout and a real device, with the
// settings in a registry key of the test's own. No resource manager is made
// here, so the layout's animation files are left out of the record: the
// items are built empty. A derived fixture may leave out more keys, from the
// template as well as the record.
class OptionScreen : public BuiltDataLayer
{
protected:
    OptionScreen() : OptionScreen(std::vector<std::string>()) {}
    explicit OptionScreen(const std::vector<std::string>& missingKeys) : m_GlobalDevice(m_Device.Device())
    {
        EXPECT_TRUE(m_Device.IsReady()) << m_Device.Error();
        RemoveLayoutLines(GamePath("Template\\TemplateData\\ModuleData_Option.DATA"), missingKeys, "", true);
        RemoveLayoutLines(GamePath("Template\\Template\\ModuleOption.temp"), missingKeys, "@Name \"", false);
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

private:
    // Drops the lines of the named keys (a line begins with the prefix and the
    // key, then a quote); with bFiles also every animation file of the views.
    static void RemoveLayoutLines(const std::string& strFile, const std::vector<std::string>& keys,
                                  const std::string& strPrefix, bool bFiles)
    {
        std::istringstream lines(ReadTestFile(strFile));
        std::string strKept;
        std::string strLine;
        while (std::getline(lines, strLine)) {
            bool bDrop = bFiles && strLine.compare(0, 4, "View") == 0 && strLine.find("F\"") != std::string::npos;
            for (const std::string& strKey : keys) {
                const std::string strStart = strPrefix + strKey + "\"";
                bDrop = bDrop || strLine.compare(0, strStart.size(), strStart) == 0;
            }
            if (!bDrop)
                strKept += strLine + "\n";
        }
        EXPECT_TRUE(WriteTestFile(strFile, strKept)) << strFile;
    }
};
