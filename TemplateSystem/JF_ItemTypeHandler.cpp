#include "TemplateSystem/JF_ItemTypeHandler.h"

#include "TemplateSystem/JC_TemplateItemTypeBool.h"
#include "TemplateSystem/JC_TemplateItemTypeCombo.h"
#include "TemplateSystem/JC_TemplateItemTypeFloat.h"
#include "TemplateSystem/JC_TemplateItemTypeInt32.h"
#include "TemplateSystem/JC_TemplateItemTypeSpace32.h"
#include "TemplateSystem/JC_TemplateItemTypeSpace64.h"
#include "TemplateSystem/JC_TemplateItemTypeString.h"
#include "TemplateSystem/JC_TemplateItemTypeTemplate.h"
#include "TemplateSystem/JC_TemplateItemTypeUInt32.h"
#include "TemplateSystem/JC_TemplateItemTypeVector.h"

namespace {

// One handler of each type for the whole program.
const JC_TemplateItemTypeInt32 s_Int32;
const JC_TemplateItemTypeUInt32 s_UInt32;
const JC_TemplateItemTypeFloat s_Float;
const JC_TemplateItemTypeBool s_Bool;
const JC_TemplateItemTypeCombo s_Combo;
const JC_TemplateItemTypeString s_String;
const JC_TemplateItemTypeSpace32 s_Space32;
const JC_TemplateItemTypeSpace64 s_Space64;
const JC_TemplateItemTypeVector s_Vector;
const JC_TemplateItemTypeTemplate s_Template;

const JC_TemplateItemType* const s_apHandlers[ITEMTYPE_COUNT] = {
    &s_Int32, &s_UInt32, &s_Float, &s_Bool, &s_Combo, &s_String, &s_Space32, &s_Space64, &s_Vector, &s_Template,
};

} // namespace

const JC_TemplateItemType* JF_GetItemTypeHandler(DWORD dwType)
{
    return dwType < ITEMTYPE_COUNT ? s_apHandlers[dwType] : nullptr;
}
