#pragma once

#include <cstdint>
#include <string>

// One open disk file of the archive library. All file access of the library
// goes through this class and the functions of JF_QuorlinDisk.h, so the same
// archive code builds against another file system (an in-memory one for
// fuzzing). Every operation reports success; nothing throws.
class JC_QuorlinFile
{
public:
    enum Mode
    {
        MODE_READ,       // an existing file, for reading
        MODE_READWRITE,  // an existing file, for reading and writing
        MODE_CREATE,     // a new or emptied file, for reading and writing
    };

    JC_QuorlinFile() = default;
    ~JC_QuorlinFile() { Close(); }
    JC_QuorlinFile(const JC_QuorlinFile&) = delete;
    JC_QuorlinFile& operator=(const JC_QuorlinFile&) = delete;

    bool Open(const std::string& strPath, Mode mode);
    void Close();
    bool IsOpen() const { return m_pHandle != nullptr; }

    // The number of bytes read, fewer only at the end of the file or on failure.
    std::uint32_t Read(void* pBuffer, std::uint32_t dwCount);
    bool ReadExactly(void* pBuffer, std::uint32_t dwCount) { return Read(pBuffer, dwCount) == dwCount; }
    bool Write(const void* pData, std::uint32_t dwCount);
    bool Seek(std::uint64_t qwPosition);
    bool SeekToEnd(std::uint64_t* pqwPosition);
    bool GetPosition(std::uint64_t* pqwPosition) const;
    bool GetLength(std::uint64_t* pqwLength) const;
    // Cuts or extends the file to a length; the position is then at that end.
    bool SetLength(std::uint64_t qwLength);
    bool Flush();

private:
    void* m_pHandle = nullptr;
};
