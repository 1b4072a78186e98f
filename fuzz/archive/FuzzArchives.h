#pragma once

#include <string>
#include <utility>
#include <vector>

// Valid archives made in the memory file system, for seeds and merge targets.
typedef std::vector<std::pair<std::string, std::string>> FuzzFiles;

// The bytes of an archive built from files ('\' separated paths). The
// memory file system is emptied afterwards.
std::string FuzzArchive(const FuzzFiles& files);
// The same archive saved once more in place with one file changed, so that
// it holds dead space.
std::string FuzzSavedArchive(const FuzzFiles& files, const std::string& changedPath);
