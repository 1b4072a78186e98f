#include "ArchiveLibrary/JC_Quorlin.h"
#include "fuzz/archive/FuzzArchives.h"
#include "fuzz/archive/MemoryDisk.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

// Feeds each input to the archive reader, the extractor, the packed-file
// reader and the block packer, and merges it as an update into a valid
// archive. Each must keep its properties, or the target traps:
// - an archive that opens reads every file at its stated size or fails
//   cleanly, no size it reports exceeds what the file's blocks can inflate
//   to, and a folder's path is no file;
// - extraction writes nothing outside its folder (the memory file system
//   traps), and what it writes is what the reads gave;
// - extracted files built into an archive again read back the same;
// - the input packed and unpacked, as a block and as a packed file, is the
//   input again;
// - a merge that succeeds leaves an archive that opens.

namespace {

const char* const INPUT = "C:\\fuzz\\input.bin";
const char* const TARGET = "C:\\fuzz\\target.jbf";
const char* const REBUILT = "C:\\fuzz\\rebuilt.jbf";
const std::string OUT = "C:\\fuzz\\out\\";
std::string s_TargetBytes;

// Files by path, matched as Windows matches paths.
typedef std::map<std::string, std::string, MemoryDisk_NoCase> FileMap;

void Check(bool bHolds)
{
    if (!bHolds)
        __builtin_trap();
}

// One manager for every step: its two large buffers made once, not per input.
JC_Quorlin& Manager()
{
    static JC_Quorlin s_Quorlin;
    return s_Quorlin;
}

std::vector<JC_QuorlinNode*> NodesOf(const JC_Quorlin& quorlin, bool bFilesOnly)
{
    std::vector<JC_QuorlinNode*> nodes;
    for (JC_QuorlinNode* pNode = quorlin.GetFirstNode(); pNode != nullptr; pNode = pNode->m_pNext) {
        if (bFilesOnly)
            pNode->CollectFiles(nodes);
        else
            pNode->CollectNodes(nodes);
    }
    return nodes;
}

// The path the tree gives a node, whatever folder path its record stores.
std::string TreePath(const JC_QuorlinNode* pNode)
{
    return pNode->m_pParent != nullptr ? TreePath(pNode->m_pParent) + "\\" + pNode->m_strName : pNode->m_strName;
}

// A file read through the size query and the read of GetFileEx, and again
// through GetFile; false when the reads fail (cleanly).
bool ReadFile(JC_Quorlin& quorlin, const JC_QuorlinNode& node, std::string* pBytes)
{
    const std::string path = TreePath(&node);
    std::uint8_t* pBuffer = nullptr;
    std::uint32_t size = 0;
    if (quorlin.GetFileEx(path.c_str(), &pBuffer, &size) != 0)
        return false;
    const std::uint64_t qwInflatable = static_cast<std::uint64_t>(node.m_dwPackedBytes) * JC_QuorlinPacker::MAX_INFLATE_RATIO;
    Check(size == node.m_dwPlainSize && size <= qwInflatable
          && size <= static_cast<std::uint64_t>(node.m_dwBlockCount) * JC_Quorlin::BLOCK_SIZE);
    std::string bytes(size, '\0');
    std::uint8_t byte = 0;
    pBuffer = size > 0 ? reinterpret_cast<std::uint8_t*>(bytes.data()) : &byte;
    const std::int32_t iResult = quorlin.GetFileEx(path.c_str(), &pBuffer, &size);
    Check(size == node.m_dwPlainSize);

    std::uint8_t* pOwned = nullptr;
    std::uint32_t ownedSize = 0;
    const std::int32_t iOwned = quorlin.GetFile(path.c_str(), &pOwned, &ownedSize);
    Check(iOwned == iResult && ownedSize == size);
    if (iOwned == 0)
        Check(std::string(reinterpret_cast<char*>(pOwned), ownedSize) == bytes);
    quorlin.FreeFile(&pOwned);
    if (iResult != 0)
        return false;
    *pBytes = bytes;
    return true;
}

// Reads every file of an archive; the files that read, by tree path, and
// whether the archive opened.
bool ReadArchive(JC_Quorlin& quorlin, const char* szPath, FileMap* pFiles)
{
    quorlin.ProjectClose();
    if (quorlin.ProjectOpen(szPath) != 0)
        return false;
    for (JC_QuorlinNode* pNode : NodesOf(quorlin, false)) {
        if (pNode->IsFolder()) {
            std::uint8_t* pBuffer = nullptr;
            std::uint32_t size = 0;
            Check(quorlin.GetFileEx((TreePath(pNode) + "\\").c_str(), &pBuffer, &size) == QUORLIN_E_GETFILEEX_NOT_FOUND);
            continue;
        }
        // Of files that share a name in one folder the name reaches one; the
        // others cannot be read by name.
        if (quorlin.FindFileByPath(TreePath(pNode).c_str()) != pNode)
            continue;
        std::string bytes;
        if (ReadFile(quorlin, *pNode, &bytes))
            (*pFiles)[TreePath(pNode)] = bytes;
    }
    return true;
}

// The same files, their paths matched as Windows matches them: a rebuilt
// archive names a folder as the disk first named it.
bool SameFiles(const FileMap& a, const FileMap& b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](const auto& fileA, const auto& fileB) {
               return XF_CompareNoCase(fileA.first, fileB.first) == 0 && fileA.second == fileB.second;
           });
}

