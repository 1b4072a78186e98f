#include "JC_DataManager/Control/JF_MergeBehavior.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlPersonEquip.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"

#include <cstdlib>

namespace {

constexpr size_t MERGE_PARTS = 3;

struct JS_Maximum
{
    const char* szMax;
    const char* szCurrent;
};
const JS_Maximum s_Maxima[] = {{"MaxHP", "HP"}, {"MaxSP", "SP"}, {"MaxRAP", "RAP"}, {"MaxMorale", "Morale"}};

// Takes a behaviour entry apart: 0 with bMerge false for an entry of another
// type; dwEmptyCode when its type or parameter is missing, a failure code
// when the parameter has fewer than three parts; both logged.
DWORD ReadMergeBehavior(const JC_BehaviorAnalyser& analyser, JC_DebugLog& log, const char* szSourceFile,
                           const std::string& strBehavior, DWORD dwEmptyCode, JS_MergeBehavior& merge)
{
    merge = JS_MergeBehavior();
    const std::string strType = analyser.GetType(strBehavior);
    merge.strParameter = analyser.GetParameter(strBehavior);
    if (strType.empty() || merge.strParameter.empty()) {
        log.PrintAt(szSourceFile, __LINE__, " Get Behavior Type or Parameter Fail. \r\n Behavior:%s \r\n ",
                    strBehavior.c_str());
        return dwEmptyCode;
    }
    if (analyser.GetDefineInfo(strType) != JD_BEHAVIORTYPE_MERGE)
        return 0;
    JC_StringArray parts;
    DWORD dwResult = analyser.DecomposeOrder(merge.strParameter, parts);
    if (dwResult == 0 && parts.size() < MERGE_PARTS)
        dwResult = JE_EQUIP_BEHAVIOR_PARAMETER_SHORT;
    if (dwResult != 0) {
        log.PrintAt(szSourceFile, __LINE__,
                    " DecomposeOrder Fail(BehaviorParameter). \r\n BehaviorParameter:%s \r\n HRESULT:0x%08x \r\n",
                    merge.strParameter.c_str(), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    merge.bMerge = true;
    merge.strField = parts[0];
    merge.dwIndex = static_cast<DWORD>(std::strtoul(parts[1].c_str(), nullptr, 10));
    merge.strValue = parts[2];
    return 0;
}

} // namespace

DWORD JF_WalkMergeBehaviors(const JC_BehaviorAnalyser& analyser, JC_DebugLog& log, const char* szSourceFile,
                            const std::vector<std::string>& behaviors, DWORD dwEmptyCode, bool bReportOtherTypes,
                            const std::function<bool(JS_MergeBehavior&)>& visit)
{
    for (const std::string& strBehavior : behaviors) {
        JS_MergeBehavior merge;
        const DWORD dwResult = ReadMergeBehavior(analyser, log, szSourceFile, strBehavior, dwEmptyCode, merge);
        if (dwResult != 0)
            return dwResult;
        if (!merge.bMerge) {
            if (bReportOtherTypes)
                log.PrintAt(szSourceFile, __LINE__, " Evolution Behavior OnlySupport MergeType. \r\n Behavior:%s \r\n ",
                            strBehavior.c_str());
            continue;
        }
        if (!visit(merge))
            break;
    }
    return 0;
}

void JF_MergePersonField(JC_OperatorPerson& person, const JS_MergeBehavior& merge, bool bAdd)
{
    int iValue = 0;
    person.GetItemData(merge.strField, merge.dwIndex, &iValue);
    const DWORD dwOld = static_cast<DWORD>(iValue);
    const int iNew = static_cast<int>(bAdd ? JC_StrNumCalculate::AddValue(dwOld, merge.strValue)
                                           : JC_StrNumCalculate::SubValue(dwOld, merge.strValue));
    person.SetItemData(merge.strField, merge.dwIndex, &iNew);
    for (const JS_Maximum& maximum : s_Maxima) {
        if (merge.strField != maximum.szMax)
            continue;
        int iCurrent = 0;
        person.GetItemData(maximum.szCurrent, 0, &iCurrent);
        if (iCurrent > iNew)
            person.SetItemData(maximum.szCurrent, 0, &iNew);
    }
}
