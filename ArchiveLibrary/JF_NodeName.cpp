#include "ArchiveLibrary/JF_NodeName.h"

#include "GameProgram/Common/XF_Cp950.h"

#include <cstring>

namespace {

bool IsForbiddenChar(unsigned char cByte)
{
    return cByte < 0x20 || std::strchr("\\/:*?\"<>|", cByte) != nullptr;
}

// The second bytes code page 950 gives a double-byte character. Any other
// byte after a lead byte is read as a character of its own by the file
// functions: a zero ends the path there, a '/' or ':' separates.
bool IsTrailByte(unsigned char cByte)
{
    return (cByte >= 0x40 && cByte <= 0x7E) || (cByte >= 0xA1 && cByte <= 0xFE);
}

bool IsDeviceName(const std::string& strName)
{
    static const char* const s_DeviceNames[] = {
        "con", "prn", "aux", "nul", "com1", "com2", "com3", "com4", "com5", "com6", "com7", "com8", "com9",
        "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9",
    };
    // "nul.txt" names the device as well.
    const std::string strBase = strName.substr(0, XF_FindChar(strName, '.'));
    for (const char* szDevice : s_DeviceNames) {
        if (XF_CompareNoCase(strBase, szDevice) == 0)
            return true;
    }
    return false;
}

} // namespace

bool JF_IsSafeNodeName(const std::string& strName)
{
    if (strName.empty() || strName == "." || strName == "..")
        return false;
    const size_t length = strName.size();
    size_t lastChar = 0;
    for (size_t at = 0; at < length;) {
        const size_t charLength = XF_CharLength(strName.c_str(), at, length);
        const unsigned char cByte = static_cast<unsigned char>(strName[at]);
        // A lone lead byte at the end would swallow what a path puts after it.
        if (charLength == 1 && (XF_IsLeadByte(cByte) || IsForbiddenChar(cByte)))
            return false;
        if (charLength == 2 && !IsTrailByte(static_cast<unsigned char>(strName[at + 1])))
            return false;
        lastChar = at;
        at += charLength;
    }
    // The file system drops a trailing dot or blank, so "..." or ".. " would
    // name the parent.
    const char cLast = strName[lastChar];
    if (lastChar == length - 1 && (cLast == '.' || cLast == ' '))
        return false;
    return !IsDeviceName(strName);
}

bool JF_IsSafeFolderPath(const std::string& strFolderPath)
{
    size_t at = 0;
    while (at < strFolderPath.size()) {
        const size_t separator = XF_FindChar(strFolderPath, '\\', at);
        if (separator == std::string::npos || !JF_IsSafeNodeName(strFolderPath.substr(at, separator - at)))
            return false;
        at = separator + 1;
    }
    return true;
}
