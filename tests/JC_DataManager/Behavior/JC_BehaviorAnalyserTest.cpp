#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"

#include "tests/JC_DataManager/GameFolderFixture.h"

namespace {

constexpr DWORD STATE_POISON = 31;
constexpr DWORD STATE_SLEEP = 32;

class BehaviorAnalyser : public GameFolderFixture
{
protected:
    BehaviorAnalyser()
    {
        WriteTemplate("Weapon", 0x230001, TemplateVectorItem("BehaviorGroup0", "STRING"));
        Initiate();
        EXPECT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
        m_pPerson = NewRecord(0x160001);
    }

    JC_StringArray& Group(DWORD dwGroup)
    {
        JC_StringArray* pItems = m_Analyser.GetBehaviorGroupItems(m_pPerson.get(), dwGroup);
        EXPECT_NE(pItems, nullptr);
        return *pItems;
    }

    JC_BehaviorAnalyser m_Analyser;
    std::unique_ptr<JC_DataComponent> m_pPerson;
};

} // namespace

TEST(JC_BehaviorBase, QuotedValuesOfTypeAndParameter)
{
    const struct
    {
        const char* szBehavior;
        const char* szType;
        const char* szParameter;
    } cases[] = {
        {"@Type\"X\" @Parameter\"HP,0,+5\"", "X", "HP,0,+5"},
        {"@Type= \"X\"", "X", ""},
        {"@Type X @Parameter \"\"", "", ""},
        {"@Type \"A\" @Type \"B\"", "A", ""},
        {"note @Parameter \"a, b\" then @Type \"T\" more", "T", "a, b"},
        {"@Type \"open", "", ""},
        {"", "", ""},
        {"@type \"lower\"", "", ""},
        // The '@' of this one is the trail byte of a double-byte character.
        {"\xa4@Type \"X\"", "", ""},
    };
    const JC_BehaviorBase analyser;
    for (const auto& c : cases) {
        EXPECT_EQ(analyser.GetType(c.szBehavior), c.szType) << c.szBehavior;
        EXPECT_EQ(analyser.GetParameter(c.szBehavior), c.szParameter) << c.szBehavior;
    }
}

TEST(JC_BehaviorBase, CommaSplitKeepsEmptyPartsAndBlanks)
{
    const struct
    {
        const char* szText;
        JC_StringArray parts;
    } cases[] = {
        {"a,b", {"a", "b"}},       {"a,", {"a", ""}},    {",", {"", ""}},
        {"a", {"a"}},              {"", {}},             {"HP, 5", {"HP", " 5"}},
        {" a ,, b ", {" a ", "", " b "}},
    };
    const JC_BehaviorBase analyser;
    for (const auto& c : cases) {
        JC_StringArray parts = {"left over"};
        EXPECT_EQ(analyser.DecomposeOrder(c.szText, parts), 0u);
        EXPECT_EQ(parts, c.parts) << c.szText;
    }
}

TEST(JC_BehaviorBase, InitiationNeedsAnInitiatedDataManager)
{
    JC_BehaviorBase analyser;
    EXPECT_EQ(analyser.Initiation(nullptr), JE_BEHAVIOR_NULL_DATA_MANAGER);
    JC_DataManager notInitiated;
    EXPECT_EQ(analyser.Initiation(&notInitiated), JE_BEHAVIOR_DATA_MANAGER_NOT_INITIATED);
    EXPECT_EQ(analyser.GetDefineInfo("DF_STATE_POISON"), JC_BehaviorBase::UNKNOWN_DEFINE);
}

TEST_F(BehaviorAnalyser, DefinesResolveThroughTheDataManager)
{
    EXPECT_EQ(m_Analyser.GetDefineInfo("DF_ROUND_USE"), 0x30u);
    EXPECT_EQ(m_Analyser.GetDefineInfo("DF_STATE_UNKNOWN"), JC_BehaviorBase::UNKNOWN_DEFINE);
    EXPECT_TRUE(Logged(" GetDefineInfo Fail. \r\n DefineKey:DF_STATE_UNKNOWN"));
}

