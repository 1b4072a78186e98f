#pragma once

#include "TemplateSystem/JC_TemplateItemType.h"

// The handler of an item type number; null for a number that names none.
const JC_TemplateItemType* JF_GetItemTypeHandler(DWORD dwType);
