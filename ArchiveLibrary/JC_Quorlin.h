#pragma once

#include "ArchiveLibrary/JC_QuorlinNode.h"
#include "ArchiveLibrary/JC_QuorlinPacker.h"
#include "ArchiveLibrary/JI_ProgressSink.h"
#include "ArchiveLibrary/JI_Quorlin.h"
#include "ArchiveLibrary/JS_QuorlinTrailer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class JC_QuorlinFile;
class JC_QuorlinStream;
struct JS_QuorlinDiskEntry;

// Reading a file node.
inline constexpr std::int32_t QUORLIN_E_READ_FOLDER = QuorlinCode(0x87460201);
inline constexpr std::int32_t QUORLIN_E_READ_BUFFER = QuorlinCode(0x87460202);
inline constexpr std::int32_t QUORLIN_E_READ_SMALL = QuorlinCode(0x87460203);
inline constexpr std::int32_t QUORLIN_E_READ_OPEN = QuorlinCode(0x87460204);
inline constexpr std::int32_t QUORLIN_E_READ_VERSION = QuorlinCode(0x87460205);
inline constexpr std::int32_t QUORLIN_E_READ_DAMAGED = QuorlinCode(0x87460206);
// Adding disk files and folders.
inline constexpr std::int32_t QUORLIN_E_TESTPATH_NULL = QuorlinCode(0x87460011);
inline constexpr std::int32_t QUORLIN_E_TESTPATH_EMPTY = QuorlinCode(0x87460012);
inline constexpr std::int32_t QUORLIN_E_TESTPATH_MISSING = QuorlinCode(0x87460013);
inline constexpr std::int32_t QUORLIN_E_SCAN_NAME = QuorlinCode(0x87460014);
inline constexpr std::int32_t QUORLIN_E_SCAN_EXISTS = QuorlinCode(0x87460015);
inline constexpr std::int32_t QUORLIN_E_TESTPATHEX_NULL = QuorlinCode(0x87460021);
inline constexpr std::int32_t QUORLIN_E_TESTPATHEX_EMPTY = QuorlinCode(0x87460022);
inline constexpr std::int32_t QUORLIN_E_TESTPATHEX_MISSING = QuorlinCode(0x87460023);
inline constexpr std::int32_t QUORLIN_E_SCANEX_NAME = QuorlinCode(0x87460024);
inline constexpr std::int32_t QUORLIN_E_SCANEX_INSERT = QuorlinCode(0x87460025);
// Building and saving.
inline constexpr std::int32_t QUORLIN_E_BUILD_NO_TARGET = QuorlinCode(0x87460041);
inline constexpr std::int32_t QUORLIN_E_BUILD_CREATE = QuorlinCode(0x87460042);
inline constexpr std::int32_t QUORLIN_E_BUILD_NO_SOURCE = QuorlinCode(0x87460043);
inline constexpr std::int32_t QUORLIN_E_BUILD_EMPTY = QuorlinCode(0x87460044);
inline constexpr std::int32_t QUORLIN_E_BUILD_DISK = QuorlinCode(0x87460045);
inline constexpr std::int32_t QUORLIN_E_REBUILD_SAME = QuorlinCode(0x87460046);
inline constexpr std::int32_t QUORLIN_E_REBUILD_CREATE = QuorlinCode(0x87460047);
inline constexpr std::int32_t QUORLIN_E_REBUILD_ARCHIVE = QuorlinCode(0x87460048);
inline constexpr std::int32_t QUORLIN_E_REBUILD_EMPTY = QuorlinCode(0x87460049);
inline constexpr std::int32_t QUORLIN_E_REBUILD_DISK = QuorlinCode(0x87460050);
inline constexpr std::int32_t QUORLIN_E_SAVE_OPEN = QuorlinCode(0x87460061);
inline constexpr std::int32_t QUORLIN_E_SAVE_EMPTY = QuorlinCode(0x87460062);
inline constexpr std::int32_t QUORLIN_E_SAVE_DISK = QuorlinCode(0x87460063);
inline constexpr std::int32_t QUORLIN_E_CHECK_MESSAGES = QuorlinCode(0x87460301);
inline constexpr std::int32_t QUORLIN_E_PACK_SHORT = QuorlinCode(0x87460311);
inline constexpr std::int32_t QUORLIN_E_PACK_WRITE = QuorlinCode(0x87460312);
inline constexpr std::int32_t QUORLIN_E_PACK_TOO_LARGE = QuorlinCode(0x87460313);
inline constexpr std::int32_t QUORLIN_E_COPY_READ = QuorlinCode(0x87460321);
inline constexpr std::int32_t QUORLIN_E_COPY_WRITE = QuorlinCode(0x87460322);
inline constexpr std::int32_t QUORLIN_E_COPY_TOO_LARGE = QuorlinCode(0x87460323);
inline constexpr std::int32_t QUORLIN_E_TABLE_WRITE = QuorlinCode(0x87460331);
// Merging and extracting.
inline constexpr std::int32_t QUORLIN_E_UPDATE_TEMP = QuorlinCode(0x87460101);
inline constexpr std::int32_t QUORLIN_E_UPDATE_SOURCE = QuorlinCode(0x87460102);
inline constexpr std::int32_t QUORLIN_E_UPDATE_TARGET = QuorlinCode(0x87460103);
inline constexpr std::int32_t QUORLIN_E_UPDATE_MEMORY = QuorlinCode(0x87460104);
inline constexpr std::int32_t QUORLIN_E_APPEND_SOURCE = QuorlinCode(0x87460121);
inline constexpr std::int32_t QUORLIN_E_APPEND_TARGET = QuorlinCode(0x87460122);
inline constexpr std::int32_t QUORLIN_E_EXTRACT_CLOSED = QuorlinCode(0x874600b1);
inline constexpr std::int32_t QUORLIN_E_EXTRACT_OPEN = QuorlinCode(0x874600b2);
inline constexpr std::int32_t QUORLIN_E_EXTRACT_CREATE = QuorlinCode(0x874601b1);
inline constexpr std::int32_t QUORLIN_E_EXTRACT_VERSION = QuorlinCode(0x874601b2);
inline constexpr std::int32_t QUORLIN_E_EXTRACT_INFLATE = QuorlinCode(0x874601b3);
inline constexpr std::int32_t QUORLIN_E_EXTRACT_DAMAGED = QuorlinCode(0x874601b4);
inline constexpr std::int32_t QUORLIN_E_EXTRACT_UNSAFE = QuorlinCode(0x874601b5);