TEST(JC_BehaviorValue, ValueSyntax)
{
    const struct
    {
        const char* szText;
        DWORD dwResult;
        DWORD dwNumber;
        BOOL bPlus, bMinus, bPercent, bIsDefine;
    } cases[] = {
        {"+10%", 0, 10, 1, 0, 1, 0},
        {"-5", 0, 5, 0, 1, 0, 0},
        {"25%", 0, 25, 0, 0, 1, 0},
        {"H10", 0, 16, 0, 0, 0, 0},
        {"B101", 0, 5, 0, 0, 0, 0},
        {"F2.9", 0, 2, 0, 0, 0, 0},
        {"12", 0, 12, 0, 0, 0, 0},
        {"+DF_STATE_MOVE", 0, 0, 0, 0, 0, 1},
        {"", JE_BEHAVIOR_VALUE_EMPTY, 0, 0, 0, 0, 0},
        {"+", JE_BEHAVIOR_VALUE_NO_NUMBER, 0, 0, 0, 0, 0},
        {"-", JE_BEHAVIOR_VALUE_NO_NUMBER, 0, 0, 0, 0, 0},
        {"%", JE_BEHAVIOR_VALUE_NO_NUMBER, 0, 0, 0, 0, 0},
        {"+%", JE_BEHAVIOR_VALUE_NO_NUMBER, 0, 0, 0, 0, 0},
    };
    const JC_BehaviorValue analyser;
    for (const auto& c : cases) {
        JC_BehaviorValueData value;
        EXPECT_EQ(analyser.AnalyzeBehaviorValue(c.szText, value), c.dwResult) << c.szText;
        EXPECT_EQ(value.bValid, c.dwResult == 0 ? 1 : 0) << c.szText;
        if (c.dwResult != 0)
            continue;
        EXPECT_EQ(value.dwNumber, c.dwNumber) << c.szText;
        EXPECT_EQ(value.bPlus, c.bPlus) << c.szText;
        EXPECT_EQ(value.bMinus, c.bMinus) << c.szText;
        EXPECT_EQ(value.bPercent, c.bPercent) << c.szText;
        EXPECT_EQ(value.bIsRelative, c.bPlus || c.bMinus || c.bPercent) << c.szText;
        EXPECT_EQ(value.bIsDefine, c.bIsDefine) << c.szText;
        EXPECT_EQ(analyser.ComposeBehaviorValue(value, "read"), c.bIsDefine ? c.szText : c.szText[0] == 'H' ? "16"
                                                                 : c.szText[0] == 'B'   ? "5"
                                                                 : c.szText[0] == 'F'   ? "2"
                                                                                        : c.szText);
    }
    JC_BehaviorValueData value;
    EXPECT_EQ(analyser.AnalyzeBehaviorValue("+Hxyz%", value), JE_HEX_BAD_DIGIT);
    EXPECT_EQ(analyser.ComposeBehaviorValue(value, "+Hxyz%"), "+Hxyz%");
}

