#include "ArchiveLibrary/JC_Quorlin.h"

#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JF_LittleEndian.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"
#include "GameProgram/Common/XF_Cp950.h"

#include <algorithm>
#include <cstdio>

namespace {

const std::uint64_t MAX_DATA_OFFSET = 0xFFFFFFFFu;
// The largest file a node can hold: 4096 blocks of 512 KiB.
const std::uint32_t MAX_FILE_MEGABYTES = 2047;
const char* const TEMP_SUFFIX = ".Temp";

// The disk folder (with its backslash) and the name of a disk path.
void SplitDiskPath(const std::string& strPath, std::string* pFolder, std::string* pName)
{
    const size_t separator = XF_FindLastChar(strPath, '\\');
    if (separator == std::string::npos) {
        pFolder->clear();
        *pName = strPath;
        return;
    }
    *pFolder = strPath.substr(0, separator + 1);
    *pName = strPath.substr(separator + 1);
}

std::string NodeMessage(const char* szFormat, const JC_QuorlinNode& node)
{
    char szText[1024];
    std::snprintf(szText, sizeof(szText), szFormat, node.m_strFolderPath.c_str(), node.m_strName.c_str(),
                  MAX_FILE_MEGABYTES);
    return szText;
}

void PutBlockTable(std::vector<std::uint8_t>* pBytes, const std::vector<std::uint32_t>& sizes,
                   const std::vector<std::uint32_t>& flags)
{
    pBytes->resize(sizes.size() * 8);
    for (size_t i = 0; i < sizes.size(); ++i) {
        JF_PutU32(&(*pBytes)[i * 4], sizes[i]);
        JF_PutU32(&(*pBytes)[(sizes.size() + i) * 4], flags[i]);
    }
}

} // namespace

JI_ProgressSink& JC_Quorlin::ProgressOf(JI_ProgressSink* pProgress)
{
    static JI_ProgressSink s_NoProgress;
    return pProgress != nullptr ? *pProgress : s_NoProgress;
}

std::string JC_Quorlin::FolderPathOf(const JC_QuorlinNode* pParent)
{
    if (pParent == nullptr)
        return std::string();
    return pParent->m_strFolderPath + pParent->m_strName + "\\";
}

void JC_Quorlin::SetSubtreeFolderPath(JC_QuorlinNode* pNode, const std::string& strFolderPath)
{
    pNode->m_strFolderPath = strFolderPath;
    const std::string strChildPath = FolderPathOf(pNode);
    for (JC_QuorlinNode* pChild = pNode->m_pFirstChild; pChild != nullptr; pChild = pChild->m_pNext)
        SetSubtreeFolderPath(pChild, strChildPath);
}

std::int32_t JC_Quorlin::TestPath(const char* szPath, JC_QuorlinNode* pParent)
{
    if (szPath == nullptr)
        return QUORLIN_E_TESTPATH_NULL;
    if (*szPath == '\0')
        return QUORLIN_E_TESTPATH_EMPTY;
    JS_QuorlinDiskEntry entry;
    if (!JF_FindDiskEntry(szPath, &entry))
        return QUORLIN_E_TESTPATH_MISSING;
    return ScanFolder(szPath, pParent, entry);
}

std::int32_t JC_Quorlin::TestPathEx(const char* szPath, JC_QuorlinNode* pParent)
{
    if (szPath == nullptr)
        return QUORLIN_E_TESTPATHEX_NULL;
    if (*szPath == '\0')
        return QUORLIN_E_TESTPATHEX_EMPTY;
    JS_QuorlinDiskEntry entry;
    if (!JF_FindDiskEntry(szPath, &entry))
        return QUORLIN_E_TESTPATHEX_MISSING;
    return ScanFolderEx(szPath, pParent, entry);
}

std::int32_t JC_Quorlin::ScanFolder(const char* szPath, JC_QuorlinNode* pParent, const JS_QuorlinDiskEntry& entry)
{
    pParent = TopLevelOf(pParent);
    std::string strDiskFolder;
    std::string strDiskName;
    SplitDiskPath(szPath, &strDiskFolder, &strDiskName);
    if (strDiskName.empty())
        return QUORLIN_E_SCAN_NAME;

    JC_QuorlinNode* pNode = new JC_QuorlinNode;
    pNode->SetFindData(entry);
    pNode->m_strFolderPath = FolderPathOf(pParent);
    MarkFromDisk(pNode, strDiskFolder, strDiskName);
    if (InsertChildNode(pParent, pNode) < 0) {
        delete pNode;
        return QUORLIN_E_SCAN_EXISTS;
    }
    if (!pNode->IsFolder())
        return 0;
    std::vector<JS_QuorlinDiskEntry> entries;
    JF_ListDiskFolder(szPath, &entries);
    for (const JS_QuorlinDiskEntry& child : entries)
        ScanFolder((std::string(szPath) + "\\" + child.strName).c_str(), pNode, child);
    return 0;
}

