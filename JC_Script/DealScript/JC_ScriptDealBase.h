#pragma once

#include "JC_Script/JI_ScriptNotify.h"

#include "TemplateSystem/JC_StringSegment1.h"

class JC_DebugLog;

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

    // The field by atoi rules, as the handlers read numbers; a field that is
    // no whole number (a word, a trailing text, more fields) is reported with
    // the line, and read all the same.
    static int ReadNumber(const std::string& strField, const std::string& strText, JC_DebugLog* pErrorLog,
                          const char* szSourceFile);

    JC_StringSegment1 m_Segment;
};
