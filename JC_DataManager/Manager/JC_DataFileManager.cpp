#include "JC_DataManager/Manager/JC_DataFileManager.h"

JC_DataFileManager::JC_DataFileManager(const char* szSourceFile, DWORD dwSlotCount, DWORD dwNullTemplateManager,
                                       DWORD dwTemplateManagerNotInitiated)
    : m_szSourceFile(szSourceFile), m_dwNullTemplateManager(dwNullTemplateManager),
      m_dwTemplateManagerNotInitiated(dwTemplateManagerNotInitiated), m_ComponentManagers(dwSlotCount),
      m_SlotFiles(dwSlotCount)
{
}

DWORD JC_DataFileManager::Initiation(JC_OskelTemplateManager* pTemplateManager)
{
    m_bInitiated = FALSE;
    if (pTemplateManager == nullptr)
        return m_dwNullTemplateManager;
    if (!pTemplateManager->IsInitiated())
        return m_dwTemplateManagerNotInitiated;
    m_strRootPath = pTemplateManager->GetPath();
    m_pErrorLog = pTemplateManager->GetErrorLog();
    m_pTemplateManager = pTemplateManager;
    const DWORD dwResult = m_DataFileObj.Initiation(pTemplateManager->GetTemplateList());
    if (dwResult != 0) {
        m_pErrorLog->PrintAt(m_szSourceFile, __LINE__, " Initiation AnalyzeDataObj Fail. \r\n HRESULT:0x%08x \r\n",
                             static_cast<unsigned>(dwResult));
        return dwResult;
    }
    ReleaseAll();
    m_bInitiated = TRUE;
    return 0;
}

bool JC_DataFileManager::IsInitiated() const
{
    return m_bInitiated != FALSE;
}

JC_DataComponentMaker* JC_DataFileManager::GetComponentManager(DWORD dwSlot) const
{
    if (dwSlot >= m_ComponentManagers.size())
        return nullptr;
    return m_ComponentManagers[dwSlot].get();
}

std::string JC_DataFileManager::GetSlotFile(DWORD dwSlot) const
{
    return GetComponentManager(dwSlot) != nullptr ? m_SlotFiles[dwSlot] : std::string();
}

void JC_DataFileManager::ReleaseSlot(DWORD dwSlot)
{
    m_ComponentManagers[dwSlot].reset();
}

void JC_DataFileManager::ReleaseAll()
{
    for (std::unique_ptr<JC_DataComponentMaker>& pManager : m_ComponentManagers)
        pManager.reset();
}

DWORD JC_DataFileManager::LoadSlot(DWORD dwSlot, const std::string& strPath, DWORD& dwBreakLine)
{
    ReleaseSlot(dwSlot);
    dwBreakLine = 0;
    JC_DataComponentMaker* pManager = nullptr;
    const DWORD dwResult = m_DataFileObj.LoadDataFile(strPath, pManager, dwBreakLine, nullptr);
    m_SlotFiles[dwSlot] = strPath;
    return TakeManager(dwSlot, dwResult, pManager);
}

DWORD JC_DataFileManager::ParseSlot(DWORD dwSlot, const std::string& strText, DWORD& dwBreakLine)
{
    ReleaseSlot(dwSlot);
    dwBreakLine = 0;
    JC_DataComponentMaker* pManager = nullptr;
    const DWORD dwResult =
        m_DataFileObj.Parse(strText.data(), static_cast<DWORD>(strText.size()), pManager, dwBreakLine, nullptr);
    return TakeManager(dwSlot, dwResult, pManager);
}

DWORD JC_DataFileManager::TakeManager(DWORD dwSlot, DWORD dwResult, JC_DataComponentMaker* pManager)
{
    if (dwResult != 0) {
        m_DataFileObj.DeleteManager(pManager);
        return dwResult;
    }
    m_ComponentManagers[dwSlot].reset(pManager);
    return 0;
}
