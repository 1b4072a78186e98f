#include "tests/Support/ScopedTempFolder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string MakeUniqueFolder()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        std::string path = std::string(base) + "oskel_" + std::to_string(GetCurrentProcessId()) + "_"
                         + std::to_string(++counter);
        if (CreateDirectoryA(path.c_str(), nullptr))
            return path;
    }
}

} // namespace

ScopedTempFolder::ScopedTempFolder()
    : m_path(MakeUniqueFolder())
{
}

ScopedTempFolder::~ScopedTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string ScopedTempFolder::File(const std::string& name) const
{
    return m_path + "\\" + name;
}

bool WriteTestFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string ReadTestFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
