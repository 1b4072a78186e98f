#pragma once

struct XS_FileData;

// A named source of data blocks: a folder or a ".jbf" archive.
class XI_PackFile
{
public:
    virtual ~XI_PackFile() = default;
    // The folder path ending in '\', or an archive's full path.
    virtual const char* GetPath() = 0;
    // A new block with the whole entry, or null when the pack lacks it.
    virtual XS_FileData* GetData(const char* szFileName) = 0;
};

// The multi pack file of the game's data files.
extern XI_PackFile* g_pPackFile_Data;
