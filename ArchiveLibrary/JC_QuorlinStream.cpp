#include "ArchiveLibrary/JC_QuorlinStream.h"

#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JF_LittleEndian.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"

#include <algorithm>
#include <cstring>

namespace {

const std::uint16_t COUNT_ESCAPE = 0xFFFF;
const std::uint8_t LENGTH_ESCAPE = 0xFF;
const std::uint16_t WIDE_MARK = 0xFFFE;
const std::uint32_t LONG_ESCAPE = 0xFFFFFFFF;

} // namespace

JC_QuorlinStream::JC_QuorlinStream(JC_QuorlinFile& file)
    : m_File(file)
    , m_bStoring(true)
{
}

JC_QuorlinStream::JC_QuorlinStream(JC_QuorlinFile& file, std::uint64_t qwEnd)
    : m_File(file)
    , m_bStoring(false)
{
    std::uint64_t qwPosition = 0;
    if (!m_File.GetPosition(&qwPosition)) {
        m_bFailed = true;
        return;
    }
    m_qwFileLeft = qwEnd > qwPosition ? qwEnd - qwPosition : 0;
}

void JC_QuorlinStream::SerializeU32(std::uint32_t& dwValue)
{
    if (m_bStoring)
        WriteU32(dwValue);
    else
        dwValue = ReadU32();
}

void JC_QuorlinStream::SerializeCount(std::uint32_t& dwCount)
{
    if (m_bStoring) {
        if (dwCount < COUNT_ESCAPE) {
            WriteU16(static_cast<std::uint16_t>(dwCount));
            return;
        }
        WriteU16(COUNT_ESCAPE);
        WriteU32(dwCount);
        return;
    }
    const std::uint16_t wCount = ReadU16();
    dwCount = wCount != COUNT_ESCAPE ? wCount : ReadU32();
}

void JC_QuorlinStream::SerializeString(std::string& strText)
{
    if (m_bStoring)
        WriteString(strText);
    else
        ReadString(strText);
}

bool JC_QuorlinStream::Flush()
{
    if (m_bStoring && !m_bFailed && m_dwFill > 0) {
        if (!m_File.Write(m_Buffer, m_dwFill))
            Fail();
        m_dwFill = 0;
    }
    return !m_bFailed;
}

void JC_QuorlinStream::WriteString(const std::string& strText)
{
    const std::uint64_t qwLength = strText.size();
    if (qwLength >= LONG_ESCAPE) {
        Fail();
        return;
    }
    if (qwLength < LENGTH_ESCAPE) {
        WriteU8(static_cast<std::uint8_t>(qwLength));
    } else if (qwLength < WIDE_MARK) {
        WriteU8(LENGTH_ESCAPE);
        WriteU16(static_cast<std::uint16_t>(qwLength));
    } else {
        WriteU8(LENGTH_ESCAPE);
        WriteU16(COUNT_ESCAPE);
        WriteU32(static_cast<std::uint32_t>(qwLength));
    }
    WriteBytes(strText.data(), static_cast<std::uint32_t>(qwLength));
}

void JC_QuorlinStream::ReadString(std::string& strText)
{
    strText.clear();
    bool bWide = false;
    std::uint64_t qwLength = ReadU8();
    if (qwLength == LENGTH_ESCAPE) {
        const std::uint16_t wLength = ReadU16();
        if (wLength == WIDE_MARK) {
            bWide = true;
            qwLength = ReadU8();
            if (qwLength == LENGTH_ESCAPE)
                qwLength = ReadLongLength(ReadU16());
        } else {
            qwLength = ReadLongLength(wLength);
        }
    }
    const std::uint64_t qwBytes = bWide ? qwLength * 2 : qwLength;
    if (m_bFailed || qwLength > MAX_STRING_LENGTH || qwBytes > GetBytesLeft()) {
        Fail();
        return;
    }
    if (!bWide) {
        strText.resize(static_cast<size_t>(qwLength));
        ReadBytes(strText.data(), qwLength);
        return;
    }
    std::u16string strWide(static_cast<size_t>(qwLength), u'\0');
    for (char16_t& cUnit : strWide)
        cUnit = ReadU16();
    if (!m_bFailed)
        strText = JF_WideToAnsi(strWide);
}