TEST_F(BehaviorAnalyser, ItemsDecomposeAndCompose)
{
    JC_BehaviorItem item;
    ASSERT_EQ(m_Analyser.GetBehavior("DF_STATE_POISON,DF_ROUND_CAMP,3,-2,H10,+10%,DF_STATE_MOVE", item), 0u);
    EXPECT_EQ(item.bValid, 1);
    EXPECT_EQ(item.strState, "DF_STATE_POISON");
    EXPECT_EQ(item.dwRoundType, 0x10u);
    EXPECT_EQ(item.iCount, 3);
    EXPECT_EQ(item.iSecond, -2);
    EXPECT_EQ(item.iThird, 16);
    EXPECT_EQ(item.ExtraA.dwNumber, 10u);
    EXPECT_EQ(item.ExtraB.strDefine, "DF_STATE_MOVE");
    std::string strItem;
    EXPECT_EQ(m_Analyser.SetBehavior(item, strItem), 0u);
    EXPECT_EQ(strItem, "DF_STATE_POISON,DF_ROUND_CAMP,3,-2,16,+10%,DF_STATE_MOVE");

    const struct
    {
        const char* szItem;
        DWORD dwResult;
    } failures[] = {
        {"DF_STATE_POISON,DF_ROUND_CAMP,3,0,0,1", JE_BEHAVIOR_ITEM_TOO_FEW_PARTS},
        {"DF_STATE_POISON", JE_BEHAVIOR_ITEM_TOO_FEW_PARTS},
        {"", JE_BEHAVIOR_ITEM_TOO_FEW_PARTS},
        {"DF_STATE_POISON,DF_ROUND_NEVER,3,0,0,1,1", JE_BEHAVIOR_ROUND_TYPE_UNKNOWN},
        {"DF_STATE_POISON,DF_ROUND_CAMP,3,0,0,+,1", JE_BEHAVIOR_EXTRA_A},
        {"DF_STATE_POISON,DF_ROUND_CAMP,3,0,0,1,", JE_BEHAVIOR_EXTRA_B},
    };
    for (const auto& f : failures) {
        EXPECT_EQ(m_Analyser.GetBehavior(f.szItem, item), f.dwResult) << f.szItem;
        EXPECT_EQ(item.bValid, 0) << f.szItem;
    }
    EXPECT_TRUE(Logged("分析 數值(依該狀態需求) ExtraA 發生錯誤 \n分析的字串:+"));
}

TEST_F(BehaviorAnalyser, FindGivesTheFirstItemOfTheState)
{
    Group(1) = {"DF_STATE_SLEEP", "DF_STATE_POISON,DF_ROUND_USE,2,0,0,1,1", "DF_STATE_POISON,DF_ROUND_USE,5,0,0,1,1"};
    std::string strItem = "old";
    int iIndex = 7;
    EXPECT_EQ(m_Analyser.GetBehavior(m_pPerson.get(), 1, STATE_POISON, strItem, iIndex), 0u);
    EXPECT_EQ(iIndex, 1);
    EXPECT_EQ(strItem, "DF_STATE_POISON,DF_ROUND_USE,2,0,0,1,1");
    // A whole element without a comma names its state for the find, not for
    // the query.
    EXPECT_EQ(m_Analyser.GetBehavior(m_pPerson.get(), 1, STATE_SLEEP, strItem, iIndex), 0u);
    EXPECT_EQ(iIndex, 0);
    EXPECT_EQ(m_Analyser.HaveBehaviorInGroup(m_pPerson.get(), 1, STATE_SLEEP), 0u);
    EXPECT_EQ(m_Analyser.GetBehavior(m_pPerson.get(), 0, STATE_SLEEP, strItem, iIndex), 0u);
    EXPECT_EQ(iIndex, -1);
    EXPECT_EQ(strItem, "");
    EXPECT_EQ(m_Analyser.GetBehavior(m_pPerson.get(), 3, STATE_SLEEP, strItem, iIndex), JE_BEHAVIOR_GROUP_TOO_LARGE);

    std::string strPart;
    EXPECT_EQ(m_Analyser.GetBehaviorItemPart(m_pPerson.get(), 1, STATE_POISON, 2, strPart), 1u);
    EXPECT_EQ(strPart, "2");
    EXPECT_EQ(m_Analyser.GetBehaviorItemPart(m_pPerson.get(), 1, STATE_POISON, 7, strPart), 0u);
    DWORD dwNumber = 0;
    EXPECT_EQ(m_Analyser.GetBehavior_Combo(m_pPerson.get(), 1, STATE_POISON, 1, dwNumber), 1u);
    EXPECT_EQ(dwNumber, 0x30u);
    EXPECT_EQ(m_Analyser.GetBehavior_Combo(m_pPerson.get(), 1, STATE_POISON, 2, dwNumber), 0u);
    EXPECT_EQ(dwNumber, JC_BehaviorBase::UNKNOWN_DEFINE);

    Group(2) = {"DF_STATE_NEVER,DF_ROUND_USE,2,0,0,1,1"};
    EXPECT_EQ(m_Analyser.GetBehavior(m_pPerson.get(), 2, STATE_POISON, strItem, iIndex), JE_BEHAVIOR_FIND_STATE_UNKNOWN);
}

