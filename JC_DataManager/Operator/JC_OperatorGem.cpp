#include "JC_DataManager/Operator/JC_OperatorGem.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

} // namespace

JC_OperatorGem::JC_OperatorGem() : JC_OperatorThingBase(DATACOMPONENTKIND_GEM)
{
}

JC_StringArray* JC_OperatorGem::GetInlayBehaviorArray()
{
    return GetBehaviorLines("InlayBehavior", s_szSourceFile, __LINE__);
}

JC_StringArray* JC_OperatorGem::GetInlayBehaviorEquipArray()
{
    return GetBehaviorLines("InlayBehavior_Equip", s_szSourceFile, __LINE__);
}

JC_StringArray* JC_OperatorGem::GetInlayBehaviorFightArray()
{
    return GetBehaviorLines("InlayBehavior_Fight", s_szSourceFile, __LINE__);
}

DWORD JC_OperatorGem::GetInlayBehaviorCount()
{
    const JC_StringArray* pLines = GetInlayBehaviorArray();
    return pLines != nullptr ? static_cast<DWORD>(pLines->size()) : 0;
}

std::string JC_OperatorGem::GetInlayBehavior(DWORD dwIndex)
{
    return JF_EntryOf(GetInlayBehaviorArray(), dwIndex);
}
