#pragma once

#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Module/XC_ModuleManager.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"

#include "tests/GameProgram/Resource/FakeMusicManager.h"
#include "tests/GameProgram/Resource/ImageFiles.h"
#include "tests/JC_DataManager/BuiltDataLayer.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/ScopedGlobalDevice.h"
#include "tests/Support/TestDevice.h"

#include <cstdio>
#include <sstream>
#include <string>

// The state screen on the sample game's data layer and a real device, with
// the hero at place 0 of the party and, where a test adds them, more persons
// whose faces come from a memory pack. The party holds nobody else and the
// warehouses start empty. No resource manager is made for the layout's
// animations, so their files are left out of the record: those items are
// built empty. The thing icons come from a memory pack of small pictures.
class StateScreen : public BuiltDataLayer
{
protected:
    static constexpr int HERO = 1;
    static constexpr int GOBLIN = 11;
    static constexpr int LAST_ICON = 40;

    StateScreen()
        : m_GlobalDevice(m_Device.Device()), m_pOldAnimationManager(g_pAnimationManager),
          m_pOldTextureManager(g_pTextureManager)
    {
        EXPECT_TRUE(m_Device.IsReady()) << m_Device.Error();
        RemoveAnimationFiles(GamePath("Template\\TemplateData\\ModuleData_State.DATA"));
        EXPECT_EQ(JF_Build(GamePath("")), 0u) << LogText();
        for (const int iWarehouse : {1, 2, 3, 4})
            EXPECT_EQ(gp_ControlManagerObj->m_ControlWarehouseObj.EmptyWarehouse(iWarehouse), 0u);
        EXPECT_EQ(Team().EmptyTeam(TeamID::TEAMID_OUR), 0u) << LogText();
        AddToParty(0, HERO);
        m_AnimationManager.Init(&m_FacePack, &m_TextureManager, &m_MusicManager);
        g_pAnimationManager = &m_AnimationManager;
        for (int iPhoto = 0; iPhoto <= LAST_ICON; ++iPhoto) {
            char szIcon[32];
            std::snprintf(szIcon, sizeof(szIcon), "Icon\\%04d.bmp", iPhoto);
            m_IconPack.Add(szIcon, MakeBmp24(4, 4, Solid(0x808080)));
        }
        m_IconManager.SetMessageBox(FALSE);
        EXPECT_EQ(m_IconManager.Init(&m_IconPack), S_OK);
        g_pTextureManager = &m_IconManager;
    }
    ~StateScreen() override
    {
        m_Manager.RemoveAllModules();
        g_pTextureManager = m_pOldTextureManager;
        m_IconManager.Fini();
        g_pAnimationManager = m_pOldAnimationManager;
        m_AnimationManager.Fini();
    }

    static JC_ControlTeam& Team() { return gp_ControlManagerObj->m_ControlTeamObj; }

    // A fixed person at a place of a team, with a face of its own.
    void AddToParty(int iTeamIndex, DWORD dwPersonID, TeamID team = TeamID::TEAMID_OUR)
    {
        ASSERT_EQ(Team().AddPersonToTeamFromFixedData(team, iTeamIndex, dwPersonID), 0u) << LogText();
        JC_ControlPerson person;
        person.Initiation(gp_DataManagerObj, gp_ControlManagerObj->GetBehaviorAnalyser());
        person.SetControlPerson(Person(iTeamIndex, team));
        std::string strFace;
        person.GetPersonPowerObj()->GetAnimationFileName(strFace);
        m_FacePack.Add("face\\" + strFace, "1\nheader\n100 0 0 -1 1 0 0 0 50\npic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n");
    }

    static JC_DataComponent* Person(int iTeamIndex, TeamID team = TeamID::TEAMID_OUR)
    {
        JC_DataComponent* pPerson = nullptr;
        Team().GetPersonFromTeam(team, iTeamIndex, pPerson);
        return pPerson;
    }

    DWORD Initiate(JC_StateModuleDocument& document)
    {
        return document.Initiation(&m_Manager, &m_State, &m_Mouse, gp_ControlManagerObj);
    }

    // Initiated, on a person of a team, and open on the main page.
    void Open(JC_StateModuleDocument& document, int iTeamIndex, DWORD dwTeam = 1)
    {
        ASSERT_EQ(Initiate(document), 0u);
        ASSERT_EQ(document.SetOperateTeam(dwTeam), 0u);
        ASSERT_EQ(document.SetOperatePerson(Person(iTeamIndex, static_cast<TeamID>(dwTeam))), 0u) << LogText();
        ASSERT_EQ(document.Enable(), S_OK);
        ASSERT_EQ(document.IsViewsReady(), TRUE) << LogText();
    }

    static void RemoveAnimationFiles(const std::string& strFile)
    {
        std::istringstream lines(ReadTestFile(strFile));
        std::string strKept;
        std::string strLine;
        while (std::getline(lines, strLine)) {
            if (strLine.compare(0, 4, "View") != 0 || strLine.find("F\"") == std::string::npos)
                strKept += strLine + "\n";
        }
        EXPECT_TRUE(WriteTestFile(strFile, strKept)) << strFile;
    }

    TestDevice m_Device;
    ScopedGlobalDevice m_GlobalDevice;
    XC_ModuleManager m_Manager;
    XC_MouseState m_State;
    XC_Mouse m_Mouse;
    MemoryPackFile m_FacePack;
    XC_2DTextureManager m_TextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationManager m_AnimationManager;
    XC_AnimationManager* m_pOldAnimationManager;
    MemoryPackFile m_IconPack;
    XC_TextureManager m_IconManager;
    XC_TextureManager* m_pOldTextureManager;
};