std::int32_t JC_Quorlin::ScanFolderEx(const char* szPath, JC_QuorlinNode* pParent, const JS_QuorlinDiskEntry& entry)
{
    pParent = TopLevelOf(pParent);
    std::string strDiskFolder;
    std::string strDiskName;
    SplitDiskPath(szPath, &strDiskFolder, &strDiskName);
    if (strDiskName.empty())
        return QUORLIN_E_SCANEX_NAME;

    const std::uint32_t dwKind =
        (entry.dwAttributes & JM_ATTRIBUTE_FOLDER) != 0 ? JC_QuorlinNode::KIND_FOLDER : JC_QuorlinNode::KIND_FILE;
    JC_QuorlinNode* pNode = FindChildNode(pParent, entry.strName, dwKind);
    if (pNode != nullptr) {
        pNode->SetFindData(entry);
        // The name may have changed case: the paths below follow it.
        SetSubtreeFolderPath(pNode, pNode->m_strFolderPath);
        if (!pNode->IsFolder())
            MarkFromDisk(pNode, strDiskFolder, strDiskName);
    } else {
        pNode = new JC_QuorlinNode;
        pNode->SetFindData(entry);
        pNode->m_strFolderPath = FolderPathOf(pParent);
        MarkFromDisk(pNode, strDiskFolder, strDiskName);
        if (InsertChildNode(pParent, pNode) < 0) {
            delete pNode;
            return QUORLIN_E_SCANEX_INSERT;
        }
    }
    if (!pNode->IsFolder())
        return 0;
    std::vector<JS_QuorlinDiskEntry> entries;
    JF_ListDiskFolder(szPath, &entries);
    for (const JS_QuorlinDiskEntry& child : entries)
        ScanFolderEx((std::string(szPath) + "\\" + child.strName).c_str(), pNode, child);
    return 0;
}

void JC_Quorlin::MarkFromDisk(JC_QuorlinNode* pNode, const std::string& strDiskFolder, const std::string& strDiskName)
{
    pNode->m_dwChanged = 1;
    pNode->m_dwPending = 1;
    pNode->SetDiskFolder(strDiskFolder);
    pNode->SetDiskName(strDiskName);
}

std::int32_t JC_Quorlin::CheckNodeFiles(const std::vector<JC_QuorlinNode*>& files, std::vector<std::string>& messages)
{
    messages.clear();
    for (const JC_QuorlinNode* pNode : files) {
        if (pNode->m_dwPlainSize == 0)
            messages.push_back(NodeMessage("節點錯誤: %s%s (檔案是空的)", *pNode));
        else if ((pNode->m_dwPlainSize & 0x80000000u) != 0)
            messages.push_back(NodeMessage("節點錯誤: %s%s (檔案過大 超過 %dM)", *pNode));
    }
    return messages.empty() ? 0 : QUORLIN_E_CHECK_MESSAGES;
}

