#pragma once

#include <cstdint>
#include <string>

// Creates the folders of a destination path.

inline constexpr std::int32_t FOLDER_E_NO_DRIVE = static_cast<std::int32_t>(0x80027101u);
inline constexpr std::int32_t FOLDER_E_CREATE = static_cast<std::int32_t>(0x80027103u);
inline constexpr std::int32_t FOLDER_E_NO_SEPARATOR = static_cast<std::int32_t>(0x80027201u);

// Creates every folder named by the path up to its last backslash, after the
// drive part ":\"; the text after the last backslash is not created.
std::int32_t MakeFolderPath(const std::string& strPath);
// Creates the folders that the file path needs.
std::int32_t MakeFolderForFile(const std::string& strFilePath);
