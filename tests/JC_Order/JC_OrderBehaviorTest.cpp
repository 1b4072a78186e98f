#include "JC_Order/JC_OrderBehavior.h"

#include "tests/JC_Order/SampleOrderFixture.h"

namespace
{
class OrderBehaviorTest : public SampleOrderFixture
{
protected:
    void SetUp() override
    {
        SampleOrderFixture::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(m_Walker.Initiation(m_DataManager.GetTemplateManager()), 0u);
    }

    void Walk(const std::vector<std::string>& lines) { ASSERT_EQ(m_Walker.SetOrderBehavior(&lines), 0u); }

    JC_OrderBehavior m_Walker;
};
}

TEST(OrderBehavior, RefusesWorkBeforeInitiation)
{
    JC_OrderBehavior walker;
    const std::vector<std::string> lines = {"@Type\"DF_BehaviorType_Attack\""};
    EXPECT_EQ(walker.Initiation(nullptr), JE_ORDERBEHAVIOR_NULL_TEMPLATE_MANAGER);
    EXPECT_EQ(walker.SetOrderBehavior(&lines), JE_ORDERBEHAVIOR_NOT_INITIATED);
    EXPECT_EQ(walker.DealNext(), JS_ORDERBEHAVIOR_END);
    EXPECT_EQ(walker.GetBehaviorType(), JE_ORDERBEHAVIOR_UNKNOWN_TYPE);
}

TEST_F(OrderBehaviorTest, SplitsPairsAndParameters)
{
    Walk({"@Type\"DF_BehaviorType_Attack\" @Parameter\"1,,3\" @Exp\"DF_ExpMode_Value,5\"",
          "@Type \"DF_BehaviorType_Attack\" @Type=\"x\"", "no pairs at all", "@Parameter\"7\"", "@Type\"DF_Nothing\""});
    ASSERT_EQ(m_Walker.DealNext(), 0u);
    EXPECT_EQ(m_Walker.GetBehaviorType(), 0x30001u);
    EXPECT_EQ(m_Walker.GetBehaviorParameter(0), "1");
    EXPECT_EQ(m_Walker.GetBehaviorParameter(1), "");
    EXPECT_EQ(m_Walker.GetBehaviorParameter(2), "3");
    EXPECT_EQ(m_Walker.GetBehaviorParameter(3), "");
    EXPECT_EQ(m_Walker.GetBehaviorValue("@Exp"), "DF_ExpMode_Value,5");
    EXPECT_EQ(m_Walker.GetBehaviorValue("Exp"), "");

    // A blank or equals sign before the quote belongs to the key.
    ASSERT_EQ(m_Walker.DealNext(), 0u);
    EXPECT_EQ(m_Walker.GetBehaviorType(), JE_ORDERBEHAVIOR_UNKNOWN_TYPE);
    EXPECT_EQ(m_Walker.GetBehaviorValue("@Type "), "DF_BehaviorType_Attack");
    EXPECT_EQ(m_Walker.GetBehaviorValue("@Type="), "x");
    EXPECT_EQ(m_Walker.GetBehaviorParameter(0), "");

    ASSERT_EQ(m_Walker.DealNext(), 0u);
    EXPECT_EQ(m_Walker.GetBehaviorString(), "no pairs at all");
    EXPECT_EQ(m_Walker.GetBehaviorType(), JE_ORDERBEHAVIOR_UNKNOWN_TYPE);

    ASSERT_EQ(m_Walker.DealNext(), 0u);
    EXPECT_EQ(m_Walker.GetBehaviorParameter(0), "7");
    ASSERT_EQ(m_Walker.DealNext(), 0u);
    EXPECT_EQ(m_Walker.GetBehaviorType(), JE_ORDERBEHAVIOR_UNKNOWN_TYPE);
    EXPECT_EQ(m_Walker.DealNext(), JS_ORDERBEHAVIOR_END);
}

TEST_F(OrderBehaviorTest, UnbalancedQuotesFailTheLine)
{
    for (const char* strLine : {"@Type", "@Type\"DF_BehaviorType_Attack", "@Type\"a\" @Parameter\"1,2"})
    {
        Walk({strLine});
        EXPECT_EQ(m_Walker.DealNext(), JE_ORDERBEHAVIOR_UNBALANCED_QUOTES) << strLine;
    }
}

TEST_F(OrderBehaviorTest, EmptyListEndsAtOnce)
{
    Walk({});
    EXPECT_EQ(m_Walker.DealNext(), JS_ORDERBEHAVIOR_END);
    ASSERT_EQ(m_Walker.SetOrderBehavior(nullptr), 0u);
    EXPECT_EQ(m_Walker.DealNext(), JS_ORDERBEHAVIOR_END);
}

// Which lines a walk parses, the deal success given after each.
TEST_F(OrderBehaviorTest, BlocksAreEnteredOnlyAfterSuccess)
{
    struct Case
    {
        const char* szName;
        DWORD dwSuccess;
        std::vector<std::string> expected;
    };
    const std::vector<std::string> lines = {"@A\"1\"", "{", "@B\"2\"", "{", "@C\"3\"", "}", "}", "@D\"4\""};
    for (const Case& walk : {Case{"skipped", 0, {"@A\"1\"", "@D\"4\""}},
                             Case{"entered", 1, {"@A\"1\"", "@B\"2\"", "@C\"3\"", "@D\"4\""}}})
    {
        Walk(lines);
        std::vector<std::string> parsed;
        while (m_Walker.DealNext() == 0)
        {
            parsed.push_back(m_Walker.GetBehaviorString());
            m_Walker.SetDealSuccess(walk.dwSuccess);
        }
        EXPECT_EQ(parsed, walk.expected) << walk.szName;
        EXPECT_EQ(m_Walker.GetDepth(), 0) << walk.szName;
    }
}

TEST_F(OrderBehaviorTest, ClosingLineOfSkippedBlockIsParsedOnlyWithPairs)
{
    Walk({"@A\"1\"", "{", "@B\"2\"", "} @E\"5\"", "@D\"4\""});
    ASSERT_EQ(m_Walker.DealNext(), 0u);
    ASSERT_EQ(m_Walker.DealNext(), 0u);
    EXPECT_EQ(m_Walker.GetBehaviorValue("@E"), "5");
    EXPECT_EQ(m_Walker.GetDepth(), 0);
}

TEST_F(OrderBehaviorTest, EachTargetStartsOutsideAnyBlock)
{
    const std::vector<std::string> lines = {"@A\"1\"", "{", "@B\"2\"", "}"};
    Walk(lines);
    ASSERT_EQ(m_Walker.DealNext(), 0u);
    m_Walker.SetDealSuccess(1);
    ASSERT_EQ(m_Walker.DealNext(), 0u);
    EXPECT_EQ(m_Walker.GetDepth(), 1);
    Walk(lines);
    EXPECT_EQ(m_Walker.GetDepth(), 0);
}
