#include "tests/Support/TextMutations.h"

#include <random>

void AddTruncations(const std::string& strSeed, std::vector<std::string>* pCases, size_t uStep)
{
    for (size_t length = 0; length < strSeed.size(); length += uStep)
        pCases->push_back(strSeed.substr(0, length));
}

void AddMutations(const std::string& strSeed, int iCount, std::vector<std::string>* pCases)
{
    static const char kAlphabet[] = "{}[]=\n\r\t -0123456789x.eE\0\x81\xFF\xA4";
    const std::string alphabet(kAlphabet, sizeof(kAlphabet) - 1);
    std::mt19937 random(20261210);
    for (int i = 0; i < iCount; ++i) {
        std::string strCase = strSeed;
        const int iEdits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < iEdits && !strCase.empty(); ++e) {
            const size_t at = random() % strCase.size();
            switch (random() % 3) {
            case 0: strCase[at] = alphabet[random() % alphabet.size()]; break;
            case 1: strCase.erase(at, 1 + random() % 16); break;
            default: strCase.insert(at, strCase.substr(at, 1 + random() % 64)); break;
            }
        }
        pCases->push_back(strCase);
    }
}
