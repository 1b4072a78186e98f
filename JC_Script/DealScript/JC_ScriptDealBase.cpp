#include "JC_Script/DealScript/JC_ScriptDealBase.h"

#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JF_NumberText.h"

int JC_ScriptDealBase::ReadNumber(const std::string& strField, const std::string& strText, JC_DebugLog* pErrorLog,
                                  const char* szSourceFile)
{
    const int iNumber = JF_DecimalToInt(strField);
    if (!JF_IsWholeDecimalInt(strField) && pErrorLog != nullptr)
        pErrorLog->PrintAt(szSourceFile, __LINE__, " ScriptNumberFormat Fail(ReadAs:%d). \r\n Field:%s \r\n Script:%s \r\n",
                           iNumber, strField.c_str(), strText.c_str());
    return iNumber;
}
