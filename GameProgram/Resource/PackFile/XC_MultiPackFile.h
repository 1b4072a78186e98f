#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include <windows.h>

// A chain of pack files answering from the first one that has a name. It
// does not own the packs: their manager does.
class XC_MultiPackFile : public XI_PackFile
{
public:
    XC_MultiPackFile() = default;
    XC_MultiPackFile(const XC_MultiPackFile&) = delete;
    XC_MultiPackFile& operator=(const XC_MultiPackFile&) = delete;

    // The first pack's path, or null without packs.
    const char* GetPath() override;
    XS_FileData* GetData(const char* szFileName) override;
    virtual HRESULT Add(XI_PackFile* pPackFile);
    // Forgets the packs without deleting them.
    virtual HRESULT Clear();

private:
    XC_PtrArrayList<XI_PackFile> m_PAL_PackFile;
};
