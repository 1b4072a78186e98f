#pragma once

#include <string>

// Writes a whole file the game or a tool reads later: a read-only file
// becomes writable, the bytes go to a temporary file beside it, which then
// replaces it, so a failure leaves the old file as it was. False on failure.
bool JF_WriteFile(const std::string& strPath, const std::string& strBytes);
