#pragma once

#include "JC_Script/JI_ScriptNotify.h"

#include "TemplateSystem/JC_StringSegment1.h"

// The common base of the script handlers: the comma splitter that cuts each
// field off a handler's working copy of the line.
class JC_ScriptDealBase : public JI_ScriptNotify
{
public:
    DWORD Deal(const std::string& strText) override = 0;

protected:
    // Cuts the text before the first comma off strText (all of it without a
    // comma, leaving it empty).
    std::string PopField(std::string& strText) const
    {
        std::string strField;
        m_Segment.PopSegment(strField, strText);
        return strField;
    }

    JC_StringSegment1 m_Segment;
};
