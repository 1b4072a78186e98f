#pragma once

#include <windows.h>

#include <list>

// Splits one line into tokens at tabs, blanks, '(', ')' and ',' and hands
// them out from the front. Double-byte characters are kept whole. Token
// pointers stay valid until the next SetData or the destruction.
class XC_Strtok
{
public:
    XC_Strtok() = default;
    virtual ~XC_Strtok();
    XC_Strtok(const XC_Strtok&) = delete;
    XC_Strtok& operator=(const XC_Strtok&) = delete;

    HRESULT SetData(const char* szToken);
    BOOL HasToken() const;
    // The first token, or null; with bPop it also leaves the list.
    const char* GetToken(BOOL bPop);
    int GetTokenInt(BOOL bPop);
    // "0x" followed by hexadecimal, else decimal; 0 when nothing can be read.
    DWORD GetTokenDword(BOOL bPop);
    float GetTokenFloat(BOOL bPop);
    // TRUE for exactly "1", "TRUE" or "true".
    BOOL GetTokenBool(BOOL bPop);
    void PopFrontToken();

private:
    // The first token for a typed getter; null, with a report, when none.
    const char* TakeTypedToken(BOOL bPop);

    std::list<const char*> m_TokenList;
    char* m_pData = nullptr;
};
