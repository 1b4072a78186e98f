#pragma once

#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include <windows.h>

// A pack file that is a folder on disk: an entry is the file of that name
// below the folder.
class XC_PackFile : public XI_PackFile
{
public:
    XC_PackFile() = default;
    ~XC_PackFile() override;
    XC_PackFile(const XC_PackFile&) = delete;
    XC_PackFile& operator=(const XC_PackFile&) = delete;

    const char* GetPath() override;
    XS_FileData* GetData(const char* szFileName) override;
    virtual HRESULT SetPath(const char* szFilePath);

protected:
    char* m_lpstrFilePath = nullptr;
};
