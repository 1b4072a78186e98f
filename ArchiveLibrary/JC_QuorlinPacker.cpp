#include "ArchiveLibrary/JC_QuorlinPacker.h"

#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JF_FolderMaker.h"
#include "ArchiveLibrary/JF_LittleEndian.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace {

const int PACK_LEVEL = 9;
const std::uint64_t MAX_BUFFER = 0xFFFFFFFFu;
const std::uint32_t TABLE_ENTRY_SIZE = 8;

// The next buffer size of a growing retry, or 0 when it cannot grow.
std::uint64_t GrowCapacity(std::uint64_t qwCapacity, std::uint32_t dwGrowth, std::uint64_t qwLimit)
{
    std::uint64_t qwStep = qwCapacity * dwGrowth / 100;
    if (qwStep == 0 && dwGrowth > 0)
        qwStep = 1;
    const std::uint64_t qwNext = qwCapacity + qwStep;
    return qwNext > qwLimit ? 0 : qwNext;
}

void PutHeader(std::uint8_t* pBytes, const JS_PackedFileHeader& header)
{
    JF_PutU32(pBytes, header.dwMagic);
    JF_PutU32(pBytes + 4, header.dwBlockCount);
    JF_PutU32(pBytes + 8, header.dwPlainSize);
    JF_PutU32(pBytes + 12, header.dwPackedSize);
}

JS_PackedFileHeader GetHeader(const std::uint8_t* pBytes)
{
    JS_PackedFileHeader header;
    header.dwMagic = JF_GetU32(pBytes);
    header.dwBlockCount = JF_GetU32(pBytes + 4);
    header.dwPlainSize = JF_GetU32(pBytes + 8);
    header.dwPackedSize = JF_GetU32(pBytes + 12);
    return header;
}

std::uint32_t PieceLength(std::uint32_t dwPlainSize, std::uint32_t dwIndex)
{
    const std::uint64_t qwStart = static_cast<std::uint64_t>(dwIndex) * JC_QuorlinPacker::BLOCK_SIZE;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(JC_QuorlinPacker::BLOCK_SIZE, dwPlainSize - qwStart));
}

// Whether a packed file's header and block table agree with each other and
// with the file's length.
bool IsPackedFileSound(const JS_PackedFileHeader& header, std::uint64_t qwFileLength,
                       const std::vector<std::uint8_t>& table)
{
    std::uint64_t qwPacked = 0;
    for (std::uint32_t i = 0; i < header.dwBlockCount; ++i) {
        const std::uint32_t dwStored = JF_GetU32(&table[i * TABLE_ENTRY_SIZE]);
        if (dwStored > JC_QuorlinPacker::BLOCK_SIZE)
            return false;
        qwPacked += dwStored;
    }
    return qwPacked == header.dwPackedSize
        && JC_QuorlinPacker::PACKED_FILE_HEADER_SIZE + qwPacked + table.size() <= qwFileLength;
}

} // namespace

bool JC_QuorlinPacker::KeepsThreshold(std::uint32_t dwPacked, std::uint32_t dwPlain, std::uint32_t dwThreshold)
{
    return dwThreshold == 0 || static_cast<std::uint64_t>(dwPacked) * 100 / dwPlain <= dwThreshold;
}

