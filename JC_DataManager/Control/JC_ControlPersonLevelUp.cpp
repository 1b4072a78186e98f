#include "JC_DataManager/Control/JC_ControlPersonLevelUp.h"

#include <cstdlib>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

constexpr int ATTRIBUTE_COUNT = 8;

} // namespace

void JC_ControlPersonLevelUp::ReportNotBound() const
{
    ErrorLog().Print("使用控制人物等級前 請先設定要控制的人物 \n錯誤檔案:%s(Line:%d) \n\n", s_szSourceFile, __LINE__);
}

DWORD JC_ControlPersonLevelUp::SetLevel(int iLevel, BOOL bDistribute)
{
    if (!IsBound()) {
        ReportNotBound();
        return JE_LEVELUP_SET_NOT_BOUND;
    }
    const int iMaxLevel = m_OperatorPersonObj.GetMaxLevel();
    if (iLevel > iMaxLevel)
        iLevel = iMaxLevel;
    const int iCurrent = m_OperatorPersonObj.GetLevel();
    if (iLevel < iCurrent)
        return JE_LEVELUP_SET_BELOW_CURRENT;
    if (iLevel == iCurrent)
        return 0;
    return LevelUp(iLevel - iCurrent, bDistribute);
}

DWORD JC_ControlPersonLevelUp::LevelUp(int iCount, BOOL bDistribute)
{
    if (!IsBound()) {
        ReportNotBound();
        return JE_LEVELUP_NOT_BOUND;
    }
    if (iCount < 0)
        return JE_LEVELUP_NEGATIVE;
    JC_OperatorPerson& person = m_OperatorPersonObj;
    JC_OperatorJob& job = m_OperatorJobObj;
    const int iLevel = person.GetLevel();
    const int iMaxLevel = person.GetMaxLevel();
    if (iLevel + iCount > iMaxLevel)
        iCount = iMaxLevel - iLevel;
    if (iCount <= 0)
        return 0;

    const int iHPCoefficient = job.GetHPCoefficient();
    const int iSPCoefficient = job.GetSPCoefficient();
    const int iPoints = job.GetPersonLevelUpPoint();
    const int growRates[ATTRIBUTE_COUNT] = {
        job.GetGrowRateStrength(),     job.GetGrowRateVitality(), job.GetGrowRateAgile(),
        job.GetGrowRateDexterity(),    job.GetGrowRateIntelligence(), job.GetGrowRateWisdom(),
        job.GetGrowRateCharm(),        job.GetGrowRateLuck()};
    int cumulative[ATTRIBUTE_COUNT];
    int iSum = 0;
    for (int i = 0; i < ATTRIBUTE_COUNT; ++i) {
        iSum += growRates[i];
        cumulative[i] = iSum;
    }

    for (int n = 0; n < iCount; ++n) {
        person.SetLevel(person.GetLevel() + 1);
        person.SetExp(0);
        const int iHPGain = iHPCoefficient * 6 + person.GetVitality() / 25 + 1;
        const int iSPGain = ((person.GetIntelligence() / 25) * 10 + 5) * iSPCoefficient / 10;
        person.SetHP(person.GetHP() + iHPGain);
        person.SetMaxHP(person.GetMaxHP() + iHPGain);
        person.SetSP(person.GetSP() + iSPGain);
        person.SetMaxSP(person.GetMaxSP() + iSPGain);
        if (bDistribute == 0) {
            person.SetNotUsePoint(person.GetNotUsePoint() + iPoints);
            continue;
        }
        for (int p = 0; p < iPoints; ++p) {
            if (cumulative[ATTRIBUTE_COUNT - 1] == 0) {
                ErrorLog().Print("指定要提升等級的人物 其成長係數總和為0 \n錯誤檔案:%s(Line:%d) \n\n", s_szSourceFile,
                                 __LINE__);
                return JE_LEVELUP_NO_GROW_RATE;
            }
            GivePoint(cumulative);
        }
    }
    return 0;
}

void JC_ControlPersonLevelUp::GivePoint(const int (&cumulative)[ATTRIBUTE_COUNT])
{
    static void (JC_OperatorPerson::*const s_apfnSetters[ATTRIBUTE_COUNT])(int) = {
        &JC_OperatorPerson::SetStrength,  &JC_OperatorPerson::SetVitality, &JC_OperatorPerson::SetAgile,
        &JC_OperatorPerson::SetDexterity, &JC_OperatorPerson::SetIntelligence, &JC_OperatorPerson::SetWisdom,
        &JC_OperatorPerson::SetCharm,     &JC_OperatorPerson::SetLuck};
    static int (JC_OperatorPerson::*const s_apfnGetters[ATTRIBUTE_COUNT])() = {
        &JC_OperatorPerson::GetStrength,  &JC_OperatorPerson::GetVitality, &JC_OperatorPerson::GetAgile,
        &JC_OperatorPerson::GetDexterity, &JC_OperatorPerson::GetIntelligence, &JC_OperatorPerson::GetWisdom,
        &JC_OperatorPerson::GetCharm,     &JC_OperatorPerson::GetLuck};
    const int iRoll = std::rand() % cumulative[ATTRIBUTE_COUNT - 1] + 1;
    // Strict comparisons: an attribute takes the rolls below its sum, and
    // Luck whatever is left.
    int iAttribute = 0;
    while (iAttribute < ATTRIBUTE_COUNT - 1 && iRoll >= cumulative[iAttribute])
        ++iAttribute;
    JC_OperatorPerson& person = m_OperatorPersonObj;
    (person.*s_apfnSetters[iAttribute])((person.*s_apfnGetters[iAttribute])() + 1);
}

DWORD JC_ControlPersonLevelUp::SetJobLevel(int iJobLevel, BOOL bDistribute)
{
    if (!IsBound()) {
        ReportNotBound();
        return JE_JOBLEVEL_SET_NOT_BOUND;
    }
    const int iMaxJobLevel = m_OperatorJobObj.GetMaxJobLevel();
    if (iJobLevel > iMaxJobLevel)
        iJobLevel = iMaxJobLevel;
    const int iCurrent = m_OperatorPersonObj.GetJobLevel();
    if (iJobLevel < iCurrent)
        return JE_JOBLEVEL_SET_BELOW_CURRENT;
    if (iJobLevel == iCurrent)
        return 0;
    return JobLevelUp(iJobLevel - iCurrent, bDistribute);
}

DWORD JC_ControlPersonLevelUp::JobLevelUp(int iCount, BOOL /*bDistribute*/)
{
    if (!IsBound()) {
        ReportNotBound();
        return JE_JOBLEVEL_NOT_BOUND;
    }
    if (iCount < 0)
        return JE_JOBLEVEL_NEGATIVE;
    JC_OperatorPerson& person = m_OperatorPersonObj;
    const int iJobLevel = person.GetJobLevel();
    const int iMaxJobLevel = m_OperatorJobObj.GetMaxJobLevel();
    if (iJobLevel + iCount > iMaxJobLevel)
        iCount = iMaxJobLevel - iJobLevel;
    const int iPoints = m_OperatorJobObj.GetJobLevelUpPoint();
    for (int n = 0; n < iCount; ++n) {
        person.SetJobLevel(person.GetJobLevel() + 1);
        person.SetJobExp(0);
        person.SetNotUseJobPoint(person.GetNotUseJobPoint() + iPoints);
    }
    return 0;
}
