#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class JC_QuorlinFile;
struct z_stream_s;

// Header of a stand-alone packed file.
struct JS_PackedFileHeader
{
    std::uint32_t dwMagic = 0;
    std::uint32_t dwBlockCount = 0;
    std::uint32_t dwPlainSize = 0;
    std::uint32_t dwPackedSize = 0;
};

// Results of the block packer.
inline constexpr std::int32_t PACKER_E_NEW_PACK_SOURCE = static_cast<std::int32_t>(0x81111101u);
inline constexpr std::int32_t PACKER_E_NEW_PACK_OUT = static_cast<std::int32_t>(0x81111102u);
inline constexpr std::int32_t PACKER_E_NEW_PACK_LENGTH = static_cast<std::int32_t>(0x81111103u);
inline constexpr std::int32_t PACKER_E_NEW_PACK_GROWTH = static_cast<std::int32_t>(0x81111104u);
inline constexpr std::int32_t PACKER_E_NEW_PACK_ZLIB = static_cast<std::int32_t>(0x81111105u);
inline constexpr std::int32_t PACKER_E_NEW_PACK_NO_ROOM = static_cast<std::int32_t>(0x81111106u);
inline constexpr std::int32_t PACKER_E_NEW_UNPACK_SOURCE = static_cast<std::int32_t>(0x81111201u);
inline constexpr std::int32_t PACKER_E_NEW_UNPACK_OUT = static_cast<std::int32_t>(0x81111202u);
inline constexpr std::int32_t PACKER_E_NEW_UNPACK_LENGTH = static_cast<std::int32_t>(0x81111203u);
inline constexpr std::int32_t PACKER_E_NEW_UNPACK_GROWTH = static_cast<std::int32_t>(0x81111204u);
inline constexpr std::int32_t PACKER_E_NEW_UNPACK_ZLIB = static_cast<std::int32_t>(0x81111205u);
inline constexpr std::int32_t PACKER_E_NEW_UNPACK_NO_ROOM = static_cast<std::int32_t>(0x81111206u);
inline constexpr std::int32_t PACKER_E_PACK_SOURCE = static_cast<std::int32_t>(0x81111301u);
inline constexpr std::int32_t PACKER_E_PACK_LENGTH = static_cast<std::int32_t>(0x81111302u);
inline constexpr std::int32_t PACKER_E_PACK_DEST = static_cast<std::int32_t>(0x81111303u);
inline constexpr std::int32_t PACKER_E_PACK_ROOM = static_cast<std::int32_t>(0x81111304u);
inline constexpr std::int32_t PACKER_E_PACK_TOO_SMALL = static_cast<std::int32_t>(0x81111305u);
inline constexpr std::int32_t PACKER_E_PACK_ZLIB = static_cast<std::int32_t>(0x81111306u);
inline constexpr std::int32_t PACKER_E_UNPACK_SOURCE = static_cast<std::int32_t>(0x81111401u);
inline constexpr std::int32_t PACKER_E_UNPACK_LENGTH = static_cast<std::int32_t>(0x81111402u);
inline constexpr std::int32_t PACKER_E_UNPACK_DEST = static_cast<std::int32_t>(0x81111403u);
inline constexpr std::int32_t PACKER_E_UNPACK_ROOM = static_cast<std::int32_t>(0x81111404u);
inline constexpr std::int32_t PACKER_E_UNPACK_TOO_SMALL = static_cast<std::int32_t>(0x81111405u);
inline constexpr std::int32_t PACKER_E_UNPACK_ZLIB = static_cast<std::int32_t>(0x81111406u);
inline constexpr std::int32_t PACKER_E_PACK_FILE_OPEN = static_cast<std::int32_t>(0x81112101u);
inline constexpr std::int32_t PACKER_E_PACK_FILE_EMPTY = static_cast<std::int32_t>(0x81112102u);
inline constexpr std::int32_t PACKER_E_PACK_FILE_TOO_LARGE = static_cast<std::int32_t>(0x81112103u);
inline constexpr std::int32_t PACKER_E_PACK_FILE_IO = static_cast<std::int32_t>(0x81112104u);
inline constexpr std::int32_t PACKER_E_UNPACK_FILE_OPEN = static_cast<std::int32_t>(0x81112201u);
inline constexpr std::int32_t PACKER_E_UNPACK_FILE_DAMAGED = static_cast<std::int32_t>(0x81112202u);
inline constexpr std::int32_t PACKER_E_UNPACK_FILE_IO = static_cast<std::int32_t>(0x81112203u);
inline constexpr std::int32_t PACKER_E_NO_MEMORY = static_cast<std::int32_t>(0x8007000Eu);