// Marker values for a parent or a place in the tree, as the platform's tree
// view defines them; a builder's parent of -1 also means the top level.
inline constexpr std::intptr_t QUORLIN_NODE_ROOT = -0x10000;
inline constexpr std::intptr_t QUORLIN_NODE_FIRST = -0x0FFFF;
inline constexpr std::intptr_t QUORLIN_NODE_LAST = -0x0FFFE;
inline constexpr std::intptr_t QUORLIN_NODE_SORT = -0x0FFFD;
inline constexpr std::intptr_t QUORLIN_NODE_TOP = -1;

inline JC_QuorlinNode* QuorlinMarker(std::intptr_t iMarker)
{
    return reinterpret_cast<JC_QuorlinNode*>(iMarker);
}

// The node manager of one ".jbf" archive: it keeps the node tree, reads
// file nodes out of the open archive, and builds, saves, merges and extracts
// archives. The two exports hand out its JI_Quorlin side; authoring tools
// reach the further operations on the object itself, through its virtual
// table, so they need not link the library.
//
// A ".jbf" file holds the file nodes' data regions, then the node table,
// then a 96-byte trailer. A region is the node's blocks of at most 512 KiB
// (deflated or raw), then a u32 stored size and a u32 flag per block.
class JC_Quorlin : public JI_Quorlin
{
public:
    static constexpr std::uint32_t BLOCK_SIZE = 524288;
    static constexpr std::uint32_t OUTPUT_SIZE = 576716;
    static constexpr std::uint32_t MAX_BLOCKS = 4096;
    static constexpr std::uint32_t ARCHIVE_THRESHOLD = 98;
    // Deepest nesting of folders a table may hold.
    static constexpr std::uint32_t MAX_TREE_DEPTH = 256;
    // Raw data up to this size is read with its table and copied into place;
    // more goes straight into place.
    static constexpr std::uint32_t COPY_READ_SIZE = 65536;

    JC_Quorlin();
    virtual ~JC_Quorlin();
    JC_Quorlin(const JC_Quorlin&) = delete;
    JC_Quorlin& operator=(const JC_Quorlin&) = delete;

