#include "GameProgram/DirectState/XC_SetState.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

IDirect3DDevice9* XC_SetState::GetDevice()
{
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr)
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
    return pD3DDevice;
}
