#pragma once

#include <string>

// Whether names and folder paths taken from an archive can be written below a
// destination folder without leaving it or reaching a device.

// A plain file or folder name: not empty, not "." or "..", no separator,
// drive colon, wildcard or control character, no trailing dot or blank, and
// not a device name such as "CON" or "lpt1.txt".
bool JF_IsSafeNodeName(const std::string& strName);
// Empty, or safe names each followed by one backslash.
bool JF_IsSafeFolderPath(const std::string& strFolderPath);
