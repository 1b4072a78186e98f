#include "ArchiveLibrary/JC_Quorlin.h"

#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JF_NodeName.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"
#include "GameProgram/Common/XF_Cp950.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const TEMP_SUFFIX = ".Temp";
const unsigned int MAX_EXTRACT_TEMPS = 0x10000;

// A temporary file name in a folder that fits whatever the extracted file's
// name is, is not that name, and names no file there yet; empty when every
// candidate is taken.
std::string FreeExtractTempPath(const std::string& strFolder, const std::string& strName)
{
    for (unsigned int n = 0; n < MAX_EXTRACT_TEMPS; ++n) {
        char szName[32];
        std::snprintf(szName, sizeof(szName), "~jbf%04x%s", n, TEMP_SUFFIX);
        JS_QuorlinDiskEntry entry;
        if (XF_CompareNoCase(szName, strName) != 0 && !JF_FindDiskEntry(strFolder + szName, &entry))
            return strFolder + szName;
    }
    return std::string();
}

} // namespace

void JC_Quorlin::MergeNode(JC_QuorlinNode* pParent, JC_QuorlinNode* pNode, JC_Quorlin& other)
{
    pParent = TopLevelOf(pParent);
    JC_QuorlinNode* pFound = FindChildNode(pParent, pNode->m_strName, pNode->m_dwKind);
    if (pFound == nullptr) {
        other.DetachNode(pNode);
        if (InsertChildNode(pParent, pNode) < 0) {
            delete pNode;
            return;
        }
        // The update may spell the parent's name in another case: the stored
        // paths follow this tree.
        SetSubtreeFolderPath(pNode, FolderPathOf(pParent));
        return;
    }
    if (pNode->IsFolder()) {
        for (JC_QuorlinNode* pChild = pNode->m_pFirstChild; pChild != nullptr;) {
            JC_QuorlinNode* pNext = pChild->m_pNext;
            MergeNode(pFound, pChild, other);
            pChild = pNext;
        }
        return;
    }
    pFound->m_strTime = pNode->m_strTime;
    pFound->m_dwPlainSize = pNode->m_dwPlainSize;
    pFound->m_dwBlockCount = pNode->m_dwBlockCount;
    pFound->m_dwPackedBytes = pNode->m_dwPackedBytes;
    pFound->m_dwStoredBytes = pNode->m_dwStoredBytes;
    pFound->m_dwDataOffset = pNode->m_dwDataOffset;
    pFound->m_dwChanged = 1;
    pFound->m_dwPending = 1;
}

std::int32_t JC_Quorlin::MergeUpdate(const char* szUpdatePath, const char* szTargetPath, JI_ProgressSink& progress,
                                     std::vector<JC_QuorlinNode*>* pFiles)
{
    ProjectClose();
    JC_Quorlin update;
    std::int32_t iResult = update.ProjectOpen(szUpdatePath);
    if (iResult != 0)
        return iResult;
    iResult = ProjectOpen(szTargetPath);
    if (iResult != 0)
        return iResult;
    // Pending marks the nodes whose data lies in the update.
    for (JC_QuorlinNode* pNode : update.CollectAllNodes())
        pNode->m_dwPending = 1;
    for (JC_QuorlinNode* pNode = update.GetFirstNode(); pNode != nullptr;) {
        JC_QuorlinNode* pNext = pNode->m_pNext;
        MergeNode(nullptr, pNode, update);
        pNode = pNext;
    }
    *pFiles = CollectAllFiles();
    progress.BeginProgress();
    progress.SetNodeCount(static_cast<std::uint32_t>(pFiles->size()));
    return 0;
}

std::int32_t JC_Quorlin::CopyPendingFiles(const std::vector<JC_QuorlinNode*>& files, JC_QuorlinFile& target,
                                          JC_QuorlinFile& update, JC_QuorlinFile* pOldTarget,
                                          JI_ProgressSink& progress)
{
    for (size_t i = 0; i < files.size(); ++i) {
        JC_QuorlinNode* pNode = files[i];
        std::int32_t iResult = 0;
        if (pNode->m_dwPending != 0) {
            iResult = CopyNodeData(pNode, target, update, &progress);
            pNode->m_dwPending = 0;
        } else if (pOldTarget != nullptr) {
            iResult = CopyNodeData(pNode, target, *pOldTarget, &progress);
        }
        if (iResult != 0)
            return iResult;
        progress.SetNodeIndex(static_cast<std::uint32_t>(i + 1));
    }
    return 0;
}