std::int32_t JC_QuorlinPacker::PackToNew(const std::uint8_t* pSource, std::uint8_t** ppOut,
                                         std::uint32_t* pdwLength, std::uint32_t* pdwDeflated,
                                         std::uint32_t dwThreshold, std::uint32_t dwGrowth)
{
    if (pSource == nullptr)
        return PACKER_E_NEW_PACK_SOURCE;
    if (ppOut == nullptr || *ppOut != nullptr || pdwDeflated == nullptr)
        return PACKER_E_NEW_PACK_OUT;
    if (pdwLength == nullptr || *pdwLength == 0)
        return PACKER_E_NEW_PACK_LENGTH;
    *pdwDeflated = 0;
    if (dwGrowth > 100)
        return PACKER_E_NEW_PACK_GROWTH;

    const std::uint32_t dwPlain = *pdwLength;
    std::uint64_t qwCapacity = dwPlain;
    std::uint64_t qwTried = 0;
    for (;;) {
        qwCapacity = GrowCapacity(qwCapacity, dwGrowth, MAX_BUFFER);
        if (qwCapacity == 0 || qwCapacity == qwTried)
            return PACKER_E_NEW_PACK_NO_ROOM;
        qwTried = qwCapacity;
        std::uint8_t* pBuffer = new (std::nothrow) std::uint8_t[qwCapacity];
        if (pBuffer == nullptr)
            return PACKER_E_NEW_PACK_NO_ROOM;
        uLongf packedLength = static_cast<uLongf>(qwCapacity);
        const int iResult = compress2(pBuffer, &packedLength, pSource, dwPlain, PACK_LEVEL);
        if (iResult == Z_BUF_ERROR) {
            delete[] pBuffer;
            continue;
        }
        if (iResult != Z_OK) {
            delete[] pBuffer;
            return PACKER_E_NEW_PACK_ZLIB;
        }
        const std::uint32_t dwPacked = static_cast<std::uint32_t>(packedLength);
        if (!KeepsThreshold(dwPacked, dwPlain, dwThreshold)) {
            delete[] pBuffer;
            return 0;
        }
        *ppOut = pBuffer;
        *pdwLength = dwPacked;
        *pdwDeflated = 1;
        return 0;
    }
}

std::int32_t JC_QuorlinPacker::UnpackToNew(const std::uint8_t* pSource, std::uint8_t** ppOut,
                                           std::uint32_t* pdwLength, std::uint32_t dwExpected,
                                           std::uint32_t dwGrowth)
{
    if (pSource == nullptr)
        return PACKER_E_NEW_UNPACK_SOURCE;
    if (ppOut == nullptr || *ppOut != nullptr)
        return PACKER_E_NEW_UNPACK_OUT;
    if (pdwLength == nullptr || *pdwLength == 0)
        return PACKER_E_NEW_UNPACK_LENGTH;
    if (dwGrowth < 10 || dwGrowth > 100)
        return PACKER_E_NEW_UNPACK_GROWTH;

    const std::uint32_t dwPacked = *pdwLength;
    // No stream inflates beyond this, so no larger buffer is ever tried.
    const std::uint64_t qwLimit = std::min(
        MAX_BUFFER, std::max<std::uint64_t>(dwExpected, static_cast<std::uint64_t>(dwPacked) * JC_QuorlinPacker::MAX_INFLATE_RATIO));
    std::uint64_t qwCapacity = dwExpected != 0 ? dwExpected : static_cast<std::uint64_t>(dwPacked) * 2;
    for (;;) {
        qwCapacity = GrowCapacity(qwCapacity, dwGrowth, qwLimit);
        if (qwCapacity == 0)
            return PACKER_E_NEW_UNPACK_NO_ROOM;
        std::uint8_t* pBuffer = new (std::nothrow) std::uint8_t[qwCapacity];
        if (pBuffer == nullptr)
            return PACKER_E_NEW_UNPACK_NO_ROOM;
        uLongf plainLength = static_cast<uLongf>(qwCapacity);
        const int iResult = uncompress(pBuffer, &plainLength, pSource, dwPacked);
        if (iResult == Z_BUF_ERROR) {
            delete[] pBuffer;
            continue;
        }
        if (iResult != Z_OK) {
            delete[] pBuffer;
            return PACKER_E_NEW_UNPACK_ZLIB;
        }
        *ppOut = pBuffer;
        *pdwLength = static_cast<std::uint32_t>(plainLength);
        return 0;
    }
}

