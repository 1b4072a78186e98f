#include "JC_DataManager/Operator/JC_OperatorSkillPower.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

} // namespace

JC_OperatorSkillPower::JC_OperatorSkillPower() : JC_OperatorBase(DATACOMPONENTKIND_SKILLPOWER)
{
}

JC_StringArray* JC_OperatorSkillPower::GetBehavior()
{
    DWORD dwResult = 0;
    JC_StringArray* pLines = GetSpace<JC_StringArray>("Behavior", dwResult);
    if (pLines == nullptr) {
        Log()->Print("GetBehavior() 取得 Behavior ItemSpace (取得內部完整的CCStringArray指標) 發生錯誤 \n錯誤代碼:0X%x "
                     "\n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return pLines;
}

DWORD JC_OperatorSkillPower::GetBehaviorCount()
{
    const JC_StringArray* pLines = GetBehavior();
    return pLines != nullptr ? static_cast<DWORD>(pLines->size()) : 0;
}

std::string JC_OperatorSkillPower::GetBehavior(DWORD dwIndex)
{
    const JC_StringArray* pLines = GetBehavior();
    const DWORD dwCount = pLines != nullptr ? static_cast<DWORD>(pLines->size()) : 0;
    if (dwIndex >= dwCount) {
        Log()->Print("GetBehavior() 取得指定的行為群組 中 指定位置的行為命令 發生錯誤 \n指定的索引位置(Index):%d "
                     "超過實際數量(Count):%d \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<int>(dwIndex), static_cast<int>(dwCount), s_szSourceFile, __LINE__);
        return std::string();
    }
    return (*pLines)[dwIndex];
}

DWORD JC_OperatorSkillPower::GetEffectState(DWORD dwIndex)
{
    DWORD dwResult = 0;
    const JC_DWordArray* pStates = GetSpace<JC_DWordArray>("EffectState", dwResult);
    if (pStates == nullptr) {
        Log()->Print("取得 EffectState ItemData 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return 0;
    }
    if (dwIndex >= pStates->size()) {
        Log()->Print("取得 EffectState ItemData 發生錯誤 \n指定的索引位置(Index):%d 超過實際數量(Count):%d "
                     "\n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<int>(dwIndex), static_cast<int>(pStates->size()), s_szSourceFile, __LINE__);
        return 0;
    }
    return (*pStates)[dwIndex];
}
