#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A text file as a store of lines with a read cursor. Any mix of CR LF, LF
// and CR ends a line; empty lines are dropped when reading. Saving writes
// every line followed by CR LF.
class XC_IOTextFile
{
public:
    virtual ~XC_IOTextFile() = default;
    virtual HRESULT LoadFromFile(const char* szPath);
    virtual HRESULT LoadFromMemory(const char* lpstrBuf, DWORD dwSize);
    virtual HRESULT SaveToFile(const char* szPath);
    virtual const char* GetLine(DWORD dwIndex) const;
    virtual const char* GetNextLine();
    virtual DWORD GetLineCount() const;
    virtual void AddLine(const char* szLine);
    virtual void Clear();
    // The next line of the buffer from *pdwPosition, moving the position past
    // it; false at the end of the buffer.
    virtual bool ExtractLine(const char* lpstrBuf, DWORD dwSize, DWORD* pdwPosition, std::string* pstrLine);

    // The line number in its file (from 1, empty lines counted) of the line
    // GetNextLine returned last; 0 before the first or for added lines.
    DWORD GetCurrentLineNumber() const;
    // The name reports give the text: its file, or a caller's name for a block.
    void SetSourceName(const char* szName) { m_strSourceName = szName != nullptr ? szName : ""; }
    const char* GetSourceName() const { return m_strSourceName.c_str(); }

private:
    std::vector<std::string> m_Lines;
    std::vector<DWORD> m_LineNumbers;
    DWORD m_dwCursor = 0;
    std::string m_strSourceName;
};
