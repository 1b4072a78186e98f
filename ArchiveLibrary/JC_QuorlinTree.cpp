#include "ArchiveLibrary/JC_Quorlin.h"

#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JC_QuorlinStream.h"
#include "GameProgram/Common/XF_Cp950.h"

#include <new>

namespace {

// The fewest bytes one node takes in a table: the record with three empty
// strings and the count of its children.
const std::uint64_t MIN_NODE_BYTES = 4 + 1 + 1 + 4 + 1 + 6 * 4 + 2;

std::uint32_t CountSiblings(const JC_QuorlinNode* pFirst)
{
    std::uint32_t dwCount = 0;
    for (const JC_QuorlinNode* pNode = pFirst; pNode != nullptr; pNode = pNode->m_pNext)
        ++dwCount;
    return dwCount;
}

JC_QuorlinNode* WalkForward(JC_QuorlinNode* pNode, std::int64_t iSteps)
{
    for (; pNode != nullptr && iSteps > 0; --iSteps)
        pNode = pNode->m_pNext;
    return pNode;
}

// Appends the sort key of a name: bytes that compare, as a plain byte text,
// as XF_CompareNoCase compares the names. A byte below 0x80 stays itself,
// letters in lower case; another single byte becomes 0x80 and the byte; a
// double-byte character keeps its two bytes (the lead byte is 0x81 or more).
// The first byte of each gives its length, so the keys of two names first
// differ where their characters do. False for a name with a zero byte, which
// that comparison reads as the end of the name.
bool AppendSortKey(const std::string& strName, std::string& strKey)
{
    const size_t length = strName.size();
    for (size_t at = 0; at < length;) {
        const unsigned char c = static_cast<unsigned char>(strName[at]);
        if (c == 0)
            return false;
        if (XF_CharLength(strName.c_str(), at, length) == 2) {
            strKey.append(strName, at, 2);
            at += 2;
            continue;
        }
        if (c >= 0x80)
            strKey += '\x80';
        strKey += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        ++at;
    }
    return true;
}

} // namespace

JC_QuorlinNode* JC_Quorlin::TopLevelOf(JC_QuorlinNode* pParent)
{
    const std::intptr_t iParent = reinterpret_cast<std::intptr_t>(pParent);
    if (iParent == QUORLIN_NODE_ROOT || iParent == QUORLIN_NODE_TOP)
        return nullptr;
    return pParent;
}

JC_QuorlinNode*& JC_Quorlin::FirstChildRef(JC_QuorlinNode* pParent)
{
    return pParent != nullptr ? pParent->m_pFirstChild : m_pFirstNode;
}

std::uint32_t& JC_Quorlin::ChildCountRef(JC_QuorlinNode* pParent)
{
    return pParent != nullptr ? pParent->m_dwChildCount : m_dwTopCount;
}

std::uint32_t& JC_Quorlin::GroupCountRef(JC_QuorlinNode* pParent, std::uint32_t dwKind)
{
    if (dwKind == JC_QuorlinNode::KIND_FOLDER)
        return pParent != nullptr ? pParent->m_dwChildFolders : m_Trailer.dwFolderCount;
    return pParent != nullptr ? pParent->m_dwChildFiles : m_Trailer.dwFileCount;
}

JC_QuorlinNode* JC_Quorlin::FindChildNode(JC_QuorlinNode* pParent, const std::string& strName, std::uint32_t dwKind)
{
    std::uint32_t dwInsertAt = 0;
    return BisectGroup(TopLevelOf(pParent), strName, dwKind, &dwInsertAt);
}

