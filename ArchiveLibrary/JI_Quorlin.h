#pragma once

#include <cstdint>

// The binary contract between the archive library "Quorlin_R.dll" and the
// programs that load it by name: the archive interface, the two interface
// identifiers and the two exports. Nothing else crosses the library's border.

// The library's result codes are negative 32-bit values written in hex.
constexpr std::int32_t QuorlinCode(std::uint32_t dwCode)
{
    return static_cast<std::int32_t>(dwCode);
}

// A 16-byte interface identifier, laid out as a Windows GUID.
struct JS_QuorlinID
{
    std::uint32_t dwData1;
    std::uint16_t wData2;
    std::uint16_t wData3;
    std::uint8_t byData4[8];
};

// Both exports take these two, in this order.
inline constexpr JS_QuorlinID IID_Quorlin_First = {
    0x5E1A7C23, 0x9B04, 0x4D6F, {0xA2, 0xE8, 0x31, 0xC7, 0xF0, 0xB9, 0x46, 0xD2}};
inline constexpr JS_QuorlinID IID_Quorlin_Second = {
    0xC84D2F91, 0x06B7, 0x4A3E, {0x9F, 0x15, 0x7D, 0x2E, 0x6B, 0x08, 0xA4, 0xC1}};

// Results of the exports.
inline constexpr std::int32_t QUORLIN_E_FIRST_ID = QuorlinCode(0x80000001);
inline constexpr std::int32_t QUORLIN_E_SECOND_ID = QuorlinCode(0x80000002);
inline constexpr std::int32_t QUORLIN_E_NO_MEMORY = QuorlinCode(0x80000003);
// Results of the interface's operations (0 is success).
inline constexpr std::int32_t QUORLIN_E_OPEN_ALREADY = QuorlinCode(0x87460081);
inline constexpr std::int32_t QUORLIN_E_OPEN_FILE = QuorlinCode(0x87460082);
inline constexpr std::int32_t QUORLIN_E_OPEN_DAMAGED = QuorlinCode(0x87460083);
inline constexpr std::int32_t QUORLIN_E_GETFILE_NOT_FOUND = QuorlinCode(0x87460141);
inline constexpr std::int32_t QUORLIN_E_GETFILE_BUFFER = QuorlinCode(0x87460142);
inline constexpr std::int32_t QUORLIN_E_GETFILE_ARGUMENT = QuorlinCode(0x87460143);
inline constexpr std::int32_t QUORLIN_E_GETFILE_MEMORY = QuorlinCode(0x87460144);
inline constexpr std::int32_t QUORLIN_E_GETFILEEX_NOT_FOUND = QuorlinCode(0x87460151);
inline constexpr std::int32_t QUORLIN_E_GETFILEEX_SMALL = QuorlinCode(0x87460152);
inline constexpr std::int32_t QUORLIN_E_GETFILEEX_ARGUMENT = QuorlinCode(0x87460153);

// The archive interface. Every operation returns 0 for success and a
// negative code for failure. The slot order is fixed. Objects are created and
// destroyed only by the two exports, so the interface has no virtual
// destructor.
class JI_Quorlin
{
public:
    virtual std::int32_t Initiation() = 0;
    virtual std::int32_t ProjectOpen(const char* szPath) = 0;
    virtual std::int32_t ProjectClose() = 0;
    virtual std::int32_t ProjectUpdate(const char* szUpdatePath, const char* szTargetPath) = 0;
    virtual std::int32_t ProjectAppend(const char* szUpdatePath, const char* szTargetPath) = 0;
    // Allocates a buffer of the file's size into *ppBuffer (which must be
    // null) and fills it; free it with FreeFile.
    virtual std::int32_t GetFile(const char* szPath, std::uint8_t** ppBuffer, std::uint32_t* pdwSize) = 0;
    virtual std::int32_t FreeFile(std::uint8_t** ppBuffer) = 0;
    // With *ppBuffer null: stores the file's size. Otherwise fills the
    // caller's buffer of *pdwSize bytes with the whole file.
    virtual std::int32_t GetFileEx(const char* szPath, std::uint8_t** ppBuffer, std::uint32_t* pdwSize) = 0;

protected:
    ~JI_Quorlin() = default;
};

// The exports, looked up by these names.
extern "C" {
typedef std::int32_t (*JD_GET_QUORLINOBJ)(const JS_QuorlinID* pFirstID, const JS_QuorlinID* pSecondID,
                                          JI_Quorlin** ppQuorlin);
typedef std::int32_t (*JD_DEL_QUORLINOBJ)(const JS_QuorlinID* pFirstID, const JS_QuorlinID* pSecondID,
                                          JI_Quorlin* pQuorlin);
}
inline constexpr const char* JD_GET_QUORLINOBJ_NAME = "JD_Get_QuorlinObj";
inline constexpr const char* JD_DEL_QUORLINOBJ_NAME = "JD_Del_QuorlinObj";
