#pragma once

#include <cstdint>
#include <string>
#include <vector>

class JC_QuorlinStream;
struct JS_QuorlinDiskEntry;

// One folder or file of an archive's node tree. The first group of fields is
// stored in the node table; the rest lives in memory only. The node manager
// owns every node and keeps the links; tools read the fields.
class JC_QuorlinNode
{
public:
    static constexpr std::uint32_t KIND_FILE = 0;
    static constexpr std::uint32_t KIND_FOLDER = 1;

    JC_QuorlinNode() = default;
    virtual ~JC_QuorlinNode() = default;
    JC_QuorlinNode(const JC_QuorlinNode&) = delete;
    JC_QuorlinNode& operator=(const JC_QuorlinNode&) = delete;

    // Writes or reads the stored fields in table order.
    virtual void Serialize(JC_QuorlinStream& stream);
    // Appends every file at or below this node, depth first.
    virtual void CollectFiles(std::vector<JC_QuorlinNode*>& list);
    // Appends this node and every node below it, parents before children.
    virtual void CollectNodes(std::vector<JC_QuorlinNode*>& list);

    // Kind, name, time and size from a directory entry. A size that does not
    // fit 32 bits is kept as 0xFFFFFFFF, which the builders refuse as too large.
    void SetFindData(const JS_QuorlinDiskEntry& entry);
    void SetTimeText(const std::string& strTime) { m_strTime = strTime; }
    void SetDiskFolder(const std::string& strFolder) { m_strDiskFolder = strFolder; }
    void SetDiskName(const std::string& strName) { m_strDiskName = strName; }

    bool IsFolder() const { return m_dwKind == KIND_FOLDER; }
    // The node's path inside the archive.
    std::string GetPath() const { return m_strFolderPath + m_strName; }

    // Stored.
    std::uint32_t m_dwKind = KIND_FILE;
    std::string m_strName;
    std::string m_strTime;
    std::uint32_t m_dwPlainSize = 0;
    std::string m_strFolderPath;
    std::uint32_t m_dwBlockCount = 0;
    std::uint32_t m_dwPackedBytes = 0;
    std::uint32_t m_dwStoredBytes = 0;
    std::uint32_t m_dwDataOffset = 0;
    std::uint32_t m_dwChildFolders = 0;
    std::uint32_t m_dwChildFiles = 0;

    // In memory only.
    std::uint32_t m_dwChanged = 0;
    std::uint32_t m_dwPending = 0;
    std::string m_strDiskFolder;
    std::string m_strDiskName;
    std::uint32_t m_dwPrevDataOffset = 0;
    std::uint32_t m_dwChildCount = 0;
    JC_QuorlinNode* m_pPrev = nullptr;
    JC_QuorlinNode* m_pNext = nullptr;
    JC_QuorlinNode* m_pParent = nullptr;
    JC_QuorlinNode* m_pFirstChild = nullptr;
};