    // The archive interface.
    std::int32_t Initiation() override;
    std::int32_t ProjectOpen(const char* szPath) override;
    std::int32_t ProjectClose() override;
    std::int32_t ProjectUpdate(const char* szUpdatePath, const char* szTargetPath) override;
    std::int32_t ProjectAppend(const char* szUpdatePath, const char* szTargetPath) override;
    std::int32_t GetFile(const char* szPath, std::uint8_t** ppBuffer, std::uint32_t* pdwSize) override;
    std::int32_t FreeFile(std::uint8_t** ppBuffer) override;
    std::int32_t GetFileEx(const char* szPath, std::uint8_t** ppBuffer, std::uint32_t* pdwSize) override;

    // Adds a disk file or folder tree under a parent.
    virtual std::int32_t ScanFolder(const char* szPath, JC_QuorlinNode* pParent, const JS_QuorlinDiskEntry& entry);
    virtual std::int32_t TestPath(const char* szPath, JC_QuorlinNode* pParent);
    // Adds or refreshes a disk file or folder tree under a parent.
    virtual std::int32_t ScanFolderEx(const char* szPath, JC_QuorlinNode* pParent,
                                      const JS_QuorlinDiskEntry& entry);
    virtual std::int32_t TestPathEx(const char* szPath, JC_QuorlinNode* pParent);
    // Deletes a node and its subtree, lowering its parent's folder or file count.
    virtual std::int32_t UnlinkNode(JC_QuorlinNode* pNode);
    // Writes the whole tree into a new archive.
    virtual std::int32_t BuildFromFolder(const char* szTarget, JI_ProgressSink* pProgress);
    // Saves the tree into the open archive in place, or builds another file.
    virtual std::int32_t SaveProject(const char* szTarget, JI_ProgressSink* pProgress);
    // Writes nodes (all when pNodes is null) below a folder ending in '\'.
    virtual std::int32_t ExtractNodes(const std::vector<JC_QuorlinNode*>* pNodes, const char* szFolder,
                                      JI_ProgressSink* pProgress);
    // Merge an update archive into a target: rewrite the target, or append.
    virtual std::int32_t UpdateProject(const char* szUpdatePath, const char* szTargetPath,
                                       JI_ProgressSink* pProgress);
    virtual std::int32_t AppendProject(const char* szUpdatePath, const char* szTargetPath,
                                       JI_ProgressSink* pProgress);
    // Reads one file node's data into the caller's buffer of *pdwSize bytes.
    virtual std::int32_t ReadNodeData(JC_QuorlinNode* pNode, std::uint8_t** ppBuffer, std::uint32_t* pdwSize);
    // Inserts a detached node in sorted place; its position, or -1 when its
    // parent has a child of that kind and name.
    virtual int InsertChildNode(JC_QuorlinNode* pParent, JC_QuorlinNode* pNode);
    virtual std::int32_t PackNodeFile(JC_QuorlinNode* pNode, JC_QuorlinFile& archive, JC_QuorlinFile& disk,
                                      JI_ProgressSink* pProgress);
    virtual std::int32_t CopyNodeData(JC_QuorlinNode* pNode, JC_QuorlinFile& target, JC_QuorlinFile& source,
                                      JI_ProgressSink* pProgress);
    virtual std::int32_t ExtractNode(JC_QuorlinNode* pNode, const std::string& strFolder, JC_QuorlinFile& archive,
                                     JI_ProgressSink* pProgress);
    // Merges a node of another manager's tree under a parent of this tree.
    virtual void MergeNode(JC_QuorlinNode* pParent, JC_QuorlinNode* pNode, JC_Quorlin& other);
    virtual JC_QuorlinNode* FindChildNode(JC_QuorlinNode* pParent, const std::string& strName,
                                          std::uint32_t dwKind);
    virtual std::int32_t CheckNodeFiles(const std::vector<JC_QuorlinNode*>& files,
                                        std::vector<std::string>& messages);
    // Storing: writes the sibling list that starts at pNode. Loading: reads a
    // sibling list as pNode's children (the top level for null). False when
    // the stream fails or the table is not sound.
    virtual bool SerializeNodeTree(JC_QuorlinNode* pNode, JC_QuorlinStream& stream);

