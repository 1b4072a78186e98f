#include "JC_DataManager/Control/JC_ControlPersonTakeJob.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

// The values a job adds, read from the job and added to the person's field
// of the same name.
struct JS_JobValue
{
    int (JC_OperatorJob::*pfnJob)();
    int (JC_OperatorPerson::*pfnGet)();
    void (JC_OperatorPerson::*pfnSet)(int);
};

const JS_JobValue s_JobValues[] = {
    {&JC_OperatorJob::GetMaxRAP, &JC_OperatorPerson::GetMaxRAP, &JC_OperatorPerson::SetMaxRAP},
    {&JC_OperatorJob::GetMove, &JC_OperatorPerson::GetMove, &JC_OperatorPerson::SetMove},
    {&JC_OperatorJob::GetStrength, &JC_OperatorPerson::GetStrength, &JC_OperatorPerson::SetStrength},
    {&JC_OperatorJob::GetVitality, &JC_OperatorPerson::GetVitality, &JC_OperatorPerson::SetVitality},
    {&JC_OperatorJob::GetAgile, &JC_OperatorPerson::GetAgile, &JC_OperatorPerson::SetAgile},
    {&JC_OperatorJob::GetDexterity, &JC_OperatorPerson::GetDexterity, &JC_OperatorPerson::SetDexterity},
    {&JC_OperatorJob::GetIntelligence, &JC_OperatorPerson::GetIntelligence, &JC_OperatorPerson::SetIntelligence},
    {&JC_OperatorJob::GetWisdom, &JC_OperatorPerson::GetWisdom, &JC_OperatorPerson::SetWisdom},
    {&JC_OperatorJob::GetCharm, &JC_OperatorPerson::GetCharm, &JC_OperatorPerson::SetCharm},
    {&JC_OperatorJob::GetLuck, &JC_OperatorPerson::GetLuck, &JC_OperatorPerson::SetLuck},
    {&JC_OperatorJob::GetJumpUp, &JC_OperatorPerson::GetJumpUp, &JC_OperatorPerson::SetJumpUp},
    {&JC_OperatorJob::GetJumpDown, &JC_OperatorPerson::GetJumpDown, &JC_OperatorPerson::SetJumpDown},
};
constexpr size_t JOB_VALUE_COUNT = std::size(s_JobValues);

} // namespace

DWORD JC_ControlPersonTakeJob::TakeJob(DWORD dwJobID)
{
    if (!IsBound()) {
        ErrorLog().Print("使用控制人物等級前 請先設定要控制的人物 \n錯誤檔案:%s(Line:%d) \n\n", s_szSourceFile, __LINE__);
        return JE_TAKEJOB_NOT_BOUND;
    }
    JC_DataComponent* pJob = m_pDataManager->GetJobObj(dwJobID);
    if (pJob == nullptr) {
        ErrorLog().Print("無法取得指定的職業資料元件 \n指定的職業ID:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwJobID), s_szSourceFile, __LINE__);
        return JE_TAKEJOB_NO_JOB;
    }
    JC_OperatorJob job;
    DWORD dwResult = job.Initiation(m_pDataManager);
    if (dwResult != 0) {
        ErrorLog().Print("職業操作者無法重置 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n", static_cast<unsigned>(dwResult),
                         s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = job.SetDataConponent(pJob);
    if (dwResult != 0) {
        ErrorLog().Print("無法將職業資料元件 設定給職業操作者 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }

    JC_OperatorPerson& person = m_OperatorPersonObj;
    person.SetJobID(dwJobID);
    person.SetJobLevel(1);
    int jobValues[JOB_VALUE_COUNT];
    for (size_t i = 0; i < JOB_VALUE_COUNT; ++i)
        jobValues[i] = (job.*s_JobValues[i].pfnJob)();
    // The stored RAP grows by the job's MaxRAP, unclamped.
    person.SetRAP(person.GetRAP() + jobValues[0]);
    for (size_t i = 0; i < JOB_VALUE_COUNT; ++i)
        (person.*s_JobValues[i].pfnSet)((person.*s_JobValues[i].pfnGet)() + jobValues[i]);
    const DWORD dwSkillCount = job.GetLearnSkillCount();
    for (DWORD i = 0; i < dwSkillCount; ++i)
        person.SetLearnSkillID(i, job.GetLearnSkillID(i));
    return 0;
}
