#include "TemplateSystem/JF_FileWrite.h"

#include "GameProgram/Common/XF_SafeFileWriter.h"

bool JF_WriteFile(const std::string& strPath, const std::string& strBytes)
{
    // Fails harmlessly when there is no old file yet.
    SetFileAttributesA(strPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    return SUCCEEDED(XF_WriteFileSafely(strPath.c_str(), strBytes.data(), strBytes.size()));
}