std::int32_t JC_Quorlin::PackNodeFile(JC_QuorlinNode* pNode, JC_QuorlinFile& archive, JC_QuorlinFile& disk,
                                      JI_ProgressSink* pProgress)
{
    JI_ProgressSink& progress = ProgressOf(pProgress);
    std::uint64_t qwStart = 0;
    if (!disk.Seek(0) || !archive.SeekToEnd(&qwStart))
        return QUORLIN_E_PACK_WRITE;
    const std::uint32_t dwPlainSize = pNode->m_dwPlainSize;
    if (qwStart > MAX_DATA_OFFSET || (static_cast<std::uint64_t>(dwPlainSize) + BLOCK_SIZE - 1) / BLOCK_SIZE > MAX_BLOCKS)
        return QUORLIN_E_PACK_TOO_LARGE;
    progress.SetByteRange(dwPlainSize);

    std::vector<std::uint32_t> sizes;
    std::vector<std::uint32_t> flags;
    std::uint64_t qwPacked = 0;
    std::int32_t iResult = 0;
    for (std::uint32_t dwDone = 0; dwDone < dwPlainSize && iResult == 0;) {
        const std::uint32_t dwPiece = std::min(BLOCK_SIZE, dwPlainSize - dwDone);
        // A disk file that shrank since it was scanned ends the packing.
        if (!disk.ReadExactly(m_pReadBuffer.get(), dwPiece)) {
            iResult = QUORLIN_E_PACK_SHORT;
            break;
        }
        std::uint32_t dwStored = OUTPUT_SIZE;
        std::uint32_t dwDeflated = 0;
        if (m_Packer.PackInto(m_pReadBuffer.get(), dwPiece, m_pOutputBuffer.get(), &dwStored, &dwDeflated,
                              ARCHIVE_THRESHOLD, nullptr) != 0 || dwDeflated == 0) {
            dwDeflated = 0;
            dwStored = dwPiece;
        }
        if (!archive.Write(dwDeflated != 0 ? m_pOutputBuffer.get() : m_pReadBuffer.get(), dwStored))
            iResult = QUORLIN_E_PACK_WRITE;
        sizes.push_back(dwStored);
        flags.push_back(dwDeflated);
        qwPacked += dwStored;
        dwDone += dwPiece;
        progress.SetBytePosition(dwDone);
    }
    std::vector<std::uint8_t> table;
    PutBlockTable(&table, sizes, flags);
    std::uint64_t qwEnd = 0;
    if (iResult == 0 && (!archive.Write(table.data(), static_cast<std::uint32_t>(table.size()))
                         || !archive.GetPosition(&qwEnd)))
        iResult = QUORLIN_E_PACK_WRITE;
    if (iResult == 0 && qwEnd > MAX_DATA_OFFSET)
        iResult = QUORLIN_E_PACK_TOO_LARGE;
    if (iResult != 0) {
        std::uint64_t qwIgnored = 0;
        archive.SetLength(qwStart);
        archive.SeekToEnd(&qwIgnored);
        return iResult;
    }
    pNode->m_dwDataOffset = static_cast<std::uint32_t>(qwStart);
    pNode->m_dwBlockCount = static_cast<std::uint32_t>(sizes.size());
    pNode->m_dwPackedBytes = static_cast<std::uint32_t>(qwPacked);
    pNode->m_dwStoredBytes = static_cast<std::uint32_t>(qwEnd - qwStart);
    archive.Seek(qwStart);
    return 0;
}

std::int32_t JC_Quorlin::CopyNodeData(JC_QuorlinNode* pNode, JC_QuorlinFile& target, JC_QuorlinFile& source,
                                      JI_ProgressSink* pProgress)
{
    JI_ProgressSink& progress = ProgressOf(pProgress);
    std::uint64_t qwPosition = 0;
    if (!source.Seek(pNode->m_dwDataOffset))
        return QUORLIN_E_COPY_READ;
    if (!target.SeekToEnd(&qwPosition))
        return QUORLIN_E_COPY_WRITE;
    if (qwPosition + pNode->m_dwStoredBytes > MAX_DATA_OFFSET)
        return QUORLIN_E_COPY_TOO_LARGE;
    progress.SetByteRange(pNode->m_dwStoredBytes);
    for (std::uint32_t dwDone = 0; dwDone < pNode->m_dwStoredBytes;) {
        const std::uint32_t dwPiece = std::min(BLOCK_SIZE, pNode->m_dwStoredBytes - dwDone);
        if (!source.ReadExactly(m_pReadBuffer.get(), dwPiece))
            return QUORLIN_E_COPY_READ;
        if (!target.Write(m_pReadBuffer.get(), dwPiece))
            return QUORLIN_E_COPY_WRITE;
        dwDone += dwPiece;
        progress.SetBytePosition(dwDone);
    }
    pNode->m_dwPrevDataOffset = pNode->m_dwDataOffset;
    pNode->m_dwDataOffset = static_cast<std::uint32_t>(qwPosition);
    return 0;
}

std::vector<JC_QuorlinNode*> JC_Quorlin::CollectAllFiles() const
{
    std::vector<JC_QuorlinNode*> files;
    for (JC_QuorlinNode* pNode = m_pFirstNode; pNode != nullptr; pNode = pNode->m_pNext)
        pNode->CollectFiles(files);
    return files;
}

std::vector<JC_QuorlinNode*> JC_Quorlin::CollectAllNodes() const
{
    std::vector<JC_QuorlinNode*> nodes;
    for (JC_QuorlinNode* pNode = m_pFirstNode; pNode != nullptr; pNode = pNode->m_pNext)
        pNode->CollectNodes(nodes);
    return nodes;
}

void JC_Quorlin::ClearPendingFlags()
{
    for (JC_QuorlinNode* pNode : CollectAllNodes())
        pNode->m_dwPending = 0;
}

