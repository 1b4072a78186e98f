#include "ArchiveLibrary/JC_QuorlinPacker.h"
#include "tools/fuzz/FuzzArchives.h"
#include "tools/fuzz/MemoryDisk.h"

#include <cstdio>
#include <string>

// Writes the seed corpus of the archive fuzzer into a folder: valid archives
// of several shapes and two stand-alone packed files.

namespace {

bool WriteSeed(const std::string& folder, const std::string& name, const std::string& bytes)
{
    std::FILE* pFile = std::fopen((folder + "/" + name).c_str(), "wb");
    if (pFile == nullptr)
        return false;
    const bool bWritten = std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    return std::fclose(pFile) == 0 && bWritten;
}

std::string Noise(size_t size)
{
    std::string bytes(size, '\0');
    unsigned int seed = 12345;
    for (char& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

std::string Packed(const std::string& plain)
{
    MemoryDisk_Put("C:\\plain.bin", plain);
    JC_QuorlinPacker packer;
    packer.PackFile("C:\\plain.bin", "C:\\packed.pak", nullptr, nullptr, nullptr);
    std::string bytes;
    MemoryDisk_Get("C:\\packed.pak", &bytes);
    MemoryDisk_Clear();
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: jbf-seeds FOLDER\n");
        return 1;
    }
    const std::string folder = argv[1];
    const FuzzFiles small = {{"Data\\a.txt", "alpha beta alpha beta alpha beta"},
                             {"Data\\\xA5\x5C\xAF\xE0\\b.txt", "bb"},
                             {"top.bin", Noise(300)}};
    const bool bWritten =
        WriteSeed(folder, "empty.jbf", FuzzArchive({}))
        && WriteSeed(folder, "small.jbf", FuzzArchive(small))
        && WriteSeed(folder, "two-blocks.jbf", FuzzArchive({{"big.txt", std::string(600000, 'a')}}))
        && WriteSeed(folder, "saved.jbf", FuzzSavedArchive(small, "Data\\a.txt"))
        && WriteSeed(folder, "small.pak", Packed("a small packed file"))
        && WriteSeed(folder, "blocks.pak", Packed(std::string(1500000, 'b') + Noise(200)));
    return bWritten ? 0 : 1;
}