std::int32_t JC_QuorlinPacker::PackInto(const std::uint8_t* pSource, std::uint32_t dwSourceLength,
                                        std::uint8_t* pDest, std::uint32_t* pdwLength,
                                        std::uint32_t* pdwDeflated, std::uint32_t dwThreshold,
                                        std::uint32_t* pdwRatio)
{
    if (pSource == nullptr)
        return PACKER_E_PACK_SOURCE;
    if (dwSourceLength == 0)
        return PACKER_E_PACK_LENGTH;
    if (pDest == nullptr || pdwDeflated == nullptr)
        return PACKER_E_PACK_DEST;
    if (pdwLength == nullptr || *pdwLength == 0)
        return PACKER_E_PACK_ROOM;
    *pdwDeflated = 0;
    if (pdwRatio != nullptr)
        *pdwRatio = 0;

    uLongf packedLength = *pdwLength;
    const int iResult = compress2(pDest, &packedLength, pSource, dwSourceLength, PACK_LEVEL);
    if (iResult == Z_BUF_ERROR)
        return PACKER_E_PACK_TOO_SMALL;
    if (iResult != Z_OK)
        return PACKER_E_PACK_ZLIB;
    const std::uint32_t dwPacked = static_cast<std::uint32_t>(packedLength);
    if (pdwRatio != nullptr)
        *pdwRatio = static_cast<std::uint32_t>(static_cast<std::uint64_t>(dwPacked) * 100 / dwSourceLength);
    if (!KeepsThreshold(dwPacked, dwSourceLength, dwThreshold))
        return 0;
    *pdwLength = dwPacked;
    *pdwDeflated = 1;
    return 0;
}

std::int32_t JC_QuorlinPacker::UnpackInto(const std::uint8_t* pSource, std::uint32_t dwSourceLength,
                                          std::uint8_t* pDest, std::uint32_t* pdwLength)
{
    if (pSource == nullptr)
        return PACKER_E_UNPACK_SOURCE;
    if (dwSourceLength == 0)
        return PACKER_E_UNPACK_LENGTH;
    if (pDest == nullptr)
        return PACKER_E_UNPACK_DEST;
    if (pdwLength == nullptr || *pdwLength == 0)
        return PACKER_E_UNPACK_ROOM;

    z_stream* const pStream = ResetInflater();
    if (pStream == nullptr)
        return PACKER_E_UNPACK_ZLIB;
    pStream->next_in = const_cast<Bytef*>(pSource);
    pStream->avail_in = dwSourceLength;
    pStream->next_out = pDest;
    pStream->avail_out = *pdwLength;
    const int iResult = inflate(pStream, Z_FINISH);
    if (iResult == Z_STREAM_END) {
        *pdwLength -= pStream->avail_out;
        return 0;
    }
    // As uncompress tells them: a stream that filled the buffer without
    // ending wants more room; any other is damaged or cut short.
    if (iResult == Z_BUF_ERROR && pStream->avail_out == 0)
        return PACKER_E_UNPACK_TOO_SMALL;
    return PACKER_E_UNPACK_ZLIB;
}

void JC_QuorlinPacker::JS_InflateEnd::operator()(z_stream_s* pStream) const
{
    inflateEnd(pStream);
    delete pStream;
}

z_stream_s* JC_QuorlinPacker::ResetInflater()
{
    if (m_pInflater != nullptr)
        return inflateReset(m_pInflater.get()) == Z_OK ? m_pInflater.get() : nullptr;
    z_stream* const pStream = new (std::nothrow) z_stream{};
    if (pStream == nullptr)
        return nullptr;
    if (inflateInit(pStream) != Z_OK) {
        delete pStream;
        return nullptr;
    }
    m_pInflater.reset(pStream);
    return pStream;
}

std::int32_t JC_QuorlinPacker::PackFile(const char* szSource, const char* szDest, JS_PackedFileHeader* pHeader,
                                        std::vector<std::uint32_t>* pSizes, std::vector<std::uint32_t>* pFlags)
{
    JS_PackedFileHeader header;
    header.dwMagic = PACKED_FILE_MAGIC;
    std::vector<std::uint32_t> sizes;
    std::vector<std::uint32_t> flags;
    if (szSource == nullptr || szDest == nullptr)
        return PACKER_E_PACK_FILE_OPEN;

    JC_QuorlinFile source;
    if (!source.Open(szSource, JC_QuorlinFile::MODE_READ))
        return PACKER_E_PACK_FILE_OPEN;
    const std::int32_t iFolder = MakeFolderForFile(szDest);
    if (iFolder != 0)
        return iFolder;
    std::uint64_t qwLength = 0;
    if (!source.GetLength(&qwLength))
        return PACKER_E_PACK_FILE_OPEN;
    if (qwLength == 0)
        return PACKER_E_PACK_FILE_EMPTY;
    if (qwLength > 0xFFFFFFFFu)
        return PACKER_E_PACK_FILE_TOO_LARGE;
    header.dwPlainSize = static_cast<std::uint32_t>(qwLength);
    if (!AllocateBuffers())
        return PACKER_E_NO_MEMORY;

    const std::string strTemp = std::string(szDest) + ".Temp";
    JC_QuorlinFile dest;
    if (!dest.Open(strTemp, JC_QuorlinFile::MODE_CREATE))
        return PACKER_E_PACK_FILE_OPEN;
    std::int32_t iResult = PackBlocks(source, dest, &header, &sizes, &flags);
    if (iResult == 0 && !dest.Flush())
        iResult = PACKER_E_PACK_FILE_IO;
    dest.Close();
    if (iResult == 0 && !JF_ReplaceFile(strTemp, szDest))
        iResult = PACKER_E_PACK_FILE_OPEN;
    if (iResult != 0) {
        JF_DeleteFile(strTemp);
        return iResult;
    }
    if (pHeader != nullptr)
        *pHeader = header;
    if (pSizes != nullptr)
        *pSizes = sizes;
    if (pFlags != nullptr)
        *pFlags = flags;
    return 0;
}

