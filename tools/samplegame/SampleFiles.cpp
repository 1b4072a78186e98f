#include "tools/samplegame/SampleFiles.h"

#include "GameProgram/Common/XF_SafeFileWriter.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

bool WriteGameFile(const fs::path& path, const std::string& bytes)
{
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    if (FAILED(XF_WriteFileSafely(path.string().c_str(), bytes.data(), bytes.size()))) {
        std::fprintf(stderr, "samplegame: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string ToCodePage950(const std::string& strUtf8)
{
    if (strUtf8.empty())
        return strUtf8;
    const int iWide = MultiByteToWideChar(CP_UTF8, 0, strUtf8.data(), static_cast<int>(strUtf8.size()), nullptr, 0);
    std::wstring wide(iWide, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, strUtf8.data(), static_cast<int>(strUtf8.size()), wide.data(), iWide);
    const int iBytes = WideCharToMultiByte(950, 0, wide.data(), iWide, nullptr, 0, nullptr, nullptr);
    std::string strBig5(iBytes, '\0');
    WideCharToMultiByte(950, 0, wide.data(), iWide, strBig5.data(), iBytes, nullptr, nullptr);
    return strBig5;
}
