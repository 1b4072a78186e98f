#include "ArchiveLibrary/JC_Quorlin.h"

#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JC_QuorlinStream.h"
#include "ArchiveLibrary/JF_LittleEndian.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"
#include "GameProgram/Common/XF_Cp950.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

JC_Quorlin::JC_Quorlin()
    : m_pReadBuffer(new std::uint8_t[BLOCK_SIZE])
    , m_pOutputBuffer(new std::uint8_t[OUTPUT_SIZE])
{
    Initiation();
}

JC_Quorlin::~JC_Quorlin()
{
    JC_Quorlin::Initiation();
}

std::int32_t JC_Quorlin::Initiation()
{
    m_Trailer = JS_QuorlinTrailer();
    m_dwOpen = 0;
    m_strArchivePath.clear();
    m_strTargetPath.clear();
    FreeNodeTree();
    return 0;
}

std::int32_t JC_Quorlin::ProjectOpen(const char* szPath)
{
    if (m_dwOpen != 0)
        return QUORLIN_E_OPEN_ALREADY;
    JC_QuorlinFile file;
    if (szPath == nullptr || !file.Open(szPath, JC_QuorlinFile::MODE_READ))
        return QUORLIN_E_OPEN_FILE;
    ProjectClose();
    const std::int32_t iResult = OpenTable(file);
    if (iResult != 0) {
        JF_DebugMessage(std::string("Quorlin: damaged archive ") + szPath);
        Initiation();
        return iResult;
    }
    m_dwOpen = 1;
    m_strArchivePath = szPath;
    return 0;
}

std::int32_t JC_Quorlin::OpenTable(JC_QuorlinFile& file)
{
    std::uint64_t qwLength = 0;
    std::uint8_t trailerBytes[JS_QuorlinTrailer::SIZE];
    if (!file.GetLength(&qwLength) || qwLength < JS_QuorlinTrailer::SIZE
        || !file.Seek(qwLength - JS_QuorlinTrailer::SIZE) || !file.ReadExactly(trailerBytes, sizeof(trailerBytes)))
        return QUORLIN_E_OPEN_DAMAGED;
    m_Trailer.FromBytes(trailerBytes);
    const std::uint64_t qwTableEnd = qwLength - JS_QuorlinTrailer::SIZE;
    if (m_Trailer.dwSize != JS_QuorlinTrailer::SIZE || m_Trailer.qwTableOffset > qwTableEnd
        || !file.Seek(m_Trailer.qwTableOffset))
        return QUORLIN_E_OPEN_DAMAGED;
    JC_QuorlinStream stream(file, qwTableEnd);
    if (!SerializeNodeTree(nullptr, stream) || stream.IsFailed())
        return QUORLIN_E_OPEN_DAMAGED;
    return 0;
}

std::int32_t JC_Quorlin::ProjectClose()
{
    return Initiation();
}

std::int32_t JC_Quorlin::ProjectUpdate(const char* szUpdatePath, const char* szTargetPath)
{
    return UpdateProject(szUpdatePath, szTargetPath, nullptr);
}

std::int32_t JC_Quorlin::ProjectAppend(const char* szUpdatePath, const char* szTargetPath)
{
    return AppendProject(szUpdatePath, szTargetPath, nullptr);
}

std::int32_t JC_Quorlin::GetFile(const char* szPath, std::uint8_t** ppBuffer, std::uint32_t* pdwSize)
{
    if (ppBuffer == nullptr || pdwSize == nullptr)
        return QUORLIN_E_GETFILE_ARGUMENT;
    if (*ppBuffer != nullptr)
        return QUORLIN_E_GETFILE_BUFFER;
    *pdwSize = 0;
    JC_QuorlinNode* pNode = FindFileByPath(szPath);
    if (pNode == nullptr)
        return QUORLIN_E_GETFILE_NOT_FOUND;
    *pdwSize = pNode->m_dwPlainSize;
    // One byte at least, so that an empty file still gets a buffer to free.
    *ppBuffer = static_cast<std::uint8_t*>(std::malloc(*pdwSize > 0 ? *pdwSize : 1));
    if (*ppBuffer == nullptr)
        return QUORLIN_E_GETFILE_MEMORY;
    return ReadNodeData(pNode, ppBuffer, pdwSize);
}

std::int32_t JC_Quorlin::FreeFile(std::uint8_t** ppBuffer)
{
    if (ppBuffer == nullptr || *ppBuffer == nullptr)
        return 0;
    std::free(*ppBuffer);
    *ppBuffer = nullptr;
    return 0;
}

std::int32_t JC_Quorlin::GetFileEx(const char* szPath, std::uint8_t** ppBuffer, std::uint32_t* pdwSize)
{
    if (ppBuffer == nullptr || pdwSize == nullptr)
        return QUORLIN_E_GETFILEEX_ARGUMENT;
    JC_QuorlinNode* pNode = FindFileByPath(szPath);
    if (pNode == nullptr)
        return QUORLIN_E_GETFILEEX_NOT_FOUND;
    if (*ppBuffer == nullptr) {
        *pdwSize = pNode->m_dwPlainSize;
        return 0;
    }
    if (*pdwSize < pNode->m_dwPlainSize)
        return QUORLIN_E_GETFILEEX_SMALL;
    return ReadNodeData(pNode, ppBuffer, pdwSize);
}