JC_QuorlinNode* JC_Quorlin::BisectGroup(JC_QuorlinNode* pParent, const std::string& strName, std::uint32_t dwKind,
                                        std::uint32_t* pdwInsertAt)
{
    const bool bFolder = dwKind == JC_QuorlinNode::KIND_FOLDER;
    const std::int64_t iFirst = bFolder ? 0 : GroupCountRef(pParent, JC_QuorlinNode::KIND_FOLDER);
    const std::int64_t iCount = GroupCountRef(pParent, bFolder ? JC_QuorlinNode::KIND_FOLDER : JC_QuorlinNode::KIND_FILE);
    // An open interval (low, high) of positions; every name at or before low
    // is smaller and every name at or after high is greater. A count larger
    // than the list (a damaged table) ends the search where the list ends.
    std::int64_t iLow = iFirst - 1;
    std::int64_t iHigh = iFirst + iCount;
    const JS_ChildIndex& index = ChildIndexOf(pParent);
    std::string strKey;
    const bool bKeyed = index.bKeyed && AppendSortKey(strName, strKey);
    while ((iHigh - iLow) / 2 != 0) {
        const std::int64_t iProbe = iLow + (iHigh - iLow) / 2;
        if (iProbe >= static_cast<std::int64_t>(index.children.size()))
            break;
        const size_t at = static_cast<size_t>(iProbe);
        JC_QuorlinNode* pProbe = index.children[at];
        const int iCompare = bKeyed ? std::string_view(strKey).compare(index.KeyAt(at))
                                    : XF_CompareNoCase(strName, pProbe->m_strName);
        if (iCompare == 0)
            return pProbe;
        if (iCompare < 0)
            iHigh = iProbe;
        else
            iLow = iProbe;
    }
    *pdwInsertAt = static_cast<std::uint32_t>(iHigh);
    return nullptr;
}

const JC_Quorlin::JS_ChildIndex& JC_Quorlin::ChildIndexOf(JC_QuorlinNode* pParent)
{
    const auto [it, bNew] = m_ChildIndexes.try_emplace(pParent);
    JS_ChildIndex& index = it->second;
    if (!bNew)
        return index;
    index.keyStarts.push_back(0);
    for (JC_QuorlinNode* pChild = FirstChildRef(pParent); pChild != nullptr; pChild = pChild->m_pNext) {
        index.children.push_back(pChild);
        index.bKeyed = index.bKeyed && AppendSortKey(pChild->m_strName, index.strKeys);
        index.keyStarts.push_back(static_cast<std::uint32_t>(index.strKeys.size()));
    }
    return index;
}

int JC_Quorlin::InsertChildNode(JC_QuorlinNode* pParent, JC_QuorlinNode* pNode)
{
    if (pNode == nullptr)
        return -1;
    pParent = TopLevelOf(pParent);
    std::uint32_t dwInsertAt = 0;
    if (BisectGroup(pParent, pNode->m_strName, pNode->m_dwKind, &dwInsertAt) != nullptr)
        return -1;
    if (dwInsertAt > 0)
        InsertNodeAt(pNode, pParent, GetChildAt(pParent, static_cast<int>(dwInsertAt - 1)));
    else
        InsertNodeAt(pNode, pParent, QuorlinMarker(QUORLIN_NODE_FIRST));
    ++GroupCountRef(pParent, pNode->m_dwKind);
    return static_cast<int>(dwInsertAt);
}

JC_QuorlinNode* JC_Quorlin::InsertNodeAt(JC_QuorlinNode* pNode, JC_QuorlinNode* pParent, JC_QuorlinNode* pWhere)
{
    pParent = TopLevelOf(pParent);
    const std::intptr_t iWhere = reinterpret_cast<std::intptr_t>(pWhere);
    if (iWhere == QUORLIN_NODE_SORT)
        return nullptr;
    if (pWhere == nullptr || iWhere == QUORLIN_NODE_FIRST)
        return LinkNode(pParent, nullptr, FirstChildRef(pParent), pNode);
    if (iWhere == QUORLIN_NODE_LAST)
        return LinkNode(pParent, GetChildAt(pParent, -1), nullptr, pNode);
    return LinkNode(pParent, pWhere, pWhere->m_pNext, pNode);
}

