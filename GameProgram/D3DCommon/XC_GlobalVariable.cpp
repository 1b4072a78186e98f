#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include "GameProgram/Common/XF_InitOrder.h"

namespace {

XC_GlobalVariable s_GlobalVariable XM_INIT_ORDER(XE_INIT_GLOBAL_VARIABLE);

} // namespace

XC_GlobalVariable* g_pVar = &s_GlobalVariable;

XC_GlobalVariable::XC_GlobalVariable()
    : g_hWnd(nullptr)
    , g_pD3DDevice(nullptr)
    , g_D3DCaps()
    , g_BackBufferDesc()
    , g_matModelScale(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1)
    , g_matModelRotation(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1)
    , g_matIdentity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1)
    , g_szGamePath(nullptr)
{
}
