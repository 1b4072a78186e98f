#pragma once

#include "GameProgram/Resource/PackFile/XC_PackFile.h"

class JI_Quorlin;

// A pack file that is a ".jbf" archive, read through the archive library's
// interface object. Its path is the archive's full path. The object belongs
// to the manager that opened the pack, which hands it back to the library.
class XC_PackFile_JBF : public XC_PackFile
{
public:
    XC_PackFile_JBF() = default;

    XS_FileData* GetData(const char* szFileName) override;
    virtual HRESULT SetQuorlin(JI_Quorlin* pQuorlin);
    virtual JI_Quorlin*& GetQuorlinRef() { return m_pQuorlin; }

private:
    JI_Quorlin* m_pQuorlin = nullptr;
};
