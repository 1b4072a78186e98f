#include "Code/XC_GameFileName.h"

#include "GameProgram/Common/XC_TextLeaf.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Common/XF_SourceFile.h"

#include <climits>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_GameFileName s_GameFileName XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES);
XC_GameFileName* g_pGameFileName = &s_GameFileName;

HRESULT XC_GameFileName::Load(const void* pData, DWORD dwSize)
{
    return m_TextTree.LoadMem(pData, dwSize);
}

const char* XC_GameFileName::GetFileName(DWORD dwID) const
{
    const XC_TextLeaf* pTLeaf = dwID < static_cast<DWORD>(INT_MAX) ? m_TextTree.GetLeaf(static_cast<int>(dwID)) : nullptr;
    if (pTLeaf == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_GameFileName::GetFileName ERROR");
        return "FileNameError";
    }
    const char* szValue = pTLeaf->GetValue();
    if (szValue == nullptr || *szValue == '\0') {
        XM_REPORT_FAILED("pTLeaf->GetValue()");
        return nullptr;
    }
    return szValue;
}

HRESULT XC_GameFileName::SetFileName(DWORD dwID, const char* szName)
{
    XC_TextLeaf* pTLeaf = dwID < static_cast<DWORD>(INT_MAX) ? m_TextTree.GetLeaf(static_cast<int>(dwID)) : nullptr;
    if (pTLeaf == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_GameFileName::SetFileName ERROR");
        return E_FAIL;
    }
    pTLeaf->SetValue(szName);
    return S_OK;
}
