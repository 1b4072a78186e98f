#include "JC_DataManager/Operator/JC_OperatorSkill.h"

JC_OperatorSkill::JC_OperatorSkill() : JC_OperatorBase(DATACOMPONENTKIND_SKILL)
{
}

const JC_StringArray* JC_OperatorSkill::GetLearnConditions()
{
    DWORD dwResult = 0;
    const JC_StringArray* pConditions = GetSpace<JC_StringArray>("LearnCondition", dwResult);
    if (pConditions == nullptr) {
        Log()->PrintAt(".\\JC_DataManager\\Operator\\JC_OperatorSkill", __LINE__,
                       " OperatorSkill Get LearnCondition ItemSpace Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
    }
    return pConditions;
}

DWORD JC_OperatorSkill::GetLearnConditionCount()
{
    const JC_StringArray* pConditions = GetLearnConditions();
    return pConditions != nullptr ? static_cast<DWORD>(pConditions->size()) : 0;
}

std::string JC_OperatorSkill::GetLearnCondition(DWORD dwIndex)
{
    return JF_EntryOf(GetLearnConditions(), dwIndex);
}