std::int32_t JC_Quorlin::UpdateProject(const char* szUpdatePath, const char* szTargetPath,
                                       JI_ProgressSink* pProgress)
{
    JI_ProgressSink& progress = ProgressOf(pProgress);
    std::vector<JC_QuorlinNode*> files;
    std::int32_t iResult = MergeUpdate(szUpdatePath, szTargetPath, progress, &files);
    if (iResult != 0) {
        ProjectClose();
        return iResult;
    }
    const std::string strTarget = szTargetPath;
    const std::string strTemp = strTarget + TEMP_SUFFIX;
    JC_QuorlinFile temp;
    JC_QuorlinFile update;
    JC_QuorlinFile target;
    if (!temp.Open(strTemp, JC_QuorlinFile::MODE_CREATE))
        iResult = QUORLIN_E_UPDATE_TEMP;
    else if (!update.Open(szUpdatePath, JC_QuorlinFile::MODE_READ))
        iResult = QUORLIN_E_UPDATE_SOURCE;
    else if (!target.Open(strTarget, JC_QuorlinFile::MODE_READ))
        iResult = QUORLIN_E_UPDATE_TARGET;
    else
        iResult = CopyPendingFiles(files, temp, update, &target, progress);
    update.Close();
    target.Close();
    if (iResult == 0)
        iResult = WriteTableAndTrailer(temp);
    const bool bTempOpen = temp.IsOpen();
    temp.Close();
    // The rewritten archive replaces the target in one step; until then the
    // target stays as it was.
    if (iResult == 0 && !JF_ReplaceFile(strTemp, strTarget))
        iResult = QUORLIN_E_UPDATE_TEMP;
    if (iResult != 0 && bTempOpen)
        JF_DeleteFile(strTemp);
    ProjectClose();
    return iResult;
}

std::int32_t JC_Quorlin::AppendProject(const char* szUpdatePath, const char* szTargetPath,
                                       JI_ProgressSink* pProgress)
{
    JI_ProgressSink& progress = ProgressOf(pProgress);
    std::vector<JC_QuorlinNode*> files;
    std::int32_t iResult = MergeUpdate(szUpdatePath, szTargetPath, progress, &files);
    if (iResult != 0) {
        ProjectClose();
        return iResult;
    }
    JC_QuorlinFile update;
    JC_QuorlinFile target;
    std::uint64_t qwOldLength = 0;
    if (!update.Open(szUpdatePath, JC_QuorlinFile::MODE_READ)) {
        ProjectClose();
        return QUORLIN_E_APPEND_SOURCE;
    }
    if (!target.Open(szTargetPath, JC_QuorlinFile::MODE_READWRITE) || !target.GetLength(&qwOldLength)) {
        ProjectClose();
        return QUORLIN_E_APPEND_TARGET;
    }
    iResult = CopyPendingFiles(files, target, update, nullptr, progress);
    update.Close();
    if (iResult == 0)
        iResult = WriteTableAndTrailer(target);
    // Cut back to the old length, which ends with the old trailer.
    if (iResult != 0)
        target.SetLength(qwOldLength);
    target.Close();
    ProjectClose();
    return iResult;
}

std::vector<JC_QuorlinNode*> JC_Quorlin::CollectExtractNodes(const std::vector<JC_QuorlinNode*>* pNodes) const
{
    if (pNodes == nullptr)
        return CollectAllNodes();
    std::vector<JC_QuorlinNode*> nodes;
    if (pNodes->empty() || pNodes->front() == nullptr)
        return nodes;
    // The folders above the first node come first, outermost first.
    for (JC_QuorlinNode* pAncestor = pNodes->front()->m_pParent; pAncestor != nullptr;
         pAncestor = pAncestor->m_pParent)
        nodes.push_back(pAncestor);
    std::reverse(nodes.begin(), nodes.end());
    for (JC_QuorlinNode* pNode : *pNodes) {
        if (pNode != nullptr)
            pNode->CollectNodes(nodes);
    }
    return nodes;
}

bool JC_Quorlin::IsSafeToExtract(const JC_QuorlinNode& node)
{
    if (JF_IsSafeNodeName(node.m_strName) && JF_IsSafeFolderPath(node.m_strFolderPath))
        return true;
    char szText[1024];
    std::snprintf(szText, sizeof(szText), "節點錯誤: %s%s (名稱或路徑不安全)", node.m_strFolderPath.c_str(),
                  node.m_strName.c_str());
    m_Messages.push_back(szText);
    JF_DebugMessage(std::string("Quorlin: unsafe node refused: ") + node.GetPath());
    return false;
}

