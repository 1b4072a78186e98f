#include "Code/XC_GameText.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"
#include "GameProgram/Common/XF_SourceFile.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XC_GameText s_GameText XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES + 7);
XC_GameText* g_pGameText = &s_GameText;

HRESULT XC_GameText::Load(const void* pData, DWORD dwSize)
{
    return m_TextFile.LoadFromMemory(static_cast<const char*>(pData), dwSize);
}

const char* XC_GameText::GetText(DWORD dwID) const
{
    const char* szText = m_TextFile.GetLine(dwID);
    if (szText == nullptr) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_GameText::GetText ERROR");
        return "TextError";
    }
    return szText;
}
