#pragma once

#include "ArchiveLibrary/JI_Quorlin.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Files and archives the archive tests build on.

// Bytes that deflate well, like text.
std::string TextBytes(size_t size, unsigned int seed);
// Bytes that do not deflate.
std::string NoiseBytes(size_t size, unsigned int seed);

// Writes files below a folder; paths are relative and '\' separated, and
// the folders on the way are made.
typedef std::vector<std::pair<std::string, std::string>> TestFiles;
void WriteTree(const std::string& folder, const TestFiles& files);

// The bytes of every file below a folder, by '\' separated relative path.
std::map<std::string, std::string> TreeOf(const std::string& folder);

// Builds an archive of a folder's contents with a manager of its own.
std::int32_t BuildArchive(const std::string& folder, const std::string& archive);

// A file node read whole through the size query and the read of GetFileEx.
std::string ReadThrough(JI_Quorlin& quorlin, const std::string& path, std::int32_t* pResult);

// Little-endian fields for byte fixtures.
std::string U16(std::uint16_t value);
std::string U32(std::uint32_t value);
std::string U64(std::uint64_t value);

// Hand-made archive parts: a file node's record with no children (the
// record, then its child count 0), and a trailer.
std::string FileRecord(const std::string& name, std::uint32_t plainSize, std::uint32_t blocks,
                       std::uint32_t packed, std::uint32_t offset, const std::string& folderPath = "");
// A folder node's record with no children.
std::string FolderRecord(const std::string& name);
std::string Trailer(std::uint32_t folders, std::uint32_t files, std::uint64_t tableOffset,
                    std::uint32_t version = 0x00010000);
// A one-block region: the stored bytes, their size and the flag.
std::string Region(const std::string& stored, std::uint32_t flag);
