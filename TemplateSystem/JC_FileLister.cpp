#include "TemplateSystem/JC_FileLister.h"

#include <windows.h>

void JC_FileLister::ListFiles(const std::string& strFolder, const std::string& strPattern,
                              std::vector<std::string>& names) const
{
    names.clear();
    WIN32_FIND_DATAA findData;
    const HANDLE hFind = FindFirstFileA((strFolder + strPattern).c_str(), &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.emplace_back(findData.cFileName);
    } while (FindNextFileA(hFind, &findData));
    FindClose(hFind);
}
