// scriptview: runs the scripts of one script file of a game folder's data
// pack for some seconds of game time, writes the last frame as a BMP and the
// ".sdi" traces of the file and of the files it calls beside it.
//
//   scriptview GAME_FOLDER SCRIPT_FILE SECONDS OUT.bmp [--step S]
//
// Frames are fixed: 1/60 s, or S seconds each with --step (no clamp, so a
// designer can step coarsely). Exit 0, or 1 with the report.

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_ErrorLog.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/D3DCommon/XC_MyD3DApplication.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/LightMan/XC_LightBulb.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Script/XC_ScriptSet.h"

#include <d3dx9.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const float DEFAULT_STEP = 1.0f / 60.0f;
const DWORD BACKGROUND = 0xFF203040;
// More frames than this are refused, so a mistyped time cannot run for ever.
const double MAX_FRAMES = 1e6;

struct XS_Arguments
{
    std::string strGameFolder;
    std::string strScriptFile;
    float fSeconds = 0.0f;
    std::string strPicture;
    float fStep = DEFAULT_STEP;
};

bool ParseSeconds(const char* szText, float* pfValue)
{
    char* pEnd = nullptr;
    const double dValue = std::strtod(szText, &pEnd);
    if (pEnd == szText || *pEnd != '\0' || !(dValue >= 0.0) || dValue > 1e6)
        return false;
    *pfValue = static_cast<float>(dValue);
    return true;
}

bool ParseArguments(int argc, char** argv, XS_Arguments* pArguments)
{
    if (argc != 5 && argc != 7)
        return false;
    pArguments->strGameFolder = argv[1];
    if (!pArguments->strGameFolder.empty() && pArguments->strGameFolder.back() != '\\'
        && pArguments->strGameFolder.back() != '/')
        pArguments->strGameFolder += '\\';
    pArguments->strScriptFile = argv[2];
    pArguments->strPicture = argv[4];
    if (!ParseSeconds(argv[3], &pArguments->fSeconds))
        return false;
    if (argc == 7) {
        if (std::string(argv[5]) != "--step" || !ParseSeconds(argv[6], &pArguments->fStep)
            || !(pArguments->fStep > 0.0f))
            return false;
    }
    return pArguments->fSeconds / pArguments->fStep <= MAX_FRAMES;
}

// The folder part of a path, with its separator.
std::string FolderOf(const std::string& strPath)
{
    const size_t cut = strPath.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : strPath.substr(0, cut + 1);
}

// The configured application on the game folder, with the sample game's
// camera and a light; its first frame runs the script and saves the picture.
class ScriptViewApplication : public XC_MyD3DApplication
{
public:
    explicit ScriptViewApplication(const XS_Arguments& arguments) : m_Arguments(arguments)
    {
        lstrcpynA(m_szGamePath, arguments.strGameFolder.c_str(), MAX_PATH);
        SetBackgroundColor(BACKGROUND);
        m_szWindowTitle = "Script View";
    }

    HRESULT GetGlobalObjectIni(XC_TextTree* pTextTree) override
    {
        return pTextTree->LoadFile((m_Arguments.strGameFolder + "Game.ini").c_str());
    }

    HRESULT InitCameraAndLight() override
    {
        const HRESULT hr = XC_MyD3DApplication::InitCameraAndLight();
        if (FAILED(hr))
            return hr;
        XC_LightBulb bulb;
        bulb.dwLightType = XC_LightBulb::LT_Directional;
        bulb.fDiffuseRed = bulb.fDiffuseGreen = bulb.fDiffuseBlue = 1.0f;
        bulb.fAmbientRed = bulb.fAmbientGreen = bulb.fAmbientBlue = 0.3f;
        bulb.fLightYaw = -1.0471976f;
        bulb.fLightPitch = 1.0471976f;
        g_pWorldLightMan->SetLightBulb(0, bulb);
        g_pWorldLightMan->EnableLightBulb(0, TRUE);
        return S_OK;
    }

    int m_iExitCode = 1;
    std::string m_strReport = "the frame did not start";

protected:
    HRESULT FrameMove() override { return S_OK; }

