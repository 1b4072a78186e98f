#include "JC_DataManager/Operator/JC_OperatorPerson.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

std::string ThingItemName(const char* szList, DWORD dwIndex, const char* szField)
{
    char szName[64];
    std::snprintf(szName, sizeof(szName), "%s%u_%s", szList, static_cast<unsigned>(dwIndex), szField);
    return szName;
}

} // namespace

JC_OperatorPerson::JC_OperatorPerson() : JC_OperatorBase(DATACOMPONENTKIND_PERSON)
{
}

DWORD JC_OperatorPerson::Initiation(JC_DataManager* pDataManager)
{
    return JC_OperatorBase::Initiation(pDataManager);
}

DWORD JC_OperatorPerson::GetLearnSkillCount()
{
    DWORD dwResult = 0;
    const JC_DWordArray* pSkills = GetSpace<JC_DWordArray>("LearnSkillID", dwResult);
    if (pSkills == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " GetItemSpaceFail(LearnSkillID). \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
        return 0;
    }
    return static_cast<DWORD>(std::count_if(pSkills->begin(), pSkills->end(), [](DWORD dwID) { return dwID != 0; }));
}

JC_DataComponent* JC_OperatorPerson::GetEquipment(const char* szSlot)
{
    DWORD dwResult = 0;
    return GetSpace<JC_DataComponent>(szSlot, dwResult);
}

bool JC_OperatorPerson::HasEquipment(const char* szSlot)
{
    JC_DataComponent* pItem = GetEquipment(szSlot);
    DWORD dwID = 0;
    return pItem != nullptr && pItem->GetItemValueAt("ID", 0, &dwID) == 0 && dwID != 0;
}

bool JC_OperatorPerson::IsHandRightBothHand()
{
    JC_DataComponent* pItem = GetEquipment("HandRight");
    DWORD dwID = 0;
    int iWearPosition = 0;
    return pItem != nullptr && pItem->GetItemValueAt("ID", 0, &dwID) == 0 && dwID != 0
        && pItem->GetItemValueAt("WearPosition", 0, &iWearPosition) == 0 && iWearPosition == BOTH_HANDS;
}

DWORD JC_OperatorPerson::GetPersonJobKey()
{
    return (GetID() << 16) | GetJobID();
}

bool JC_OperatorPerson::HasEvolution()
{
    return GetEvolutionID() != 0;
}

bool JC_OperatorPerson::ReadThingSlot(const char* szList, DWORD dwIndex, int& iRate, DWORD& dwKind, DWORD& dwID)
{
    iRate = 0;
    dwKind = 0xFFFFFFFF;
    dwID = 0;
    if (dwIndex >= THING_SLOTS)
        return false;
    iRate = GetValue<int>(ThingItemName(szList, dwIndex, "Rate"));
    dwKind = GetValue<DWORD>(ThingItemName(szList, dwIndex, "Kind"));
    dwID = GetValue<DWORD>(ThingItemName(szList, dwIndex, "ID"));
    return true;
}

bool JC_OperatorPerson::WriteThingSlot(const char* szList, DWORD dwIndex, int iRate, DWORD dwKind, DWORD dwID)
{
    if (dwIndex >= THING_SLOTS)
        return false;
    SetValue(ThingItemName(szList, dwIndex, "Rate"), iRate);
    SetValue(ThingItemName(szList, dwIndex, "Kind"), dwKind);
    SetValue(ThingItemName(szList, dwIndex, "ID"), dwID);
    return true;
}

void JC_OperatorPerson::GetLegacyThing(DWORD dwIndex, int& iRate, DWORD& dwKind, DWORD& dwID)
{
    if (!ReadThingSlot("LegacyThing", dwIndex, iRate, dwKind, dwID))
        Log()->PrintAt(s_szSourceFile, __LINE__, " GetLegacyThing Fail. \r\n Index:%d(0~3) \r\n",
                       static_cast<int>(dwIndex));
}

void JC_OperatorPerson::SetLegacyThing(DWORD dwIndex, int iRate, DWORD dwKind, DWORD dwID)
{
    if (!WriteThingSlot("LegacyThing", dwIndex, iRate, dwKind, dwID))
        Log()->PrintAt(s_szSourceFile, __LINE__, " SetLegacyThing Fail. \r\n Index:%d(0~3) \r\n",
                       static_cast<int>(dwIndex));
}

void JC_OperatorPerson::GetStealThing(DWORD dwIndex, int& iRate, DWORD& dwKind, DWORD& dwID)
{
    if (!ReadThingSlot("StealThing", dwIndex, iRate, dwKind, dwID))
        Log()->PrintAt(s_szSourceFile, __LINE__, " GetStealThing Fail. \r\n Index:%d(0~3) \r\n",
                       static_cast<int>(dwIndex));
}

void JC_OperatorPerson::SetStealThing(DWORD dwIndex, int iRate, DWORD dwKind, DWORD dwID)
{
    if (!WriteThingSlot("StealThing", dwIndex, iRate, dwKind, dwID))
        Log()->PrintAt(s_szSourceFile, __LINE__, " SetStealThing Fail. \r\n Index:%d(0~3) \r\n",
                       static_cast<int>(dwIndex));
}

int JC_OperatorPerson::GetStateImmunity(DWORD dwState)
{
    if (dwState >= STATE_LIMIT) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " GetStateImmunity StateNotSupport. \r\n State:0x%08x \r\n",
                       static_cast<unsigned>(dwState));
        return 0;
    }
    return GetValue<int>("StateImmunity", dwState);
}

JC_StringArray* JC_OperatorPerson::GetBehaviorGroup(DWORD dwGroup)
{
    if (dwGroup >= BEHAVIOR_GROUPS) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " Get BehaviorGroup Fail. \r\n Group:%d(0~3) \r\n",
                       static_cast<int>(dwGroup));
        return nullptr;
    }
    const std::string strItemName = "BehaviorGroup" + std::to_string(dwGroup);
    DWORD dwResult = 0;
    JC_StringArray* pLines = GetSpace<JC_StringArray>(strItemName, dwResult);
    if (pLines == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " Get ItemSpace Fail. \r\n ItemName:%s \r\n HRESULT:0x%08x \r\n",
                       strItemName.c_str(), static_cast<unsigned>(dwResult));
    }
    return pLines;
}

void JC_OperatorPerson::AddBehaviorGroupLine(DWORD dwGroup, const std::string& strLine)
{
    JC_StringArray* pLines = GetBehaviorGroup(dwGroup);
    if (pLines == nullptr)
        return;
    if (HasRoomFor("BehaviorGroup" + std::to_string(dwGroup)))
        pLines->push_back(strLine);
}
