#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/Resource/PackFile/XI_PackFileManager.h"

#include <windows.h>

// Opens folder packs below a base folder and owns every pack it opened.
class XC_PackFileManager : public XI_PackFileManager
{
public:
    XC_PackFileManager() = default;
    ~XC_PackFileManager() override;
    XC_PackFileManager(const XC_PackFileManager&) = delete;
    XC_PackFileManager& operator=(const XC_PackFileManager&) = delete;

    // The base folder is used as given, so it ends with '\' when not empty.
    HRESULT Init(const char* szManagerPath);
    HRESULT Fini();
    // A folder pack "<base><name>\", or null. Opening a name twice gives two packs.
    XI_PackFile* OpenPackFile(const char* szPackName) override;

    DWORD GetPackFileCount() const { return m_PAL_PackFile.Count(); }
    XI_PackFile* GetPackFile(DWORD dwIndex) const { return m_PAL_PackFile.GetPtr(dwIndex); }

protected:
    HRESULT SetManagerPath(const char* szManagerPath);
    // Takes ownership of the pack; false (the pack not taken) when the list
    // cannot grow.
    bool AddPackFile(XI_PackFile* pPackFile);

    char* m_lpstrManagerPath = nullptr;

private:
    XC_PtrArrayList<XI_PackFile> m_PAL_PackFile;
};
