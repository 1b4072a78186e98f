#pragma once

#include "GameProgram/Common/XF_Cp950.h"

#include <string>
#include <vector>

// Orders paths as Windows matches them: single-byte letters without regard to
// case, double-byte characters (whose second byte may be a letter or '\\')
// as they are.
struct MemoryDisk_NoCase
{
    bool operator()(const std::string& strA, const std::string& strB) const { return XF_CompareNoCase(strA, strB) < 0; }
};

// An in-memory file system behind the archive library's file seam, for the
// native fuzzing build. Paths are keys as first given, matched as Windows
// matches them; folders exist implicitly.
void MemoryDisk_Clear();
void MemoryDisk_Put(const std::string& strPath, const std::string& strBytes);
// False when there is no such file.
bool MemoryDisk_Get(const std::string& strPath, std::string* pBytes);
// From now on every file created, written, moved or deleted and every folder
// made must lie inside the folder (which ends in '\\'), with no part of the
// rest made only of dots and blanks and no ':'; anything else traps (as does
// any path holding a zero byte, written or read). An
// empty folder lifts the limit.
void MemoryDisk_LimitWrites(const std::string& strFolder);
// The paths of every file held, in MemoryDisk_NoCase order.
std::vector<std::string> MemoryDisk_Paths();
