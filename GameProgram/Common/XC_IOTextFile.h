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

private:
    std::vector<std::string> m_Lines;
    DWORD m_dwCursor = 0;
};
