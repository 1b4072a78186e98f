#pragma once

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedure.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_UnattendedRun.h"

#include <string>
#include <vector>

// The game object without a window or device: its frame step, switch and
// script function run as the frame would drive them.
class GameWithoutDevice : public XC_Game
{
public:
    GameWithoutDevice() { GetBackgroundMusicObj()->Init(GetDesktopWindow(), 0x701, ".\\"); }

    HRESULT Step(float fElapsedTime)
    {
        m_fElapsedTime = fElapsedTime;
        return FrameMove();
    }
    BOOL IsWindowed() const { return m_bWindowed; }
};

// A procedure that notes what the switch and the frame do with it in one
// journal shared by all of them.
class JournalProcedure : public XC_GameProcedure
{
public:
    static std::vector<std::string> s_Journal;
    static HRESULT s_hrInit;
    static HRESULT s_hrEnable;

    ~JournalProcedure() override { s_Journal.push_back("delete"); }
    HRESULT Init() override
    {
        s_Journal.push_back("Init");
        return s_hrInit;
    }
    HRESULT Enable() override
    {
        s_Journal.push_back("Enable");
        return s_hrEnable == S_OK ? XC_GameProcedure::Enable() : s_hrEnable;
    }
    HRESULT Fini() override
    {
        s_Journal.push_back("Fini");
        return S_OK;
    }
    void FrameMove(float) override { s_Journal.push_back("FrameMove"); }
};

// Unattended (no boxes), with journal procedures under the ids of the logo,
// the title and the battle; the table is emptied again afterwards.
class GameObjectTest : public ::testing::Test
{
protected:
    GameObjectTest()
    {
        XC_UnattendedRun::Set(true, 1);
        for (int iID : {GP_Logo, GP_Begin, GP_Battle})
            XC_GameProcedureFactory::Register(iID, [] { return static_cast<XC_GameProcedure*>(new JournalProcedure); });
        JournalProcedure::s_Journal.clear();
        JournalProcedure::s_hrInit = S_OK;
        JournalProcedure::s_hrEnable = S_OK;
    }
    ~GameObjectTest() override
    {
        for (int iID : {GP_Logo, GP_Begin, GP_Battle})
            XC_GameProcedureFactory::Register(iID, nullptr);
        XC_UnattendedRun::Set(false, 1);
    }
};
