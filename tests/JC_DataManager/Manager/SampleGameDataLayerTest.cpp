#include "tests/JC_DataManager/GameDataFixture.h"

#include "JC_DataManager/Operator/JC_OperatorJob.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_DataManager/Operator/JC_OperatorPlace.h"
#include "JC_DataManager/Operator/JC_OperatorSceneInfo.h"
#include "JC_DataManager/Operator/JC_OperatorSkill.h"
#include "JC_DataManager/Operator/JC_OperatorSkillPower.h"
#include "JC_DataManager/Operator/JC_OperatorWeapon.h"
#include "JC_DataManager/Operator/JC_OperatorWorldMapInfo.h"

#include <cstdlib>
#include <set>

namespace {

// The data layer on the generated sample game folder.
class SampleGameDataLayer : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(LoadSampleGameData(m_DataManager, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_DataManager.InitRecordData(), 0u) << m_Log.Text();
        ASSERT_EQ(m_DataManager.LoadRecordData(0, 60000, 0), 0u) << m_Log.Text();
    }

    // Every record of a loaded ARRAY file.
    std::vector<JC_DataComponent*> Records(const JC_DataComponentMaker* pManager) const
    {
        std::vector<JC_DataComponent*> records;
        const auto* pArray = dynamic_cast<const JC_DataArrayManager*>(pManager);
        EXPECT_NE(pArray, nullptr);
        for (DWORD n = 0; pArray != nullptr && n < pArray->GetComponentCount(); ++n) {
            if (JC_DataComponent* pRecord = pArray->GetValidComponent({0, n}))
                records.push_back(pRecord);
        }
        return records;
    }

    static DWORD KindOf(JC_DataComponent* pRecord)
    {
        DWORD dwKind = 0;
        if (pRecord != nullptr)
            pRecord->GetItemValueAt("DataComponentKind", 0, &dwKind);
        return dwKind;
    }

    DWORD ReadSkillID(DWORD dwSkillID)
    {
        DWORD dwID = 0xFFFFFFFF;
        if (JC_DataComponent* pSkill = m_DataManager.GetSkillObj(dwSkillID))
            pSkill->GetItemValueAt("ID", 0, &dwID);
        return dwID;
    }

    TestLog m_Log;
    JC_DataManager m_DataManager;
};

TEST_F(SampleGameDataLayer, TheWholeFolderLoadsWithoutAFailure)
{
    EXPECT_EQ(m_Log.Count(" Fail."), 0u) << m_Log.Text();
    for (DWORD dwKind = 0; dwKind < UNFIXEDDATAKIND_LIMIT; ++dwKind)
        EXPECT_NE(m_DataManager.GetUnfixedDataObj(dwKind), nullptr) << dwKind;
    EXPECT_NE(m_DataManager.GetGameDataComponent(), nullptr);
    EXPECT_NE(m_DataManager.GetModuleOptionObj(), nullptr);
    EXPECT_NE(m_DataManager.GetModuleStateObj(), nullptr);
    EXPECT_NE(m_DataManager.GetModuleTownObj(), nullptr);
    EXPECT_NE(m_DataManager.GetModuleWorldMapObj(0), nullptr);
    for (DWORD dwSlot = 0; dwSlot < RECORD_SLOT_COUNT; ++dwSlot)
        ASSERT_NE(m_DataManager.GetRecordInfoObj(dwSlot), nullptr) << dwSlot;
    EXPECT_EQ(m_Log.Count(" Fail."), 0u) << m_Log.Text();
}

