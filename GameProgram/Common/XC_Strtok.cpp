#include "GameProgram/Common/XC_Strtok.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_Cp950.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

bool IsSeparator(char c)
{
    return c == '\t' || c == ' ' || c == '(' || c == ')' || c == ',';
}

} // namespace

XC_Strtok::~XC_Strtok()
{
    delete[] m_pData;
}

HRESULT XC_Strtok::SetData(const char* szToken)
{
    if (szToken == nullptr) {
        XM_REPORT_FAILED("szToken");
        return E_FAIL;
    }
    m_TokenList.clear();
    delete[] m_pData;
    m_pData = nullptr;
    if (FAILED(XF_StrCopy(&m_pData, szToken))) {
        XM_REPORT_FAILED("m_pData");
        return E_FAIL;
    }

    const size_t length = std::strlen(m_pData);
    bool bTokenStarts = true;
    for (size_t i = 0; i < length;) {
        const size_t charLength = XF_CharLength(m_pData, i, length);
        if (charLength == 1 && IsSeparator(m_pData[i])) {
            m_pData[i] = '\0';
            bTokenStarts = true;
        } else if (bTokenStarts) {
            m_TokenList.push_back(m_pData + i);
            bTokenStarts = false;
        }
        i += charLength;
    }
    return S_OK;
}

BOOL XC_Strtok::HasToken() const
{
    return m_TokenList.empty() ? FALSE : TRUE;
}

const char* XC_Strtok::GetToken(BOOL bPop)
{
    if (m_TokenList.empty())
        return nullptr;
    const char* const szToken = m_TokenList.front();
    if (bPop)
        m_TokenList.pop_front();
    return szToken;
}

const char* XC_Strtok::TakeTypedToken(BOOL bPop)
{
    const char* const szToken = GetToken(bPop);
    if (szToken == nullptr)
        XM_REPORT_FAILED("szToken");
    return szToken;
}

int XC_Strtok::GetTokenInt(BOOL bPop)
{
    const char* const szToken = TakeTypedToken(bPop);
    return szToken != nullptr ? std::atoi(szToken) : 0;
}

DWORD XC_Strtok::GetTokenDword(BOOL bPop)
{
    const char* const szToken = TakeTypedToken(bPop);
    if (szToken == nullptr)
        return 0;
    if (std::strncmp(szToken, "0x", 2) == 0) {
        unsigned int uValue = 0;
        return std::sscanf(szToken, "%x", &uValue) == 1 ? uValue : 0;
    }
    // Read unsigned so a value above the largest int (an ARGB colour) keeps
    // its bits; a negative one wraps as it would as an int.
    char* pEnd = nullptr;
    const unsigned long ulValue = std::strtoul(szToken, &pEnd, 10);
    return pEnd != szToken ? static_cast<DWORD>(ulValue) : 0;
}

float XC_Strtok::GetTokenFloat(BOOL bPop)
{
    const char* const szToken = TakeTypedToken(bPop);
    return szToken != nullptr ? static_cast<float>(std::atof(szToken)) : 0.0f;
}

BOOL XC_Strtok::GetTokenBool(BOOL bPop)
{
    const char* const szToken = TakeTypedToken(bPop);
    if (szToken == nullptr)
        return FALSE;
    return std::strcmp(szToken, "1") == 0 || std::strcmp(szToken, "TRUE") == 0
        || std::strcmp(szToken, "true") == 0;
}

void XC_Strtok::PopFrontToken()
{
    if (m_TokenList.empty()) {
        XM_REPORT_FAILED("m_TokenList.size() > 0");
        return;
    }
    m_TokenList.pop_front();
}