std::int32_t JC_QuorlinPacker::PackBlocks(JC_QuorlinFile& source, JC_QuorlinFile& dest,
                                          JS_PackedFileHeader* pHeader, std::vector<std::uint32_t>* pSizes,
                                          std::vector<std::uint32_t>* pFlags)
{
    std::uint8_t headerBytes[PACKED_FILE_HEADER_SIZE] = {};
    if (!dest.Write(headerBytes, sizeof(headerBytes)))
        return PACKER_E_PACK_FILE_IO;

    const std::uint32_t dwPlainSize = pHeader->dwPlainSize;
    std::uint64_t qwPacked = 0;
    for (std::uint32_t dwDone = 0; dwDone < dwPlainSize;) {
        const std::uint32_t dwPiece = std::min(BLOCK_SIZE, dwPlainSize - dwDone);
        if (!source.ReadExactly(m_pInput.get(), dwPiece))
            return PACKER_E_PACK_FILE_IO;
        std::uint32_t dwStored = OUTPUT_SIZE;
        std::uint32_t dwDeflated = 0;
        if (dwPlainSize >= SMALL_SOURCE) {
            const std::int32_t iResult = PackInto(m_pInput.get(), dwPiece, m_pOutput.get(), &dwStored, &dwDeflated,
                                                  PACKED_FILE_THRESHOLD, nullptr);
            if (iResult != 0)
                return iResult;
        }
        if (dwDeflated == 0)
            dwStored = dwPiece;
        if (!dest.Write(dwDeflated != 0 ? m_pOutput.get() : m_pInput.get(), dwStored))
            return PACKER_E_PACK_FILE_IO;
        pSizes->push_back(dwStored);
        pFlags->push_back(dwDeflated);
        qwPacked += dwStored;
        dwDone += dwPiece;
    }
    pHeader->dwBlockCount = static_cast<std::uint32_t>(pSizes->size());
    pHeader->dwPackedSize = static_cast<std::uint32_t>(qwPacked);

    std::vector<std::uint8_t> table(pSizes->size() * TABLE_ENTRY_SIZE);
    for (size_t i = 0; i < pSizes->size(); ++i) {
        JF_PutU32(&table[i * TABLE_ENTRY_SIZE], (*pSizes)[i]);
        JF_PutU32(&table[i * TABLE_ENTRY_SIZE + 4], (*pFlags)[i]);
    }
    PutHeader(headerBytes, *pHeader);
    if (!dest.Write(table.data(), static_cast<std::uint32_t>(table.size())) || !dest.Seek(0)
        || !dest.Write(headerBytes, sizeof(headerBytes)))
        return PACKER_E_PACK_FILE_IO;
    return 0;
}

