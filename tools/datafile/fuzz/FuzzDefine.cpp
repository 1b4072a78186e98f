// Define files of any bytes: a code, never a fault.

#include "TemplateSystem/JC_DefineFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    JC_DefineTable table;
    DWORD dwLine = 0;
    JC_DefineFileReader().LoadFromMemory(pData, static_cast<DWORD>(size), &table, dwLine);
    return 0;
}
