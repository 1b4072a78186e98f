#include "fuzz/archive/MemoryDisk.h"

#include "ArchiveLibrary/JC_QuorlinFile.h"
#include "ArchiveLibrary/JF_QuorlinDisk.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>

namespace {

typedef std::shared_ptr<std::string> FileBytes;

struct OpenFile
{
    FileBytes pBytes;
    std::uint64_t qwPosition = 0;
    bool bWritable = false;
};

std::map<std::string, FileBytes, MemoryDisk_NoCase> s_Files;
JF_WARNING_BOX s_pfnWarningBox = nullptr;
std::string s_strWriteFolder;

// A part that Windows would read as this folder or the one above it.
bool IsDotsAndBlanks(const std::string& strPart)
{
    return strPart.find_first_not_of(". ") == std::string::npos && strPart.find('.') != std::string::npos;
}

// The file functions read a path up to its first zero byte: a path holding
// one would name another file on Windows.
void CheckPath(const std::string& strPath)
{
    if (strPath.find('\0') != std::string::npos)
        __builtin_trap();
}

void CheckWrite(const std::string& strPath)
{
    CheckPath(strPath);
    if (s_strWriteFolder.empty())
        return;
    if (strPath.compare(0, s_strWriteFolder.size(), s_strWriteFolder) != 0)
        __builtin_trap();
    const std::string strRest = strPath.substr(s_strWriteFolder.size());
    if (strRest.find(':') != std::string::npos)
        __builtin_trap();
    for (size_t at = 0; at <= strRest.size();) {
        const size_t end = std::min({XF_FindChar(strRest, '\\', at), XF_FindChar(strRest, '/', at), strRest.size()});
        if (IsDotsAndBlanks(strRest.substr(at, end - at)))
            __builtin_trap();
        at = end + 1;
    }
}

OpenFile* ToOpenFile(void* pHandle)
{
    return static_cast<OpenFile*>(pHandle);
}

// Paths are code page 950 text, as the Windows calls read them: a
// separator is a '\\' that is no second byte of a double-byte character.
bool IsSeparatorAt(const std::string& strPath, size_t at)
{
    size_t separator = XF_FindChar(strPath, '\\');
    while (separator < at)
        separator = XF_FindChar(strPath, '\\', separator + 1);
    return separator == at;
}

bool IsBelow(const std::string& strPath, const std::string& strFolder)
{
    return strPath.size() > strFolder.size() + 1 && IsSeparatorAt(strPath, strFolder.size())
        && XF_CompareNoCase(strPath.substr(0, strFolder.size()), strFolder) == 0;
}

} // namespace

void MemoryDisk_Clear()
{
    s_Files.clear();
}

void MemoryDisk_Put(const std::string& strPath, const std::string& strBytes)
{
    s_Files[strPath] = std::make_shared<std::string>(strBytes);
}

void MemoryDisk_LimitWrites(const std::string& strFolder)
{
    s_strWriteFolder = strFolder;
}

std::vector<std::string> MemoryDisk_Paths()
{
    std::vector<std::string> paths;
    for (const auto& file : s_Files)
        paths.push_back(file.first);
    return paths;
}

bool MemoryDisk_Get(const std::string& strPath, std::string* pBytes)
{
    const auto found = s_Files.find(strPath);
    if (found == s_Files.end())
        return false;
    *pBytes = *found->second;
    return true;
}

bool JC_QuorlinFile::Open(const std::string& strPath, Mode mode)
{
    Close();
    CheckPath(strPath);
    if (mode != MODE_READ)
        CheckWrite(strPath);
    auto found = s_Files.find(strPath);
    if (mode == MODE_CREATE) {
        s_Files[strPath] = std::make_shared<std::string>();
        found = s_Files.find(strPath);
    } else if (found == s_Files.end()) {
        return false;
    }
    OpenFile* pFile = new OpenFile;
    pFile->pBytes = found->second;
    pFile->bWritable = mode != MODE_READ;
    m_pHandle = pFile;
    return true;
}

void JC_QuorlinFile::Close()
{
    delete ToOpenFile(m_pHandle);
    m_pHandle = nullptr;
}

std::uint32_t JC_QuorlinFile::Read(void* pBuffer, std::uint32_t dwCount)
{
    OpenFile* pFile = ToOpenFile(m_pHandle);
    if (pFile == nullptr || dwCount == 0 || pFile->qwPosition >= pFile->pBytes->size())
        return 0;
    const std::uint32_t dwRead =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(dwCount, pFile->pBytes->size() - pFile->qwPosition));
    std::memcpy(pBuffer, pFile->pBytes->data() + pFile->qwPosition, dwRead);
    pFile->qwPosition += dwRead;
    return dwRead;
}

