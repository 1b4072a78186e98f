#include "JC_DataManager/Operator/JC_OperatorEquipmentBase.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

const char* const s_aszEquipJobItems[JC_OperatorEquipmentBase::EQUIP_JOBS] = {
    "EquipJob_Swordman",     "EquipJob_Monk",         "EquipJob_Curer",          "EquipJob_Magician",
    "EquipJob_Thief",        "EquipJob_Archer",       "EquipJob_Warrior",        "EquipJob_WarriorLeader",
    "EquipJob_PriestLeader", "EquipJob_PriestLeaderEx", "EquipJob_Paladin",      "EquipJob_Proficient",
    "EquipJob_Archenemy",    "EquipJob_BlackBride",   "EquipJob_Goddess",        "EquipJob_HolyMonk",
    "EquipJob_KnightEx",     "EquipJob_PriestEx",     "EquipJob_Pluto",          "EquipJob_Death",
    "EquipJob_Knight",       "EquipJob_MadSwordman",  "EquipJob_Assassin",       "EquipJob_MasterMonk",
    "EquipJob_Priest",       "EquipJob_Alchemist",    "EquipJob_BlackMagician",  "EquipJob_WhiteMagician",
    "EquipJob_Ranger",       "EquipJob_Musketeer",    "EquipJob_Hunter",         "EquipJob_MonkEx",
};

bool IsEquipmentKind(DWORD dwKind)
{
    return dwKind == DATACOMPONENTKIND_WEAPON || dwKind == DATACOMPONENTKIND_WEARING;
}

} // namespace

JC_OperatorEquipmentBase::JC_OperatorEquipmentBase() : JC_OperatorEquipmentBase(DATACOMPONENTKIND_ANYEQUIPMENT)
{
}

JC_OperatorEquipmentBase::JC_OperatorEquipmentBase(DWORD dwOperatorKind) : JC_OperatorThingBase(dwOperatorKind)
{
}

DWORD JC_OperatorEquipmentBase::SetDataConponent(JC_DataComponent* pRecord)
{
    static const JS_BindRule s_Rule = {
        DATACOMPONENTKIND_ANYEQUIPMENT, IsEquipmentKind, s_szSourceFile,
        JE_EQUIPMENT_NULL_RECORD, JE_EQUIPMENT_KIND_UNREADABLE, JE_EQUIPMENT_KIND_MISMATCH, JE_EQUIPMENT_NOT_EQUIPMENT,
        "裝備操作者 無法操作非裝備型態資料元件 \n輸入的資料元件形態:0X%x(%d) \n 錯誤檔案:%s(Line:%d) \n\n",
    };
    return BindByRule(pRecord, s_Rule);
}

int JC_OperatorEquipmentBase::GetEquipJob(DWORD dwJobIndex)
{
    if (dwJobIndex >= EQUIP_JOBS)
        return 0;
    return GetValue<int>(s_aszEquipJobItems[dwJobIndex]);
}

JC_DWordArray* JC_OperatorEquipmentBase::GetGemArray()
{
    DWORD dwResult = 0;
    JC_DWordArray* pGems = GetSpace<JC_DWordArray>("Gem", dwResult);
    if (pGems == nullptr) {
        Log()->Print("取得鑲嵌的魂石紀錄 取得內部完整的魂石陣列指標 發生錯誤 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return pGems;
}

DWORD JC_OperatorEquipmentBase::GetGemCount()
{
    return GetVectorCount("Gem");
}

DWORD JC_OperatorEquipmentBase::GetGem(DWORD dwIndex)
{
    return JF_EntryOf(GetGemArray(), dwIndex);
}

JC_StringArray* JC_OperatorEquipmentBase::GetEquipBehaviorArray()
{
    return GetBehaviorLines("EquipBehavior", s_szSourceFile, __LINE__);
}

DWORD JC_OperatorEquipmentBase::GetEquipBehaviorCount()
{
    return GetVectorCount("EquipBehavior");
}

std::string JC_OperatorEquipmentBase::GetEquipBehavior(DWORD dwIndex)
{
    return JF_EntryOf(GetEquipBehaviorArray(), dwIndex);
}
