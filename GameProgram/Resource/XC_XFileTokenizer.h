#pragma once

#include <cstddef>
#include <string>

// Splits the body of a text ".x" file (after its 16-byte header) into names,
// braces, strings and GUIDs; blanks, ',' and ';' separate them, and '#' and
// "//" start comments.
class XC_XFileTokenizer
{
public:
    enum TokenType { TOKEN_END, TOKEN_NAME, TOKEN_OPEN, TOKEN_CLOSE, TOKEN_STRING, TOKEN_GUID, TOKEN_ERROR };

    struct Token
    {
        TokenType type;
        std::string strText;
    };

    static constexpr size_t HEADER_SIZE = 16;

    // The text stays the caller's and must outlive the tokenizer.
    XC_XFileTokenizer(const char* pText, size_t uSize);

    Token Next();
    size_t GetPosition() const { return m_uPosition; }

private:
    void SkipBlanksAndComments();
    Token ScanDelimited(TokenType type, char chEnd);

    const char* m_pText;
    size_t m_uSize;
    size_t m_uPosition;
};
