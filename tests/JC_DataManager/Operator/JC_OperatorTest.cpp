#include "tests/JC_DataManager/GameDataFixture.h"

#include "JC_DataManager/Operator/JC_OperatorDrawer.h"
#include "JC_DataManager/Operator/JC_OperatorFloor.h"
#include "JC_DataManager/Operator/JC_OperatorGem.h"
#include "JC_DataManager/Operator/JC_OperatorHybridize.h"
#include "JC_DataManager/Operator/JC_OperatorJob.h"
#include "JC_DataManager/Operator/JC_OperatorLandform.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"
#include "JC_DataManager/Operator/JC_OperatorPlace.h"
#include "JC_DataManager/Operator/JC_OperatorSceneInfo.h"
#include "JC_DataManager/Operator/JC_OperatorShop.h"
#include "JC_DataManager/Operator/JC_OperatorSkill.h"
#include "JC_DataManager/Operator/JC_OperatorSkillPower.h"
#include "JC_DataManager/Operator/JC_OperatorTool.h"
#include "JC_DataManager/Operator/JC_OperatorWeapon.h"
#include "JC_DataManager/Operator/JC_OperatorWearing.h"
#include "JC_DataManager/Operator/JC_OperatorWorldMapInfo.h"

#include <functional>
#include <memory>

