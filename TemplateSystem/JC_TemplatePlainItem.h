#pragma once

#include "TemplateSystem/JC_TemplateItem.h"

class JC_TemplateReferItem;

// An item with a value of its own in every data component.
class JC_TemplatePlainItem : public JC_TemplateItem
{
public:
    JC_TemplatePlainItem();

    // The refer items that live in this SPACE32 or SPACE64 item; the
    // template owns them.
    std::vector<JC_TemplateReferItem*> m_ReferItems;
};
