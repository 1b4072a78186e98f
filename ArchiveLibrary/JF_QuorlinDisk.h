#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the archive library asks of the file system and the desktop besides
// reading and writing files (JC_QuorlinFile).

// One directory entry as a folder search reports it.
struct JS_QuorlinDiskEntry
{
    std::uint32_t dwAttributes = 0;
    std::string strName;
    // Last write, local time, "%04d/%02d/%02d  %02d:%02d:%02d".
    std::string strTime;
    std::uint64_t qwSize = 0;
};

inline constexpr std::uint32_t JM_ATTRIBUTE_FOLDER = 0x10;

// The entry that a search for the path finds first; false when none.
bool JF_FindDiskEntry(const std::string& strPath, JS_QuorlinDiskEntry* pEntry);
// The entries of a folder, without "." and "..".
bool JF_ListDiskFolder(const std::string& strFolder, std::vector<JS_QuorlinDiskEntry>* pEntries);

enum JE_FolderResult
{
    FOLDER_CREATED,
    FOLDER_EXISTS,
    FOLDER_FAILED,
};
JE_FolderResult JF_CreateFolder(const std::string& strPath);

bool JF_DeleteFile(const std::string& strPath);
// Moves a finished file over another, replacing it in one step.
bool JF_ReplaceFile(const std::string& strFrom, const std::string& strTo);

// UTF-16 text in the code page of the archive names (950).
std::string JF_WideToAnsi(const std::u16string& strWide);

// A line for the debugger's output.
void JF_DebugMessage(const std::string& strText);

// Asks a yes-or-no question in a box without owner; true for yes. Tests and
// unattended runs replace the box with a function of their own.
typedef bool (*JF_WARNING_BOX)(const char* szCaption, const char* szText);
bool JF_AskWarning(const char* szCaption, const char* szText);
void JF_SetWarningBox(JF_WARNING_BOX pfnWarningBox);
