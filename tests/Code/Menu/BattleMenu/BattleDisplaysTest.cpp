#include "Code/Menu/BattleMenu/XC_BattleExplain.h"
#include "Code/Menu/BattleMenu/XC_DisplayBattleCondition.h"
#include "Code/Menu/BattleMenu/XC_DisplayCampAndTurn.h"
#include "Code/Menu/BattleMenu/XC_DisplayHitDmg.h"
#include "Code/Menu/BattleMenu/XC_DisplaySkillName.h"
#include "Code/XC_GameText.h"
#include "GameProgram/Common/XC_TimerManager.h"

#include "tests/Code/Battle/BattleFixture.h"

#include <memory>
#include <string>

namespace {

// The displays on the battle fixture's environment, with game texts whose
// ids 6 and 16 to 18 name the turn, the hit, the damage and the restore.
class BattleDisplaysTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        std::string strTexts;
        for (int i = 0; i < 19; ++i)
            strTexts += "text" + std::to_string(i) + "\r\n";
        ASSERT_EQ(m_Texts.Load(strTexts.data(), static_cast<DWORD>(strTexts.size())), S_OK);
        g_pGameText = &m_Texts;
        m_Pack.Add("Menu\\AlliesTurn.ant", AntFile(2));
        m_Pack.Add("Menu\\EnemyTurn.ant", AntFile(2));
        m_Pack.Add("Menu\\MessageBoxSmall.ant", AntFile(1));
    }

    void TearDown() override
    {
        m_pHitDmg.reset();
        m_pBanner.reset();
        g_pGameText = nullptr;
        BattleFixture::TearDown();
    }

    XC_GameText m_Texts;
    std::unique_ptr<XC_DisplayHitDmg> m_pHitDmg = std::make_unique<XC_DisplayHitDmg>();
    std::unique_ptr<XC_DisplayCampAndTurn> m_pBanner = std::make_unique<XC_DisplayCampAndTurn>();
};

} // namespace

TEST_F(BattleDisplaysTest, ForecastClampsTheHitAndNamesTheDamage)
{
    ASSERT_EQ(m_pHitDmg->Init(&m_Environment), S_OK);
    struct Case
    {
        int iHit;
        int iDmg;
        const char* szHit;
        const char* szDmg;
    };
    const Case cases[] = {
        {150, 0, "text16 100%", ""},
        {-5, -30, "text16 0%", "text18 30"},
        {42, 7, "text16 42%", "text17 7"},
        {100, INT_MIN, "text16 100%", "text18 2147483648"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(m_pHitDmg->SetHitDmg(c.iHit, c.iDmg), S_OK);
        EXPECT_EQ(m_pHitDmg->GetHitText(), c.szHit) << c.iHit;
        EXPECT_EQ(m_pHitDmg->GetDmgText(), c.szDmg) << c.iDmg;
        EXPECT_EQ(m_pHitDmg->IsDmgShown(), c.iDmg != 0) << c.iDmg;
    }
    m_pHitDmg->Hide();
    EXPECT_FALSE(m_pHitDmg->IsDmgShown());
    EXPECT_EQ(m_pHitDmg->Init(nullptr), E_FAIL);
}

TEST_F(BattleDisplaysTest, BannerFinishesOneCallAfterItsLastPage)
{
    ASSERT_EQ(m_pBanner->Init(&m_Environment), S_OK);
    EXPECT_TRUE(m_pBanner->IsFinished()) << "no banner runs before a start";
    ASSERT_EQ(m_pBanner->Start(TRUE, 7), S_OK);
    EXPECT_EQ(m_pBanner->GetTurnText(), "text6 07");

    int iFinishedFrame = -1;
    bool bSawNotFinished = false;
    for (int iFrame = 0; iFrame < 400 && iFinishedFrame < 0; ++iFrame) {
        g_pTimerManager->Update(0.05f);
        if (m_pBanner->IsFinished())
            iFinishedFrame = iFrame;
        else
            bSawNotFinished = true;
    }
    ASSERT_GE(iFinishedFrame, 1) << "the banner never ended";
    EXPECT_TRUE(bSawNotFinished);
    ASSERT_EQ(m_pBanner->Start(FALSE, 12), S_OK);
    EXPECT_EQ(m_pBanner->GetTurnText(), "text6 12");
    EXPECT_FALSE(m_pBanner->IsFinished()) << "a new start runs again";
}

TEST_F(BattleDisplaysTest, SkillNameFileHasEightHexDigits)
{
    EXPECT_EQ(XC_DisplaySkillName::SkillNameFile(255), "SkillName\\H000000FF.ant");
    EXPECT_EQ(XC_DisplaySkillName::SkillNameFile(0xABCDEF12), "SkillName\\HABCDEF12.ant");
    XC_DisplaySkillName display;
    ASSERT_EQ(display.Init(&m_Environment), S_OK);
    EXPECT_EQ(display.SetSkillName(255), S_OK) << "a skill without its picture falls back";
    display.Fini();
}

TEST_F(BattleDisplaysTest, NullTextsAreReportedOnly)
{
    XC_BattleExplain explain;
    XC_DisplayBattleCondition condition;
    ASSERT_EQ(explain.Init(&m_Environment), S_OK);
    ASSERT_EQ(condition.Init(&m_Environment), S_OK);
    EXPECT_EQ(explain.SetMessage(nullptr), S_OK);
    EXPECT_EQ(explain.SetMessage("a line"), S_OK);
    EXPECT_EQ(condition.SetCondition(nullptr, nullptr), S_OK);
    EXPECT_EQ(condition.SetCondition("win", "lose"), S_OK);
    EXPECT_EQ(condition.GetRenderingObjectCount(), 5u);
    explain.Fini();
    condition.Fini();
}