namespace {

class Operators : public GameDataTest
{
protected:
    template <typename T>
    std::unique_ptr<T> Make(JC_DataComponent* pRecord = nullptr)
    {
        auto pOperator = std::make_unique<T>();
        EXPECT_EQ(pOperator->Initiation(&m_DataManager), 0u);
        if (pRecord != nullptr) {
            EXPECT_EQ(pOperator->SetDataConponent(pRecord), 0u);
        }
        return pOperator;
    }
};

TEST_F(Operators, EveryOperatorChecksTheKindOfWhatItBinds)
{
    JC_DataComponent* pPerson = m_DataManager.GetPersonObj(10);
    JC_DataComponent* pJob = m_DataManager.GetJobObj(3);
    JC_DataComponent* pWeapon = m_DataManager.GetWeaponObj(1);
    JC_DataComponent* pWearing = m_DataManager.GetWearingObj(1);
    JC_DataComponent* pGem = m_DataManager.GetGemObj(1);
    JC_DataComponent* pTool = m_DataManager.GetToolObj(1);
    JC_DataComponent* pSkill = m_DataManager.GetSkillObj(0);
    JC_DataComponent* pPower = m_DataManager.GetSkillPowerObj(1);
    JC_DataComponent* pFloor = m_DataManager.GetSceneFloorDataComponent(0);
    JC_DataComponent* pSceneInfo = m_DataManager.GetSceneInfoDataComponent();
    JC_DataComponent* pLandform = m_DataManager.GetLandformObj(1);
    JC_DataComponent* pPlace = m_DataManager.GetPlaceDataComponent(0, 1);
    JC_DataComponent* pWorldMapInfo = m_DataManager.GetWorldMapInfoDataComponent(0);
    JC_DataComponent* pDrawer =
        m_DataManager.GetUnfixedDataObj(UNFIXEDDATAKIND_WAREHOUSEGEM)->GetValidComponent({0, 0});
    JC_DataComponent* pHybridize = m_DataManager.GetHybridizeObj(2, 5);
    JC_DataComponent* pShop = m_DataManager.GetShopObj(1);
    JC_DataComponent noLayout;
    struct Case
    {
        const char* szWhat;
        std::function<std::unique_ptr<JC_OperatorBase>()> make;
        std::vector<JC_DataComponent*> accepted;
        JC_DataComponent* pRefused;
        DWORD dwRefusal;
        // The exact kinds unbind on a refusal; the thing family keeps the
        // record it held.
        bool bKeepsBinding;
        DWORD dwNullRecord;
        DWORD dwNoKind;
    };
    const auto base = [] { return std::make_unique<JC_OperatorBase>(); };
    const Case cases[] = {
        {"person", [] { return std::make_unique<JC_OperatorPerson>(); }, {pPerson}, pWeapon, 0x89040043, false,
         0x89040041, 0x89040042},
        {"job", [] { return std::make_unique<JC_OperatorJob>(); }, {pJob}, pPerson, 0x89040043, false, 0x89040041,
         0x89040042},
        {"skill", [] { return std::make_unique<JC_OperatorSkill>(); }, {pSkill}, pPower, 0x89040043, false,
         0x89040041, 0x89040042},
        {"skill power", [] { return std::make_unique<JC_OperatorSkillPower>(); }, {pPower}, pSkill, 0x89040043,
         false, 0x89040041, 0x89040042},
        {"floor", [] { return std::make_unique<JC_OperatorFloor>(); }, {pFloor}, pSceneInfo, 0x89040043, false,
         0x89040041, 0x89040042},
        {"scene info", [] { return std::make_unique<JC_OperatorSceneInfo>(); }, {pSceneInfo}, pFloor, 0x89040043,
         false, 0x89040041, 0x89040042},
        {"landform", [] { return std::make_unique<JC_OperatorLandform>(); }, {pLandform}, pFloor, 0x89040043, false,
         0x89040041, 0x89040042},
        {"place", [] { return std::make_unique<JC_OperatorPlace>(); }, {pPlace}, pWorldMapInfo, 0x89040043, false,
         0x89040041, 0x89040042},
        {"world map", [] { return std::make_unique<JC_OperatorWorldMapInfo>(); }, {pWorldMapInfo}, pPlace,
         0x89040043, false, 0x89040041, 0x89040042},
        {"hybridize", [] { return std::make_unique<JC_OperatorHybridize>(); }, {pHybridize}, pPerson, 0x89040043,
         false, 0x89040041, 0x89040042},
        {"shop", [] { return std::make_unique<JC_OperatorShop>(); }, {pShop}, pPerson, 0x89040043, false,
         0x89040041, 0x89040042},
        {"drawer", [] { return std::make_unique<JC_OperatorDrawer>(); }, {pDrawer}, pPerson, 0x89054004, true,
         0x89054001, 0x89054002},
        {"tool drawer", [] { return std::make_unique<JC_OperatorDrawer>(DATACOMPONENTKIND_DRAWERTOOL); }, {},
         pDrawer, 0x89054003, false, 0x89054001, 0x89054002},
        {"base", base, {pPerson, pWeapon, pFloor}, nullptr, 0, false, 0x89040041, 0x89040042},
        {"thing", [] { return std::make_unique<JC_OperatorThingBase>(); }, {pGem, pTool, pWeapon, pWearing}, pSkill,
         0x89042004, true, 0x89042001, 0x89042002},
        {"gem", [] { return std::make_unique<JC_OperatorGem>(); }, {pGem}, pTool, 0x89042003, true, 0x89042001,
         0x89042002},
        {"tool", [] { return std::make_unique<JC_OperatorTool>(); }, {pTool}, pWeapon, 0x89042003, true, 0x89042001,
         0x89042002},
        {"equipment", [] { return std::make_unique<JC_OperatorEquipmentBase>(); }, {pWeapon, pWearing}, pTool,
         0x89041004, true, 0x89041001, 0x89041002},
        {"weapon", [] { return std::make_unique<JC_OperatorWeapon>(); }, {pWeapon}, pWearing, 0x89041003, true,
         0x89041001, 0x89041002},
        {"wearing", [] { return std::make_unique<JC_OperatorWearing>(); }, {pWearing}, pWeapon, 0x89041003, true,
         0x89041001, 0x89041002},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.szWhat);
        std::unique_ptr<JC_OperatorBase> pOperator = test.make();
        ASSERT_EQ(pOperator->Initiation(&m_DataManager), 0u);
        for (JC_DataComponent* pRecord : test.accepted) {
            ASSERT_NE(pRecord, nullptr);
            EXPECT_EQ(pOperator->SetDataConponent(pRecord), 0u);
            EXPECT_EQ(pOperator->GetDataComponent(), pRecord);
        }
        JC_DataComponent* pHeld = test.accepted.empty() ? nullptr : test.accepted.back();
        if (test.pRefused != nullptr) {
            EXPECT_EQ(pOperator->SetDataConponent(test.pRefused), test.dwRefusal);
            EXPECT_EQ(pOperator->GetDataComponent(), test.bKeepsBinding ? pHeld : nullptr);
            if (pHeld != nullptr) {
                EXPECT_EQ(pOperator->SetDataConponent(pHeld), 0u);
            }
        }
        EXPECT_EQ(pOperator->SetDataConponent(&noLayout), test.dwNoKind);
        EXPECT_EQ(pOperator->SetDataConponent(nullptr), test.dwNullRecord);
    }
    EXPECT_EQ(m_Log.Count(" OperatorKind MustTheSame DataComponentKind. \r\n OperatorKind:0x00160001 \r\n "
                          "DataComponentKind:0x00230001 \r\n"),
              1u);
    EXPECT_EQ(m_Log.Count("物品操作者 無法操作非物品型態資料元件 \n輸入的資料元件形態:0X190005(1638405)"), 1u);
    EXPECT_EQ(m_Log.Count("裝備操作者 無法操作非裝備型態資料元件 \n輸入的資料元件形態:0X200001(2097153)"), 1u);
    JC_OperatorDrawer drawer;
    ASSERT_EQ(drawer.Initiation(&m_DataManager), 0u);
    ASSERT_EQ(drawer.SetDataConponent(pDrawer), 0u);
    EXPECT_EQ(drawer.GetBoundKind(), DATACOMPONENTKIND_DRAWERGEM);
}

