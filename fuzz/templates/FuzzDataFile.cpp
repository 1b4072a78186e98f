// Data files of any bytes against the templates of templates/: a code, never
// a fault. A file that loads is written, read and written again: the reader
// must take back what the writer wrote, and the two writes must agree byte
// for byte apart from the note lines, where the date is.

#include "TemplateSystem/JC_DataFile.h"
#include "TemplateSystem/JC_TemplateFileReader.h"
#include "fuzz/shim/FuzzFileText.h"


namespace {

struct Context
{
    Context()
    {
        DWORD dwLine = 0;
        if (reader.Initiation() != 0 || reader.LoadTemplateFolder(FUZZ_TEMPLATE_FOLDER, &templates, nullptr, dwLine) != 0
            || dataFile.Initiation(&templates) != 0)
            __builtin_trap();
        const std::string strBase = WorkPath("fuzz-datafile");
        strFirst = strBase + "-1.DATA";
        strSecond = strBase + "-2.DATA";
    }

    JC_TemplateFileReader reader;
    JC_TemplateList templates;
    JC_DataFile dataFile;
    std::string strFirst;
    std::string strSecond;
};

// Loads a text and writes it in the form asked for; 0 or the first code.
DWORD LoadAndWrite(Context& context, const std::string& strText, const std::string& strPath, bool bSimplifyDefault,
                   bool bSimplifyDefine)
{
    JC_DataComponentMaker* pManager = nullptr;
    DWORD dwLine = 0;
    DWORD dwResult = context.dataFile.LoadDataMemory(reinterpret_cast<const BYTE*>(strText.data()),
                                                     static_cast<DWORD>(strText.size()), pManager, dwLine, nullptr);
    if (dwResult == 0)
        dwResult = pManager->WriteDataFile(strPath, bSimplifyDefault, bSimplifyDefine);
    context.dataFile.DeleteManager(pManager);
    return dwResult;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    static Context s_Context;
    const bool bSimplifyDefault = (size & 1) != 0;
    const bool bSimplifyDefine = (size & 2) != 0;
    const std::string strInput(reinterpret_cast<const char*>(pData), size);
    if (LoadAndWrite(s_Context, strInput, s_Context.strFirst, bSimplifyDefault, bSimplifyDefine) != 0)
        return 0;
    const std::string strFirst = ReadAll(s_Context.strFirst);
    if (LoadAndWrite(s_Context, strFirst, s_Context.strSecond, bSimplifyDefault, bSimplifyDefine) != 0)
        __builtin_trap();
    if (WithoutNotes(ReadAll(s_Context.strSecond)) != WithoutNotes(strFirst))
        __builtin_trap();
    return 0;
}
