#include "tests/GameProgram/DirectShow/MediaFiles.h"

#include "tests/Support/ScopedTempFolder.h"

#include <cmath>
#include <cstdint>

namespace {

void Put16(std::string& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// A RIFF chunk: its four-letter id, its size and its body, padded to even.
std::string Chunk(const char* id, const std::string& body)
{
    std::string out(id, 4);
    Put32(out, static_cast<std::uint32_t>(body.size()));
    out += body;
    if (body.size() % 2 != 0)
        out.push_back('\0');
    return out;
}

std::string List(const char* type, const std::string& body)
{
    return Chunk("LIST", std::string(type, 4) + body);
}

} // namespace

bool WriteToneWav(const std::string& path, double seconds)
{
    const std::uint32_t rate = 22050;
    const std::uint32_t samples = static_cast<std::uint32_t>(rate * seconds);
    std::string format;
    Put16(format, 1); // PCM
    Put16(format, 1);
    Put32(format, rate);
    Put32(format, rate * 2);
    Put16(format, 2);
    Put16(format, 16);
    std::string data;
    for (std::uint32_t i = 0; i < samples; ++i)
        Put16(data, static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 0.1))));
    return WriteTestFile(path, Chunk("RIFF", "WAVE" + Chunk("fmt ", format) + Chunk("data", data)));
}

bool WriteColourAvi(const std::string& path, int frameCount)
{
    const std::uint32_t width = 64, height = 48, frameSize = width * height * 3;
    std::string mainHeader;
    Put32(mainHeader, 100000); // microseconds per frame
    Put32(mainHeader, frameSize * 10);
    Put32(mainHeader, 0);
    Put32(mainHeader, 0x10); // has index
    Put32(mainHeader, frameCount);
    Put32(mainHeader, 0);
    Put32(mainHeader, 1);
    Put32(mainHeader, frameSize);
    Put32(mainHeader, width);
    Put32(mainHeader, height);
    for (int i = 0; i < 4; ++i)
        Put32(mainHeader, 0);

    std::string streamHeader("vids", 4);
    streamHeader += std::string("DIB ", 4);
    for (int i = 0; i < 3; ++i)
        Put32(streamHeader, 0); // flags, priority and language, initial frames
    Put32(streamHeader, 1);      // scale
    Put32(streamHeader, 10);     // rate
    Put32(streamHeader, 0);      // start
    Put32(streamHeader, frameCount);
    Put32(streamHeader, frameSize);
    Put32(streamHeader, 0xFFFFFFFF);
    Put32(streamHeader, 0);
    Put16(streamHeader, 0);
    Put16(streamHeader, 0);
    Put16(streamHeader, width);
    Put16(streamHeader, height);

    std::string bitmapInfo;
    Put32(bitmapInfo, 40);
    Put32(bitmapInfo, width);
    Put32(bitmapInfo, height);
    Put16(bitmapInfo, 1);
    Put16(bitmapInfo, 24);
    Put32(bitmapInfo, 0);
    Put32(bitmapInfo, frameSize);
    for (int i = 0; i < 4; ++i)
        Put32(bitmapInfo, 0);

    std::string movie, index;
    std::uint32_t offset = 4;
    for (int frame = 0; frame < frameCount; ++frame) {
        const std::string pixels(frameSize, static_cast<char>(frame * 20));
        movie += Chunk("00db", pixels);
        index += std::string("00db", 4);
        Put32(index, 0x10);
        Put32(index, offset);
        Put32(index, frameSize);
        offset += 8 + frameSize;
    }
    const std::string header = List("hdrl", Chunk("avih", mainHeader)
                                             + List("strl", Chunk("strh", streamHeader) + Chunk("strf", bitmapInfo)));
    return WriteTestFile(path, Chunk("RIFF", "AVI " + header + List("movi", movie) + Chunk("idx1", index)));
}
