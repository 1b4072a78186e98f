#pragma once

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/D3DCommon/XC_MyD3DApplication.h"
#include "GameProgram/LightMan/XC_LightBulb.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Resource/Font/XC_D3DFont_Fon.h"
#include "GameProgram/Resource/PackFile/XC_PackFileManager_JBF.h"
#include "tests/Support/TestOutput.h"

#include <d3dx9.h>

#include <cstdlib>
#include <string>

// The sample game folder the test run made ("OSKEL_SAMPLE_GAME"), ending in '\'.
inline std::string SampleGameFolder()
{
    const char* szFolder = std::getenv("OSKEL_SAMPLE_GAME");
    return szFolder != nullptr ? szFolder : "";
}

// The configured application on the sample game folder as the game shell
// runs it: its packs bound to the archive library, the glyph-file font and
// a world light.
// Header-only, so only test programs that link the engine pull it in.
class SampleGameApplication : public XC_MyD3DApplication
{
public:
    SampleGameApplication() { lstrcpynA(m_szGamePath, SampleGameFolder().c_str(), MAX_PATH); }

    HRESULT GetGlobalObjectIni(XC_TextTree* pTextTree) override
    {
        return pTextTree->LoadFile((SampleGameFolder() + "Game.ini").c_str());
    }

    HRESULT InitPackFile(const char* szPath) override
    {
        m_hQuorlinModule = LoadLibraryA("Quorlin_R.dll");
        XC_PackFileManager_JBF* pPackFileManager = new XC_PackFileManager_JBF;
        g_pPackFileManager = pPackFileManager;
        return pPackFileManager->Init(szPath, m_hQuorlinModule);
    }

    HRESULT FiniPackFile() override
    {
        XC_PackFileManager_JBF* pPackFileManager = static_cast<XC_PackFileManager_JBF*>(g_pPackFileManager);
        const HRESULT hr = pPackFileManager != nullptr ? pPackFileManager->Fini() : S_OK;
        delete pPackFileManager;
        g_pPackFileManager = nullptr;
        if (m_hQuorlinModule != nullptr)
            FreeLibrary(m_hQuorlinModule);
        m_hQuorlinModule = nullptr;
        return hr;
    }

    HRESULT InitD3DFont(XC_TextNode* pTNode) override
    {
        const std::string strFontFile = std::string(m_szGamePath) + pTNode->GetStr("szFontFile", "");
        XC_D3DFont_Fon* pFont = new XC_D3DFont_Fon;
        const HRESULT hr = pFont->Init(16, "標楷體", strFontFile.c_str());
        if (FAILED(hr)) {
            delete pFont;
            return hr;
        }
        g_pD3DFontObj = pFont;
        return S_OK;
    }

    // The engine's camera and light men, with one white light from above left.
    HRESULT InitCameraAndLight() override
    {
        const HRESULT hr = XC_MyD3DApplication::InitCameraAndLight();
        XC_LightBulb bulb;
        bulb.dwLightType = XC_LightBulb::LT_Directional;
        bulb.fDiffuseRed = bulb.fDiffuseGreen = bulb.fDiffuseBlue = 1.0f;
        bulb.fAmbientRed = bulb.fAmbientGreen = bulb.fAmbientBlue = 0.3f;
        bulb.fLightYaw = -1.0471976f;
        bulb.fLightPitch = 1.0471976f;
        g_pWorldLightMan->SetLightBulb(0, bulb);
        g_pWorldLightMan->EnableLightBulb(0, TRUE);
        return hr;
    }

    HRESULT FiniD3DFont() override
    {
        XC_D3DFont_Fon* pFont = static_cast<XC_D3DFont_Fon*>(g_pD3DFontObj);
        if (pFont != nullptr)
            pFont->Fini();
        delete pFont;
        g_pD3DFontObj = nullptr;
        return S_OK;
    }

protected:
    // The back buffer as a ".bmp" in the bench's output folder.
    void SaveScreenshot(const std::string& name)
    {
        IDirect3DSurface9* pBackBuffer = nullptr;
        if (FAILED(m_pD3DDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer)))
            return;
        D3DXSaveSurfaceToFileA(TestOutputFile(name).c_str(), D3DXIFF_BMP, pBackBuffer, nullptr, nullptr);
        pBackBuffer->Release();
    }

private:
    HMODULE m_hQuorlinModule = nullptr;
};
