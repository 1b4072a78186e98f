#include "ArchiveLibrary/JC_QuorlinModule.h"
#include "bench/Support/BenchTiming.h"

#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// Builds an archive of about 50 MB (text-like and incompressible files of
// 4 KiB, 512 KiB and 8 MiB), reads every file through GetFileEx as the game
// does and compares the rate with reading a plain file of the same stored
// bytes and uncompressing it, and with uncompress alone; then times lookups
// in folders of 100, 1,000 and 10,000 names against the smallest folder.

namespace {

const int READ_PASSES = 7;
// Name lookups per folder size and pass.
const int LOOKUPS = 100000;

struct FileClass
{
    const char* szName;
    bool bText;
    size_t size;
    int count;
};

const FileClass s_Classes[] = {
    {"text 4 KiB", true, 4096, 256},          {"noise 4 KiB", false, 4096, 256},
    {"text 512 KiB", true, 524288, 16},       {"noise 512 KiB", false, 524288, 16},
    {"text 8 MiB", true, 8388608, 2},         {"noise 8 MiB", false, 8388608, 2},
};

std::string Bytes(size_t size, bool bText, unsigned int seed)
{
    static const char* const s_Words[] = {"[Scene]\r\n", "szName = ", "dwTime = 120\r\n", "fSpeed = 1.5\r\n",
                                          "person ", "battle ", "\xA7\xF0\xC0\xBB ", "\xA4\x48\xAA\xAB\r\n"};
    std::string bytes;
    bytes.reserve(size + 32);
    while (bytes.size() < size) {
        seed = seed * 1103515245u + 12345u;
        if (bText)
            bytes += s_Words[(seed >> 16) % 8];
        else
            bytes += static_cast<char>(seed >> 24);
    }
    bytes.resize(size);
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::FILE* pFile = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), pFile);
    std::fclose(pFile);
}

std::string ClassFolder(const FileClass& fileClass)
{
    std::string name = fileClass.szName;
    for (char& c : name) {
        if (c == ' ')
            c = '_';
    }
    return name;
}

// A node by its exact path, walked through the tree's links (the library's
// own lookup is what is being measured).
const JC_QuorlinNode* NodeAt(const JC_QuorlinNode* pNode, const std::string& path)
{
    size_t at = 0;
    for (;;) {
        const size_t separator = path.find('\\', at);
        const std::string name = path.substr(at, separator == std::string::npos ? std::string::npos : separator - at);
        while (pNode != nullptr && pNode->m_strName != name)
            pNode = pNode->m_pNext;
        if (pNode == nullptr || separator == std::string::npos)
            return pNode;
        pNode = pNode->m_pFirstChild;
        at = separator + 1;
    }
}

// The stored blocks of one file node: each block's bytes and flag.
struct StoredBlocks
{
    std::vector<std::string> blocks;
    std::vector<std::uint32_t> flags;
    std::uint32_t plainSize = 0;
};

StoredBlocks ReadStoredBlocks(std::FILE* pArchive, const JC_QuorlinNode& node)
{
    StoredBlocks stored;
    stored.plainSize = node.m_dwPlainSize;
    std::string region(node.m_dwStoredBytes, '\0');
    _fseeki64(pArchive, node.m_dwDataOffset, SEEK_SET);
    std::fread(region.data(), 1, region.size(), pArchive);
    const std::uint32_t count = node.m_dwBlockCount;
    size_t at = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t size = 0;
        std::uint32_t flag = 0;
        std::memcpy(&size, region.data() + node.m_dwPackedBytes + 4 * i, 4);
        std::memcpy(&flag, region.data() + node.m_dwPackedBytes + 4 * (count + i), 4);
        stored.blocks.push_back(region.substr(at, size));
        stored.flags.push_back(flag);
        at += size;
    }
    return stored;
}

struct Rates
{
    double libraryMBs;
    double plainFileMBs;
    double zlibMBs;
};

// The plain bytes of stored blocks into place: inflated, or copied when raw.
void UnpackBlocks(const StoredBlocks& file, const std::uint8_t* pStored, std::uint8_t* pPlain)
{
    for (size_t i = 0; i < file.blocks.size(); ++i) {
        const size_t stored = file.blocks[i].size();
        const size_t plain = std::min<size_t>(JC_Quorlin::BLOCK_SIZE, file.plainSize - i * JC_Quorlin::BLOCK_SIZE);
        if (file.flags[i] != 1) {
            std::memcpy(pPlain, pStored, stored);
        } else {
            uLongf length = static_cast<uLongf>(plain);
            uncompress(pPlain, &length, pStored, static_cast<uLong>(stored));
        }
        pStored += stored;
        pPlain += plain;
    }
}