// Deflates and inflates blocks with zlib (level 9), and packs and unpacks
// whole disk files as stand-alone packed files of 1 MiB blocks:
//   header (u32 0x00010015, block count, plain size, packed size),
//   the blocks back to back, then a (stored size, flag) pair per block.
class JC_QuorlinPacker
{
public:
    static constexpr std::uint32_t PACKED_FILE_MAGIC = 0x00010015;
    static constexpr std::uint32_t PACKED_FILE_HEADER_SIZE = 16;
    static constexpr std::uint32_t BLOCK_SIZE = 0x100000;
    static constexpr std::uint32_t OUTPUT_SIZE = 1153445;
    static constexpr std::uint32_t PACKED_FILE_THRESHOLD = 90;
    // Sources shorter than this are stored as one raw block.
    static constexpr std::uint32_t SMALL_SOURCE = 128;
    // No deflate stream inflates to more than this many times its length.
    static constexpr std::uint32_t MAX_INFLATE_RATIO = 1032;

    JC_QuorlinPacker() = default;
    JC_QuorlinPacker(const JC_QuorlinPacker&) = delete;
    JC_QuorlinPacker& operator=(const JC_QuorlinPacker&) = delete;

    // Deflates into a buffer it allocates (free it with delete[]); *ppOut
    // must be null and *pdwLength holds the source length. The buffer grows
    // by dwGrowth percent per try and the tries end when it cannot grow.
    // When the result misses the threshold nothing is handed out.
    virtual std::int32_t PackToNew(const std::uint8_t* pSource, std::uint8_t** ppOut, std::uint32_t* pdwLength,
                                   std::uint32_t* pdwDeflated, std::uint32_t dwThreshold, std::uint32_t dwGrowth);
    // Inflates into a buffer it allocates (free it with delete[]).
    virtual std::int32_t UnpackToNew(const std::uint8_t* pSource, std::uint8_t** ppOut, std::uint32_t* pdwLength,
                                     std::uint32_t dwExpected, std::uint32_t dwGrowth);
    // Deflates into the caller's buffer of *pdwLength bytes. *pdwDeflated
    // becomes 1 and *pdwLength the packed length when the result keeps the
    // threshold (0 keeps every result); otherwise both stay.
    virtual std::int32_t PackInto(const std::uint8_t* pSource, std::uint32_t dwSourceLength, std::uint8_t* pDest,
                                  std::uint32_t* pdwLength, std::uint32_t* pdwDeflated, std::uint32_t dwThreshold,
                                  std::uint32_t* pdwRatio);
    // Inflates into the caller's buffer of *pdwLength bytes; *pdwLength
    // becomes the plain length.
    virtual std::int32_t UnpackInto(const std::uint8_t* pSource, std::uint32_t dwSourceLength, std::uint8_t* pDest,
                                    std::uint32_t* pdwLength);
    virtual ~JC_QuorlinPacker() = default;
    // Packs a disk file into a new packed file, written beside the
    // destination and moved over it when complete. The header and the two
    // block lists are handed back.
    virtual std::int32_t PackFile(const char* szSource, const char* szDest, JS_PackedFileHeader* pHeader,
                                  std::vector<std::uint32_t>* pSizes, std::vector<std::uint32_t>* pFlags);
    virtual std::int32_t UnpackFile(const char* szPacked, const char* szDest);

    // Whether a block keeps its deflated form.
    static bool KeepsThreshold(std::uint32_t dwPacked, std::uint32_t dwPlain, std::uint32_t dwThreshold);

private:
    // The two work buffers of the packed-file operations, made on first use.
    bool AllocateBuffers();
    std::int32_t PackBlocks(JC_QuorlinFile& source, JC_QuorlinFile& dest, JS_PackedFileHeader* pHeader,
                            std::vector<std::uint32_t>* pSizes, std::vector<std::uint32_t>* pFlags);
    std::int32_t UnpackBlocks(JC_QuorlinFile& packed, JC_QuorlinFile& dest, const JS_PackedFileHeader& header,
                              const std::vector<std::uint8_t>& table);

    // The inflate stream, made on first use and reset for each block, so a
    // read of many small files does not set up zlib's state for each.
    struct JS_InflateEnd
    {
        void operator()(z_stream_s* pStream) const;
    };
    z_stream_s* ResetInflater();

    std::unique_ptr<std::uint8_t[]> m_pInput;
    std::unique_ptr<std::uint8_t[]> m_pOutput;
    std::unique_ptr<z_stream_s, JS_InflateEnd> m_pInflater;
};