    // Linking. A parent of null (or a marker) is the top level, whose first
    // node and count are kept here like any folder's, so that every caller
    // leaves the top level as whole as a folder.
    JC_QuorlinNode* InsertNodeAt(JC_QuorlinNode* pNode, JC_QuorlinNode* pParent, JC_QuorlinNode* pWhere);
    JC_QuorlinNode* LinkNode(JC_QuorlinNode* pParent, JC_QuorlinNode* pPrev, JC_QuorlinNode* pNext,
                             JC_QuorlinNode* pNode);
    // 0 the first child, -1 the last, n the n-th after the first.
    JC_QuorlinNode* GetChildAt(JC_QuorlinNode* pParent, int iIndex);
    // Takes a node with its subtree out of the tree without deleting it. The
    // old parent's folder or file count goes down with it: the tree left
    // behind stays one that lookups can bisect and a saved table describes.
    int DetachNode(JC_QuorlinNode* pNode);
    void DeleteNode(JC_QuorlinNode* pNode);
    int FreeNodeTree();
    // The node on a backslash-separated path, or null.
    JC_QuorlinNode* FindNodeByPath(const char* szPath);
    // The file node on a path, or null when the path names a folder or nothing.
    JC_QuorlinNode* FindFileByPath(const char* szPath);

    JC_QuorlinNode* GetFirstNode() const { return m_pFirstNode; }
    std::uint32_t GetTopCount() const { return m_dwTopCount; }
    const JS_QuorlinTrailer& GetTrailer() const { return m_Trailer; }
    bool IsOpen() const { return m_dwOpen != 0; }
    const std::string& GetArchivePath() const { return m_strArchivePath; }
    const std::vector<std::string>& GetMessages() const { return m_Messages; }

private:
    enum JE_BlockRead
    {
        BLOCK_READ,
        BLOCK_DAMAGED,
        BLOCK_INFLATE_FAILED,
    };
    // The stored sizes and flags of one node's blocks.
    struct JS_BlockTable
    {
        std::vector<std::uint32_t> sizes;
        std::vector<std::uint32_t> flags;
    };
    // A node's data fields and flags, kept to undo a failed build.
    struct JS_NodeData
    {
        JC_QuorlinNode* pNode;
        std::uint32_t dwBlockCount;
        std::uint32_t dwPackedBytes;
        std::uint32_t dwStoredBytes;
        std::uint32_t dwDataOffset;
        std::uint32_t dwPrevDataOffset;
        std::uint32_t dwPending;
        std::uint32_t dwChanged;
    };

    static JC_QuorlinNode* TopLevelOf(JC_QuorlinNode* pParent);
    // The caller's progress object, or one that shows nothing.
    static JI_ProgressSink& ProgressOf(JI_ProgressSink* pProgress);
    JC_QuorlinNode*& FirstChildRef(JC_QuorlinNode* pParent);
    std::uint32_t& ChildCountRef(JC_QuorlinNode* pParent);
    std::uint32_t& GroupCountRef(JC_QuorlinNode* pParent, std::uint32_t dwKind);
    void UnlinkFromSiblings(JC_QuorlinNode* pNode);
    JC_QuorlinNode* BisectGroup(JC_QuorlinNode* pParent, const std::string& strName, std::uint32_t dwKind,
                                std::uint32_t* pdwInsertAt);
    // A parent's children in list order with their names as sort keys, one
    // after another in one text, so a bisection stays in a little memory.
    struct JS_ChildIndex
    {
        std::vector<JC_QuorlinNode*> children;
        std::string strKeys;
        std::vector<std::uint32_t> keyStarts;
        // A name holding a zero byte has no sort key; the names are then
        // compared themselves.
        bool bKeyed = true;

        std::string_view KeyAt(size_t at) const
        {
            return std::string_view(strKeys).substr(keyStarts[at], keyStarts[at + 1] - keyStarts[at]);
        }
    };
    const JS_ChildIndex& ChildIndexOf(JC_QuorlinNode* pParent);
    void ForgetChildIndex(JC_QuorlinNode* pParent) { m_ChildIndexes.erase(pParent); }

    bool LoadSiblingList(JC_QuorlinNode* pParent, JC_QuorlinStream& stream, std::uint32_t dwDepth);
    void StoreSiblingList(JC_QuorlinNode* pFirst, JC_QuorlinStream& stream);
    bool IsRecordSound(const JC_QuorlinNode& node) const;
    std::int32_t OpenTable(JC_QuorlinFile& file);
    std::int32_t WriteTableAndTrailer(JC_QuorlinFile& file);