std::int32_t JC_QuorlinPacker::UnpackFile(const char* szPacked, const char* szDest)
{
    if (szPacked == nullptr || szDest == nullptr)
        return PACKER_E_UNPACK_FILE_OPEN;
    JC_QuorlinFile packed;
    if (!packed.Open(szPacked, JC_QuorlinFile::MODE_READ))
        return PACKER_E_UNPACK_FILE_OPEN;

    std::uint64_t qwLength = 0;
    std::uint8_t headerBytes[PACKED_FILE_HEADER_SIZE];
    if (!packed.GetLength(&qwLength) || qwLength < PACKED_FILE_HEADER_SIZE
        || !packed.ReadExactly(headerBytes, sizeof(headerBytes)))
        return PACKER_E_UNPACK_FILE_DAMAGED;
    const JS_PackedFileHeader header = GetHeader(headerBytes);
    const std::uint64_t qwBlocks = (static_cast<std::uint64_t>(header.dwPlainSize) + BLOCK_SIZE - 1) / BLOCK_SIZE;
    if (header.dwMagic != PACKED_FILE_MAGIC || header.dwBlockCount != qwBlocks
        || PACKED_FILE_HEADER_SIZE + static_cast<std::uint64_t>(header.dwPackedSize) > qwLength)
        return PACKER_E_UNPACK_FILE_DAMAGED;
    std::vector<std::uint8_t> table(header.dwBlockCount * TABLE_ENTRY_SIZE);
    if (!packed.Seek(PACKED_FILE_HEADER_SIZE + static_cast<std::uint64_t>(header.dwPackedSize))
        || !packed.ReadExactly(table.data(), static_cast<std::uint32_t>(table.size()))
        || !IsPackedFileSound(header, qwLength, table))
        return PACKER_E_UNPACK_FILE_DAMAGED;

    const std::int32_t iFolder = MakeFolderForFile(szDest);
    if (iFolder != 0)
        return iFolder;
    if (!AllocateBuffers())
        return PACKER_E_NO_MEMORY;
    const std::string strTemp = std::string(szDest) + ".Temp";
    JC_QuorlinFile dest;
    if (!dest.Open(strTemp, JC_QuorlinFile::MODE_CREATE))
        return PACKER_E_UNPACK_FILE_OPEN;
    std::int32_t iResult = UnpackBlocks(packed, dest, header, table);
    if (iResult == 0 && !dest.Flush())
        iResult = PACKER_E_UNPACK_FILE_IO;
    dest.Close();
    if (iResult == 0 && !JF_ReplaceFile(strTemp, szDest))
        iResult = PACKER_E_UNPACK_FILE_OPEN;
    if (iResult != 0)
        JF_DeleteFile(strTemp);
    return iResult;
}

std::int32_t JC_QuorlinPacker::UnpackBlocks(JC_QuorlinFile& packed, JC_QuorlinFile& dest,
                                            const JS_PackedFileHeader& header,
                                            const std::vector<std::uint8_t>& table)
{
    if (!packed.Seek(PACKED_FILE_HEADER_SIZE))
        return PACKER_E_UNPACK_FILE_IO;
    for (std::uint32_t i = 0; i < header.dwBlockCount; ++i) {
        const std::uint32_t dwStored = JF_GetU32(&table[i * TABLE_ENTRY_SIZE]);
        const std::uint32_t dwFlag = JF_GetU32(&table[i * TABLE_ENTRY_SIZE + 4]);
        const std::uint32_t dwPiece = PieceLength(header.dwPlainSize, i);
        if (!packed.ReadExactly(m_pInput.get(), dwStored))
            return PACKER_E_UNPACK_FILE_IO;
        const std::uint8_t* pPlain = m_pInput.get();
        std::uint32_t dwPlain = dwStored;
        if (dwFlag != 0) {
            dwPlain = OUTPUT_SIZE;
            const std::int32_t iResult = UnpackInto(m_pInput.get(), dwStored, m_pOutput.get(), &dwPlain);
            if (iResult != 0)
                return iResult;
            pPlain = m_pOutput.get();
        }
        if (dwPlain != dwPiece)
            return PACKER_E_UNPACK_FILE_DAMAGED;
        if (!dest.Write(pPlain, dwPlain))
            return PACKER_E_UNPACK_FILE_IO;
    }
    return 0;
}

bool JC_QuorlinPacker::AllocateBuffers()
{
    if (m_pInput == nullptr)
        m_pInput.reset(new (std::nothrow) std::uint8_t[BLOCK_SIZE]);
    if (m_pOutput == nullptr)
        m_pOutput.reset(new (std::nothrow) std::uint8_t[OUTPUT_SIZE]);
    return m_pInput != nullptr && m_pOutput != nullptr;
}