TEST_F(Operators, InitiationNeedsAnInitiatedDataManagerAndUnboundGettersGiveZero)
{
    JC_OperatorPerson person;
    EXPECT_EQ(person.GetLevel(), 0);
    EXPECT_EQ(person.GetPersonName(), "");
    EXPECT_EQ(person.GetBehaviorGroup(0), nullptr);
    EXPECT_EQ(person.GetItemIndex("Level"), -1);
    EXPECT_EQ(person.Initiation(nullptr), JE_OPERATOR_NULL_DATA_MANAGER);
    JC_DataManager notInitiated;
    EXPECT_EQ(person.Initiation(&notInitiated), JE_OPERATOR_DATA_MANAGER_NOT_INITIATED);
    EXPECT_EQ(person.Initiation(&m_DataManager), 0u);
    person.SetLevel(3);
    EXPECT_EQ(m_Log.Count(" Set DataComponent ItemData Fail. \r\n ItemName:Level  \r\n Index:0 \r\n "
                          "HRESULT:0x88132111(TemplateBaseItemObjNULL              ) \r\n"),
              1u)
        << m_Log.Text();
}

TEST_F(Operators, FailedReadsAndWritesAreLoggedAndLeaveTheItem)
{
    auto pPerson = Make<JC_OperatorPerson>(m_DataManager.GetTeamFightPersonObj(2));
    EXPECT_EQ(pPerson->GetDataComponentKind(), DATACOMPONENTKIND_PERSON);
    EXPECT_EQ(pPerson->GetItemIndex("Level"), pPerson->GetDataComponent()->GetItemIndex("Level"));
    EXPECT_EQ(pPerson->GetCamp(), 0);
    EXPECT_EQ(m_Log.Count(" Get DataComponent ItemData Fail. \r\n ItemName:Camp  \r\n Index:0 \r\n"), 1u);

    pPerson->SetLevel(99);
    pPerson->SetLevel(100);
    pPerson->SetLevel(0);
    EXPECT_EQ(pPerson->GetLevel(), 99);
    EXPECT_EQ(m_Log.Count("HRESULT:0x88132112(DataMustInMinMaxRange                ) \r\n"), 2u);
    EXPECT_EQ(pPerson->SetItemDataText("Level", "42"), 0u);
    EXPECT_EQ(pPerson->GetLevel(), 42);
}

