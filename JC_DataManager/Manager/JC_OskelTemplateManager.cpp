#include "JC_DataManager/Manager/JC_OskelTemplateManager.h"

#include "JC_DataManager/Manager/JE_DataKind.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

} // namespace

JC_OskelTemplateManager::JC_OskelTemplateManager()
    : m_strTemplateFolder(g_szTemplateFolder), m_strDefineFolder(g_szTemplateDefineFolder)
{
}

DWORD JC_OskelTemplateManager::SetExtendPath(const std::string& strTemplateFolder, const std::string& strDefineFolder)
{
    m_strTemplateFolder = strTemplateFolder;
    m_strDefineFolder = strDefineFolder;
    return 0;
}

DWORD JC_OskelTemplateManager::LoadTemplateFiles(const std::string& strRootPath, JC_DebugLog* pErrorLog)
{
    m_bInitiated = FALSE;
    m_strRootPath = strRootPath;
    m_pErrorLog = pErrorLog;
    if (pErrorLog == nullptr)
        return JE_TEMPLATEMANAGER_NULL_LOG;
    DWORD dwResult = LoadTemplates();
    if (dwResult != 0)
        return dwResult;
    dwResult = LoadDefines();
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_OskelTemplateManager::LoadTemplates()
{
    const std::string strFolder = m_strRootPath + m_strTemplateFolder;
    DWORD dwResult = m_TemplateFileReader.Initiation();
    if (dwResult != 0)
        return dwResult;
    m_TemplateList.DeleteAll();
    std::vector<std::string> names;
    ListFiles(strFolder, "*.temp", names);
    for (const std::string& strName : names) {
        JC_Template* pTemplate = nullptr;
        DWORD dwBreakLine = 0;
        dwResult = m_TemplateFileReader.LoadTemplateFile(strFolder, strName, nullptr, pTemplate, dwBreakLine);
        if (dwResult != 0) {
            m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                 " AnalyzeTemplateFile Fail. \r\n TemplateFileName:%s%s \r\n BreakLine:%d \r\n "
                                 "HRESULT:0x%08x \r\n",
                                 strFolder.c_str(), strName.c_str(), static_cast<int>(dwBreakLine),
                                 static_cast<unsigned>(dwResult));
            return dwResult;
        }
        dwResult = m_TemplateList.AddTemplate(pTemplate, true);
        if (dwResult != 0) {
            m_TemplateFileReader.DeleteTemplate(pTemplate);
            m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                 " TemplateManagerObj AddTemplateFail. \r\n TemplateFileName:%s%s \r\n "
                                 "HRESULT:0x%08x \r\n",
                                 strFolder.c_str(), strName.c_str(), static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_OskelTemplateManager::LoadDefines()
{
    const std::string strFolder = m_strRootPath + m_strDefineFolder;
    m_DefineTable.Clear();
    std::vector<std::string> names;
    ListFiles(strFolder, "*.h", names);
    for (const std::string& strName : names) {
        DWORD dwBreakLine = 0;
        const DWORD dwResult = m_DefineFileReader.LoadFileIn(strFolder, strName, &m_DefineTable, dwBreakLine);
        if (dwResult != 0) {
            m_pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                 " AnalyzeDefineFile Fail. \r\n DefineFileName:%s%s \r\n BreakLine:%d \r\n "
                                 "HRESULT:0x%08x \r\n",
                                 strFolder.c_str(), strName.c_str(), static_cast<int>(dwBreakLine),
                                 static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}

bool JC_OskelTemplateManager::IsInitiated() const
{
    return m_bInitiated != FALSE;
}

std::string JC_OskelTemplateManager::GetPath()
{
    if (!m_bInitiated)
        m_strRootPath.clear();
    return m_strRootPath;
}

JC_DebugLog* JC_OskelTemplateManager::GetErrorLog() const
{
    return m_bInitiated ? m_pErrorLog : nullptr;
}

const JC_TemplateList* JC_OskelTemplateManager::GetTemplateList() const
{
    return m_bInitiated ? &m_TemplateList : nullptr;
}

DWORD JC_OskelTemplateManager::GetDefineInfo(const std::string& strDefineName) const
{
    if (!m_bInitiated)
        return JE_DEFINE_NOT_FOUND;
    DWORD dwValue = 0;
    const DWORD dwResult = m_DefineTable.GetDefineValue(strDefineName, dwValue);
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " GetDefineInfo Fail. \r\n DefineKey:%s \r\n HRESULT:0x%08x \r\n",
                             strDefineName.c_str(), static_cast<unsigned>(dwResult));
        return JE_DEFINE_NOT_FOUND;
    }
    return dwValue;
}

void JC_OskelTemplateManager::ListFiles(const std::string& strFolder, const std::string& strPattern,
                                        std::vector<std::string>& names) const
{
    m_FileLister.ListFiles(strFolder, strPattern, names);
}
