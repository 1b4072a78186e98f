#include "JC_DataManager/Event/JC_EventGroupScene.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_NAME);
constexpr size_t COUNT_FIELD = 2;
constexpr size_t FIRST_TRIPLE = 3;
constexpr size_t TRIPLE_SIZE = 3;
// Three fields and at most one triple.
constexpr size_t MAX_HAVE_THING_FIELDS = 6;

} // namespace

DWORD JC_EventGroupScene::EventClsAll()
{
    return EventClsAll_HaveThing();
}

DWORD JC_EventGroupScene::Event_NPCInitiation()
{
    return RunNPCInitiation();
}

DWORD JC_EventGroupScene::EventClsAll_NPCInitiation()
{
    m_NPCInitiation.clear();
    return 0;
}

DWORD JC_EventGroupScene::EventAdd_NPCInitiation(const std::string& strLine)
{
    if (strLine.empty())
        return JE_EVENTSCENE_EMPTY_NPC_INITIATION;
    m_NPCInitiation.push_back(strLine);
    return 0;
}

DWORD JC_EventGroupScene::RunNPCInitiation()
{
    if (m_pControlManager == nullptr)
        return JE_EVENTBASE_NULL_CONTROL_MANAGER;
    // Lines that ran are dropped even when a later one fails, so the next
    // battle does not make their persons again.
    size_t run = 0;
    DWORD dwResult = 0;
    for (; run < m_NPCInitiation.size(); ++run) {
        dwResult = m_pControlManager->m_ControlTeamPersonObj.ScriptNotify(m_NPCInitiation[run]);
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " ControlTeamPersonObj ScriptNotify Fail. \r\n Script:%s \r\n HRESULT:0x%08x \r\n",
                               m_NPCInitiation[run].c_str(), static_cast<unsigned>(dwResult));
            break;
        }
    }
    m_NPCInitiation.erase(m_NPCInitiation.begin(), m_NPCInitiation.begin() + static_cast<std::ptrdiff_t>(run));
    return dwResult;
}

DWORD JC_EventGroupScene::Event_RoundSave()
{
    if (m_pControlManager == nullptr)
        return JE_EVENTBASE_NULL_CONTROL_MANAGER;
    if (m_pControlManager->m_ControlSceneObj.GetTurn() == 1)
        gp_ScriptManagerObj->DealScript("SaveGame", "98");
    gp_ScriptManagerObj->DealScript("SaveGame", "99");
    return 0;
}

DWORD JC_EventGroupScene::EventAdd_HaveThing(const std::string& strEvent)
{
    if (strEvent.empty())
        return JE_EVENTSCENE_EMPTY_HAVE_THING;
    const JC_StringArray fields = JC_EventConditionList::Split(strEvent);
    if (fields.size() > MAX_HAVE_THING_FIELDS)
        return JE_EVENTSCENE_HAVE_THING_TOO_MANY_FIELDS;
    if (fields.size() < FIRST_TRIPLE)
        return JE_EVENTSCENE_HAVE_THING_FIELDS;
    const long long llTriples = JC_EventConditionList::ReadNumber(fields[COUNT_FIELD]);
    if (static_cast<long long>(FIRST_TRIPLE) + static_cast<long long>(TRIPLE_SIZE) * llTriples !=
        static_cast<long long>(fields.size()))
        return JE_EVENTSCENE_HAVE_THING_FIELDS;
    m_HaveThing.Append(strEvent);
    return 0;
}

DWORD JC_EventGroupScene::HoldsThings(const JC_StringArray& fields, bool& bMet)
{
    const JC_ControlWarehouse& warehouse = m_pControlManager->m_ControlWarehouseObj;
    bMet = false;
    for (size_t k = FIRST_TRIPLE; k + TRIPLE_SIZE <= fields.size(); k += TRIPLE_SIZE) {
        const int iWarehouse = warehouse.TransformThingKindToWarehouse(m_pBehaviorAnalyser->GetDefineInfo(fields[k]));
        const DWORD dwThingID = static_cast<DWORD>(JC_EventConditionList::ReadNumber(fields[k + 1]));
        const int iDrawer = warehouse.FindDrawer(iWarehouse, dwThingID, 0);
        if (iDrawer < 0)
            return 0;
        JC_DataComponent* pDrawer = warehouse.GetDrawerObj(iWarehouse, iDrawer);
        if (pDrawer == nullptr) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " GetDrawerObj Fail. \r\n Warehouse:0x%08x \r\n DrawerIndex:0x%08x \r\n HRESULT:0x%08x \r\n",
                               static_cast<unsigned>(iWarehouse), static_cast<unsigned>(iDrawer), 0u);
            return JE_EVENTSCENE_NO_DRAWER;
        }
        const long long llCount = JC_EventConditionList::ReadNumber(fields[k + 2]);
        if (static_cast<long long>(warehouse.GetDrawerObjInfo_ThingCount(pDrawer)) < llCount)
            return 0;
    }
    bMet = true;
    return 0;
}

DWORD JC_EventGroupScene::EventCheck_HaveThing(std::string& strScript, BOOL bConsume)
{
    strScript.clear();
    if (m_HaveThing.IsEmpty())
        return 0;
    if (m_pControlManager == nullptr)
        return JE_EVENTBASE_NULL_CONTROL_MANAGER;
    return m_HaveThing.Check([this](const JC_StringArray& fields, bool& bMet) { return HoldsThings(fields, bMet); },
                             strScript, bConsume);
}

DWORD JC_EventGroupScene::Event_RoundBeginDynamic(std::vector<JC_EventDealResultA>& results, BOOL bConsume)
{
    std::string strScript;
    const DWORD dwResult = EventCheck_HaveThing(strScript, bConsume);
    return HandOutScript(dwResult, strScript, results);
}

DWORD JC_EventGroupScene::Event_RoundEndStatic(std::vector<JC_EventDealResultB>& results)
{
    return RuleLandformRestore(results);
}

DWORD JC_EventGroupScene::RuleLandformRestore(std::vector<JC_EventDealResultB>& results)
{
    results.clear();
    std::vector<int> teamIDs;
    std::vector<JC_DataComponent*> persons;
    DWORD dwResult = GetDesignatePersonObjFromTeam(JD_EVENT_ANY_CAMP, JD_EVENT_LIFE_ALIVE, teamIDs, persons);
    if (dwResult != 0)
        return dwResult;
    JC_ControlScene& scene = m_pControlManager->m_ControlSceneObj;
    std::vector<JC_EventDealResultB> changes;
    for (size_t i = 0; i < persons.size(); ++i) {
        dwResult = BindPerson(persons[i], s_szSourceFile);
        if (dwResult != 0)
            return dwResult;
        const int iFloor = m_ControlPersonObj.GetSceneFloorIndex();
        // A person off the map stands on no landform.
        if (scene.BindLandform(iFloor) != 0)
            continue;
        const int iHPRate = scene.GetExtraHPRestoreRate(iFloor) - scene.GetExtraHPDamageRate(iFloor);
        const int iSPRate = scene.GetExtraSPRestoreRate(iFloor) - scene.GetExtraSPDamageRate(iFloor);
        if (iHPRate == 0 && iSPRate == 0)
            continue;
        changes.emplace_back(teamIDs[i]);
        ApplyRestoreRates(iHPRate, m_ControlPersonObj.GetHP(), iSPRate, m_ControlPersonObj.GetSP(), changes.back());
    }
    results = std::move(changes);
    return 0;
}