TEST_F(SampleGameDataLayer, FixedTablesHoldTheirKindsAndTheFallbacks)
{
    const struct
    {
        DWORD dwFixedKind;
        std::set<DWORD> kinds;
    } tables[] = {
        {FIXEDDATAKIND_EVOLUTION, {DATACOMPONENTKIND_EVOLUTION}},
        {FIXEDDATAKIND_GEM, {DATACOMPONENTKIND_GEM}},
        {FIXEDDATAKIND_HYBRIDIZE, {DATACOMPONENTKIND_HYBRIDIZE}},
        {FIXEDDATAKIND_JOB, {DATACOMPONENTKIND_JOB}},
        {FIXEDDATAKIND_LANDFORM, {DATACOMPONENTKIND_LANDFORM}},
        {FIXEDDATAKIND_PERSON, {DATACOMPONENTKIND_PERSON}},
        {FIXEDDATAKIND_SHOP, {DATACOMPONENTKIND_SHOP}},
        {FIXEDDATAKIND_SKILL, {DATACOMPONENTKIND_SKILL, DATACOMPONENTKIND_SKILLPOWER}},
        {FIXEDDATAKIND_TOOL, {DATACOMPONENTKIND_TOOL}},
        {FIXEDDATAKIND_WEAPON, {DATACOMPONENTKIND_WEAPON}},
        {FIXEDDATAKIND_WEARING, {DATACOMPONENTKIND_WEARING}},
    };
    JC_DataFile dataFile;
    ASSERT_EQ(dataFile.Initiation(m_DataManager.GetTemplateManager()->GetTemplateList()), 0u);
    JC_OperatorPerson person;
    JC_OperatorSkillPower power;
    ASSERT_EQ(person.Initiation(&m_DataManager), 0u);
    ASSERT_EQ(power.Initiation(&m_DataManager), 0u);
    for (const auto& table : tables) {
        SCOPED_TRACE(g_aszFixedDataFileNames[table.dwFixedKind]);
        JC_DataComponentMaker* pManager = nullptr;
        DWORD dwLine = 0;
        ASSERT_EQ(dataFile.LoadDataFile(m_DataManager.GetPath() + g_szTemplateDataFolder + "01\\" +
                                            g_aszFixedDataFileNames[table.dwFixedKind],
                                        pManager, dwLine, nullptr),
                  0u);
        const std::vector<JC_DataComponent*> records = Records(pManager);
        EXPECT_FALSE(records.empty());
        for (JC_DataComponent* pRecord : records) {
            const DWORD dwKind = KindOf(pRecord);
            EXPECT_EQ(table.kinds.count(dwKind), 1u) << std::hex << dwKind;
            EXPECT_EQ(pRecord->GetTemplate()->GetTemplateID(), dwKind);
            if (dwKind == DATACOMPONENTKIND_PERSON) {
                ASSERT_EQ(person.SetDataConponent(pRecord), 0u);
                EXPECT_NE(m_DataManager.GetJobObj(person.GetJobID()), nullptr) << person.GetID();
            }
            if (dwKind == DATACOMPONENTKIND_SKILLPOWER) {
                ASSERT_EQ(power.SetDataConponent(pRecord), 0u);
                EXPECT_EQ(ReadSkillID(power.GetID() & 0xFFFF0000), power.GetID() & 0xFFFF0000);
            }
        }
        dataFile.DeleteManager(pManager);
    }
    EXPECT_EQ(m_Log.Count(" Fail."), 0u) << m_Log.Text();
    // The fallbacks the lookups give for a missing ID.
    EXPECT_EQ(KindOf(m_DataManager.GetGemObj(0xFFFF)), DATACOMPONENTKIND_GEM);
    EXPECT_EQ(KindOf(m_DataManager.GetToolObj(0xFFFF)), DATACOMPONENTKIND_TOOL);
    EXPECT_EQ(KindOf(m_DataManager.GetWeaponObj(0xFFFF)), DATACOMPONENTKIND_WEAPON);
    EXPECT_EQ(KindOf(m_DataManager.GetWearingObj(0xFFFF)), DATACOMPONENTKIND_WEARING);
    EXPECT_EQ(KindOf(m_DataManager.GetSkillObj(0x7FFF0000)), DATACOMPONENTKIND_SKILL);
    EXPECT_EQ(KindOf(m_DataManager.GetSkillPowerObj(0x7FFF0001)), DATACOMPONENTKIND_SKILLPOWER);
    EXPECT_EQ(m_Log.Count(" Fail."), 12u) << m_Log.Text();
    // The empty weapon still is a weapon.
    JC_OperatorWeapon weapon;
    ASSERT_EQ(weapon.Initiation(&m_DataManager), 0u);
    EXPECT_EQ(weapon.SetDataConponent(m_DataManager.GetWeaponObj(0)), 0u);
    EXPECT_EQ(weapon.GetID(), 0u);
}

TEST_F(SampleGameDataLayer, FloorsAndPlacesStandAtTheirOrders)
{
    JC_OperatorSceneInfo sceneInfo;
    ASSERT_EQ(sceneInfo.Initiation(&m_DataManager), 0u);
    ASSERT_EQ(sceneInfo.SetDataConponent(m_DataManager.GetSceneInfoDataComponent()), 0u);
    const int iFloors = sceneInfo.GetMapWidth() * sceneInfo.GetMapHeight();
    for (int i = 0; i < iFloors; ++i) {
        JC_DataComponent* pFloor = m_DataManager.GetSceneFloorDataComponent(static_cast<DWORD>(i));
        ASSERT_NE(pFloor, nullptr) << i;
        int iIndex = -1;
        EXPECT_EQ(pFloor->GetItemValueAt("Index", 0, &iIndex), 0u);
        EXPECT_EQ(iIndex, i);
        EXPECT_EQ(KindOf(pFloor), DATACOMPONENTKIND_FLOOR);
    }

    JC_OperatorWorldMapInfo worldMap;
    JC_OperatorPlace place;
    ASSERT_EQ(worldMap.Initiation(&m_DataManager), 0u);
    ASSERT_EQ(place.Initiation(&m_DataManager), 0u);
    ASSERT_EQ(worldMap.SetDataConponent(m_DataManager.GetWorldMapInfoDataComponent(0)), 0u);
    const int iPlaces = worldMap.GetPlaceCount();
    EXPECT_EQ(iPlaces, 3);
    for (int p = 1; p <= iPlaces; ++p) {
        ASSERT_EQ(place.SetDataConponent(m_DataManager.GetPlaceDataComponent(0, static_cast<DWORD>(p))), 0u) << p;
        EXPECT_FALSE(place.GetPlaceName().empty());
        for (DWORD i = 0; i < place.GetCanGoPlaceCount(); ++i) {
            EXPECT_GE(place.GetCanGoPlace(i), 1u);
            EXPECT_LE(place.GetCanGoPlace(i), static_cast<DWORD>(iPlaces));
        }
    }
    EXPECT_EQ(m_Log.Count(" Fail."), 0u) << m_Log.Text();
    EXPECT_EQ(m_DataManager.GetPlaceDataComponent(0, 0), nullptr);
}

} // namespace
