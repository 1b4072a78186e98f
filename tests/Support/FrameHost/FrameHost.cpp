#include "GameProgram/Common/XF_SafeFileWriter.h"
#include "GameProgram/D3DCommon/XC_D3DApplication.h"
#include "GameProgram/D3DCommon/XC_D3DTextFont.h"

#include <d3dx9.h>

#include <string>

namespace {

const int RESET_FRAME = 3;
const int PICTURE_FRAME = 6;
const float TEXT_X = 100.0f;
const float TEXT_Y = 200.0f;
const D3DCOLOR BACKGROUND = D3DCOLOR_XRGB(0, 0, 128);
const D3DCOLOR TEXT_COLOR = D3DCOLOR_ARGB(255, 255, 255, 0);

// Draws a line of text every frame with the default frame around it, resets
// the device once on the way, and saves its back buffer as a ".bmp" after a
// few frames. It runs until its window is closed.
class FrameHostApplication : public XC_D3DApplication
{
public:
    explicit FrameHostApplication(std::string strPicturePath)
        : m_strPicturePath(std::move(strPicturePath)), m_Font("Fixedsys", 10, XC_D3DTextFont::FONT_BOLD)
    {
        m_szWindowTitle = "Frame Host";
    }

protected:
    HRESULT InitDeviceObjects() override { return m_Font.InitDeviceObjects(m_pD3DDevice); }
    HRESULT RestoreDeviceObjects() override { return m_Font.RestoreDeviceObjects(); }
    HRESULT InvalidateDeviceObjects() override { return m_Font.InvalidateDeviceObjects(); }
    HRESULT DeleteDeviceObjects() override { return m_Font.DeleteDeviceObjects(); }

    HRESULT FrameMove() override
    {
        ++m_iFrame;
        return m_iFrame == RESET_FRAME ? Reset3DEnvironment() : S_OK;
    }

    HRESULT Render() override
    {
        m_pD3DDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, BACKGROUND, 1.0f, 0);
        if (SUCCEEDED(m_pD3DDevice->BeginScene())) {
            m_Font.DrawText(TEXT_X, TEXT_Y, TEXT_COLOR, "FRAME HOST 0123");
            m_pD3DDevice->EndScene();
        }
        if (m_iFrame == PICTURE_FRAME)
            return SavePicture();
        return S_OK;
    }

private:
    // The picture appears whole or not at all, so a watcher may read it as
    // soon as it is there.
    HRESULT SavePicture() const
    {
        IDirect3DSurface9* pBackBuffer = nullptr;
        HRESULT hr = m_pD3DDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer);
        if (FAILED(hr))
            return hr;
        ID3DXBuffer* pFile = nullptr;
        hr = D3DXSaveSurfaceToFileInMemory(&pFile, D3DXIFF_BMP, pBackBuffer, nullptr, nullptr);
        pBackBuffer->Release();
        if (FAILED(hr))
            return hr;
        hr = XF_WriteFileSafely(m_strPicturePath.c_str(), pFile->GetBufferPointer(), pFile->GetBufferSize());
        pFile->Release();
        return hr;
    }

    std::string m_strPicturePath;
    XC_D3DTextFont m_Font;
    int m_iFrame = 0;
};

} // namespace

// The command line is the path of the picture to save. Exit code 0 when the
// window was closed after a normal run, 1 when the frame could not start.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR szCommandLine, int)
{
    std::string strPicturePath = szCommandLine != nullptr ? szCommandLine : "";
    if (strPicturePath.size() >= 2 && strPicturePath.front() == '"' && strPicturePath.back() == '"')
        strPicturePath = strPicturePath.substr(1, strPicturePath.size() - 2);
    if (strPicturePath.empty())
        strPicturePath = "FrameHost.bmp";

    FrameHostApplication app(strPicturePath);
    if (FAILED(app.Create(hInstance)))
        return 1;
    app.Pause(TRUE);
    return static_cast<int>(app.Run());
}