std::vector<JC_Quorlin::JS_NodeData> JC_Quorlin::SaveNodeData(const std::vector<JC_QuorlinNode*>& nodes)
{
    std::vector<JS_NodeData> saved;
    saved.reserve(nodes.size());
    for (JC_QuorlinNode* pNode : nodes) {
        saved.push_back({pNode, pNode->m_dwBlockCount, pNode->m_dwPackedBytes, pNode->m_dwStoredBytes,
                         pNode->m_dwDataOffset, pNode->m_dwPrevDataOffset, pNode->m_dwPending,
                         pNode->m_dwChanged});
    }
    return saved;
}

void JC_Quorlin::RestoreNodeData(const std::vector<JS_NodeData>& saved)
{
    for (const JS_NodeData& data : saved) {
        JC_QuorlinNode* pNode = data.pNode;
        pNode->m_dwBlockCount = data.dwBlockCount;
        pNode->m_dwPackedBytes = data.dwPackedBytes;
        pNode->m_dwStoredBytes = data.dwStoredBytes;
        pNode->m_dwDataOffset = data.dwDataOffset;
        pNode->m_dwPrevDataOffset = data.dwPrevDataOffset;
        pNode->m_dwPending = data.dwPending;
        pNode->m_dwChanged = data.dwChanged;
    }
}

std::int32_t JC_Quorlin::CheckBeforeBuild(const char* szTarget, JI_ProgressSink& progress,
                                          std::vector<JC_QuorlinNode*>* pFiles)
{
    m_strTargetPath = szTarget != nullptr ? szTarget : "";
    *pFiles = CollectAllFiles();
    const std::int32_t iResult = CheckNodeFiles(*pFiles, m_Messages);
    if (iResult != 0)
        return iResult;
    progress.BeginProgress();
    progress.SetNodeCount(static_cast<std::uint32_t>(pFiles->size()));
    return 0;
}

std::int32_t JC_Quorlin::PackFromDisk(JC_QuorlinNode* pNode, JC_QuorlinFile& archive, JI_ProgressSink& progress,
                                      std::int32_t iEmptyCode, std::int32_t iDiskCode)
{
    if (pNode->m_dwPlainSize == 0)
        return iEmptyCode;
    // The disk folder ends with its backslash.
    JC_QuorlinFile disk;
    if (!disk.Open(pNode->m_strDiskFolder + pNode->m_strDiskName, JC_QuorlinFile::MODE_READ))
        return iDiskCode;
    return PackNodeFile(pNode, archive, disk, &progress);
}

std::int32_t JC_Quorlin::BuildFromFolder(const char* szTarget, JI_ProgressSink* pProgress)
{
    JI_ProgressSink& progress = ProgressOf(pProgress);
    std::vector<JC_QuorlinNode*> files;
    const std::int32_t iResult = CheckBeforeBuild(szTarget, progress, &files);
    if (iResult != 0)
        return iResult;
    if (m_dwOpen != 0)
        return Rebuild(m_strTargetPath, files, progress);
    return BuildNew(m_strTargetPath, files, progress);
}

std::int32_t JC_Quorlin::BuildNew(const std::string& strTarget, const std::vector<JC_QuorlinNode*>& files,
                                  JI_ProgressSink& progress)
{
    if (strTarget.empty())
        return QUORLIN_E_BUILD_NO_TARGET;
    const std::string strTemp = strTarget + TEMP_SUFFIX;
    JC_QuorlinFile target;
    if (!target.Open(strTemp, JC_QuorlinFile::MODE_CREATE))
        return QUORLIN_E_BUILD_CREATE;

    const std::vector<JS_NodeData> saved = SaveNodeData(CollectAllNodes());
    std::int32_t iResult = 0;
    for (size_t i = 0; i < files.size() && iResult == 0; ++i) {
        JC_QuorlinNode* pNode = files[i];
        progress.SetProgressText(pNode->m_strName.c_str());
        if (pNode->m_dwPending == 0)
            iResult = QUORLIN_E_BUILD_NO_SOURCE;
        else
            iResult = PackFromDisk(pNode, target, progress, QUORLIN_E_BUILD_EMPTY, QUORLIN_E_BUILD_DISK);
        progress.SetNodeIndex(static_cast<std::uint32_t>(i + 1));
    }
    if (iResult == 0)
        iResult = FinishArchive(target, strTemp, strTarget, QUORLIN_E_BUILD_CREATE);
    if (iResult != 0) {
        target.Close();
        JF_DeleteFile(strTemp);
        RestoreNodeData(saved);
        return iResult;
    }
    m_dwOpen = 1;
    m_strArchivePath = strTarget;
    return 0;
}