JC_QuorlinNode* JC_Quorlin::LinkNode(JC_QuorlinNode* pParent, JC_QuorlinNode* pPrev, JC_QuorlinNode* pNext,
                                     JC_QuorlinNode* pNode)
{
    pParent = TopLevelOf(pParent);
    if (pNode == nullptr) {
        pNode = new (std::nothrow) JC_QuorlinNode;
        if (pNode == nullptr)
            return nullptr;
    }
    ForgetChildIndex(pParent);
    pNode->m_pParent = pParent;
    pNode->m_pPrev = pPrev;
    pNode->m_pNext = pNext;
    if (pPrev != nullptr)
        pPrev->m_pNext = pNode;
    else
        FirstChildRef(pParent) = pNode;
    if (pNext != nullptr)
        pNext->m_pPrev = pNode;
    ++ChildCountRef(pParent);
    return pNode;
}

JC_QuorlinNode* JC_Quorlin::GetChildAt(JC_QuorlinNode* pParent, int iIndex)
{
    JC_QuorlinNode* pNode = FirstChildRef(TopLevelOf(pParent));
    if (iIndex == -1) {
        while (pNode != nullptr && pNode->m_pNext != nullptr)
            pNode = pNode->m_pNext;
        return pNode;
    }
    if (iIndex < 0)
        return nullptr;
    return WalkForward(pNode, iIndex);
}

void JC_Quorlin::UnlinkFromSiblings(JC_QuorlinNode* pNode)
{
    JC_QuorlinNode* pParent = pNode->m_pParent;
    ForgetChildIndex(pParent);
    if (pNode->m_pPrev != nullptr)
        pNode->m_pPrev->m_pNext = pNode->m_pNext;
    else if (FirstChildRef(pParent) == pNode)
        FirstChildRef(pParent) = pNode->m_pNext;
    if (pNode->m_pNext != nullptr)
        pNode->m_pNext->m_pPrev = pNode->m_pPrev;
    std::uint32_t& dwChildCount = ChildCountRef(pParent);
    if (dwChildCount > 0)
        --dwChildCount;
    pNode->m_pPrev = nullptr;
    pNode->m_pNext = nullptr;
    pNode->m_pParent = nullptr;
}

std::int32_t JC_Quorlin::UnlinkNode(JC_QuorlinNode* pNode)
{
    if (pNode == nullptr)
        return 0;
    std::uint32_t& dwGroupCount = GroupCountRef(pNode->m_pParent, pNode->m_dwKind);
    if (dwGroupCount > 0)
        --dwGroupCount;
    DeleteNode(pNode);
    return 0;
}

int JC_Quorlin::DetachNode(JC_QuorlinNode* pNode)
{
    std::uint32_t& dwGroupCount = GroupCountRef(pNode->m_pParent, pNode->m_dwKind);
    if (dwGroupCount > 0)
        --dwGroupCount;
    UnlinkFromSiblings(pNode);
    return 1;
}

void JC_Quorlin::DeleteNode(JC_QuorlinNode* pNode)
{
    while (pNode->m_pFirstChild != nullptr)
        DeleteNode(pNode->m_pFirstChild);
    UnlinkFromSiblings(pNode);
    ForgetChildIndex(pNode);
    delete pNode;
}

int JC_Quorlin::FreeNodeTree()
{
    while (m_pFirstNode != nullptr)
        DeleteNode(m_pFirstNode);
    m_dwTopCount = 0;
    m_ChildIndexes.clear();
    m_Trailer.dwFolderCount = 0;
    m_Trailer.dwFileCount = 0;
    return 1;
}

bool JC_Quorlin::SerializeNodeTree(JC_QuorlinNode* pNode, JC_QuorlinStream& stream)
{
    if (!stream.IsStoring())
        return LoadSiblingList(TopLevelOf(pNode), stream, 0);
    StoreSiblingList(pNode, stream);
    return !stream.IsFailed();
}

void JC_Quorlin::StoreSiblingList(JC_QuorlinNode* pFirst, JC_QuorlinStream& stream)
{
    std::uint32_t dwCount = CountSiblings(pFirst);
    stream.SerializeCount(dwCount);
    for (JC_QuorlinNode* pNode = pFirst; pNode != nullptr; pNode = pNode->m_pNext) {
        pNode->Serialize(stream);
        // The number of children as linked, so the two counts always agree.
        std::uint32_t dwChildren = CountSiblings(pNode->m_pFirstChild);
        stream.SerializeCount(dwChildren);
        if (pNode->m_pFirstChild != nullptr)
            StoreSiblingList(pNode->m_pFirstChild, stream);
    }
}

