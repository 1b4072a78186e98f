#include "GameProgram/Common/XC_TextTree.h"

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_TextTree::XC_TextTree()
{
    SetName("[root]");
}

HRESULT XC_TextTree::LoadFile(const char* szPath)
{
    BYTE* pData = nullptr;
    DWORD dwSize = 0;
    if (FAILED(XF_LoadFile(szPath, &pData, &dwSize))) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("文字樹載入檔案 %s 錯誤 ", szPath));
        return E_FAIL;
    }
    const HRESULT hr = LoadMem(pData, dwSize, szPath);
    delete[] pData;
    return hr;
}

HRESULT XC_TextTree::LoadMem(const void* pData, DWORD dwSize, const char* szSourceName)
{
    XC_IOTextFile lines;
    lines.LoadFromMemory(static_cast<const char*>(pData), dwSize);
    lines.SetSourceName(szSourceName);
    return Load(&lines);
}

HRESULT XC_TextTree::Save(const char* szPath) const
{
    XC_IOTextFile lines;
    for (int i = 0; i < GetChildNodeCount(); ++i)
        FindChildNode(i)->Save(&lines, "");
    return lines.SaveToFile(szPath);
}
