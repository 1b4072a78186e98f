#include "TemplateSystem/JC_TemplatePlainItem.h"

JC_TemplatePlainItem::JC_TemplatePlainItem()
    : JC_TemplateItem(false, 0)
{
}