bool JC_Quorlin::LoadSiblingList(JC_QuorlinNode* pParent, JC_QuorlinStream& stream, std::uint32_t dwDepth)
{
    if (dwDepth > MAX_TREE_DEPTH)
        return false;
    std::uint32_t dwCount = 0;
    stream.SerializeCount(dwCount);
    if (stream.IsFailed() || dwCount > stream.GetBytesLeft() / MIN_NODE_BYTES)
        return false;
    std::uint32_t dwFolders = 0;
    std::uint32_t dwFiles = 0;
    JC_QuorlinNode* pLast = nullptr;
    for (std::uint32_t i = 0; i < dwCount; ++i) {
        JC_QuorlinNode* pNode = LinkNode(pParent, pLast, nullptr, nullptr);
        if (pNode == nullptr)
            return false;
        pLast = pNode;
        // The record overwrites the node's counts, so they are taken as stored.
        pNode->Serialize(stream);
        std::uint32_t dwChildren = 0;
        stream.SerializeCount(dwChildren);
        if (stream.IsFailed() || !IsRecordSound(*pNode))
            return false;
        // Folders come first, then files.
        if (pNode->IsFolder() ? dwFiles > 0 : dwChildren != 0)
            return false;
        ++(pNode->IsFolder() ? dwFolders : dwFiles);
        if (dwChildren == 0) {
            if (pNode->m_dwChildFolders != 0 || pNode->m_dwChildFiles != 0)
                return false;
            continue;
        }
        if (!LoadSiblingList(pNode, stream, dwDepth + 1) || pNode->m_dwChildCount != dwChildren)
            return false;
    }
    return GroupCountRef(pParent, JC_QuorlinNode::KIND_FOLDER) == dwFolders
        && GroupCountRef(pParent, JC_QuorlinNode::KIND_FILE) == dwFiles;
}

bool JC_Quorlin::IsRecordSound(const JC_QuorlinNode& node) const
{
    if (node.m_dwKind != JC_QuorlinNode::KIND_FILE && node.m_dwKind != JC_QuorlinNode::KIND_FOLDER)
        return false;
    if (node.m_strName.empty())
        return false;
    if (node.IsFolder())
        return true;
    const std::uint64_t qwBlocks = (static_cast<std::uint64_t>(node.m_dwPlainSize) + BLOCK_SIZE - 1) / BLOCK_SIZE;
    const std::uint64_t qwStored = static_cast<std::uint64_t>(node.m_dwPackedBytes) + 8ull * node.m_dwBlockCount;
    // The plain size is bounded by what the stored bytes can inflate to, so
    // no reader allocates more than the archive can fill.
    return node.m_dwBlockCount == qwBlocks && node.m_dwBlockCount <= MAX_BLOCKS
        && node.m_dwPackedBytes <= static_cast<std::uint64_t>(node.m_dwBlockCount) * BLOCK_SIZE
        && node.m_dwPlainSize <= static_cast<std::uint64_t>(node.m_dwPackedBytes) * JC_QuorlinPacker::MAX_INFLATE_RATIO
        && node.m_dwStoredBytes == qwStored
        && static_cast<std::uint64_t>(node.m_dwDataOffset) + qwStored <= m_Trailer.qwTableOffset;
}

std::int32_t JC_Quorlin::WriteTableAndTrailer(JC_QuorlinFile& file)
{
    std::uint64_t qwTableOffset = 0;
    if (!file.SeekToEnd(&qwTableOffset))
        return QUORLIN_E_TABLE_WRITE;
    m_Trailer.qwTableOffset = qwTableOffset;
    JC_QuorlinStream stream(file);
    SerializeNodeTree(m_pFirstNode, stream);
    std::uint8_t trailerBytes[JS_QuorlinTrailer::SIZE];
    m_Trailer.ToBytes(trailerBytes);
    if (!stream.Flush() || !file.Write(trailerBytes, sizeof(trailerBytes)) || !file.Flush())
        return QUORLIN_E_TABLE_WRITE;
    return 0;
}
