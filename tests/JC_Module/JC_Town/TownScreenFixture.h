#pragma once

#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Module/XC_ModuleManager.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_Module/JC_Town/JC_TownModuleDocument.h"

#include "tests/GameProgram/RenderingObject/FakeFont.h"
#include "tests/GameProgram/Resource/FakeMusicManager.h"
#include "tests/JC_DataManager/BuiltDataLayer.h"
#include "tests/Support/ScopedGlobalDevice.h"
#include "tests/Support/TestDevice.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

// Answers every animation with one two-page stand-in and every picture with a
// 2 × 2 bitmap, except the names a test leaves out; notes what was asked.
class StandInPack : public XI_PackFile
{
public:
    const char* GetPath() override { return "standin\\"; }
    XS_FileData* GetData(const char* szFileName) override
    {
        const std::string strName(szFileName);
        m_Requests.push_back(strName);
        if (m_Missing.count(strName) != 0)
            return nullptr;
        const bool bPicture = strName.size() > 4 && strName.compare(strName.size() - 4, 4, ".bmp") == 0;
        const std::string strBytes = bPicture ? Bitmap() : Animation();
        XS_FileData* const pData = new XS_FileData;
        pData->dwSize = static_cast<DWORD>(strBytes.size());
        pData->pData = new BYTE[strBytes.size() + 1];
        std::memcpy(pData->pData, strBytes.data(), strBytes.size());
        return pData;
    }
    // Whether a request ended with the name, in any case.
    bool WasAsked(const std::string& strName) const
    {
        for (const std::string& strRequest : m_Requests) {
            if (strRequest.size() >= strName.size()
                && _stricmp(strRequest.c_str() + strRequest.size() - strName.size(), strName.c_str()) == 0)
                return true;
        }
        return false;
    }
    const std::vector<std::string>& Requests() const { return m_Requests; }
    void LeaveOut(const std::string& strName) { m_Missing.insert(strName); }

private:
    static std::string Animation()
    {
        return "2\nheader\n100 0 0 -1 1 0 0 0 50\npic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n"
               "100 0 0 -1 1 0 0 0 50\npic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n";
    }
    // 2 × 2 pixels of 24 bits, rows padded to 8 bytes: 70 bytes in all.
    static std::string Bitmap()
    {
        std::string strBytes(70, '\0');
        const auto put = [&strBytes](size_t uAt, unsigned uValue) {
            for (int i = 0; i < 4; ++i)
                strBytes[uAt + i] = static_cast<char>((uValue >> (8 * i)) & 0xFF);
        };
        strBytes[0] = 'B';
        strBytes[1] = 'M';
        put(2, 70);
        put(10, 54);
        put(14, 40);
        put(18, 2);
        put(22, 2);
        put(26, 1 | (24 << 16));
        put(34, 16);
        return strBytes;
    }

    std::vector<std::string> m_Requests;
    std::set<std::string> m_Missing;
};

// The town screen on the sample game's data layer and a real device; the
// party stands in the town (place 1) and its resources are stand-ins.
class TownScreen : public BuiltDataLayer
{
protected:
    static constexpr int HERO = 1;

    TownScreen()
        : m_GlobalDevice(m_Device.Device()), m_pOldAnimationManager(g_pAnimationManager),
          m_pOldTextureManager(g_pTextureManager)
    {
        EXPECT_TRUE(m_Device.IsReady()) << m_Device.Error();
        EXPECT_EQ(JF_Build(GamePath("")), 0u) << LogText();
        WorldMap().SetSitePlaceID(1);
        m_AnimationManager.Init(&m_Pack, &m_PictureManager, &m_MusicManager);
        g_pAnimationManager = &m_AnimationManager;
        m_TextureManager.Init(&m_Pack);
        m_TextureManager.SetMessageBox(FALSE);
        g_pTextureManager = &m_TextureManager;
    }
    ~TownScreen() override
    {
        m_Manager.RemoveAllModules();
        g_pAnimationManager = m_pOldAnimationManager;
        g_pTextureManager = m_pOldTextureManager;
        m_AnimationManager.Fini();
        m_TextureManager.Fini();
    }

    static JC_ControlTeam& Team() { return gp_ControlManagerObj->m_ControlTeamObj; }
    static JC_ControlWorldMap& WorldMap() { return gp_ControlManagerObj->m_ControlWorldMapObj; }
    static JC_ControlGame& Game() { return gp_ControlManagerObj->m_ControlGameObj; }
    static JC_ControlWarehouse& Warehouse() { return gp_ControlManagerObj->m_ControlWarehouseObj; }

    static JC_DataComponent* Person(int iTeamIndex)
    {
        JC_DataComponent* pPerson = nullptr;
        Team().GetPersonFromTeam(TeamID::TEAMID_OUR, iTeamIndex, pPerson);
        return pPerson;
    }

    DWORD Initiate(JC_TownModuleDocument& document)
    {
        return document.Initiation(&m_Manager, &m_State, &m_Mouse, gp_ControlManagerObj);
    }

    // Initiated and open on the main menu.
    void Open(JC_TownModuleDocument& document)
    {
        ASSERT_EQ(Initiate(document), 0u);
        ASSERT_EQ(document.Enable(), S_OK);
        ASSERT_EQ(document.IsViewsReady(), TRUE) << LogText();
    }

    // The colour of a text's first word, or 0 for an empty text.
    static DWORD TextColor(XC_RenderString* pText)
    {
        return pText->GetWordCount() == 0 ? 0 : pText->GetRenderWord(0)->dwColor;
    }

    template <typename T>
    static T* View(const JC_TownModuleDocument& document, int iView)
    {
        return static_cast<T*>(document.GetView(iView));
    }

    TestDevice m_Device;
    ScopedGlobalDevice m_GlobalDevice;
    FakeFont m_Font;
    XC_ModuleManager m_Manager;
    XC_MouseState m_State;
    XC_Mouse m_Mouse;
    StandInPack m_Pack;
    XC_2DTextureManager m_PictureManager;
    XC_TextureManager m_TextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationManager m_AnimationManager;
    XC_AnimationManager* m_pOldAnimationManager;
    XC_TextureManager* m_pOldTextureManager;
};
