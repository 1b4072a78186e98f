// Any bytes as one file of a previous title's save, the other four sound:
// the load succeeds with all five kinds, or fails with a report naming the
// bad file, never a fault. The first byte picks the file.

#include "JC_DataManager/Manager/JC_Oskel3UnfixedDataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"
#include "fuzz/shim/FuzzFileText.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr DWORD SLOT = 96;

std::string HexID(DWORD dwID)
{
    char szID[16];
    std::snprintf(szID, sizeof(szID), "H%08X", static_cast<unsigned>(dwID));
    return szID;
}

std::string ItemLine(const char* szName, const char* szType, const char* szTypeEx, const char* szArraySize)
{
    std::string strLine = std::string("@Name \"") + szName + "\" @Type \"" + szType + "\" @TypeEx \"" + szTypeEx +
                          "\" @Radix \",\" @MinMax \"\"";
    if (*szArraySize != '\0')
        strLine += std::string(" @ArraySize \"") + szArraySize + "\"";
    return strLine + " @Default \"0\"\r\n";
}

// The previous title's layouts as the sample game ships them.
std::string TemplateText(DWORD dwKind, const std::string& strItems)
{
    return "[File]\r\n[Head]\r\n@Version \"H00080000\"\r\n@TemplateID \"" + HexID(dwKind) +
           "\"\r\n@TemplateName \"\"\r\n@TemplateExplain \"\"\r\n[HeadEnd]\r\n" +
           ItemLine("DataComponentKind", "UINT32", "", "") + strItems + "[FileEnd]\r\n";
}

std::string DataFileText(DWORD dwKind, const std::string& strItems)
{
    return "[File]\r\n[Head]\r\n@Version\"H00080000\"\r\n@Distribute\"ARRAY\"\r\n@UseTemplateID\"" + HexID(dwKind) +
           "\"\r\n@SortItem\"\"\r\n@IsSimplifyDefault\"FALSE\"\r\n@IsSimplifyDefine\"FALSE\"\r\n[HeadEnd]\r\n"
           "@Start\r\n@MainUseTemplateID\"" + HexID(dwKind) + "\"\r\n@DataOrder\"0,0\"\r\n" + strItems +
           "@End\r\n[FileEnd]\r\n";
}

// Method 1: each byte plus the text byte before it.
std::string Enveloped(const std::string& strText)
{
    std::string strFile("FEFE\0\0\0\0\x01\0\0\0\0\0\0\0", 16);
    strFile.append(12, '\0');
    for (size_t i = 0; i < strText.size(); ++i)
        strFile += static_cast<char>(strText[i] + (i > 0 ? strText[i - 1] : 0));
    return strFile;
}

// The loader names its files with backslashes, as on Windows.
void Write(std::string strPath, const std::string& strBytes)
{
    for (char& c : strPath)
        c = c == '\\' ? '/' : c;
    std::filesystem::create_directories(std::filesystem::path(strPath).parent_path());
    std::ofstream(strPath, std::ios::binary | std::ios::trunc) << strBytes;
}

struct Context
{
    Context()
    {
        strRoot = WorkPath("fuzz-oskel3/");
        const std::string strCounted = ItemLine("ThingID", "UINT32", "", "") + ItemLine("ThingCount", "UINT32", "", "");
        const std::string strTemplates = strRoot + "Template/Oskel3Template/";
        Write(strTemplates + "Game.temp", TemplateText(DATACOMPONENTKIND_GAME, ItemLine("Money", "INT32", "", "") +
                                                                                   ItemLine("EventFlag", "VECTOR", "INT32", "512,512")));
        Write(strTemplates + "DrawerGem.temp", TemplateText(DATACOMPONENTKIND_DRAWERGEM, strCounted));
        Write(strTemplates + "DrawerTool.temp", TemplateText(DATACOMPONENTKIND_DRAWERTOOL, strCounted));
        Write(strTemplates + "DrawerWeapon.temp", TemplateText(DATACOMPONENTKIND_DRAWERWEAPON, ItemLine("ThingID", "UINT32", "", "")));
        Write(strTemplates + "DrawerWearing.temp", TemplateText(DATACOMPONENTKIND_DRAWERWEARING, ItemLine("ThingID", "UINT32", "", "")));
        soundFiles[0] = Enveloped(DataFileText(DATACOMPONENTKIND_GAME, "Money\"5\"\r\nEventFlag\"[450],2\"\r\n"));
        soundFiles[1] = Enveloped(DataFileText(DATACOMPONENTKIND_DRAWERGEM, "ThingID\"5\"\r\nThingCount\"250\"\r\n"));
        soundFiles[2] = Enveloped(DataFileText(DATACOMPONENTKIND_DRAWERTOOL, "ThingID\"1\"\r\nThingCount\"3\"\r\n"));
        soundFiles[3] = Enveloped(DataFileText(DATACOMPONENTKIND_DRAWERWEAPON, "ThingID\"2\"\r\n"));
        soundFiles[4] = Enveloped(DataFileText(DATACOMPONENTKIND_DRAWERWEARING, "ThingID\"0\"\r\n"));
        strLogPath = strRoot + "log.txt";
        templates.SetExtendPath("Template\\Oskel3Template\\", "Template\\Oskel3Template\\");
        if (log.OpenLogFile(strLogPath.c_str(), 1, 0) != 0 || templates.LoadTemplateFiles(strRoot, &log) != 0 ||
            manager.Initiation(strRoot, &templates) != 0)
            __builtin_trap();
    }

    std::string FilePath(DWORD dwKind) const
    {
        return JC_Oskel3UnfixedDataManager::SlotFolder(strRoot, SLOT) + g_aszOskel3UnfixedDataFileNames[dwKind];
    }

    std::string strRoot;
    std::string strLogPath;
    std::string soundFiles[OSKEL3UNFIXEDDATAKIND_LIMIT];
    JC_DebugLog log;
    JC_OskelTemplateManager templates;
    JC_Oskel3UnfixedDataManager manager;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    static Context s_Context;
    if (size == 0)
        return 0;
    const DWORD dwBadKind = pData[0] % OSKEL3UNFIXEDDATAKIND_LIMIT;
    for (DWORD dwKind = 0; dwKind < OSKEL3UNFIXEDDATAKIND_LIMIT; ++dwKind)
        Write(s_Context.FilePath(dwKind), dwKind == dwBadKind ? std::string(reinterpret_cast<const char*>(pData + 1), size - 1)
                                                               : s_Context.soundFiles[dwKind]);
    s_Context.log.OpenLogFile(s_Context.strLogPath.c_str(), 1, 0);
    const DWORD dwResult = s_Context.manager.LoadOskel3UnfixedData(SLOT);
    for (DWORD dwKind = 0; dwKind < OSKEL3UNFIXEDDATAKIND_LIMIT; ++dwKind) {
        // Every kind before the bad file loads; the bad one and those after
        // it only when it loads too.
        const bool bLoaded = s_Context.manager.GetUnfixedDataObj(dwKind) != nullptr;
        if (bLoaded != (dwResult == 0 || dwKind < dwBadKind))
            __builtin_trap();
    }
    if (dwResult != 0 && ReadAll(s_Context.strLogPath).find("DataFileName:" + s_Context.FilePath(dwBadKind)) == std::string::npos)
        __builtin_trap();
    return 0;
}
