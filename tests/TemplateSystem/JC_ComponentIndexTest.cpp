#include "TemplateSystem/JC_ComponentIndex.h"

#include "tests/TemplateSystem/TemplateFixture.h"

namespace {

std::unique_ptr<JC_DataComponent> Gem(const TemplateFixture& fixture, DWORD dwID, const char* szName)
{
    auto pGem = std::make_unique<JC_DataComponent>();
    EXPECT_EQ(pGem->Create(&fixture.m_Templates, &fixture.Template(0x30)), 0u);
    pGem->SetItemValue("ID", &dwID);
    pGem->SetItemValueText("名字", szName);
    return pGem;
}

} // namespace

TEST(JC_ComponentIndex, FindsComponentsByNumberKey)
{
    TemplateFixture fixture;
    JC_ComponentIndex index;
    EXPECT_EQ(index.FindByKey(1), nullptr);
    EXPECT_EQ(index.AddComponent(nullptr), JE_INDEX_ADD_NOT_INITIATED);
    EXPECT_EQ(index.Initiation(3, "ID"), JE_INDEX_BAD_KIND);
    EXPECT_EQ(index.Initiation(JC_ComponentIndex::KEY_NUMBER, ""), JE_INDEX_EMPTY_ITEM_NAME);
    ASSERT_EQ(index.Initiation(JC_ComponentIndex::KEY_NUMBER, "ID"), 0u);

    auto pThree = Gem(fixture, 3, "c");
    auto pOne = Gem(fixture, 1, "a");
    auto pOtherOne = Gem(fixture, 1, "b");
    EXPECT_EQ(index.AddComponent(pThree.get()), 0u);
    EXPECT_EQ(index.AddComponent(pOne.get()), 0u);
    EXPECT_EQ(index.AddComponent(pOtherOne.get()), JE_INDEX_KEY_PRESENT);
    EXPECT_EQ(index.IndexOfComponent(pOne.get()), 0);
    EXPECT_EQ(index.FindByKey(1), pOne.get());

    // An unchanged key keeps the order; a changed one is found only anew.
    EXPECT_EQ(index.RekeyComponent(pOne.get()), 0u);
    EXPECT_EQ(index.IndexOfComponent(pOne.get()), 0);
    const DWORD dwFive = 5;
    pOne->SetItemValue("ID", &dwFive);
    EXPECT_EQ(index.RekeyComponent(pOne.get()), 0u);
    EXPECT_EQ(index.FindByKey(1), nullptr);
    EXPECT_EQ(index.FindByKey(5), pOne.get());
    EXPECT_EQ(index.RekeyComponent(pOtherOne.get()), JE_INDEX_REKEY_ABSENT);

    EXPECT_EQ(index.RemoveByKey(3), 0u);
    EXPECT_EQ(index.RemoveByKey(3), JE_INDEX_REMOVE_ABSENT);
    EXPECT_EQ(index.FindByName("a"), nullptr);
}

TEST(JC_ComponentIndex, TextKeysGoWithTheirComponent)
{
    TemplateFixture fixture;
    JC_ComponentIndex index;
    ASSERT_EQ(index.Initiation(JC_ComponentIndex::KEY_TEXT, "名字"), 0u);
    auto pRuby = Gem(fixture, 1, "紅寶石");
    auto pUnnamed = Gem(fixture, 2, "");
    EXPECT_EQ(index.AddComponent(pRuby.get()), 0u);
    EXPECT_EQ(index.AddComponent(pUnnamed.get()), JE_INDEX_EMPTY_KEY);
    EXPECT_EQ(index.FindByName("紅寶石"), pRuby.get());
    EXPECT_EQ(index.RemoveComponent(pRuby.get()), 0u);
    EXPECT_EQ(index.FindByName("紅寶石"), nullptr);
    EXPECT_EQ(index.RemoveByName("紅寶石"), JE_INDEX_REMOVE_ABSENT);
}
