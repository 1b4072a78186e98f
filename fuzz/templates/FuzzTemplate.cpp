// Template files of any bytes: a code, never a fault. A template that loads
// lays out a component with its defaults, written as a data file; the
// data-file reader must take that file back, and writing it again must give
// the same bytes apart from the note lines, where the date is.

#include "TemplateSystem/JC_DataFile.h"
#include "TemplateSystem/JC_TemplateFileReader.h"
#include "fuzz/shim/FuzzFileText.h"


namespace {

// A file of one component of the template with its defaults; 0 or the
// first code.
DWORD WriteDefaults(JC_DataFile& dataFile, JC_Template* pTemplate, const std::string& strPath, bool bSimplifyDefault,
                    bool bSimplifyDefine)
{
    JC_DataComponentMaker* pManager = nullptr;
    DWORD dwResult = dataFile.CreateManager(JC_DataComponentMaker::DISTRIBUTE_ARRAY, pManager);
    if (dwResult != 0)
        return dwResult;
    pManager->GetTemplateList().AddTemplate(pTemplate, true);
    JC_DataComponent* pComponent = nullptr;
    dwResult = pManager->GetOrCreateComponent(JC_DataOrder{0, 0}, pComponent);
    if (dwResult == 0)
        dwResult = pComponent->Create(dataFile.GetTemplateList(), pTemplate);
    if (dwResult == 0)
        dwResult = pManager->WriteDataFile(strPath, bSimplifyDefault, bSimplifyDefine);
    dataFile.DeleteManager(pManager);
    return dwResult;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    static JC_TemplateFileReader s_Reader;
    static const DWORD s_dwInitiated = s_Reader.Initiation();
    static const std::string s_strBase = WorkPath("fuzz-template");
    if (s_dwInitiated != 0)
        __builtin_trap();
    JC_Template* pTemplate = nullptr;
    DWORD dwLine = 0;
    // Includes name files of a folder that does not exist.
    if (s_Reader.LoadTemplateMemory("/nonexistent-fuzz-folder/", pData, static_cast<DWORD>(size), nullptr, pTemplate,
                                    dwLine) != 0)
        return 0;
    JC_TemplateList templates;
    templates.AddTemplate(pTemplate, true);
    JC_DataFile dataFile;
    if (dataFile.Initiation(&templates) != 0)
        __builtin_trap();
    const bool bSimplifyDefault = (size & 1) != 0;
    const bool bSimplifyDefine = (size & 2) != 0;
    const std::string strFirst = s_strBase + "-1.DATA";
    if (WriteDefaults(dataFile, pTemplate, strFirst, bSimplifyDefault, bSimplifyDefine) != 0)
        return 0;
    JC_DataComponentMaker* pManager = nullptr;
    const std::string strSecond = s_strBase + "-2.DATA";
    if (dataFile.LoadDataFile(strFirst, pManager, dwLine, nullptr) != 0
        || pManager->WriteDataFile(strSecond, bSimplifyDefault, bSimplifyDefine) != 0
        || WithoutNotes(ReadAll(strSecond)) != WithoutNotes(ReadAll(strFirst)))
        __builtin_trap();
    dataFile.DeleteManager(pManager);
    return 0;
}