TEST_F(Operators, ArrayItemsPastTheirEndReadAsZeroAndRefuseWrites)
{
    auto pPerson = Make<JC_OperatorPerson>(m_DataManager.GetTeamFightPersonObj(2));
    const JC_DWordArray skills = {5, 0, 7};
    ASSERT_EQ(pPerson->SetItemSpace("LearnSkillID", &skills), 0u);
    EXPECT_EQ(pPerson->GetLearnSkillCount(), 2u);
    EXPECT_EQ(pPerson->GetLearnSkillID(2), 7u);
    EXPECT_EQ(pPerson->GetLearnSkillID(3), 0u);
    EXPECT_EQ(m_Log.Count("HRESULT:0x88132212(ArrayIndexOverflow                   ) \r\n"), 1u) << m_Log.Text();
    pPerson->SetLearnSkillID(8, 9);
    EXPECT_EQ(pPerson->GetLearnSkillCount(), 2u);
    EXPECT_EQ(m_Log.Count(" Set DataComponent ItemData Fail. \r\n ItemName:LearnSkillID  \r\n Index:8 \r\n"), 1u);

    auto pJob = Make<JC_OperatorJob>(m_DataManager.GetJobObj(3));
    EXPECT_EQ(pJob->GetLearnSkillCount(), 1u);
    EXPECT_EQ(pJob->GetLearnSkillID(0), 0x30000u);
    EXPECT_EQ(pJob->GetLearnSkillLV(0), 2);
    EXPECT_EQ(pJob->GetLearnSkillID(1), 0u);
    EXPECT_EQ(pJob->GetLearnSkillLV(7), 0);

    auto pWeapon = Make<JC_OperatorWeapon>(m_DataManager.GetWeaponObj(1));
    EXPECT_EQ(pWeapon->GetGemCount(), 0u);
    EXPECT_EQ(pWeapon->GetGem(0), 0u);
    EXPECT_EQ(pWeapon->GetEquipBehavior(4), "");

    auto pPower = Make<JC_OperatorSkillPower>(m_DataManager.GetSkillPowerObj(0x30000, 2));
    EXPECT_EQ(pPower->GetBehaviorCount(), 0u);
    EXPECT_EQ(pPower->GetBehavior(0), "");
    EXPECT_EQ(m_Log.Count("指定的索引位置(Index):0 超過實際數量(Count):0"), 1u);
    EXPECT_EQ(pPower->GetEffectState(4), 0u);
    EXPECT_EQ(m_Log.Count("取得 EffectState ItemData 發生錯誤 \n指定的索引位置(Index):4 超過實際數量(Count):0"), 1u);

    auto pPlace = Make<JC_OperatorPlace>(m_DataManager.GetPlaceDataComponent(0, 1));
    EXPECT_EQ(pPlace->GetShopID(), 11u);
    EXPECT_EQ(pPlace->GetCanGoPlaceCount(), 0u);
    EXPECT_EQ(pPlace->GetCanGoPlace(9), 0u);
    EXPECT_EQ(pPlace->GetPlazaPasserCount(), 0u);
    EXPECT_EQ(m_Log.Count("取得據點的 PlazaPasserName 欄位 發生錯誤"), 1u);
}

TEST_F(Operators, PersonThingSlotsStatesAndBehaviourGroups)
{
    auto pPerson = Make<JC_OperatorPerson>(m_DataManager.GetTeamFightPersonObj(2));
    EXPECT_EQ(pPerson->GetPersonJobKey(), 0x000A0003u);
    int iRate = -1;
    DWORD dwKind = 0;
    DWORD dwID = 0;
    pPerson->GetLegacyThing(3, iRate, dwKind, dwID);
    EXPECT_EQ(iRate, 13);
    EXPECT_EQ(dwKind, 3u);
    EXPECT_EQ(dwID, 103u);
    pPerson->GetLegacyThing(4, iRate, dwKind, dwID);
    EXPECT_EQ(iRate, 0);
    EXPECT_EQ(dwKind, 0xFFFFFFFFu);
    EXPECT_EQ(dwID, 0u);
    EXPECT_EQ(m_Log.Count(" GetLegacyThing Fail. \r\n Index:4(0~3) \r\n"), 1u);
    pPerson->SetStealThing(1, 50, 2, 9);
    pPerson->GetStealThing(1, iRate, dwKind, dwID);
    EXPECT_EQ(iRate, 50);
    EXPECT_EQ(dwID, 9u);
    pPerson->SetStealThing(4, 50, 2, 9);
    EXPECT_EQ(m_Log.Count(" SetStealThing Fail. \r\n Index:4(0~3) \r\n"), 1u);

    const JC_DWordArray immunity(65, 1);
    ASSERT_EQ(pPerson->SetItemSpace("StateImmunity", &immunity), 0u);
    EXPECT_EQ(pPerson->GetStateImmunity(64), 1);
    EXPECT_EQ(pPerson->GetStateImmunity(65), 0);
    EXPECT_EQ(m_Log.Count(" GetStateImmunity StateNotSupport. \r\n State:0x00000041 \r\n"), 1u);

    EXPECT_EQ(pPerson->GetBehaviorGroup(3), nullptr);
    EXPECT_EQ(m_Log.Count(" Get BehaviorGroup Fail. \r\n Group:3(0~3) \r\n"), 1u);
    for (const char* szLine : {"@Type\"1\"", "@Type\"2\"", "@Type\"3\""})
        pPerson->AddBehaviorGroupLine(2, szLine);
    ASSERT_NE(pPerson->GetBehaviorGroup(2), nullptr);
    // The template holds two lines at most; the third would not read back.
    EXPECT_EQ(*pPerson->GetBehaviorGroup(2), (JC_StringArray{"@Type\"1\"", "@Type\"2\""}));
}

