#pragma once

#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include <map>
#include <string>
#include <vector>

// A pack file of blocks held in memory, found by their normalised names, that
// notes every name it is asked for.
class MemoryPackFile : public XI_PackFile
{
public:
    void Add(const std::string& name, const std::string& bytes);
    void Remove(const std::string& name);

    const char* GetPath() override { return "memory\\"; }
    XS_FileData* GetData(const char* szFileName) override;

    // The names asked for, in order, as they were passed.
    const std::vector<std::string>& Requests() const { return m_Requests; }
    int RequestCount(const std::string& name) const;

private:
    std::map<std::string, std::string> m_Blocks;
    std::vector<std::string> m_Requests;
};
