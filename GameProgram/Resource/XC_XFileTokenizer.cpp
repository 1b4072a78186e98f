#include "GameProgram/Resource/XC_XFileTokenizer.h"

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == ',' || ch == ';';
}

bool EndsName(char ch)
{
    return IsBlank(ch) || ch == '{' || ch == '}' || ch == '<' || ch == '"' || ch == '#' || ch == '/';
}

} // namespace

XC_XFileTokenizer::XC_XFileTokenizer(const char* pText, size_t uSize)
    : m_pText(pText)
    , m_uSize(pText != nullptr ? uSize : 0)
    , m_uPosition(HEADER_SIZE)
{
}

void XC_XFileTokenizer::SkipBlanksAndComments()
{
    while (m_uPosition < m_uSize) {
        const char ch = m_pText[m_uPosition];
        const bool bSlashes = ch == '/' && m_uPosition + 1 < m_uSize && m_pText[m_uPosition + 1] == '/';
        if (ch == '#' || bSlashes) {
            while (m_uPosition < m_uSize && m_pText[m_uPosition] != '\n')
                ++m_uPosition;
        } else if (IsBlank(ch)) {
            ++m_uPosition;
        } else {
            return;
        }
    }
}

XC_XFileTokenizer::Token XC_XFileTokenizer::ScanDelimited(TokenType type, char chEnd)
{
    const size_t uStart = ++m_uPosition;
    while (m_uPosition < m_uSize && m_pText[m_uPosition] != chEnd)
        ++m_uPosition;
    if (m_uPosition >= m_uSize)
        return Token{TOKEN_ERROR, {}};
    return Token{type, std::string(m_pText + uStart, m_pText + m_uPosition++)};
}

XC_XFileTokenizer::Token XC_XFileTokenizer::Next()
{
    SkipBlanksAndComments();
    if (m_uPosition >= m_uSize)
        return Token{TOKEN_END, {}};
    switch (m_pText[m_uPosition]) {
    case '{':
        ++m_uPosition;
        return Token{TOKEN_OPEN, {}};
    case '}':
        ++m_uPosition;
        return Token{TOKEN_CLOSE, {}};
    case '<':
        return ScanDelimited(TOKEN_GUID, '>');
    case '"':
        return ScanDelimited(TOKEN_STRING, '"');
    case '/':
        ++m_uPosition;
        return Token{TOKEN_ERROR, {}};
    default:
        break;
    }
    const size_t uStart = m_uPosition;
    while (m_uPosition < m_uSize && !EndsName(m_pText[m_uPosition]))
        ++m_uPosition;
    return Token{TOKEN_NAME, std::string(m_pText + uStart, m_pText + m_uPosition)};
}
