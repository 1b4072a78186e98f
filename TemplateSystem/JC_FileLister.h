#pragma once

#include <string>
#include <vector>

// Lists the names of the files of a folder that match a pattern.
class JC_FileLister
{
public:
    virtual ~JC_FileLister() = default;

    // Replaces names with the names of the entries of strFolder followed
    // directly by strPattern that are not folders, in the order the system
    // gives them; nothing matching leaves names empty.
    void ListFiles(const std::string& strFolder, const std::string& strPattern,
                   std::vector<std::string>& names) const;
};