TEST_F(Operators, EquipmentSlotsAndTwoHandedWeapons)
{
    auto pPerson = Make<JC_OperatorPerson>(m_DataManager.GetTeamFightPersonObj(2));
    EXPECT_FALSE(pPerson->HasHandRight());
    EXPECT_FALSE(pPerson->IsHandRightBothHand());
    pPerson->SetHandRight(m_DataManager.GetWeaponObj(9));
    EXPECT_TRUE(pPerson->HasHandRight());
    EXPECT_TRUE(pPerson->IsHandRightBothHand());
    EXPECT_NE(pPerson->GetHandRight(), m_DataManager.GetWeaponObj(9));

    auto pWeapon = Make<JC_OperatorWeapon>(m_DataManager.GetWeaponObj(9));
    EXPECT_EQ(pWeapon->GetIsBothHand(), 1);
    EXPECT_EQ(pWeapon->GetEquipJob(0), 1);
    EXPECT_EQ(pWeapon->GetEquipJob(31), 0);
    m_Log.Clear();
    EXPECT_EQ(pWeapon->GetEquipJob(32), 0);
    EXPECT_EQ(pWeapon->GetEquipJob(static_cast<DWORD>(-1)), 0);
    EXPECT_EQ(m_Log.Text(), "");
    EXPECT_EQ(pWeapon->GetUseTarget(), 1);
    EXPECT_EQ(pWeapon->GetUseCamp(), 2);
    EXPECT_EQ(pWeapon->GetUseLifeState(), 3);
    EXPECT_EQ(Make<JC_OperatorWeapon>(m_DataManager.GetWeaponObj(1))->GetIsBothHand(), 0);
    EXPECT_EQ(Make<JC_OperatorTool>(m_DataManager.GetToolObj(1))->GetUseTarget(), 5);
    EXPECT_EQ(Make<JC_OperatorThingBase>(m_DataManager.GetToolObj(7))->GetThingKind(), 1u);
}

// Reads any item through the accessor pattern.
class AnyRecord : public JC_OperatorBase
{
public:
    using JC_OperatorBase::GetValue;
};

TEST_F(Operators, NamesAreFoundAgainInEachTemplateBound)
{
    // "LearnSkillID" stands at another place in the job's template than in
    // the person's.
    auto pRecord = Make<AnyRecord>(m_DataManager.GetJobObj(3));
    EXPECT_EQ(pRecord->GetValue<DWORD>("LearnSkillID"), 0x30000u);
    JC_DataComponent* pPerson = m_DataManager.GetTeamFightPersonObj(2);
    const JC_DWordArray skills = {5, 0, 7};
    ASSERT_EQ(pPerson->SetItemValue("LearnSkillID", &skills), 0u);
    ASSERT_EQ(pRecord->SetDataConponent(pPerson), 0u);
    EXPECT_EQ(pRecord->GetValue<DWORD>("LearnSkillID", 2), 7u);
    ASSERT_EQ(pRecord->SetDataConponent(m_DataManager.GetJobObj(3)), 0u);
    EXPECT_EQ(pRecord->GetValue<DWORD>("LearnSkillID"), 0x30000u);
    EXPECT_EQ(m_Log.Count(" Fail."), 0u) << m_Log.Text();
}

TEST_F(Operators, StartingPointsAreAppendedAndCleared)
{
    auto pSceneInfo = Make<JC_OperatorSceneInfo>(m_DataManager.GetSceneInfoDataComponent());
    EXPECT_EQ(pSceneInfo->AddStartingPoint(25), 0u);
    EXPECT_EQ(pSceneInfo->AddStartingPoint(30), 0u);
    EXPECT_EQ(pSceneInfo->GetStartingPointCount(), 2u);
    EXPECT_EQ(pSceneInfo->GetStartingPoint(1), 30u);
    EXPECT_EQ(pSceneInfo->GetStartingPoint(2), 0u);
    pSceneInfo->AddStartingPoint(1);
    pSceneInfo->AddStartingPoint(2);
    EXPECT_EQ(pSceneInfo->GetStartingPointCount(), 3u);
    pSceneInfo->ClsStartingPoint();
    EXPECT_EQ(pSceneInfo->GetStartingPointCount(), 0u);
    pSceneInfo->SetWinCondition("全滅敵人");
    EXPECT_EQ(pSceneInfo->GetWinCondition(), "全滅敵人");
    EXPECT_EQ(pSceneInfo->GetLoseCondition(), "");
    EXPECT_EQ(m_Log.Count(" Get DataComponent ItemData Fail. \r\n ItemName:LoseCondition  \r\n"), 1u);
}

} // namespace
