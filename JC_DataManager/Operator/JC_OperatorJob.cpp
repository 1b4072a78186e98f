#include "JC_DataManager/Operator/JC_OperatorJob.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

} // namespace

JC_OperatorJob::JC_OperatorJob() : JC_OperatorBase(DATACOMPONENTKIND_JOB)
{
}

JC_DWordArray* JC_OperatorJob::GetLearnSkillIDArray()
{
    DWORD dwResult = 0;
    JC_DWordArray* pArray = GetSpace<JC_DWordArray>("LearnSkillID", dwResult);
    if (pArray == nullptr) {
        Log()->Print("取得可以學習的技能紀錄 取得內部完整的陣列指標 發生錯誤 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return pArray;
}

JC_DWordArray* JC_OperatorJob::GetLearnSkillLVArray()
{
    DWORD dwResult = 0;
    JC_DWordArray* pArray = GetSpace<JC_DWordArray>("LearnSkillLV", dwResult);
    if (pArray == nullptr) {
        Log()->Print(
            "取得可以學習的技能最高等級紀錄 取得內部完整的陣列指標 發生錯誤 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
            static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return pArray;
}

DWORD JC_OperatorJob::GetLearnSkillCount()
{
    const JC_DWordArray* pArray = GetLearnSkillIDArray();
    return pArray != nullptr ? static_cast<DWORD>(pArray->size()) : 0;
}

DWORD JC_OperatorJob::GetLearnSkillID(DWORD dwIndex)
{
    return JF_EntryOf(GetLearnSkillIDArray(), dwIndex);
}

int JC_OperatorJob::GetLearnSkillLV(DWORD dwIndex)
{
    return static_cast<int>(JF_EntryOf(GetLearnSkillLVArray(), dwIndex));
}
