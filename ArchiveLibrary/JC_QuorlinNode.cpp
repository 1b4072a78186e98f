#include "ArchiveLibrary/JC_QuorlinNode.h"

#include "ArchiveLibrary/JC_QuorlinStream.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"

void JC_QuorlinNode::Serialize(JC_QuorlinStream& stream)
{
    stream.SerializeU32(m_dwKind);
    stream.SerializeString(m_strName);
    stream.SerializeString(m_strTime);
    stream.SerializeU32(m_dwPlainSize);
    stream.SerializeString(m_strFolderPath);
    stream.SerializeU32(m_dwBlockCount);
    stream.SerializeU32(m_dwPackedBytes);
    stream.SerializeU32(m_dwStoredBytes);
    stream.SerializeU32(m_dwDataOffset);
    stream.SerializeU32(m_dwChildFolders);
    stream.SerializeU32(m_dwChildFiles);
}

void JC_QuorlinNode::CollectFiles(std::vector<JC_QuorlinNode*>& list)
{
    if (!IsFolder()) {
        list.push_back(this);
        return;
    }
    for (JC_QuorlinNode* pChild = m_pFirstChild; pChild != nullptr; pChild = pChild->m_pNext)
        pChild->CollectFiles(list);
}

void JC_QuorlinNode::CollectNodes(std::vector<JC_QuorlinNode*>& list)
{
    list.push_back(this);
    if (!IsFolder())
        return;
    for (JC_QuorlinNode* pChild = m_pFirstChild; pChild != nullptr; pChild = pChild->m_pNext)
        pChild->CollectNodes(list);
}

void JC_QuorlinNode::SetFindData(const JS_QuorlinDiskEntry& entry)
{
    m_dwKind = (entry.dwAttributes & JM_ATTRIBUTE_FOLDER) != 0 ? KIND_FOLDER : KIND_FILE;
    m_strName = entry.strName;
    m_strTime = entry.strTime;
    m_dwPlainSize = entry.qwSize > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(entry.qwSize);
}
