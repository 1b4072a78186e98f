#include "Code/Battle/BattleScript/XC_BattleResultInfo.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/XC_GameText.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "JC_Order/JC_OrderFinalResultActive.h"
#include "JC_Order/JC_OrderFinalResultOther.h"
#include "JC_Order/JC_OrderFinalResultPassive.h"
#include "JC_Order/JC_OrderResultBase.h"

#include <map>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD GT_GET_THING = 14;
const DWORD GT_GET_MONEY = 15;

const char* GameText(DWORD dwID)
{
    const char* const szText = g_pGameText != nullptr ? g_pGameText->GetText(dwID) : nullptr;
    return szText != nullptr ? szText : "";
}

DWORD HitType(int iIsHit)
{
    return iIsHit == 1 ? XE_HIT_TYPE_HIT : XE_HIT_TYPE_DODGE;
}

// An outcome the scripts have no branch for plays as a life kept.
DWORD ResultType(int iLifeOutcome)
{
    switch (iLifeOutcome) {
    case JE_LIFE_OUTCOME_DEAD_BODY: return XE_RESULT_TYPE_DIE_HAVE_BODY;
    case JE_LIFE_OUTCOME_DEAD_NO_BODY: return XE_RESULT_TYPE_DIE_NO_BODY;
    default: return XE_RESULT_TYPE_LIVE;
    }
}

} // namespace

XC_BattleResultInfo::~XC_BattleResultInfo()
{
    Clear();
}

HRESULT XC_BattleResultInfo::Copy(const XC_BattleResultInfo& other)
{
    Clear();
    m_sBattleResultMain = other.m_sBattleResultMain;
    for (const XS_BattleResultPerson& record : other.m_vecBattleResultPerson)
        AddBattleResultPerson(record);
    m_dwTargetFloorIndex = other.m_dwTargetFloorIndex;
    return S_OK;
}

HRESULT XC_BattleResultInfo::Clear()
{
    m_vecBattleResultPerson.clear();
    m_dwTargetFloorIndex = 0;
    return S_OK;
}

HRESULT XC_BattleResultInfo::SetBattleResultMain(const XS_BattleResultMain& record)
{
    m_sBattleResultMain = record;
    return S_OK;
}

HRESULT XC_BattleResultInfo::AddBattleResultPerson(const XS_BattleResultPerson& record)
{
    m_vecBattleResultPerson.push_back(record);
    if (record.dwPersonType == XE_RESULT_PERSON_ACTIVE && record.pPersonObj != nullptr)
        m_dwActiveFloorIndex = record.pPersonObj->GetFloorIndex();
    return S_OK;
}

const XS_BattleResultPerson* XC_BattleResultInfo::GetBattleResultPerson(DWORD dwBattleResultPersoIndex) const
{
    if (dwBattleResultPersoIndex >= m_vecBattleResultPerson.size()) {
        XM_REPORT_FAILED("dwBattleResultPersoIndex < m_PAL_BattleResultPerson.Count()");
        return nullptr;
    }
    return &m_vecBattleResultPerson[dwBattleResultPersoIndex];
}

HRESULT XC_BattleResultInfo::SetTargetFloorIndex(DWORD dwFloorIndex)
{
    m_dwTargetFloorIndex = dwFloorIndex;
    return S_OK;
}

void XC_BattleResultInfo::MakeBattleResultMain(const JC_OrderFinalResultOther& other, XS_BattleResultMain& record)
{
    record = XS_BattleResultMain();
    record.lExp = other.m_Exp;
    record.lJobExp = other.m_JobExp;
    record.lMoney = other.m_LegacyMoney;
    record.lIsSteal = other.m_IsSteal;
    record.lIsStealThing = other.m_IsStealThing;
    record.stringScriptName = XC_String(SCRIPT_FOLDER)
                            + (other.m_ActionScriptID.empty() ? DEFAULT_SCRIPT : other.m_ActionScriptID.c_str());
    if (record.lMoney > 0)
        record.vecGetItemText.push_back(XF_FormatText("%s %dG", GameText(GT_GET_MONEY), static_cast<int>(record.lMoney)));
    AddFoundThingLines(other, record);
}

void XC_BattleResultInfo::AddFoundThingLines(const JC_OrderFinalResultOther& other, XS_BattleResultMain& record)
{
    // One line a name, in name order, however often it was found.
    std::map<std::string, int> mapCount;
    for (const std::string& strName : other.m_LegacyThingNameArray)
        ++mapCount[strName];
    for (const std::string& strName : other.m_StealThingNameArray)
        ++mapCount[strName];
    for (const auto& [strName, iCount] : mapCount)
        record.vecGetItemText.push_back(XF_FormatText("%s %s x %d", GameText(GT_GET_THING), strName.c_str(), iCount));
}

void XC_BattleResultInfo::MakeBattleResultPerson(const JC_OrderFinalResultActive& active, XS_BattleResultPerson& record)
{
    record = XS_BattleResultPerson();
    record.dwTeamIndex = static_cast<DWORD>(active.m_TeamIndex);
    record.dwPersonType = static_cast<DWORD>(active.m_ResultKind);
    record.dwHitType = HitType(active.m_IsHit);
    record.lIsHPChange = active.m_IsHPAbsorb;
    record.lIsSPChange = active.m_IsSPAbsorb;
    record.lHPChange = active.m_HPAbsorb;
    record.lHPChangeReal = active.m_HPAbsorbReal;
    record.lSPChange = active.m_SPAbsorb;
    record.lSPChangeReal = active.m_SPAbsorbReal;
    record.dwResultType = ResultType(active.m_LifeOutcome);
    record.lExp = active.m_Exp;
    record.lJobExp = active.m_JobExp;
}

void XC_BattleResultInfo::MakeBattleResultPerson(const JC_OrderFinalResultPassive& passive,
                                                 XS_BattleResultPerson& record)
{
    record = XS_BattleResultPerson();
    record.dwTeamIndex = static_cast<DWORD>(passive.m_TeamIndex);
    record.dwPersonType = static_cast<DWORD>(passive.m_ResultKind);
    // No outcome means the blow never landed: the dodge branch plays.
    record.dwHitType = passive.m_LifeOutcome == JE_LIFE_OUTCOME_NONE ? XE_HIT_TYPE_DODGE : HitType(passive.m_IsHit);
    record.lIsCritical = passive.m_IsCritical;
    record.lIsCounter = passive.m_IsCounter;
    record.lIsHPChange = passive.m_IsHPChange;
    record.lIsSPChange = passive.m_IsSPChange;
    record.lHPChange = passive.m_HPChange;
    record.lHPChangeReal = passive.m_HPChangeReal;
    record.lSPChange = passive.m_SPChange;
    record.lSPChangeReal = passive.m_SPChangeReal;
    record.dwResultType = ResultType(passive.m_LifeOutcome);
}