// Seconds to read every file READ_PASSES times, from the fastest pass: the
// machine may be shared, and the fastest pass is the least disturbed.
template <typename Read>
double TimePasses(size_t files, Read read)
{
    const double best = BenchBestOf(READ_PASSES, [&] {
        return BenchSecondsOf([&] {
            for (size_t i = 0; i < files; ++i)
                read(i);
        });
    });
    return best * READ_PASSES;
}

// GetFileEx as the game calls it (size first, then the data), against what
// a program would do without the archive: open a plain file of the stored
// bytes, read it and uncompress it; and against uncompress alone.
Rates MeasureClass(JI_Quorlin& quorlin, const std::vector<std::string>& paths,
                   const std::vector<std::string>& plainFiles, const std::vector<StoredBlocks>& stored)
{
    double plainBytes = 0;
    for (const StoredBlocks& file : stored)
        plainBytes += file.plainSize;
    std::vector<std::uint8_t> buffer;
    const double librarySeconds = TimePasses(paths.size(), [&](size_t i) {
        std::uint8_t* pBuffer = nullptr;
        std::uint32_t size = 0;
        quorlin.GetFileEx(paths[i].c_str(), &pBuffer, &size);
        buffer.resize(size);
        pBuffer = buffer.data();
        if (quorlin.GetFileEx(paths[i].c_str(), &pBuffer, &size) != 0)
            std::printf("read failed: %s\n", paths[i].c_str());
    });

    std::vector<std::uint8_t> packed;
    const double plainFileSeconds = TimePasses(plainFiles.size(), [&](size_t i) {
        const HANDLE hFile = CreateFileA(plainFiles[i].c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        LARGE_INTEGER length;
        GetFileSizeEx(hFile, &length);
        packed.resize(static_cast<size_t>(length.QuadPart));
        DWORD dwRead = 0;
        ReadFile(hFile, packed.data(), static_cast<DWORD>(packed.size()), &dwRead, nullptr);
        CloseHandle(hFile);
        buffer.resize(stored[i].plainSize);
        UnpackBlocks(stored[i], packed.data(), buffer.data());
    });

    std::vector<std::string> joined;
    for (const StoredBlocks& file : stored) {
        joined.emplace_back();
        for (const std::string& block : file.blocks)
            joined.back() += block;
    }
    const double zlibSeconds = TimePasses(stored.size(), [&](size_t i) {
        buffer.resize(stored[i].plainSize);
        UnpackBlocks(stored[i], reinterpret_cast<const std::uint8_t*>(joined[i].data()), buffer.data());
    });
    const double megabytes = plainBytes * READ_PASSES / 1e6;
    return {megabytes / librarySeconds, megabytes / plainFileSeconds, megabytes / zlibSeconds};
}

void MeasureReading(const JC_QuorlinModule& module, const std::string& folder)
{
    const std::string source = folder + "\\read";
    CreateDirectoryA(source.c_str(), nullptr);
    double plainTotal = 0;
    unsigned int seed = 1;
    for (const FileClass& fileClass : s_Classes) {
        const std::string classFolder = source + "\\" + ClassFolder(fileClass);
        CreateDirectoryA(classFolder.c_str(), nullptr);
        for (int i = 0; i < fileClass.count; ++i) {
            WriteFile(classFolder + "\\f" + std::to_string(i) + ".dat", Bytes(fileClass.size, fileClass.bText, ++seed));
            plainTotal += fileClass.size;
        }
    }
    const std::string archive = folder + "\\read.jbf";
    JC_Quorlin* pManager = module.NewManager();
    const double buildStart = BenchSeconds();
    JC_QuorlinModule::AddFolderContents(*pManager, source, "");
    if (pManager->BuildFromFolder(archive.c_str(), nullptr) != 0) {
        std::printf("the archive cannot be built\n");
        return;
    }
    const double buildSeconds = BenchSeconds() - buildStart;
    std::printf("archive: %.1f MB plain, %.1f MB on disk, built in %.1f s\n", plainTotal / 1e6,
                std::filesystem::file_size(archive) / 1e6, buildSeconds);

    std::FILE* pArchive = std::fopen(archive.c_str(), "rb");
    const std::string plainFolder = folder + "\\plain";
    CreateDirectoryA(plainFolder.c_str(), nullptr);
    std::printf("%-14s %12s %12s %12s %7s %7s\n", "files", "GetFileEx", "plain file", "uncompress", "ratio",
                "ratio");
    std::printf("%-14s %12s %12s %12s %7s %7s\n", "", "", "", "", "/ file", "/ zlib");
    double libraryTime = 0;
    double plainFileTime = 0;
    double zlibTime = 0;
    double megabytes = 0;
    double worstFileRatio = 1e30;
    for (const FileClass& fileClass : s_Classes) {
        std::vector<std::string> paths;
        std::vector<std::string> plainFiles;
        std::vector<StoredBlocks> stored;
        for (int i = 0; i < fileClass.count; ++i) {
            paths.push_back(ClassFolder(fileClass) + "\\f" + std::to_string(i) + ".dat");
            const JC_QuorlinNode* pNode = NodeAt(pManager->GetFirstNode(), paths.back());
            if (pNode == nullptr) {
                std::printf("missing from the archive: %s\n", paths.back().c_str());
                return;
            }
            stored.push_back(ReadStoredBlocks(pArchive, *pNode));
            std::string bytes;
            for (const std::string& block : stored.back().blocks)
                bytes += block;
            plainFiles.push_back(plainFolder + "\\" + ClassFolder(fileClass) + "_" + std::to_string(i) + ".z");
            WriteFile(plainFiles.back(), bytes);
        }
        const Rates rates = MeasureClass(*pManager, paths, plainFiles, stored);
        const double classMegabytes = static_cast<double>(fileClass.size) * fileClass.count * READ_PASSES / 1e6;
        libraryTime += classMegabytes / rates.libraryMBs;
        plainFileTime += classMegabytes / rates.plainFileMBs;
        zlibTime += classMegabytes / rates.zlibMBs;
        megabytes += classMegabytes;
        worstFileRatio = std::min(worstFileRatio, rates.libraryMBs / rates.plainFileMBs);
        std::printf("%-14s %7.1f MB/s %7.1f MB/s %7.1f MB/s %7.2f %7.2f\n", fileClass.szName, rates.libraryMBs,
                    rates.plainFileMBs, rates.zlibMBs, rates.libraryMBs / rates.plainFileMBs,
                    rates.libraryMBs / rates.zlibMBs);
    }
    std::printf("%-14s %7.1f MB/s %7.1f MB/s %7.1f MB/s %7.2f %7.2f\n", "all files", megabytes / libraryTime,
                megabytes / plainFileTime, megabytes / zlibTime, plainFileTime / libraryTime, zlibTime / libraryTime);
    std::printf("GetFileEx / plain file, the lowest of all sizes: %.2f\n", worstFileRatio);
    std::fclose(pArchive);
    module.DeleteManager(pManager);
}

void MeasureLookups(const JC_QuorlinModule& module, const std::string& folder)
{
    const std::string source = folder + "\\names";
    CreateDirectoryA(source.c_str(), nullptr);
    const int counts[] = {100, 1000, 10000};
    for (const int count : counts) {
        const std::string names = source + "\\n" + std::to_string(count);
        CreateDirectoryA(names.c_str(), nullptr);
        for (int i = 0; i < count; ++i)
            WriteFile(names + "\\name_" + std::to_string(i * 7919 % 100003) + ".txt", "x");
    }
    const std::string archive = folder + "\\names.jbf";
    JC_Quorlin* pManager = module.NewManager();
    JC_QuorlinModule::AddFolderContents(*pManager, source, "");
    if (pManager->BuildFromFolder(archive.c_str(), nullptr) != 0) {
        std::printf("the name archive cannot be built\n");
        return;
    }
    double smallestRate = 0;
    for (const int count : counts) {
        std::vector<std::string> paths;
        unsigned int seed = 7;
        const int lookups = LOOKUPS;
        for (int i = 0; i < lookups; ++i) {
            seed = seed * 1103515245u + 12345u;
            const int name = static_cast<int>((seed >> 8) % count);
            char path[64];
            std::snprintf(path, sizeof(path), "N%d\\NAME_%d.TXT", count, name * 7919 % 100003);
            paths.emplace_back(path);
        }
        int found = 0;
        const double seconds = TimePasses(paths.size(), [&](size_t i) {
            std::uint8_t* pBuffer = nullptr;
            std::uint32_t size = 0;
            if (pManager->GetFileEx(paths[i].c_str(), &pBuffer, &size) == 0)
                ++found;
        });
        found /= READ_PASSES;
        const double rate = lookups * READ_PASSES / seconds;
        if (count == counts[0])
            smallestRate = rate;
        std::printf("lookups in a folder of %5d names: %9.0f per second (%d of %d found), %.2f of %d names\n",
                    count, rate, found, lookups, rate / smallestRate, counts[0]);
    }
    module.DeleteManager(pManager);
}

} // namespace

int main()
{
    char szProgram[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string library(szProgram, length);
    library = library.substr(0, library.find_last_of('\\') + 1) + "Quorlin_R.dll";
    const JC_QuorlinModule module(library.c_str());
    if (!module.IsLoaded()) {
        std::printf("the archive library cannot be loaded\n");
        return 1;
    }
    char szTemp[MAX_PATH];
    GetTempPathA(MAX_PATH, szTemp);
    const std::string folder = std::string(szTemp) + "jbf-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    MeasureReading(module, folder);
    MeasureLookups(module, folder);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