JC_QuorlinNode* JC_Quorlin::FindNodeByPath(const char* szPath)
{
    if (szPath == nullptr || *szPath == '\0')
        return nullptr;
    const std::string strPath = szPath;
    JC_QuorlinNode* pNode = nullptr;
    size_t at = 0;
    while (at < strPath.size()) {
        const size_t separator = XF_FindChar(strPath, '\\', at);
        std::string strComponent;
        std::uint32_t dwKind = JC_QuorlinNode::KIND_FOLDER;
        if (separator != std::string::npos) {
            strComponent = strPath.substr(at, separator - at);
            at = separator;
            while (at < strPath.size() && strPath[at] == '\\')
                ++at;
        } else {
            strComponent = strPath.substr(at);
            at = strPath.size();
            dwKind = JC_QuorlinNode::KIND_FILE;
        }
        pNode = FindChildNode(pNode, strComponent, dwKind);
        if (pNode == nullptr)
            return nullptr;
    }
    return pNode;
}

JC_QuorlinNode* JC_Quorlin::FindFileByPath(const char* szPath)
{
    // A path ending in a separator names a folder, whose stored size means
    // nothing: only file nodes have sizes bounded by their blocks.
    JC_QuorlinNode* pNode = FindNodeByPath(szPath);
    return pNode != nullptr && !pNode->IsFolder() ? pNode : nullptr;
}

std::int32_t JC_Quorlin::ReadNodeData(JC_QuorlinNode* pNode, std::uint8_t** ppBuffer, std::uint32_t* pdwSize)
{
    if (pNode == nullptr || pNode->IsFolder())
        return QUORLIN_E_READ_FOLDER;
    if (ppBuffer == nullptr || *ppBuffer == nullptr)
        return QUORLIN_E_READ_BUFFER;
    if (pdwSize == nullptr || *pdwSize < pNode->m_dwPlainSize)
        return QUORLIN_E_READ_SMALL;
    *pdwSize = pNode->m_dwPlainSize;

    JC_QuorlinFile archive;
    if (!archive.Open(m_strArchivePath, JC_QuorlinFile::MODE_READ))
        return QUORLIN_E_READ_OPEN;
    if (m_Trailer.dwVersion != JS_QuorlinTrailer::VERSION)
        return QUORLIN_E_READ_VERSION;
    // A small region comes in with one read; any other block by block, raw
    // blocks straight into the caller's buffer.
    const bool bWhole = ReadsWholeRegion(*pNode);
    JS_BlockTable& table = m_ReadTable;
    if (!(bWhole ? ReadWholeRegion(archive, *pNode, &table) : ReadBlockTable(archive, *pNode, &table)))
        return QUORLIN_E_READ_DAMAGED;
    std::uint8_t* pOut = *ppBuffer;
    const std::uint8_t* pStored = m_pReadBuffer.get();
    for (std::uint32_t i = 0; i < pNode->m_dwBlockCount; ++i) {
        const std::uint32_t dwStored = table.sizes[i];
        const std::uint32_t dwPlain = PlainBytesOfBlock(*pNode, i);
        const bool bRaw = table.flags[i] != 1;
        if (dwPlain == 0 || (bRaw && dwStored != dwPlain))
            return QUORLIN_E_READ_DAMAGED;
        if (!bWhole) {
            std::uint8_t* pTarget = bRaw ? pOut : m_pReadBuffer.get();
            if (!archive.ReadExactly(pTarget, dwStored))
                return QUORLIN_E_READ_DAMAGED;
            pStored = pTarget;
        }
        std::int32_t iPackerCode = 0;
        const JE_BlockRead result = PlaceBlock(pStored, dwStored, bRaw, dwPlain, pOut, &iPackerCode);
        if (result == BLOCK_INFLATE_FAILED)
            return iPackerCode;
        if (result == BLOCK_DAMAGED)
            return QUORLIN_E_READ_DAMAGED;
        pOut += dwPlain;
        if (bWhole)
            pStored += dwStored;
    }
    return 0;
}

std::uint32_t JC_Quorlin::PlainBytesOfBlock(const JC_QuorlinNode& node, std::uint32_t dwIndex)
{
    const std::uint64_t qwStart = static_cast<std::uint64_t>(dwIndex) * BLOCK_SIZE;
    if (qwStart >= node.m_dwPlainSize)
        return 0;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(BLOCK_SIZE, node.m_dwPlainSize - qwStart));
}

bool JC_Quorlin::ReadsWholeRegion(const JC_QuorlinNode& node)
{
    // Deflated blocks are kept only when smaller, so as many stored bytes as
    // plain ones are raw blocks, which are cheaper read in place than copied.
    const bool bLargeRaw = node.m_dwPackedBytes == node.m_dwPlainSize && node.m_dwPlainSize > COPY_READ_SIZE;
    return !bLargeRaw && node.m_dwStoredBytes <= BLOCK_SIZE
        && node.m_dwStoredBytes == static_cast<std::uint64_t>(node.m_dwPackedBytes) + 8ull * node.m_dwBlockCount;
}

