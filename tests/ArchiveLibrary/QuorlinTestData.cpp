#include "tests/ArchiveLibrary/QuorlinTestData.h"

#include "ArchiveLibrary/JC_Quorlin.h"
#include "ArchiveLibrary/JC_QuorlinModule.h"
#include "GameProgram/Common/XF_Cp950.h"
#include "tests/Support/ScopedTempFolder.h"

#include <windows.h>

std::string TextBytes(size_t size, unsigned int seed)
{
    static const char* const s_Words[] = {"archive ", "block ", "node ", "folder ", "table ", "trailer\r\n"};
    std::string text;
    text.reserve(size + 16);
    while (text.size() < size) {
        seed = seed * 1103515245u + 12345u;
        text += s_Words[(seed >> 16) % 6];
    }
    text.resize(size);
    return text;
}

std::string NoiseBytes(size_t size, unsigned int seed)
{
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        byte = static_cast<char>(seed);
    }
    return bytes;
}

void WriteTree(const std::string& folder, const TestFiles& files)
{
    for (const auto& file : files) {
        const std::string& path = file.first;
        for (size_t at = XF_FindChar(path, '\\'); at != std::string::npos; at = XF_FindChar(path, '\\', at + 1))
            CreateDirectoryA((folder + "\\" + path.substr(0, at)).c_str(), nullptr);
        WriteTestFile(folder + "\\" + path, file.second);
    }
}

namespace {

// The bytes of every file below a folder, by relative path.
void ReadTree(const std::string& folder, const std::string& prefix, std::map<std::string, std::string>* pFiles)
{
    WIN32_FIND_DATAA findData;
    const HANDLE hFind = FindFirstFileA((folder + "\\*").c_str(), &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = findData.cFileName;
        if (name == "." || name == "..")
            continue;
        if ((findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            ReadTree(folder + "\\" + name, prefix + name + "\\", pFiles);
        else
            (*pFiles)[prefix + name] = ReadTestFile(folder + "\\" + name);
    } while (FindNextFileA(hFind, &findData));
    FindClose(hFind);
}

} // namespace

std::map<std::string, std::string> TreeOf(const std::string& folder)
{
    std::map<std::string, std::string> files;
    ReadTree(folder, "", &files);
    return files;
}

std::int32_t BuildArchive(const std::string& folder, const std::string& archive)
{
    JC_Quorlin manager;
    const std::int32_t iResult = JC_QuorlinModule::AddFolderContents(manager, folder, "");
    if (iResult != 0)
        return iResult;
    return manager.BuildFromFolder(archive.c_str(), nullptr);
}

std::string ReadThrough(JI_Quorlin& quorlin, const std::string& path, std::int32_t* pResult)
{
    std::uint8_t* pBuffer = nullptr;
    std::uint32_t size = 0;
    *pResult = quorlin.GetFileEx(path.c_str(), &pBuffer, &size);
    if (*pResult != 0)
        return std::string();
    std::string bytes(size, '\0');
    pBuffer = reinterpret_cast<std::uint8_t*>(bytes.data());
    *pResult = quorlin.GetFileEx(path.c_str(), &pBuffer, &size);
    return bytes;
}

std::string U16(std::uint16_t value)
{
    return std::string{static_cast<char>(value), static_cast<char>(value >> 8)};
}

std::string U32(std::uint32_t value)
{
    return U16(static_cast<std::uint16_t>(value)) + U16(static_cast<std::uint16_t>(value >> 16));
}

std::string U64(std::uint64_t value)
{
    return U32(static_cast<std::uint32_t>(value)) + U32(static_cast<std::uint32_t>(value >> 32));
}

std::string FileRecord(const std::string& name, std::uint32_t plainSize, std::uint32_t blocks,
                       std::uint32_t packed, std::uint32_t offset, const std::string& folderPath)
{
    return U32(0) + static_cast<char>(name.size()) + name + '\0' + U32(plainSize)
         + static_cast<char>(folderPath.size()) + folderPath + U32(blocks) + U32(packed)
         + U32(packed + 8 * blocks) + U32(offset) + U32(0) + U32(0) + U16(0);
}

std::string FolderRecord(const std::string& name)
{
    return U32(1) + static_cast<char>(name.size()) + name + '\0' + U32(0) + '\0' + std::string(24, '\0') + U16(0);
}

std::string Trailer(std::uint32_t folders, std::uint32_t files, std::uint64_t tableOffset, std::uint32_t version)
{
    return U32(folders) + U32(files) + U64(tableOffset) + std::string(68, '\0') + U32(version) + U32(96) + U32(0);
}

std::string Region(const std::string& stored, std::uint32_t flag)
{
    return stored + U32(static_cast<std::uint32_t>(stored.size())) + U32(flag);
}
