#include "tests/Support/TestDevice.h"

#include "tests/Support/TestOutput.h"

#include <d3dx9.h>

// Not the game's own class name: the game's frame registers that one.
TestDevice::TestDevice()
    : WindowedDevice("D3D Test Window")
{
}

std::string TestDevice::SaveBackBuffer(const std::string& name) const
{
    if (Device() == nullptr)
        return {};
    IDirect3DSurface9* pBackBuffer = nullptr;
    if (FAILED(Device()->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer)))
        return {};
    const std::string path = TestOutputFile(name + ".bmp");
    const HRESULT hr = D3DXSaveSurfaceToFileA(path.c_str(), D3DXIFF_BMP, pBackBuffer, nullptr, nullptr);
    pBackBuffer->Release();
    return SUCCEEDED(hr) ? path : std::string();
}
