#pragma once

#include "TemplateSystem/JC_ItemValue.h"
#include "TemplateSystem/JC_StrNumCalculate.h"
#include "TemplateSystem/JC_StringSegment1.h"

class JC_DataManager;
class JC_DebugLog;

constexpr DWORD JE_BEHAVIOR_NULL_DATA_MANAGER = 0x89130011;
constexpr DWORD JE_BEHAVIOR_DATA_MANAGER_NOT_INITIATED = 0x89130012;

// Behaviour strings: free text naming a behaviour type after "@Type" and its
// comma-separated parameters after "@Parameter", each value in double
// quotes. Names that stand for numbers are resolved through the template
// define tables of the data manager.
class JC_BehaviorBase : public JC_StrNumCalculate
{
public:
    // What GetDefineInfo gives for a name no define file defines.
    static constexpr DWORD UNKNOWN_DEFINE = 0xCDCDCDCD;

    virtual ~JC_BehaviorBase() = default;

    // Binds the data manager and its error log; may be called again to rebind.
    virtual DWORD Initiation(JC_DataManager* pDataManager);

    // The quoted value after the keyword; empty when the keyword or either
    // quote is missing.
    std::string GetType(const std::string& strBehavior) const;
    std::string GetParameter(const std::string& strBehavior) const;
    // Splits at every comma; the parts keep their blanks, a trailing comma
    // gives an empty last part and an empty text no part. Always 0.
    DWORD DecomposeOrder(const std::string& strText, JC_StringArray& parts) const;
    DWORD GetDefineInfo(const std::string& strDefineName) const;

protected:
    // The data manager's error log; the data layer's debug log while unbound.
    JC_DebugLog& ErrorLog() const;

    JC_DataManager* m_pDataManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;

private:
    static std::string GetQuotedValue(const std::string& strBehavior, const std::string& strKeyword);

    JC_StringSegment1 m_Segments;
};
