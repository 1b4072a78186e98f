#pragma once

#include <cstdint>
#include <string>

class JC_QuorlinFile;

// The stream encoding in which the node table is stored: 32-bit values,
// counts of 2 or 6 bytes and strings with a length prefix of 1 to 11 bytes.
// A storing stream writes at the file's position through a 4096-byte
// buffer; a loading stream reads from the file's position and never past
// an end that the caller gives. A read past that end, a malformed length or
// a failed write marks the stream failed: later reads give zeros and empty
// strings and later writes are dropped.
class JC_QuorlinStream
{
public:
    static constexpr std::uint32_t BUFFER_SIZE = 4096;
    // Longest string a loading stream accepts.
    static constexpr std::uint64_t MAX_STRING_LENGTH = 0x7FFFFFFF;

    // A storing stream.
    explicit JC_QuorlinStream(JC_QuorlinFile& file);
    // A loading stream over [file position, qwEnd).
    JC_QuorlinStream(JC_QuorlinFile& file, std::uint64_t qwEnd);
    JC_QuorlinStream(const JC_QuorlinStream&) = delete;
    JC_QuorlinStream& operator=(const JC_QuorlinStream&) = delete;

    bool IsStoring() const { return m_bStoring; }
    bool IsFailed() const { return m_bFailed; }
    // Bytes a loading stream may still read.
    std::uint64_t GetBytesLeft() const { return m_qwFileLeft + (m_dwFill - m_dwPosition); }

    // Each writes the value when storing and reads it when loading.
    void SerializeU32(std::uint32_t& dwValue);
    void SerializeCount(std::uint32_t& dwCount);
    void SerializeString(std::string& strText);

    // Writes what a storing stream still holds; false when the stream failed.
    bool Flush();

private:
    void WriteBytes(const void* pData, std::uint32_t dwCount);
    bool ReadBytes(void* pBuffer, std::uint64_t qwCount);
    bool Refill();
    void Fail();

    void WriteU8(std::uint8_t byValue);
    void WriteU16(std::uint16_t wValue);
    void WriteU32(std::uint32_t dwValue);
    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::uint64_t ReadU64();

    void WriteString(const std::string& strText);
    void ReadString(std::string& strText);
    // The length that follows a first prefix byte of 0xFF and a u16 other
    // than the wide-text mark.
    std::uint64_t ReadLongLength(std::uint16_t wLength);

    JC_QuorlinFile& m_File;
    const bool m_bStoring;
    bool m_bFailed = false;
    std::uint8_t m_Buffer[BUFFER_SIZE];
    std::uint32_t m_dwPosition = 0;  // next byte of the buffer to read
    std::uint32_t m_dwFill = 0;      // bytes in the buffer
    std::uint64_t m_qwFileLeft = 0;  // bytes of a loading stream not yet in the buffer
};
