#include "ArchiveLibrary/JC_Quorlin.h"
#include "tools/fuzz/FuzzArchives.h"
#include "tools/fuzz/MemoryDisk.h"

#include <cstdint>
#include <vector>

// Feeds each input to the archive reader (open, every read, extraction), to
// the packed-file reader and the block inflater, and as an update merged into
// a valid archive. A merge that succeeds must leave an archive that opens.

namespace {

const char* const INPUT = "C:\\fuzz\\input.bin";
const char* const TARGET = "C:\\fuzz\\target.jbf";
std::string s_TargetBytes;

// Opens an archive and reads every file in every way; whether it opened.
bool ReadArchive(const char* szPath)
{
    JC_Quorlin quorlin;
    if (quorlin.ProjectOpen(szPath) != 0)
        return false;
    std::vector<JC_QuorlinNode*> files;
    for (JC_QuorlinNode* pNode = quorlin.GetFirstNode(); pNode != nullptr; pNode = pNode->m_pNext)
        pNode->CollectFiles(files);
    for (const JC_QuorlinNode* pNode : files) {
        const std::string path = pNode->GetPath();
        std::uint8_t* pBuffer = nullptr;
        std::uint32_t size = 0;
        if (quorlin.GetFileEx(path.c_str(), &pBuffer, &size) == 0) {
            std::vector<std::uint8_t> buffer(size + 1);
            pBuffer = buffer.data();
            quorlin.GetFileEx(path.c_str(), &pBuffer, &size);
        }
        pBuffer = nullptr;
        quorlin.GetFile(path.c_str(), &pBuffer, &size);
        quorlin.FreeFile(&pBuffer);
    }
    quorlin.ExtractNodes(nullptr, "C:\\fuzz\\out\\", nullptr);
    return true;
}

void ReadPacked(const std::uint8_t* pData, size_t size)
{
    JC_QuorlinPacker packer;
    packer.UnpackFile(INPUT, "C:\\fuzz\\out\\plain.bin");
    std::vector<std::uint8_t> plain(JC_QuorlinPacker::OUTPUT_SIZE);
    std::uint32_t length = static_cast<std::uint32_t>(plain.size());
    if (size > 0 && size <= JC_QuorlinPacker::BLOCK_SIZE)
        packer.UnpackInto(pData, static_cast<std::uint32_t>(size), plain.data(), &length);
}

void MergeIntoTarget(bool bAppend)
{
    MemoryDisk_Put(TARGET, s_TargetBytes);
    JC_Quorlin quorlin;
    const std::int32_t iResult =
        bAppend ? quorlin.ProjectAppend(INPUT, TARGET) : quorlin.ProjectUpdate(INPUT, TARGET);
    if (iResult == 0 && !ReadArchive(TARGET))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    s_TargetBytes = FuzzArchive({{"Data\\a.txt", "alpha alpha alpha alpha"}, {"Data\\Sub\\b.bin", "\x01\x02\x03"},
                                 {"top.txt", "top"}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, size_t size)
{
    MemoryDisk_Clear();
    MemoryDisk_Put(INPUT, std::string(reinterpret_cast<const char*>(pData), size));
    ReadArchive(INPUT);
    ReadPacked(pData, size);
    MergeIntoTarget(false);
    MergeIntoTarget(true);
    return 0;
}