    // The plain bytes of one block; 0 for a block past the end of the file.
    static std::uint32_t PlainBytesOfBlock(const JC_QuorlinNode& node, std::uint32_t dwIndex);
    // Whether a read takes the node's whole data region in one piece.
    static bool ReadsWholeRegion(const JC_QuorlinNode& node);
    // The block table, leaving the file at the node's first block.
    bool ReadBlockTable(JC_QuorlinFile& archive, const JC_QuorlinNode& node, JS_BlockTable* pTable);
    // The whole data region into the read buffer, and its block table.
    bool ReadWholeRegion(JC_QuorlinFile& archive, const JC_QuorlinNode& node, JS_BlockTable* pTable);
    static bool ParseBlockTable(const std::uint8_t* pBytes, const JC_QuorlinNode& node, JS_BlockTable* pTable);
    // One stored block's plain bytes at pOut, which holds exactly dwPlain.
    JE_BlockRead PlaceBlock(const std::uint8_t* pStored, std::uint32_t dwStored, bool bRaw, std::uint32_t dwPlain,
                            std::uint8_t* pOut, std::int32_t* pPackerCode);
    JE_BlockRead ReadBlock(JC_QuorlinFile& archive, const JC_QuorlinNode& node, const JS_BlockTable& table,
                           std::uint32_t dwIndex, const std::uint8_t** ppPlain, std::uint32_t* pdwLength,
                           std::int32_t* pPackerCode);

    std::vector<JC_QuorlinNode*> CollectAllFiles() const;
    std::vector<JC_QuorlinNode*> CollectAllNodes() const;
    void ClearPendingFlags();
    static void MarkFromDisk(JC_QuorlinNode* pNode, const std::string& strDiskFolder, const std::string& strDiskName);
    static std::vector<JS_NodeData> SaveNodeData(const std::vector<JC_QuorlinNode*>& nodes);
    static void RestoreNodeData(const std::vector<JS_NodeData>& saved);
    std::int32_t CheckBeforeBuild(const char* szTarget, JI_ProgressSink& progress,
                                  std::vector<JC_QuorlinNode*>* pFiles);
    std::int32_t PackFromDisk(JC_QuorlinNode* pNode, JC_QuorlinFile& archive, JI_ProgressSink& progress,
                              std::int32_t iEmptyCode, std::int32_t iDiskCode);
    std::int32_t BuildNew(const std::string& strTarget, const std::vector<JC_QuorlinNode*>& files,
                          JI_ProgressSink& progress);
    std::int32_t Rebuild(const std::string& strTarget, const std::vector<JC_QuorlinNode*>& files,
                         JI_ProgressSink& progress);
    std::int32_t FinishArchive(JC_QuorlinFile& file, const std::string& strTemp, const std::string& strTarget,
                               std::int32_t iReplaceCode);

    static std::string FolderPathOf(const JC_QuorlinNode* pParent);
    static void SetSubtreeFolderPath(JC_QuorlinNode* pNode, const std::string& strFolderPath);
    std::int32_t MergeUpdate(const char* szUpdatePath, const char* szTargetPath, JI_ProgressSink& progress,
                             std::vector<JC_QuorlinNode*>* pFiles);
    std::int32_t CopyPendingFiles(const std::vector<JC_QuorlinNode*>& files, JC_QuorlinFile& target,
                                  JC_QuorlinFile& update, JC_QuorlinFile* pOldTarget, JI_ProgressSink& progress);
    std::vector<JC_QuorlinNode*> CollectExtractNodes(const std::vector<JC_QuorlinNode*>* pNodes) const;
    bool IsSafeToExtract(const JC_QuorlinNode& node);

    JC_QuorlinPacker m_Packer;
    JS_QuorlinTrailer m_Trailer;
    std::uint32_t m_dwOpen = 0;
    std::string m_strArchivePath;
    std::string m_strTargetPath;
    // Blocks are read into the first and inflated into the second.
    std::unique_ptr<std::uint8_t[]> m_pReadBuffer;
    std::unique_ptr<std::uint8_t[]> m_pOutputBuffer;
    // The block table of the last read, kept so a read allocates nothing.
    JS_BlockTable m_ReadTable;
    std::vector<std::string> m_Messages;
    std::uint32_t m_dwTopCount = 0;
    JC_QuorlinNode* m_pFirstNode = nullptr;
    // Each parent's children in list order (the top level under null), made
    // on the first lookup and dropped when the parent's list changes, so a
    // lookup bisects by position instead of walking the list.
    std::unordered_map<const JC_QuorlinNode*, JS_ChildIndex> m_ChildIndexes;
};
