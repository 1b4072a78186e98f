#pragma once

#include <string>

// An in-memory file system behind the archive library's file seam, for the
// native fuzzing build. Paths are keys as given; folders exist implicitly.
void MemoryDisk_Clear();
void MemoryDisk_Put(const std::string& strPath, const std::string& strBytes);
// False when there is no such file.
bool MemoryDisk_Get(const std::string& strPath, std::string* pBytes);
