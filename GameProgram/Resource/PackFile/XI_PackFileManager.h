#pragma once

class XI_PackFile;

// Opens pack files by name; the manager owns what it opens.
class XI_PackFileManager
{
public:
    virtual ~XI_PackFileManager() = default;
    virtual XI_PackFile* OpenPackFile(const char* szPackName) = 0;
};

// The manager through which the whole engine opens packs.
extern XI_PackFileManager* g_pPackFileManager;
