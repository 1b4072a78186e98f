#pragma once

#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JC_DefineFileReader.h"
#include "TemplateSystem/JC_FileLister.h"
#include "TemplateSystem/JC_TemplateFileReader.h"

constexpr DWORD JE_TEMPLATEMANAGER_NULL_LOG = 0x89000001;
// What GetDefineInfo gives for a name that is not defined.
constexpr DWORD JE_DEFINE_NOT_FOUND = 0xCDCDCDCD;

// The layouts of every record: the templates of the template folder and the
// define tables of the define folder, both relative to the game folder.
class JC_OskelTemplateManager
{
public:
    JC_OskelTemplateManager();
    virtual ~JC_OskelTemplateManager() = default;
    JC_OskelTemplateManager(const JC_OskelTemplateManager&) = delete;
    JC_OskelTemplateManager& operator=(const JC_OskelTemplateManager&) = delete;

    // Replaces both relative folders; call before the load.
    virtual DWORD SetExtendPath(const std::string& strTemplateFolder, const std::string& strDefineFolder);
    // Reads every "*.temp" file, then every "*.h" define file; the first
    // failure stops the load.
    virtual DWORD LoadTemplateFiles(const std::string& strRootPath, JC_DebugLog* pErrorLog);

    bool IsInitiated() const;
    std::string GetPath();
    JC_DebugLog* GetErrorLog() const;
    const JC_TemplateList* GetTemplateList() const;
    DWORD GetDefineInfo(const std::string& strDefineName) const;
    // The names of the files of a folder that match a pattern.
    void ListFiles(const std::string& strFolder, const std::string& strPattern,
                   std::vector<std::string>& names) const;

private:
    DWORD LoadTemplates();
    DWORD LoadDefines();

    BOOL m_bInitiated = FALSE;
    std::string m_strRootPath;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_TemplateFileReader m_TemplateFileReader;
    JC_TemplateList m_TemplateList;
    JC_DefineFileReader m_DefineFileReader;
    JC_DefineTable m_DefineTable;
    std::string m_strTemplateFolder;
    std::string m_strDefineFolder;
    JC_FileLister m_FileLister;
};