std::int32_t JC_Quorlin::Rebuild(const std::string& strTarget, const std::vector<JC_QuorlinNode*>& files,
                                 JI_ProgressSink& progress)
{
    if (XF_CompareNoCase(strTarget, m_strArchivePath) == 0)
        return QUORLIN_E_REBUILD_SAME;
    // Without a target the archive itself is rebuilt and replaced.
    const std::string strFinal = strTarget.empty() ? m_strArchivePath : strTarget;
    const std::string strTemp = strFinal + TEMP_SUFFIX;
    JC_QuorlinFile target;
    if (!target.Open(strTemp, JC_QuorlinFile::MODE_CREATE))
        return QUORLIN_E_REBUILD_CREATE;
    JC_QuorlinFile archive;
    if (!archive.Open(m_strArchivePath, JC_QuorlinFile::MODE_READ)) {
        target.Close();
        JF_DeleteFile(strTemp);
        return QUORLIN_E_REBUILD_ARCHIVE;
    }

    const std::vector<JS_NodeData> saved = SaveNodeData(CollectAllNodes());
    std::int32_t iResult = 0;
    for (size_t i = 0; i < files.size() && iResult == 0; ++i) {
        JC_QuorlinNode* pNode = files[i];
        progress.SetProgressText(pNode->m_strName.c_str());
        if (pNode->m_dwPending != 0)
            iResult = PackFromDisk(pNode, target, progress, QUORLIN_E_REBUILD_EMPTY, QUORLIN_E_REBUILD_DISK);
        else
            iResult = CopyNodeData(pNode, target, archive, &progress);
        progress.SetNodeIndex(static_cast<std::uint32_t>(i + 1));
    }
    archive.Close();
    if (iResult == 0)
        iResult = FinishArchive(target, strTemp, strFinal, QUORLIN_E_REBUILD_CREATE);
    if (iResult != 0) {
        target.Close();
        JF_DeleteFile(strTemp);
        RestoreNodeData(saved);
        return iResult;
    }
    m_strArchivePath = strFinal;
    return 0;
}

// Writes the table and the trailer into the finished temporary file and moves
// it over the target. Every node's data is in the file now, so no node is
// pending any more; a caller whose finish fails restores the flags.
std::int32_t JC_Quorlin::FinishArchive(JC_QuorlinFile& file, const std::string& strTemp,
                                       const std::string& strTarget, std::int32_t iReplaceCode)
{
    ClearPendingFlags();
    std::int32_t iResult = WriteTableAndTrailer(file);
    file.Close();
    if (iResult == 0 && !JF_ReplaceFile(strTemp, strTarget))
        iResult = iReplaceCode;
    return iResult;
}

std::int32_t JC_Quorlin::SaveProject(const char* szTarget, JI_ProgressSink* pProgress)
{
    const std::string strTarget = szTarget != nullptr ? szTarget : "";
    if (m_dwOpen == 0 || XF_CompareNoCase(strTarget, m_strArchivePath) != 0)
        return BuildFromFolder(szTarget, pProgress);

    JI_ProgressSink& progress = ProgressOf(pProgress);
    std::vector<JC_QuorlinNode*> files;
    std::int32_t iResult = CheckBeforeBuild(szTarget, progress, &files);
    if (iResult != 0)
        return iResult;
    JC_QuorlinFile archive;
    std::uint64_t qwOldLength = 0;
    if (!archive.Open(m_strArchivePath, JC_QuorlinFile::MODE_READWRITE) || !archive.GetLength(&qwOldLength))
        return QUORLIN_E_SAVE_OPEN;

    // New data goes after the old trailer; on failure the file is cut back
    // to its old length, which ends with the old trailer again.
    const std::vector<JS_NodeData> saved = SaveNodeData(CollectAllNodes());
    for (size_t i = 0; i < files.size() && iResult == 0; ++i) {
        JC_QuorlinNode* pNode = files[i];
        progress.SetProgressText(pNode->m_strName.c_str());
        if (pNode->m_dwPending != 0)
            iResult = PackFromDisk(pNode, archive, progress, QUORLIN_E_SAVE_EMPTY, QUORLIN_E_SAVE_DISK);
        progress.SetNodeIndex(static_cast<std::uint32_t>(i + 1));
    }
    if (iResult == 0) {
        ClearPendingFlags();
        iResult = WriteTableAndTrailer(archive);
    }
    if (iResult != 0) {
        archive.SetLength(qwOldLength);
        RestoreNodeData(saved);
    }
    return iResult;
}
