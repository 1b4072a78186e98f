#include "GameProgram/Common/XC_IOTextFile.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SafeFileWriter.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

HRESULT XC_IOTextFile::LoadFromFile(const char* szPath)
{
    BYTE* pData = nullptr;
    DWORD dwSize = 0;
    const HRESULT hrLoad = XF_LoadFile(szPath, &pData, &dwSize);
    if (FAILED(hrLoad)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText(hrLoad == XF_E_LOAD_OPEN ? "XC_IOTextFile 載入檔案 %s 錯誤 "
                                                              : "XC_IOTextFile ReadFile時錯誤 %s  ",
                                     szPath));
        return E_FAIL;
    }
    const HRESULT hr = LoadFromMemory(reinterpret_cast<const char*>(pData), dwSize);
    SetSourceName(szPath);
    delete[] pData;
    return hr;
}

HRESULT XC_IOTextFile::LoadFromMemory(const char* lpstrBuf, DWORD dwSize)
{
    Clear();
    if (lpstrBuf == nullptr) {
        XM_REPORT_FAILED("lpstrBuf");
        return S_OK;
    }
    if (dwSize == 0)
        XM_REPORT_FAILED("dwSize > 0");
    DWORD dwPosition = 0;
    DWORD dwCounted = 0;
    DWORD dwLineNumber = 1;
    std::string strLine;
    while (ExtractLine(lpstrBuf, dwSize, &dwPosition, &strLine)) {
        // The line ends between the last line and this one, a CR LF once.
        const DWORD dwStart = dwPosition - static_cast<DWORD>(strLine.size());
        for (; dwCounted < dwStart; ++dwCounted) {
            const char ch = lpstrBuf[dwCounted];
            if (ch == '\n' || (ch == '\r' && (dwCounted + 1 >= dwSize || lpstrBuf[dwCounted + 1] != '\n')))
                ++dwLineNumber;
        }
        dwCounted = dwPosition;
        m_Lines.push_back(strLine);
        m_LineNumbers.push_back(dwLineNumber);
    }
    return S_OK;
}

HRESULT XC_IOTextFile::SaveToFile(const char* szPath)
{
    std::string strContent;
    for (const std::string& strLine : m_Lines) {
        strContent += strLine;
        strContent += "\r\n";
    }
    if (FAILED(XF_WriteFileSafely(szPath, strContent.data(), strContent.size()))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        return E_FAIL;
    }
    return S_OK;
}

const char* XC_IOTextFile::GetLine(DWORD dwIndex) const
{
    return dwIndex < m_Lines.size() ? m_Lines[dwIndex].c_str() : nullptr;
}

const char* XC_IOTextFile::GetNextLine()
{
    const char* szLine = GetLine(m_dwCursor);
    if (szLine != nullptr)
        ++m_dwCursor;
    return szLine;
}

DWORD XC_IOTextFile::GetLineCount() const
{
    return static_cast<DWORD>(m_Lines.size());
}

void XC_IOTextFile::AddLine(const char* szLine)
{
    m_Lines.emplace_back(szLine != nullptr ? szLine : "");
    m_LineNumbers.push_back(0);
}

DWORD XC_IOTextFile::GetCurrentLineNumber() const
{
    return m_dwCursor > 0 && m_dwCursor <= m_LineNumbers.size() ? m_LineNumbers[m_dwCursor - 1] : 0;
}

void XC_IOTextFile::Clear()
{
    m_Lines.clear();
    m_LineNumbers.clear();
    m_dwCursor = 0;
}

bool XC_IOTextFile::ExtractLine(const char* lpstrBuf, DWORD dwSize, DWORD* pdwPosition, std::string* pstrLine)
{
    DWORD dwAt = *pdwPosition;
    while (dwAt < dwSize && IsLineEnd(lpstrBuf[dwAt]))
        ++dwAt;
    if (dwAt >= dwSize) {
        *pdwPosition = dwAt;
        return false;
    }
    const DWORD dwStart = dwAt;
    while (dwAt < dwSize && !IsLineEnd(lpstrBuf[dwAt]))
        ++dwAt;
    pstrLine->assign(lpstrBuf + dwStart, dwAt - dwStart);
    *pdwPosition = dwAt;
    return true;
}
