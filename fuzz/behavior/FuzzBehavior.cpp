// Behaviour strings and behaviour-group items of any bytes: a code, never a
// fault. The comma split must give back its text when joined; an item that
// decomposes must compose into a text that decomposes to the same item and
// composes to itself; the group walks must never add items; the analyser
// that read every earlier input must answer as one that reads its first.

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DefineFileReader.h"
#include "TemplateSystem/JC_TemplateFileReader.h"

namespace {

constexpr DWORD STATE_POISON = 31;
constexpr DWORD STATE_SLEEP = 32;

struct Context
{
    Context()
    {
        DWORD dwLine = 0;
        if (JC_DefineFileReader().LoadFile(FUZZ_TEMPLATE_FOLDER "Behavior.h", &dataManager.m_Defines, dwLine) != 0
            || reader.Initiation() != 0
            || reader.LoadTemplateFolder(FUZZ_TEMPLATE_FOLDER, &templates, nullptr, dwLine) != 0
            || templates.FindTemplateByID(JC_BehaviorGroup::PERSON_KIND, pPersonTemplate) != 0
            || analyser.Initiation(&dataManager) != 0)
            __builtin_trap();
    }

    JC_DataManager dataManager;
    JC_TemplateFileReader reader;
    JC_TemplateList templates;
    JC_Template* pPersonTemplate = nullptr;
    JC_BehaviorAnalyser analyser;
};

void Require(bool bHolds)
{
    if (!bHolds)
        __builtin_trap();
}

std::string Join(const JC_StringArray& parts)
{
    std::string strText;
    for (size_t i = 0; i < parts.size(); ++i)
        strText += (i == 0 ? "" : ",") + parts[i];
    return strText;
}

bool SameValue(const JC_BehaviorValueData& a, const JC_BehaviorValueData& b)
{
    return a.bValid == b.bValid && a.bIsDefine == b.bIsDefine && a.strDefine == b.strDefine
           && a.dwNumber == b.dwNumber && a.bIsRelative == b.bIsRelative && a.bPlus == b.bPlus
           && a.bMinus == b.bMinus && a.bPercent == b.bPercent;
}

void CheckStrings(const JC_BehaviorAnalyser& analyser, const std::string& strText)
{
    const std::string strType = analyser.GetType(strText);
    const std::string strParameter = analyser.GetParameter(strText);
    Require(strText.find(strType) != std::string::npos);
    Require(strText.find(strParameter) != std::string::npos);
    JC_StringArray parts;
    Require(analyser.DecomposeOrder(strParameter, parts) == 0);
    Require(Join(parts) == strParameter);
    Require(analyser.DecomposeOrder(strText, parts) == 0);
    Require(Join(parts) == strText);
}

void CheckItem(const JC_BehaviorAnalyser& analyser, const std::string& strText)
{
    JC_BehaviorItem item;
    if (analyser.GetBehavior(strText, item) != 0)
        return;
    std::string strComposed;
    Require(analyser.SetBehavior(item, strComposed) == 0);
    JC_BehaviorItem again;
    Require(analyser.GetBehavior(strComposed, again) == 0);
    Require(again.strState == item.strState && again.dwRoundType == item.dwRoundType
            && again.iCount == item.iCount && again.iSecond == item.iSecond && again.iThird == item.iThird
            && SameValue(again.ExtraA, item.ExtraA) && SameValue(again.ExtraB, item.ExtraB));
    std::string strRecomposed;
    analyser.SetBehavior(again, strRecomposed);
    Require(strRecomposed == strComposed);
}

// The long-lived analyser keeps what it read of earlier persons, often at
// the same address as this one: its answers must be a fresh analyser's.
void CheckAgainstFresh(Context& context, JC_DataComponent* pPerson)
{
    JC_BehaviorAnalyser fresh;
    Require(fresh.Initiation(&context.dataManager) == 0);
    for (const DWORD dwState : {STATE_POISON, STATE_SLEEP}) {
        for (DWORD dwGroup = 0; dwGroup < 2; ++dwGroup) {
            Require(context.analyser.HaveBehaviorInGroup(pPerson, dwGroup, dwState)
                    == fresh.HaveBehaviorInGroup(pPerson, dwGroup, dwState));
            std::string strKept;
            std::string strFresh;
            Require(context.analyser.GetBehaviorItemPart(pPerson, dwGroup, dwState, 5, strKept)
                        == fresh.GetBehaviorItemPart(pPerson, dwGroup, dwState, 5, strFresh)
                    && strKept == strFresh);
        }
    }
}

// Every line of the input is one item of group 0, and of group 1 reversed.
void CheckGroups(Context& context, const std::string& strText)
{
    JC_DataComponent person;
    Require(person.Create(&context.templates, context.pPersonTemplate) == 0);
    JC_StringArray* pGroup0 = nullptr;
    JC_StringArray* pGroup1 = nullptr;
    Require(person.GetItemValue("BehaviorGroup0", &pGroup0) == 0 && person.GetItemValue("BehaviorGroup1", &pGroup1) == 0);
    for (size_t at = 0; at <= strText.size();) {
        const size_t end = std::min(strText.find('\n', at), strText.size());
        pGroup0->push_back(strText.substr(at, end - at));
        at = end + 1;
    }
    pGroup1->assign(pGroup0->rbegin(), pGroup0->rend());
    const size_t count = pGroup0->size();

    const JC_BehaviorAnalyser& analyser = context.analyser;
    std::string strItem;
    int iIndex = 0;
    if (analyser.GetBehavior(&person, 0, STATE_POISON, strItem, iIndex) == 0 && iIndex >= 0)
        Require(static_cast<size_t>(iIndex) < count && (*pGroup0)[iIndex] == strItem);
    const DWORD dwHave = analyser.HaveBehavior(&person, STATE_SLEEP);
    Require(dwHave == 0 || dwHave == 1);
    DWORD dwNumber = 0;
    analyser.GetBehavior_Combo(&person, 1, STATE_POISON, 6, dwNumber);
    for (DWORD dwPart = 0; dwPart < 9; ++dwPart)
        analyser.GetBehaviorItemPart(&person, 0, STATE_SLEEP, dwPart, strItem);
    analyser.HaveBehaviorInGroup(&person, 4, STATE_POISON);
    analyser.UseBehavior(&person, STATE_POISON);
    analyser.CountDownRoundBehaviors(&person);
    analyser.RemoveBehaviorsEndedByAttack(&person);
    analyser.RemoveBehavior(&person, STATE_SLEEP);
    Require(pGroup0->size() <= count && pGroup1->size() <= count);
    CheckAgainstFresh(context, &person);
    // A byte rewritten in place, as a script or a deal writes: same length,
    // same buffer, other text.
    if (!pGroup0->empty() && !pGroup0->front().empty()) {
        std::string& strFirst = pGroup0->front();
        strFirst[strFirst.size() / 2] ^= 1;
        CheckAgainstFresh(context, &person);
    }
    Require(analyser.ClearBehaviorGroup(&person, 1) == 0 && pGroup1->empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    static Context context;
    const std::string strText(reinterpret_cast<const char*>(pData), size);
    CheckStrings(context.analyser, strText);
    CheckItem(context.analyser, strText);
    CheckGroups(context, strText);
    return 0;
}