TEST_F(BehaviorAnalyser, AFailedQueryIsNotHavingTheState)
{
    Group(0) = {"DF_STATE_NEVER,x", "DF_STATE_POISON,DF_ROUND_CAMP,1,0,0,1,1"};
    EXPECT_EQ(m_Analyser.HaveBehaviorInGroup(m_pPerson.get(), 0, STATE_POISON), 1u);
    EXPECT_EQ(m_Analyser.HaveBehavior(m_pPerson.get(), STATE_POISON), 1u);
    EXPECT_EQ(m_Analyser.HaveBehavior(m_pPerson.get(), STATE_SLEEP), 0u);
    // The person record has no "BehaviorGroup3"; a record of no groups at all
    // has none of the states.
    EXPECT_EQ(m_Analyser.HaveBehaviorInGroup(m_pPerson.get(), 3, STATE_POISON), JE_BEHAVIOR_GROUP_UNREADABLE);
    EXPECT_EQ(m_Analyser.HaveBehaviorInGroup(m_pPerson.get(), 5, STATE_POISON), JE_BEHAVIOR_GROUP_TOO_LARGE);
    JC_DataComponent empty;
    EXPECT_EQ(m_Analyser.HaveBehavior(&empty, STATE_POISON), 0u);
    EXPECT_EQ(m_Analyser.HaveBehavior(nullptr, STATE_POISON), 0u);
    EXPECT_TRUE(Logged("要取得的欄位名稱:BehaviorGroup3"));
}

TEST_F(BehaviorAnalyser, UseCountsDownTheFirstItemCountedByUse)
{
    Group(0) = {"DF_STATE_POISON,DF_ROUND_USE,2,0,0,+10%,DF_STATE_MOVE", "DF_STATE_POISON,DF_ROUND_USE,1,0,0,1,1"};
    Group(2) = {"DF_STATE_POISON,DF_ROUND_USE,1,0,0,1,1", "DF_STATE_POISON,DF_ROUND_CAMP,1,0,0,1,1"};
    EXPECT_EQ(m_Analyser.UseBehavior(m_pPerson.get(), STATE_POISON), 0u);
    EXPECT_EQ(Group(0), (JC_StringArray{"DF_STATE_POISON,DF_ROUND_USE,1,0,0,+10%,DF_STATE_MOVE",
                                        "DF_STATE_POISON,DF_ROUND_USE,1,0,0,1,1"}));
    EXPECT_EQ(Group(2), (JC_StringArray{"DF_STATE_POISON,DF_ROUND_CAMP,1,0,0,1,1"}));
    // Only items counted by use are used up.
    EXPECT_EQ(m_Analyser.UseBehaviorInGroup(m_pPerson.get(), 2, STATE_POISON), 0u);
    EXPECT_EQ(Group(2).size(), 1u);
    // A count of 0 never reaches exactly 0 and stays.
    Group(1) = {"DF_STATE_SLEEP,DF_ROUND_USE,0,0,0,1,1"};
    EXPECT_EQ(m_Analyser.UseBehaviorInGroup(m_pPerson.get(), 1, STATE_SLEEP), 0u);
    EXPECT_EQ(m_Analyser.UseBehaviorInGroup(m_pPerson.get(), 1, STATE_SLEEP), 0u);
    EXPECT_EQ(Group(1), (JC_StringArray{"DF_STATE_SLEEP,DF_ROUND_USE,-2,0,0,1,1"}));
    Group(1) = {"DF_STATE_NEVER,DF_ROUND_USE,1,0,0,1,1"};
    EXPECT_EQ(m_Analyser.UseBehaviorInGroup(m_pPerson.get(), 1, STATE_SLEEP), JE_BEHAVIOR_USE_STATE_UNKNOWN);
}

