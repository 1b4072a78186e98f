// Template files of any bytes: a code, never a fault. A template that loads
// lays out a component, which is written as a data-file block.

#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_TemplateFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    static JC_TemplateFileReader s_Reader;
    static const DWORD s_dwInitiated = s_Reader.Initiation();
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
    JC_DataComponent component;
    if (component.Create(&templates, pTemplate) == 0) {
        std::string strBlock;
        component.WriteComponent(strBlock, false, "0,0", (size & 1) != 0, (size & 2) != 0);
    }
    return 0;
}
