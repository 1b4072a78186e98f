#include "JC_DataManager/Manager/JF_ItemErrorName.h"

namespace {

struct JS_ErrorName
{
    DWORD dwResult;
    const char* szName;
};

const JS_ErrorName s_ReadErrorNames[] = {
    {0x88132211, "TemplateBaseItemObjNULL              "},
    {0x88132212, "ArrayIndexOverflow                   "},
    {0x88132221, "ThisMethodNotSupportTemplateTypeEx   "},
    {0x88132222, "TypeNotDefine                        "},
    {0x88132231, "ItemNameNotFind                      "},
    {0x88132232, "CanNotFindDefineIDByDefineValue      "},
    {0x88132233, "ThisMethodNotSupportTemplateType     "},
    {0x88132241, "ArrayIndexFormatFail                 "},
    {0x88132242, "ArrayIndexIsEmpty                    "},
    {0x88132243, "ArrayTypeMustDesignateArrayIndex     "},
    {0x88132244, "ItemTypeMustBeTemplateInItemNameLayer"},
};

const JS_ErrorName s_WriteErrorNames[] = {
    {0x88132111, "TemplateBaseItemObjNULL              "},
    {0x88132112, "DataMustInMinMaxRange                "},
    {0x88132113, "ArrayIndexOverflow                   "},
    {0x88132121, "ThisMethodNotSupportTemplateType     "},
    {0x88132122, "ThisMethodNotSupportTemplateTypeEx   "},
    {0x88132123, "DefineValueIsNotExist                "},
    {0x88132124, "TypeNotDefine                        "},
    {0x88132131, "ItemNameNotFind                      "},
    {0x88132141, "CanNotFindDefineValueByDefineID      "},
    {0x88132142, "ArrayIndexFormatFail                 "},
    {0x88132143, "ArrayIndexIsEmpty                    "},
    {0x88132151, "ItemTypeMustTemplate                 "},
    {0x88132161, "ItemTypeMustCDWordArray              "},
    {0x88132171, "ItemTypeMustCStringArray             "},
    {0x88132181, "ItemDataStrOnlySupportNULL           "},
    {0x88132182, "ItemTypeMustBeTemplateInItemNameLayer"},
};

template <size_t N>
const char* FindName(const JS_ErrorName (&names)[N], DWORD dwResult)
{
    for (const JS_ErrorName& name : names) {
        if (name.dwResult == dwResult)
            return name.szName;
    }
    return "";
}

} // namespace

const char* JF_ItemReadErrorName(DWORD dwResult)
{
    return FindName(s_ReadErrorNames, dwResult);
}

const char* JF_ItemWriteErrorName(DWORD dwResult)
{
    return FindName(s_WriteErrorNames, dwResult);
}