TEST_F(BehaviorAnalyser, CountDownRemovesEndedItemsAndRecomposesTheRest)
{
    Group(0) = {"DF_STATE_POISON,DF_ROUND_CAMP,1,0,0,1,1", "DF_STATE_SLEEP,DF_ROUND_CAMP,1,0,0,1,1",
                "DF_STATE_MOVE,DF_ROUND_CAMP,3,H2,0,+10%,DF_STATE_MOVE", "DF_STATE_MOVE,DF_ROUND_USE,3,0,0,1,1",
                "DF_STATE_MOVE,DF_ROUND_CAMP,2,0,0,+,x"};
    EXPECT_EQ(m_Analyser.CountDownRoundBehaviors(m_pPerson.get()), 0u);
    // A value that does not read is written back as it was.
    EXPECT_EQ(Group(0), (JC_StringArray{"DF_STATE_MOVE,DF_ROUND_CAMP,2,2,0,+10%,DF_STATE_MOVE",
                                        "DF_STATE_MOVE,DF_ROUND_USE,3,0,0,1,1",
                                        "DF_STATE_MOVE,DF_ROUND_CAMP,1,0,0,+,x"}));
}

TEST_F(BehaviorAnalyser, AnAttackEndsItsItemsAndRemoveTakesTheFirst)
{
    Group(0) = {"DF_STATE_POISON,DF_ROUND_ATTACK,1,0,0,1,1", "DF_STATE_SLEEP,DF_ROUND_ATTACK,4,0,0,1,1",
                "DF_STATE_MOVE,DF_ROUND_CAMP,1,0,0,1,1", "DF_STATE_SLEEP,short", "DF_STATE_POISON,DF_ROUND_CAMP,1,0,0,1,1",
                "DF_STATE_POISON,DF_ROUND_USE,1,0,0,1,1"};
    EXPECT_EQ(m_Analyser.RemoveBehaviorsEndedByAttack(m_pPerson.get()), 0u);
    EXPECT_EQ(Group(0).size(), 4u);
    EXPECT_EQ(m_Analyser.RemoveBehavior(m_pPerson.get(), STATE_POISON), 0u);
    EXPECT_EQ(Group(0), (JC_StringArray{"DF_STATE_MOVE,DF_ROUND_CAMP,1,0,0,1,1", "DF_STATE_SLEEP,short",
                                        "DF_STATE_POISON,DF_ROUND_USE,1,0,0,1,1"}));
    EXPECT_EQ(m_Analyser.ClearBehaviorGroup(m_pPerson.get(), 0), 0u);
    EXPECT_TRUE(Group(0).empty());
}

TEST_F(BehaviorAnalyser, OtherRecordsAreRefusedAsPersons)
{
    std::unique_ptr<JC_DataComponent> pWeapon = NewRecord(0x230001);
    JC_DataComponent* pRecord = pWeapon.get();
    std::string strItem;
    int iIndex = 0;
    EXPECT_EQ(m_Analyser.GetBehavior(pRecord, 0, STATE_POISON, strItem, iIndex), JE_BEHAVIOR_NOT_PERSON);
    EXPECT_EQ(m_Analyser.UseBehavior(pRecord, STATE_POISON), JE_BEHAVIOR_NOT_PERSON);
    EXPECT_EQ(m_Analyser.RemoveBehavior(pRecord, STATE_POISON), JE_BEHAVIOR_NOT_PERSON);
    EXPECT_EQ(m_Analyser.CountDownRoundBehaviors(pRecord), JE_BEHAVIOR_NOT_PERSON);
    EXPECT_EQ(m_Analyser.RemoveBehaviorsEndedByAttack(pRecord), JE_BEHAVIOR_NOT_PERSON);
    EXPECT_EQ(m_Analyser.ClearBehaviorGroup(pRecord, 0), JE_BEHAVIOR_NOT_PERSON);
    EXPECT_EQ(m_Analyser.ClearBehaviorGroup(nullptr, 0), JE_BEHAVIOR_NULL_PERSON);
    EXPECT_EQ(m_Analyser.ClearBehaviorGroup(m_pPerson.get(), 3), JE_BEHAVIOR_CLEAR_GROUP_UNAVAILABLE);
}