    HRESULT Render() override
    {
        if (m_bDone)
            return S_OK;
        m_bDone = true;
        RunScripts();
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return S_OK;
    }

private:
    void RunScripts()
    {
        // Made only now: the environment takes the men, which exist once the device is up.
        XC_EnvironmentOfRender environment;
        environment.SetPainter(&m_Painter);
        const std::string strOutputFolder = FolderOf(m_Arguments.strPicture);
        if (!strOutputFolder.empty()) {
            std::error_code ignored;
            std::filesystem::create_directories(strOutputFolder, ignored);
        }
        XC_ScriptSet::SetTraceFolder(strOutputFolder.c_str());
        XC_ScriptSet scriptSet;
        scriptSet.Init(&environment);
        if (FAILED(scriptSet.LoadScript(m_Arguments.strScriptFile.c_str()))) {
            m_strReport = "cannot load " + m_Arguments.strScriptFile + " from the data pack";
            XC_ScriptSet::SetTraceFolder(nullptr);
            return;
        }
        scriptSet.RunAllScript();
        const long lFrames = static_cast<long>(m_Arguments.fSeconds / m_Arguments.fStep + 0.5f);
        for (long i = 0; i < lFrames; ++i)
            StepFrame(m_Arguments.fStep);
        DrawFrame();
        const HRESULT hr = SavePicture();
        m_dwDrawn = m_Painter.GetRenderObjCount_Inside();
        scriptSet.Fini();
        XC_ScriptSet::SetTraceFolder(nullptr);
        if (FAILED(hr)) {
            m_strReport = "cannot write " + m_Arguments.strPicture;
            return;
        }
        std::printf("scriptview: %lu objects drawn, %ld frames\n", static_cast<unsigned long>(m_dwDrawn), lFrames);
        m_iExitCode = 0;
    }

    void StepFrame(float fStep)
    {
        g_pTimerManager->Update(fStep);
        g_pWorldCameraMan->FrameMove(fStep);
        g_pScreenCameraMan->FrameMove(fStep);
    }

    void DrawFrame()
    {
        m_pD3DDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, GetBackgroundColor(),
                            1.0f, 0);
        if (SUCCEEDED(m_pD3DDevice->BeginScene())) {
            XF_UpdateAllRenderNodes();
            m_Painter.Render();
            m_pD3DDevice->EndScene();
        }
    }

    HRESULT SavePicture() const
    {
        IDirect3DSurface9* pBackBuffer = nullptr;
        HRESULT hr = m_pD3DDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer);
        if (FAILED(hr))
            return hr;
        hr = D3DXSaveSurfaceToFileA(m_Arguments.strPicture.c_str(), D3DXIFF_BMP, pBackBuffer, nullptr, nullptr);
        pBackBuffer->Release();
        return hr;
    }

    XS_Arguments m_Arguments;
    XC_Painter m_Painter;
    bool m_bDone = false;
    DWORD m_dwDrawn = 0;
};

} // namespace

int main(int argc, char** argv)
{
    XS_Arguments arguments;
    if (!ParseArguments(argc, argv, &arguments)) {
        std::fprintf(stderr, "usage: scriptview GAME_FOLDER SCRIPT_FILE SECONDS OUT.bmp [--step S]\n");
        return 1;
    }
    // The engine's reports go to the console.
    g_pErrorLog->SetFileHandle(GetStdHandle(STD_ERROR_HANDLE));
    const std::string strIni = arguments.strGameFolder + "Game.ini";
    if (GetFileAttributesA(strIni.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "scriptview: the game folder %s cannot be read (no Game.ini)\n",
                     arguments.strGameFolder.c_str());
        return 1;
    }
    ScriptViewApplication app(arguments);
    if (FAILED(app.Create(GetModuleHandleA(nullptr)))) {
        std::fprintf(stderr, "scriptview: the Direct3D frame did not start\n");
        return 1;
    }
    app.Pause(TRUE);
    app.Run();
    if (app.m_iExitCode != 0)
        std::fprintf(stderr, "scriptview: %s (see the error log)\n", app.m_strReport.c_str());
    return app.m_iExitCode;
}