// Files that a folder on Windows could hold side by side: no file where a
// folder is, none empty (builders refuse empty files). Names that differ only
// in case are one file already.
bool CanRebuild(const FileMap& files)
{
    std::set<std::string, MemoryDisk_NoCase> folders;
    for (const auto& file : files) {
        if (file.second.empty())
            return false;
        for (size_t at = XF_FindChar(file.first, '\\'); at != std::string::npos; at = XF_FindChar(file.first, '\\', at + 1))
            folders.insert(file.first.substr(0, at));
    }
    for (const std::string& folder : folders) {
        if (files.count(folder) != 0)
            return false;
    }
    return !files.empty();
}

// Extracts an open archive, checks what it wrote against the reads, then
// builds the extracted files into an archive and reads that.
void ExtractAndRebuild(JC_Quorlin& quorlin)
{
    MemoryDisk_LimitWrites(OUT);
    const std::int32_t iResult = quorlin.ExtractNodes(nullptr, OUT.c_str(), nullptr);
    MemoryDisk_LimitWrites("");
    if (iResult != 0)
        return;
    FileMap extracted;
    for (const std::string& path : MemoryDisk_Paths()) {
        if (path.compare(0, OUT.size(), OUT) == 0)
            MemoryDisk_Get(path, &extracted[path.substr(OUT.size())]);
    }
    // Every file node was extracted whole, where its record says (a later
    // node of the same stored path replaces an earlier one).
    FileMap expected;
    for (JC_QuorlinNode* pNode : NodesOf(quorlin, true)) {
        std::string bytes(pNode->m_dwPlainSize, '\0');
        std::uint8_t byte = 0;
        std::uint8_t* pBuffer = bytes.empty() ? &byte : reinterpret_cast<std::uint8_t*>(bytes.data());
        std::uint32_t size = pNode->m_dwPlainSize;
        Check(quorlin.ReadNodeData(pNode, &pBuffer, &size) == 0);
        expected[pNode->GetPath()] = bytes;
    }
    for (const auto& file : expected) {
        const auto found = extracted.find(file.first);
        Check(found != extracted.end() && found->second == file.second);
    }
    if (!CanRebuild(extracted))
        return;
    FuzzFiles files(extracted.begin(), extracted.end());
    const std::string rebuilt = FuzzArchive(files);
    MemoryDisk_Put(REBUILT, rebuilt);
    FileMap reread;
    Check(ReadArchive(quorlin, REBUILT, &reread));
    Check(SameFiles(reread, extracted));
}

void PackAndUnpack(const std::uint8_t* pData, size_t size)
{
    // Made once: large buffers per input would slow the run tenfold.
    static JC_QuorlinPacker packer;
    static std::vector<std::uint8_t> packed(JC_QuorlinPacker::OUTPUT_SIZE);
    static std::vector<std::uint8_t> plain(JC_QuorlinPacker::OUTPUT_SIZE);
    if (size > 0 && size <= JC_QuorlinPacker::BLOCK_SIZE) {
        std::uint32_t packedLength = static_cast<std::uint32_t>(packed.size());
        std::uint32_t deflated = 0;
        std::uint32_t ratio = 0;
        Check(packer.PackInto(pData, static_cast<std::uint32_t>(size), packed.data(), &packedLength, &deflated, 0,
                              &ratio) == 0 && deflated == 1);
        std::uint32_t plainLength = static_cast<std::uint32_t>(size);
        Check(packer.UnpackInto(packed.data(), packedLength, plain.data(), &plainLength) == 0 && plainLength == size
              && std::equal(plain.begin(), plain.begin() + size, pData));
    }
    if (packer.PackFile(INPUT, "C:\\fuzz\\input.pak", nullptr, nullptr, nullptr) == 0) {
        std::string unpacked;
        Check(packer.UnpackFile("C:\\fuzz\\input.pak", "C:\\fuzz\\unpacked.bin") == 0
              && MemoryDisk_Get("C:\\fuzz\\unpacked.bin", &unpacked)
              && unpacked == std::string(reinterpret_cast<const char*>(pData), size));
    }
    // Any bytes as a packed file or a block: a code, never a fault.
    packer.UnpackFile(INPUT, "C:\\fuzz\\plain.bin");
    std::uint32_t length = static_cast<std::uint32_t>(plain.size());
    if (size > 0 && size <= JC_QuorlinPacker::BLOCK_SIZE)
        packer.UnpackInto(pData, static_cast<std::uint32_t>(size), plain.data(), &length);
}

void MergeIntoTarget(bool bAppend)
{
    MemoryDisk_Put(TARGET, s_TargetBytes);
    const std::int32_t iResult =
        bAppend ? Manager().ProjectAppend(INPUT, TARGET) : Manager().ProjectUpdate(INPUT, TARGET);
    FileMap files;
    if (iResult == 0)
        Check(ReadArchive(Manager(), TARGET, &files));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    s_TargetBytes = FuzzArchive({{"Data\\a.txt", "alpha alpha alpha alpha"}, {"Data\\Sub\\b.bin", "\x01\x02\x03"},
                                 {"top.txt", "top"}});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(pData), size);
    MemoryDisk_Clear();
    MemoryDisk_Put(INPUT, input);
    MergeIntoTarget(false);
    MergeIntoTarget(true);
    PackAndUnpack(pData, size);
    // Last: rebuilding empties the memory file system.
    MemoryDisk_Put(INPUT, input);
    FileMap files;
    if (ReadArchive(Manager(), INPUT, &files))
        ExtractAndRebuild(Manager());
    Manager().ProjectClose();
    return 0;
}