std::uint64_t JC_QuorlinStream::ReadLongLength(std::uint16_t wLength)
{
    if (wLength != COUNT_ESCAPE)
        return wLength;
    const std::uint32_t dwLength = ReadU32();
    if (dwLength != LONG_ESCAPE)
        return dwLength;
    return ReadU64();
}

void JC_QuorlinStream::WriteU8(std::uint8_t byValue)
{
    WriteBytes(&byValue, 1);
}

void JC_QuorlinStream::WriteU16(std::uint16_t wValue)
{
    std::uint8_t bytes[2];
    JF_PutU16(bytes, wValue);
    WriteBytes(bytes, sizeof(bytes));
}

void JC_QuorlinStream::WriteU32(std::uint32_t dwValue)
{
    std::uint8_t bytes[4];
    JF_PutU32(bytes, dwValue);
    WriteBytes(bytes, sizeof(bytes));
}

std::uint8_t JC_QuorlinStream::ReadU8()
{
    std::uint8_t byValue = 0;
    return ReadBytes(&byValue, 1) ? byValue : 0;
}

std::uint16_t JC_QuorlinStream::ReadU16()
{
    std::uint8_t bytes[2];
    return ReadBytes(bytes, sizeof(bytes)) ? JF_GetU16(bytes) : 0;
}

std::uint32_t JC_QuorlinStream::ReadU32()
{
    std::uint8_t bytes[4];
    return ReadBytes(bytes, sizeof(bytes)) ? JF_GetU32(bytes) : 0;
}

std::uint64_t JC_QuorlinStream::ReadU64()
{
    std::uint8_t bytes[8];
    return ReadBytes(bytes, sizeof(bytes)) ? JF_GetU64(bytes) : 0;
}

void JC_QuorlinStream::WriteBytes(const void* pData, std::uint32_t dwCount)
{
    const std::uint8_t* pBytes = static_cast<const std::uint8_t*>(pData);
    while (dwCount > 0 && !m_bFailed) {
        if (m_dwFill == BUFFER_SIZE && !Flush())
            return;
        const std::uint32_t dwPiece = std::min(dwCount, BUFFER_SIZE - m_dwFill);
        std::memcpy(m_Buffer + m_dwFill, pBytes, dwPiece);
        m_dwFill += dwPiece;
        pBytes += dwPiece;
        dwCount -= dwPiece;
    }
}

bool JC_QuorlinStream::ReadBytes(void* pBuffer, std::uint64_t qwCount)
{
    if (m_bFailed)
        return false;
    if (qwCount > GetBytesLeft()) {
        Fail();
        return false;
    }
    std::uint8_t* pBytes = static_cast<std::uint8_t*>(pBuffer);
    while (qwCount > 0) {
        if (m_dwPosition == m_dwFill && !Refill())
            return false;
        const std::uint32_t dwPiece =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(qwCount, m_dwFill - m_dwPosition));
        std::memcpy(pBytes, m_Buffer + m_dwPosition, dwPiece);
        m_dwPosition += dwPiece;
        pBytes += dwPiece;
        qwCount -= dwPiece;
    }
    return true;
}

bool JC_QuorlinStream::Refill()
{
    const std::uint32_t dwWanted = static_cast<std::uint32_t>(std::min<std::uint64_t>(BUFFER_SIZE, m_qwFileLeft));
    if (dwWanted == 0 || !m_File.ReadExactly(m_Buffer, dwWanted)) {
        Fail();
        return false;
    }
    m_qwFileLeft -= dwWanted;
    m_dwPosition = 0;
    m_dwFill = dwWanted;
    return true;
}

void JC_QuorlinStream::Fail()
{
    m_bFailed = true;
}
