#include "tests/Support/RecordingDevice.h"

void RecordingDevice::Reject(StateKind kind, DWORD dwIndex, DWORD dwType, DWORD dwValue)
{
    m_Rejected.insert(std::make_tuple(kind, dwIndex, dwType, dwValue));
}

HRESULT RecordingDevice::SetState(StateKind kind, DWORD dwIndex, DWORD dwType, DWORD dwValue)
{
    m_Calls.push_back({kind, dwIndex, dwType, dwValue});
    if (m_Rejected.count(std::make_tuple(kind, dwIndex, dwType, dwValue)) != 0)
        return D3DERR_INVALIDCALL;
    m_States[StateKey(kind, dwIndex, dwType)] = dwValue;
    return D3D_OK;
}

HRESULT RecordingDevice::GetState(StateKind kind, DWORD dwIndex, DWORD dwType, DWORD* pdwValue) const
{
    const auto it = m_States.find(StateKey(kind, dwIndex, dwType));
    if (it == m_States.end())
        return D3DERR_INVALIDCALL;
    *pdwValue = it->second;
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::QueryInterface(REFIID, void** ppvObject)
{
    *ppvObject = nullptr;
    return E_NOINTERFACE;
}

// The device lives on the test's stack: references are not counted.
ULONG STDMETHODCALLTYPE RecordingDevice::AddRef()
{
    return 1;
}

ULONG STDMETHODCALLTYPE RecordingDevice::Release()
{
    return 1;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetRenderState(D3DRENDERSTATETYPE State, DWORD Value)
{
    return SetState(RENDER_STATE, 0, State, Value);
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetRenderState(D3DRENDERSTATETYPE State, DWORD* pValue)
{
    return GetState(RENDER_STATE, 0, State, pValue);
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetTextureStageState(DWORD Stage, D3DTEXTURESTAGESTATETYPE Type,
                                                                DWORD* pValue)
{
    return GetState(TEXTURE_STAGE_STATE, Stage, Type, pValue);
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetTextureStageState(DWORD Stage, D3DTEXTURESTAGESTATETYPE Type,
                                                                DWORD Value)
{
    return SetState(TEXTURE_STAGE_STATE, Stage, Type, Value);
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetSamplerState(DWORD Sampler, D3DSAMPLERSTATETYPE Type, DWORD* pValue)
{
    return GetState(SAMPLER_STATE, Sampler, Type, pValue);
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetSamplerState(DWORD Sampler, D3DSAMPLERSTATETYPE Type, DWORD Value)
{
    return SetState(SAMPLER_STATE, Sampler, Type, Value);
}

HRESULT STDMETHODCALLTYPE RecordingDevice::TestCooperativeLevel()
{
    return m_hrCooperativeLevel;
}

UINT STDMETHODCALLTYPE RecordingDevice::GetAvailableTextureMem()
{
    return 0;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::EvictManagedResources()
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetDirect3D(IDirect3D9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetDeviceCaps(D3DCAPS9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetDisplayMode(UINT, D3DDISPLAYMODE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetCreationParameters(D3DDEVICE_CREATION_PARAMETERS *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetCursorProperties(UINT, UINT, IDirect3DSurface9*)
{
    return D3DERR_INVALIDCALL;
}

void STDMETHODCALLTYPE RecordingDevice::SetCursorPosition(int, int, DWORD)
{
}

WINBOOL STDMETHODCALLTYPE RecordingDevice::ShowCursor(WINBOOL)
{
    return FALSE;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateAdditionalSwapChain(D3DPRESENT_PARAMETERS*, IDirect3DSwapChain9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetSwapChain(UINT, IDirect3DSwapChain9**)
{
    return D3DERR_INVALIDCALL;
}

UINT STDMETHODCALLTYPE RecordingDevice::GetNumberOfSwapChains()
{
    return 0;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::Reset(D3DPRESENT_PARAMETERS*)
{
    ++m_iResets;
    return m_hrReset;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::Present(const RECT *, const RECT *, HWND, const RGNDATA *)
{
    ++m_iPresents;
    return m_hrPresent;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetBackBuffer(UINT, UINT, D3DBACKBUFFER_TYPE, IDirect3DSurface9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetRasterStatus(UINT, D3DRASTER_STATUS*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetDialogBoxMode(WINBOOL)
{
    return D3DERR_INVALIDCALL;
}

void STDMETHODCALLTYPE RecordingDevice::SetGammaRamp(UINT, DWORD, const D3DGAMMARAMP *)
{
}

void STDMETHODCALLTYPE RecordingDevice::GetGammaRamp(UINT, D3DGAMMARAMP*)
{
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateTexture(UINT, UINT, UINT, DWORD, D3DFORMAT, D3DPOOL, IDirect3DTexture9**, HANDLE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateVolumeTexture(UINT, UINT, UINT, UINT, DWORD, D3DFORMAT, D3DPOOL, IDirect3DVolumeTexture9**, HANDLE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateCubeTexture(UINT, UINT, DWORD, D3DFORMAT, D3DPOOL, IDirect3DCubeTexture9**, HANDLE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateVertexBuffer(UINT, DWORD, DWORD, D3DPOOL, IDirect3DVertexBuffer9**, HANDLE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateIndexBuffer(UINT, DWORD, D3DFORMAT, D3DPOOL, IDirect3DIndexBuffer9**, HANDLE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateRenderTarget(UINT, UINT, D3DFORMAT, D3DMULTISAMPLE_TYPE, DWORD, WINBOOL, IDirect3DSurface9**, HANDLE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateDepthStencilSurface(UINT, UINT, D3DFORMAT, D3DMULTISAMPLE_TYPE, DWORD, WINBOOL, IDirect3DSurface9**, HANDLE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::UpdateSurface(IDirect3DSurface9 *, const RECT *, IDirect3DSurface9 *, const POINT *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::UpdateTexture(IDirect3DBaseTexture9*, IDirect3DBaseTexture9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetRenderTargetData(IDirect3DSurface9*, IDirect3DSurface9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetFrontBufferData(UINT, IDirect3DSurface9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::StretchRect(IDirect3DSurface9 *, const RECT *, IDirect3DSurface9 *, const RECT *, D3DTEXTUREFILTERTYPE)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::ColorFill(IDirect3DSurface9 *, const RECT *, D3DCOLOR)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateOffscreenPlainSurface(UINT, UINT, D3DFORMAT, D3DPOOL, IDirect3DSurface9**, HANDLE*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetRenderTarget(DWORD, IDirect3DSurface9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetRenderTarget(DWORD, IDirect3DSurface9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetDepthStencilSurface(IDirect3DSurface9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetDepthStencilSurface(IDirect3DSurface9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::BeginScene()
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::EndScene()
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::Clear(DWORD, const D3DRECT *, DWORD, D3DCOLOR, float, DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX *matrix)
{
    m_TransformCalls.push_back({state, *matrix});
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetTransform(D3DTRANSFORMSTATETYPE, D3DMATRIX*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::MultiplyTransform(D3DTRANSFORMSTATETYPE, const D3DMATRIX *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetViewport(const D3DVIEWPORT9 *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetViewport(D3DVIEWPORT9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetMaterial(const D3DMATERIAL9 *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetMaterial(D3DMATERIAL9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetLight(DWORD index, const D3DLIGHT9 *light)
{
    m_LightCalls.push_back({index, true, FALSE, *light});
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetLight(DWORD, D3DLIGHT9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::LightEnable(DWORD Index, WINBOOL Enable)
{
    m_LightCalls.push_back({Index, false, Enable, D3DLIGHT9()});
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetLightEnable(DWORD, WINBOOL*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetClipPlane(DWORD, const float *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetClipPlane(DWORD, float*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateStateBlock(D3DSTATEBLOCKTYPE, IDirect3DStateBlock9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::BeginStateBlock()
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::EndStateBlock(IDirect3DStateBlock9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetClipStatus(const D3DCLIPSTATUS9 *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetClipStatus(D3DCLIPSTATUS9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetTexture(DWORD, IDirect3DBaseTexture9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetTexture(DWORD Stage, IDirect3DBaseTexture9* pTexture)
{
    m_TextureCalls.push_back({Stage, pTexture});
    return D3D_OK;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::ValidateDevice(DWORD*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetPaletteEntries(UINT, const PALETTEENTRY *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetPaletteEntries(UINT, PALETTEENTRY*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetCurrentTexturePalette(UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetCurrentTexturePalette(UINT *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetScissorRect(const RECT *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetScissorRect(RECT*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetSoftwareVertexProcessing(WINBOOL)
{
    return D3DERR_INVALIDCALL;
}

WINBOOL STDMETHODCALLTYPE RecordingDevice::GetSoftwareVertexProcessing()
{
    return FALSE;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetNPatchMode(float)
{
    return D3DERR_INVALIDCALL;
}

float STDMETHODCALLTYPE RecordingDevice::GetNPatchMode()
{
    return 0.0f;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::DrawPrimitive(D3DPRIMITIVETYPE, UINT, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::DrawIndexedPrimitive(D3DPRIMITIVETYPE, INT, UINT, UINT, UINT, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE, UINT, const void *, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::DrawIndexedPrimitiveUP(D3DPRIMITIVETYPE, UINT, UINT, UINT, const void *, D3DFORMAT, const void *, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::ProcessVertices(UINT, UINT, UINT, IDirect3DVertexBuffer9*, IDirect3DVertexDeclaration9*, DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateVertexDeclaration(const D3DVERTEXELEMENT9 *, IDirect3DVertexDeclaration9 **)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetVertexDeclaration(IDirect3DVertexDeclaration9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetVertexDeclaration(IDirect3DVertexDeclaration9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetFVF(DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetFVF(DWORD*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateVertexShader(const DWORD *, IDirect3DVertexShader9 **)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetVertexShader(IDirect3DVertexShader9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetVertexShader(IDirect3DVertexShader9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetVertexShaderConstantF(UINT, const float *, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetVertexShaderConstantF(UINT, float*, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetVertexShaderConstantI(UINT, const int *, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetVertexShaderConstantI(UINT, int*, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetVertexShaderConstantB(UINT, const WINBOOL *, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetVertexShaderConstantB(UINT, WINBOOL*, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetStreamSource(UINT, IDirect3DVertexBuffer9*, UINT, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetStreamSource(UINT, IDirect3DVertexBuffer9**, UINT*, UINT*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetStreamSourceFreq(UINT, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetStreamSourceFreq(UINT, UINT*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetIndices(IDirect3DIndexBuffer9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetIndices(IDirect3DIndexBuffer9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreatePixelShader(const DWORD *, IDirect3DPixelShader9 **)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetPixelShader(IDirect3DPixelShader9*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetPixelShader(IDirect3DPixelShader9**)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetPixelShaderConstantF(UINT, const float *, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetPixelShaderConstantF(UINT, float*, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetPixelShaderConstantI(UINT, const int *, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetPixelShaderConstantI(UINT, int*, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::SetPixelShaderConstantB(UINT, const WINBOOL *, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::GetPixelShaderConstantB(UINT, WINBOOL*, UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::DrawRectPatch(UINT, const float *, const D3DRECTPATCH_INFO *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::DrawTriPatch(UINT, const float *, const D3DTRIPATCH_INFO *)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::DeletePatch(UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT STDMETHODCALLTYPE RecordingDevice::CreateQuery(D3DQUERYTYPE, IDirect3DQuery9**)
{
    return D3DERR_INVALIDCALL;
}
