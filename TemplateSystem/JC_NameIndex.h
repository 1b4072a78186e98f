#pragma once

#include "TemplateSystem/JC_StringSegment.h"

// The holder that the record, unfixed-data and event managers embed.
class JC_NameIndex
{
public:
    virtual ~JC_NameIndex() = default;

private:
    JC_StringSegment m_StringSegment;
};
