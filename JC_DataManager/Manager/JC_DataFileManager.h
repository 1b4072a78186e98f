#pragma once

#include "JC_DataManager/Manager/JC_OskelTemplateManager.h"
#include "TemplateSystem/JC_DataFile.h"

#include <memory>

// What the fixed, module, save-state and save-slot managers share: the
// template manager they parse against, its game folder and error log, the
// data-file object, and one owned component manager per slot.
class JC_DataFileManager
{
public:
    virtual ~JC_DataFileManager() = default;
    JC_DataFileManager(const JC_DataFileManager&) = delete;
    JC_DataFileManager& operator=(const JC_DataFileManager&) = delete;

    // Takes the template manager's folder, log and templates and empties
    // every slot.
    virtual DWORD Initiation(JC_OskelTemplateManager* pTemplateManager);

    bool IsInitiated() const;
    // Deletes every slot's component manager and its records.
    void ReleaseAll();
    // The component manager of a slot; null past the slots or while empty.
    JC_DataComponentMaker* GetComponentManager(DWORD dwSlot) const;
    // The file a slot was loaded from, for reports; empty without one.
    std::string GetSlotFile(DWORD dwSlot) const;

protected:
    // Codes of a null and of a not-initiated template manager.
    JC_DataFileManager(const char* szSourceFile, DWORD dwSlotCount, DWORD dwNullTemplateManager,
                       DWORD dwTemplateManagerNotInitiated);

    void ReleaseSlot(DWORD dwSlot);
    // Parses a data file into an empty slot.
    DWORD LoadSlot(DWORD dwSlot, const std::string& strPath, DWORD& dwBreakLine);
    // Parses a data file's text into an empty slot.
    DWORD ParseSlot(DWORD dwSlot, const std::string& strText, DWORD& dwBreakLine);

    const char* const m_szSourceFile;
    BOOL m_bInitiated = FALSE;
    std::string m_strRootPath;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_OskelTemplateManager* m_pTemplateManager = nullptr;
    JC_DataFile m_DataFileObj;

private:
    // Keeps a parsed manager in the slot; a failed parse leaves it empty.
    DWORD TakeManager(DWORD dwSlot, DWORD dwResult, JC_DataComponentMaker* pManager);

    const DWORD m_dwNullTemplateManager;
    const DWORD m_dwTemplateManagerNotInitiated;
    std::vector<std::unique_ptr<JC_DataComponentMaker>> m_ComponentManagers;
    std::vector<std::string> m_SlotFiles;
};
