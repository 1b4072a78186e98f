#include "JC_DataManager/Control/JC_ControlEvolution.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ControlEvolution::GetEvolutionBehaviorCount()
{
    const JC_StringArray* pBehaviors = GetEvolutionBehaviorArray();
    return pBehaviors != nullptr ? static_cast<DWORD>(pBehaviors->size()) : 0;
}

std::string JC_ControlEvolution::GetEvolutionBehavior(DWORD dwIndex)
{
    return JF_EntryOf(GetEvolutionBehaviorArray(), dwIndex);
}

JC_StringArray* JC_ControlEvolution::GetEvolutionBehaviorArray()
{
    DWORD dwResult = 0;
    JC_StringArray* pBehaviors = GetSpace<JC_StringArray>("EvolutionBehavior", dwResult);
    if (pBehaviors == nullptr)
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ControlEvolution GetEvolutionBehaviorItemData Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
    return pBehaviors;
}
