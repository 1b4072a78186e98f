#pragma once

#include "Code/XC_Game.h"
#include "Code/XC_GameProcedureFactory.h"
#include "Code/XC_UnattendedRun.h"

#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "tests/Support/SampleGameApplication.h"

#include <cstring>
#include <map>
#include <string>

// The game started in this process on a game folder (the sample game by
// default), windowed and unattended, with its frames and window messages
// driven by the test.
class StartedGame : public XC_Game
{
public:
    explicit StartedGame(const std::string& strFolder = SampleGameFolder())
    {
        lstrcpynA(m_szGamePath, strFolder.c_str(), MAX_PATH);
        m_bWindowed = TRUE;
    }
    ~StartedGame() override
    {
        if (m_hWnd != nullptr)
            Shutdown(m_hWnd);
    }

    bool Start()
    {
        if (FAILED(Create(GetModuleHandleA(nullptr))))
            return false;
        Pause(TRUE);
        return true;
    }
    // One whole frame: the step, then the drawing.
    void Frame() { Render3DEnvironment(); }
    void Frames(int iCount)
    {
        for (int i = 0; i < iCount; ++i)
            Frame();
    }
    // The last frame drawn again into the back buffer, neither stepped nor
    // presented: after a present the back buffer holds an earlier frame.
    void Redraw() { Render(); }
    // The game's mouse follows moves away from the window's centre.
    void MoveMouseBy(int iDX, int iDY) { MsgProc(m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(400 + iDX, 300 + iDY)); }
    void Press(UINT uButtonDown) { MsgProc(m_hWnd, uButtonDown, 0, MAKELPARAM(400, 300)); }
    HWND Window() const { return m_hWnd; }
};

// The game's data pack with some files replaced, while it lives.
class OverlayPackFile : public XI_PackFile
{
public:
    OverlayPackFile() : m_pBase(g_pPackFile_Data) { g_pPackFile_Data = this; }
    ~OverlayPackFile() override { g_pPackFile_Data = m_pBase; }

    void Set(const std::string& name, const std::string& bytes) { m_Files[name] = bytes; }
    const char* GetPath() override { return m_pBase->GetPath(); }
    XS_FileData* GetData(const char* szFileName) override
    {
        const auto it = m_Files.find(szFileName);
        if (it == m_Files.end())
            return m_pBase->GetData(szFileName);
        XS_FileData* pData = new XS_FileData;
        pData->pData = new BYTE[it->second.size() + 1];
        std::memcpy(pData->pData, it->second.data(), it->second.size());
        pData->dwSize = static_cast<DWORD>(it->second.size());
        return pData;
    }

private:
    XI_PackFile* m_pBase;
    std::map<std::string, std::string> m_Files;
};

// Unattended, with the shell's procedures registered.
class StartedGameTest : public ::testing::Test
{
protected:
    StartedGameTest()
    {
        XC_UnattendedRun::Set(true, 1);
        XC_GameProcedureFactory::RegisterShellProcedures();
    }
    ~StartedGameTest() override
    {
        XC_GameProcedureFactory::Register(GP_Logo, nullptr);
        XC_GameProcedureFactory::Register(GP_Begin, nullptr);
        XC_UnattendedRun::Set(false, 1);
    }
};