std::int32_t JC_Quorlin::ExtractNodes(const std::vector<JC_QuorlinNode*>* pNodes, const char* szFolder,
                                      JI_ProgressSink* pProgress)
{
    if (m_dwOpen == 0)
        return QUORLIN_E_EXTRACT_CLOSED;
    if (pNodes != nullptr && pNodes->empty())
        return 0;
    JI_ProgressSink& progress = ProgressOf(pProgress);
    const std::vector<JC_QuorlinNode*> nodes = CollectExtractNodes(pNodes);
    progress.BeginProgress();
    progress.SetNodeCount(static_cast<std::uint32_t>(nodes.size()));
    JC_QuorlinFile archive;
    if (!archive.Open(m_strArchivePath, JC_QuorlinFile::MODE_READ))
        return QUORLIN_E_EXTRACT_OPEN;

    m_Messages.clear();
    const std::string strFolder = szFolder != nullptr ? szFolder : "";
    bool bWarnings = pProgress != nullptr;
    bool bRefused = false;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const JC_QuorlinNode* pNode = nodes[i];
        progress.SetProgressText(pNode->m_strName.c_str());
        if (pNode->m_dwPending != 0) {
            // Added from disk and not saved yet: there is nothing to extract.
            if (bWarnings) {
                char szText[1024];
                std::snprintf(szText, sizeof(szText), "發現輸入的節點是新增的\n節點路徑:%s\n節點名稱:%s\n\n要持續提出警告嗎?",
                              pNode->m_strFolderPath.c_str(), pNode->m_strName.c_str());
                bWarnings = JF_AskWarning("解開檔案", szText);
            }
        } else if (!IsSafeToExtract(*pNode)) {
            bRefused = true;
        } else {
            const std::int32_t iResult =
                ExtractNode(nodes[i], strFolder + pNode->m_strFolderPath, archive, pProgress);
            if (iResult != 0)
                return iResult;
        }
        progress.SetNodeIndex(static_cast<std::uint32_t>(i + 1));
    }
    return bRefused ? QUORLIN_E_EXTRACT_UNSAFE : 0;
}

std::int32_t JC_Quorlin::ExtractNode(JC_QuorlinNode* pNode, const std::string& strFolder, JC_QuorlinFile& archive,
                                     JI_ProgressSink* pProgress)
{
    const std::string strPath = strFolder + pNode->m_strName;
    if (pNode->IsFolder()) {
        JF_CreateFolder(strPath);
        return 0;
    }
    if (m_Trailer.dwVersion != JS_QuorlinTrailer::VERSION)
        return QUORLIN_E_EXTRACT_VERSION;
    JS_BlockTable table;
    if (!ReadBlockTable(archive, *pNode, &table))
        return QUORLIN_E_EXTRACT_DAMAGED;
    const std::string strTemp = FreeExtractTempPath(strFolder, pNode->m_strName);
    JC_QuorlinFile file;
    if (strTemp.empty() || !file.Open(strTemp, JC_QuorlinFile::MODE_CREATE))
        return QUORLIN_E_EXTRACT_CREATE;

    JI_ProgressSink& progress = ProgressOf(pProgress);
    progress.SetByteRange(pNode->m_dwPlainSize);
    std::int32_t iResult = 0;
    std::uint64_t qwDone = 0;
    for (std::uint32_t i = 0; i < pNode->m_dwBlockCount && iResult == 0; ++i) {
        const std::uint8_t* pPlain = nullptr;
        std::uint32_t dwLength = 0;
        std::int32_t iPackerCode = 0;
        const JE_BlockRead result = ReadBlock(archive, *pNode, table, i, &pPlain, &dwLength, &iPackerCode);
        if (result == BLOCK_INFLATE_FAILED)
            iResult = QUORLIN_E_EXTRACT_INFLATE;
        else if (result == BLOCK_DAMAGED)
            iResult = QUORLIN_E_EXTRACT_DAMAGED;
        else if (!file.Write(pPlain, dwLength))
            iResult = QUORLIN_E_EXTRACT_CREATE;
        qwDone += dwLength;
        progress.SetBytePosition(qwDone);
    }
    if (iResult == 0 && !file.Flush())
        iResult = QUORLIN_E_EXTRACT_CREATE;
    file.Close();
    if (iResult == 0 && !JF_ReplaceFile(strTemp, strPath))
        iResult = QUORLIN_E_EXTRACT_CREATE;
    if (iResult != 0)
        JF_DeleteFile(strTemp);
    return iResult;
}