bool JC_QuorlinFile::Write(const void* pData, std::uint32_t dwCount)
{
    OpenFile* pFile = ToOpenFile(m_pHandle);
    if (pFile == nullptr || !pFile->bWritable)
        return false;
    if (dwCount == 0)
        return true;
    std::string& bytes = *pFile->pBytes;
    if (bytes.size() < pFile->qwPosition + dwCount)
        bytes.resize(pFile->qwPosition + dwCount);
    std::memcpy(bytes.data() + pFile->qwPosition, pData, dwCount);
    pFile->qwPosition += dwCount;
    return true;
}

bool JC_QuorlinFile::Seek(std::uint64_t qwPosition)
{
    OpenFile* pFile = ToOpenFile(m_pHandle);
    if (pFile == nullptr)
        return false;
    pFile->qwPosition = qwPosition;
    return true;
}

bool JC_QuorlinFile::SeekToEnd(std::uint64_t* pqwPosition)
{
    OpenFile* pFile = ToOpenFile(m_pHandle);
    if (pFile == nullptr)
        return false;
    pFile->qwPosition = pFile->pBytes->size();
    *pqwPosition = pFile->qwPosition;
    return true;
}

bool JC_QuorlinFile::GetPosition(std::uint64_t* pqwPosition) const
{
    const OpenFile* pFile = ToOpenFile(m_pHandle);
    if (pFile == nullptr)
        return false;
    *pqwPosition = pFile->qwPosition;
    return true;
}

bool JC_QuorlinFile::GetLength(std::uint64_t* pqwLength) const
{
    const OpenFile* pFile = ToOpenFile(m_pHandle);
    if (pFile == nullptr)
        return false;
    *pqwLength = pFile->pBytes->size();
    return true;
}

bool JC_QuorlinFile::SetLength(std::uint64_t qwLength)
{
    OpenFile* pFile = ToOpenFile(m_pHandle);
    if (pFile == nullptr || !pFile->bWritable)
        return false;
    pFile->pBytes->resize(qwLength);
    pFile->qwPosition = qwLength;
    return true;
}

bool JC_QuorlinFile::Flush()
{
    return m_pHandle != nullptr;
}

bool JF_FindDiskEntry(const std::string& strPath, JS_QuorlinDiskEntry* pEntry)
{
    const size_t separator = XF_FindLastChar(strPath, '\\');
    pEntry->strName = separator == std::string::npos ? strPath : strPath.substr(separator + 1);
    pEntry->strTime = "2024/01/02  03:04:05";
    const auto found = s_Files.find(strPath);
    if (found != s_Files.end()) {
        pEntry->dwAttributes = 0;
        pEntry->qwSize = found->second->size();
        return true;
    }
    for (const auto& file : s_Files) {
        if (IsBelow(file.first, strPath)) {
            pEntry->dwAttributes = JM_ATTRIBUTE_FOLDER;
            pEntry->qwSize = 0;
            return true;
        }
    }
    return false;
}

bool JF_ListDiskFolder(const std::string& strFolder, std::vector<JS_QuorlinDiskEntry>* pEntries)
{
    pEntries->clear();
    std::set<std::string, MemoryDisk_NoCase> names;
    for (const auto& file : s_Files) {
        if (!IsBelow(file.first, strFolder))
            continue;
        const std::string strRest = file.first.substr(strFolder.size() + 1);
        names.insert(strRest.substr(0, XF_FindChar(strRest, '\\')));
    }
    for (const std::string& strName : names) {
        JS_QuorlinDiskEntry entry;
        JF_FindDiskEntry(strFolder + "\\" + strName, &entry);
        pEntries->push_back(entry);
    }
    return !names.empty();
}

JE_FolderResult JF_CreateFolder(const std::string& strPath)
{
    CheckWrite(strPath);
    return FOLDER_CREATED;
}

bool JF_DeleteFile(const std::string& strPath)
{
    CheckWrite(strPath);
    return s_Files.erase(strPath) > 0;
}

bool JF_ReplaceFile(const std::string& strFrom, const std::string& strTo)
{
    CheckWrite(strFrom);
    CheckWrite(strTo);
    const auto found = s_Files.find(strFrom);
    if (found == s_Files.end())
        return false;
    const FileBytes pBytes = found->second;
    s_Files.erase(found);
    s_Files[strTo] = pBytes;
    return true;
}

std::string JF_WideToAnsi(const std::u16string& strWide)
{
    std::string strText;
    for (const char16_t cUnit : strWide)
        strText += cUnit < 0x80 ? static_cast<char>(cUnit) : '?';
    return strText;
}

void JF_DebugMessage(const std::string&)
{
}

bool JF_AskWarning(const char* szCaption, const char* szText)
{
    return s_pfnWarningBox != nullptr && s_pfnWarningBox(szCaption, szText);
}

void JF_SetWarningBox(JF_WARNING_BOX pfnWarningBox)
{
    s_pfnWarningBox = pfnWarningBox;
}