JC_Quorlin::JE_BlockRead JC_Quorlin::PlaceBlock(const std::uint8_t* pStored, std::uint32_t dwStored, bool bRaw,
                                                std::uint32_t dwPlain, std::uint8_t* pOut, std::int32_t* pPackerCode)
{
    if (bRaw) {
        if (pStored != pOut)
            std::memcpy(pOut, pStored, dwPlain);
        return BLOCK_READ;
    }
    std::uint32_t dwLength = dwPlain;
    if (m_Packer.UnpackInto(pStored, dwStored, pOut, &dwLength) == 0)
        return dwLength == dwPlain ? BLOCK_READ : BLOCK_DAMAGED;
    // A block that does not fit its place: inflated into the output buffer,
    // it tells a damaged block (too long) from the packer's own failure.
    dwLength = OUTPUT_SIZE;
    *pPackerCode = m_Packer.UnpackInto(pStored, dwStored, m_pOutputBuffer.get(), &dwLength);
    return *pPackerCode != 0 ? BLOCK_INFLATE_FAILED : BLOCK_DAMAGED;
}

bool JC_Quorlin::ReadWholeRegion(JC_QuorlinFile& archive, const JC_QuorlinNode& node, JS_BlockTable* pTable)
{
    if (node.m_dwStoredBytes == 0)
        return node.m_dwBlockCount == 0;
    return archive.Seek(node.m_dwDataOffset) && archive.ReadExactly(m_pReadBuffer.get(), node.m_dwStoredBytes)
        && ParseBlockTable(m_pReadBuffer.get() + node.m_dwPackedBytes, node, pTable);
}

bool JC_Quorlin::ReadBlockTable(JC_QuorlinFile& archive, const JC_QuorlinNode& node, JS_BlockTable* pTable)
{
    const std::uint32_t dwCount = node.m_dwBlockCount;
    if (dwCount > MAX_BLOCKS)
        return false;
    if (dwCount == 0)
        return node.m_dwPackedBytes == 0;
    std::vector<std::uint8_t> bytes(static_cast<size_t>(dwCount) * 8);
    return archive.Seek(static_cast<std::uint64_t>(node.m_dwDataOffset) + node.m_dwPackedBytes)
        && archive.ReadExactly(bytes.data(), static_cast<std::uint32_t>(bytes.size()))
        && ParseBlockTable(bytes.data(), node, pTable) && archive.Seek(node.m_dwDataOffset);
}

bool JC_Quorlin::ParseBlockTable(const std::uint8_t* pBytes, const JC_QuorlinNode& node, JS_BlockTable* pTable)
{
    const std::uint32_t dwCount = node.m_dwBlockCount;
    if (dwCount > MAX_BLOCKS)
        return false;
    pTable->sizes.resize(dwCount);
    pTable->flags.resize(dwCount);
    std::uint64_t qwPacked = 0;
    for (std::uint32_t i = 0; i < dwCount; ++i) {
        pTable->sizes[i] = JF_GetU32(pBytes + i * 4);
        pTable->flags[i] = JF_GetU32(pBytes + (dwCount + i) * 4);
        if (pTable->sizes[i] > BLOCK_SIZE)
            return false;
        qwPacked += pTable->sizes[i];
    }
    return qwPacked == node.m_dwPackedBytes;
}

JC_Quorlin::JE_BlockRead JC_Quorlin::ReadBlock(JC_QuorlinFile& archive, const JC_QuorlinNode& node,
                                               const JS_BlockTable& table, std::uint32_t dwIndex,
                                               const std::uint8_t** ppPlain, std::uint32_t* pdwLength,
                                               std::int32_t* pPackerCode)
{
    const std::uint32_t dwStored = table.sizes[dwIndex];
    const std::uint32_t dwPlain = PlainBytesOfBlock(node, dwIndex);
    if (dwPlain == 0)
        return BLOCK_DAMAGED;
    if (!archive.ReadExactly(m_pReadBuffer.get(), dwStored))
        return BLOCK_DAMAGED;
    if (table.flags[dwIndex] != 1) {
        *ppPlain = m_pReadBuffer.get();
        *pdwLength = dwStored;
        return dwStored == dwPlain ? BLOCK_READ : BLOCK_DAMAGED;
    }
    std::uint32_t dwLength = OUTPUT_SIZE;
    *pPackerCode = m_Packer.UnpackInto(m_pReadBuffer.get(), dwStored, m_pOutputBuffer.get(), &dwLength);
    if (*pPackerCode != 0)
        return BLOCK_INFLATE_FAILED;
    *ppPlain = m_pOutputBuffer.get();
    *pdwLength = dwLength;
    return dwLength == dwPlain ? BLOCK_READ : BLOCK_DAMAGED;
}
