#include "fuzz/archive/FuzzArchives.h"

#include "ArchiveLibrary/JC_Quorlin.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"
#include "fuzz/archive/MemoryDisk.h"

namespace {

const char* const SOURCE = "C:\\src";
const char* const ARCHIVE = "C:\\out.jbf";

void BuildInMemory(JC_Quorlin& quorlin, const FuzzFiles& files)
{
    for (const auto& file : files)
        MemoryDisk_Put(std::string(SOURCE) + "\\" + file.first, file.second);
    std::vector<JS_QuorlinDiskEntry> entries;
    JF_ListDiskFolder(SOURCE, &entries);
    for (const JS_QuorlinDiskEntry& entry : entries)
        quorlin.TestPath((std::string(SOURCE) + "\\" + entry.strName).c_str(), nullptr);
    quorlin.BuildFromFolder(ARCHIVE, nullptr);
}

std::string TakeArchive()
{
    std::string bytes;
    MemoryDisk_Get(ARCHIVE, &bytes);
    MemoryDisk_Clear();
    return bytes;
}

} // namespace

std::string FuzzArchive(const FuzzFiles& files)
{
    JC_Quorlin quorlin;
    BuildInMemory(quorlin, files);
    return TakeArchive();
}

std::string FuzzSavedArchive(const FuzzFiles& files, const std::string& changedPath)
{
    JC_Quorlin quorlin;
    BuildInMemory(quorlin, files);
    const std::string path = std::string(SOURCE) + "\\" + changedPath;
    MemoryDisk_Put(path, "changed after the first save");
    quorlin.TestPathEx(path.c_str(), nullptr);
    quorlin.SaveProject(ARCHIVE, nullptr);
    return TakeArchive();
}
