#include "Code/Menu/BattleMenu/XC_BattleSystemMenu.h"

#include "GameProgram/Common/XC_TimerManager.h"

#include "tests/Code/Battle/BattleFixture.h"

#include <memory>

namespace {

class BattleSystemMenuTest : public BattleFixture
{
protected:
    void SetUp() override
    {
        BattleFixture::SetUp();
        m_Pack.Add("Menu\\BattleSystemBar.ant", AntFile(2));
        m_Pack.Add("Menu\\BattleSystemMenu.ant", AntFile(1));
        ASSERT_EQ(m_pMenu->Init(&m_Environment), S_OK);
    }

    void TearDown() override
    {
        m_pMenu.reset();
        BattleFixture::TearDown();
    }

    std::unique_ptr<XC_BattleSystemMenu> m_pMenu = std::make_unique<XC_BattleSystemMenu>();
};

} // namespace

TEST_F(BattleSystemMenuTest, SelectPlaysOneBarOrNone)
{
    EXPECT_EQ(m_pMenu->GetRenderingObjectCount(), 9u);
    EXPECT_EQ(m_pMenu->GetSelect(), -1);
    struct Case
    {
        int iSelect;
        int iPlaying;
    };
    for (const Case& c : {Case{2, 2}, Case{0, 0}, Case{4, -1}, Case{3, 3}, Case{-1, -1}}) {
        ASSERT_EQ(m_pMenu->SetSelect(c.iSelect), S_OK);
        EXPECT_EQ(m_pMenu->GetSelect(), c.iSelect);
        for (int i = 0; i < XC_BattleSystemMenu::ENTRY_COUNT; ++i)
            EXPECT_EQ(m_pMenu->IsBarPlaying(i), i == c.iPlaying) << c.iSelect << " bar " << i;
    }
}

TEST_F(BattleSystemMenuTest, SameSelectKeepsTheHighlightPlaying)
{
    m_pMenu->SetSelect(1);
    g_pTimerManager->Update(0.05f);
    m_pMenu->SetSelect(1);
    EXPECT_TRUE(m_pMenu->IsBarPlaying(1));
    int iIndex = 7;
    EXPECT_FALSE(m_pMenu->HitTest(5000, 5000, iIndex));
    EXPECT_EQ(iIndex, -1);
}
