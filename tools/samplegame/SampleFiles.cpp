#include "tools/samplegame/SampleFiles.h"

#include "GameProgram/Common/XF_SafeFileWriter.h"

#include <windows.h>

#include <cmath>
#include <cstdint>
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

static void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A mono 16-bit 22050 Hz tone that fades out.
std::string SampleTone(double frequency, double seconds)
{
    const std::uint32_t rate = 22050;
    const std::uint32_t samples = static_cast<std::uint32_t>(rate * seconds);
    std::string data;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double fade = 1.0 - static_cast<double>(i) / samples;
        const double value = 9000.0 * fade * std::sin(2.0 * 3.14159265358979 * frequency * i / rate);
        Put(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
    }
    std::string out("RIFF");
    Put(out, 36 + static_cast<std::uint32_t>(data.size()), 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);
    Put(out, 1, 2);
    Put(out, rate, 4);
    Put(out, rate * 2, 4);
    Put(out, 2, 2);
    Put(out, 16, 2);
    out += "data";
    Put(out, static_cast<std::uint32_t>(data.size()), 4);
    return out + data;
}
