// Command lines of any bytes through the tokenizer: tokens are never empty
// and never hold a separator, the typed getters read any token, and the
// tokens joined by one blank split into the same tokens again.

#include "GameProgram/Common/XC_Strtok.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Tokens(const std::string& strLine)
{
    XC_Strtok tokens;
    tokens.SetData(strLine.c_str());
    std::vector<std::string> result;
    while (const char* szToken = tokens.GetToken(FALSE)) {
        tokens.GetTokenInt(FALSE);
        tokens.GetTokenDword(FALSE);
        tokens.GetTokenFloat(FALSE);
        tokens.GetTokenBool(FALSE);
        result.push_back(szToken);
        tokens.PopFrontToken();
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    const std::string strInput(reinterpret_cast<const char*>(pData), size);
    const std::string strLine = strInput.substr(0, strInput.find('\0'));
    const std::vector<std::string> tokens = Tokens(strLine);
    std::string strJoined;
    for (const std::string& strToken : tokens) {
        if (strToken.empty())
            __builtin_trap();
        strJoined += strJoined.empty() ? strToken : " " + strToken;
    }
    if (Tokens(strJoined) != tokens)
        __builtin_trap();
    return 0;
}
