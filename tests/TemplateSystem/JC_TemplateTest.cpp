#include "TemplateSystem/JC_TemplateList.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::unique_ptr<JC_TemplateItem> PlainItem(const std::string& strName, DWORD dwType)
{
    auto pItem = std::make_unique<JC_TemplatePlainItem>();
    pItem->m_strName = strName;
    pItem->m_dwType = dwType;
    return pItem;
}

// "I" and the number.
std::string Numbered(int i)
{
    std::string strName(1, 'I');
    strName += std::to_string(i);
    return strName;
}

JC_Template* MakeTemplate(DWORD dwTemplateID, std::initializer_list<std::pair<const char*, DWORD>> items)
{
    auto* pTemplate = new JC_Template();
    pTemplate->SetTemplateID(dwTemplateID);
    for (const auto& [szName, dwType] : items) {
        int iIndex = -1;
        EXPECT_EQ(pTemplate->AddItem(PlainItem(szName, dwType), iIndex), 0u);
    }
    return pTemplate;
}

} // namespace

TEST(JC_TemplateItem, RadixesAndFreshBounds)
{
    JC_TemplatePlainItem plain;
    EXPECT_TRUE(plain.SetSecondRadix(16));
    EXPECT_FALSE(plain.SetFirstRadix(8));
    EXPECT_EQ(plain.GetFirstRadix(), 10u);
    EXPECT_EQ(plain.GetSecondRadix(), 16u);
    EXPECT_EQ(plain.m_dwFirstBound, 0u);
    EXPECT_EQ(plain.m_dwSecondBound, 0u);
    const JC_TemplateReferItem refer;
    EXPECT_TRUE(refer.IsRefer());
    EXPECT_EQ(refer.m_dwFirstBound, 0xFFFFFFFFu);
    EXPECT_EQ(refer.m_dwSecondBound, 0xFFFFFFFFu);
    EXPECT_FALSE(refer.HasBits());
}

TEST(JC_Template, KeepsPlainAndReferItemsApartUnderOneNameIndex)
{
    JC_Template tmpl;
    int iIndex = -1;
    EXPECT_EQ(tmpl.AddItem(PlainItem("A", ITEMTYPE_SPACE32), iIndex), 0u);
    auto pRefer = std::make_unique<JC_TemplateReferItem>();
    pRefer->m_strName = "B";
    pRefer->m_dwType = ITEMTYPE_UINT32;
    EXPECT_EQ(tmpl.AddItem(std::move(pRefer), iIndex), 0u);
    EXPECT_EQ(iIndex, 0);
    EXPECT_EQ(tmpl.AddItem(PlainItem("B", ITEMTYPE_INT32), iIndex), JE_TEMPLATE_NAME_PRESENT);
    EXPECT_EQ(iIndex, -1);
    EXPECT_EQ(tmpl.AddItem(nullptr, iIndex), JE_TEMPLATE_NULL_ITEM);

    EXPECT_EQ(tmpl.GetPlainItem("B"), nullptr);
    ASSERT_NE(tmpl.GetItem("B"), nullptr);
    EXPECT_TRUE(tmpl.GetItem("B")->IsRefer());
    EXPECT_EQ(tmpl.GetReferItemIndex("B"), 0);
    EXPECT_EQ(tmpl.GetPlainItemIndex("B"), -1);
    EXPECT_EQ(tmpl.GetItemType("B"), ITEMTYPE_UINT32);
    EXPECT_EQ(tmpl.GetItemType("C"), -1);
    EXPECT_EQ(tmpl.GetPlainItemAt(5), nullptr);

    EXPECT_EQ(tmpl.SetEditShowItem("A"), 0u);
    EXPECT_TRUE(tmpl.HasEditShowItem());
    tmpl.SetEditShowItem("");
    EXPECT_FALSE(tmpl.HasEditShowItem());
    EXPECT_EQ(tmpl.GetEditShowItemType(), -1);

    ScopedTempFolder folder;
    JC_ItemNameIndex index;
    index.AddName("乙", 1, true);
    index.AddName("A", 0, false);
    EXPECT_EQ(index.DumpNames(folder.File("names.txt")), 0u);
    EXPECT_EQ(ReadTestFile(folder.File("names.txt")),
              "ItemName:A ItemIndex:0 IsRefer:0\r\nItemName:乙 ItemIndex:1 IsRefer:1\r\n");
}

// Names that share every byte but one, or differ only in length, each of
// every length a lookup treats apart; Big5 bytes have the top bit set.
TEST(JC_ItemNameIndex, TellsNearNamesOfEveryLengthApart)
{
    std::vector<std::string> names;
    for (size_t size = 0; size <= 20; ++size)
        names.push_back(std::string(size, 'a'));
    const std::string strLong = "\xC4\xE6\xA6\xEC_name_of_22_bytes_";
    for (size_t at = 0; at < strLong.size(); ++at) {
        std::string strName = strLong;
        strName[at] = static_cast<char>(strName[at] ^ 1);
        names.push_back(strName);
    }
    names.push_back("\xC4\xE6\xA6\xEC" "1");
    names.push_back("\xC4\xE6\xA6\xEC" "10");

    JC_ItemNameIndex index;
    DWORD dwIndex = 0;
    bool bRefer = false;
    EXPECT_EQ(index.FindName("", dwIndex, bRefer), JE_NAMEINDEX_NAME_ABSENT);
    std::map<std::string, DWORD> byName;
    // Added out of name order, so that later names move earlier ones.
    for (size_t i = names.size(); i-- > 0;) {
        ASSERT_EQ(index.AddName(names[i], static_cast<DWORD>(i), i % 2 != 0), 0u) << names[i];
        byName[names[i]] = static_cast<DWORD>(i);
    }
    EXPECT_EQ(index.AddName("aaaa", 99, false), JE_NAMEINDEX_NAME_PRESENT);
    for (size_t i = 0; i < names.size(); ++i) {
        ASSERT_EQ(index.FindName(names[i], dwIndex, bRefer), 0u) << names[i];
        EXPECT_EQ(dwIndex, i) << names[i];
        EXPECT_EQ(bRefer, i % 2 != 0) << names[i];
    }
    for (size_t size = 1; size <= 20; ++size)
        EXPECT_EQ(index.FindName(std::string(size, 'b'), dwIndex, bRefer), JE_NAMEINDEX_NAME_ABSENT) << size;
    EXPECT_EQ(index.FindName(strLong, dwIndex, bRefer), JE_NAMEINDEX_NAME_ABSENT);

    ScopedTempFolder folder;
    std::string strDump;
    for (const auto& [strName, dwAt] : byName)
        strDump += "ItemName:" + strName + " ItemIndex:" + std::to_string(dwAt) + " IsRefer:" +
                   (dwAt % 2 != 0 ? "1" : "0") + "\r\n";
    EXPECT_EQ(index.DumpNames(folder.File("names.txt")), 0u);
    EXPECT_EQ(ReadTestFile(folder.File("names.txt")), strDump);

    index.Clear();
    EXPECT_EQ(index.FindName("aaaa", dwIndex, bRefer), JE_NAMEINDEX_NAME_ABSENT);
    EXPECT_EQ(index.AddName("aaaa", 3, true), 0u);
    EXPECT_EQ(index.FindName("aaaa", dwIndex, bRefer), 0u);
    EXPECT_EQ(dwIndex, 3u);
}

TEST(JC_Template, HoldsAtMost512Items)
{
    JC_Template tmpl;
    int iIndex = -1;
    for (int i = 0; i < 511; ++i)
        ASSERT_EQ(tmpl.AddItem(PlainItem(Numbered(i), ITEMTYPE_INT32), iIndex), 0u);
    EXPECT_EQ(tmpl.AddItem(PlainItem("last", ITEMTYPE_INT32), iIndex), 0u);
    EXPECT_EQ(iIndex, 511);
    EXPECT_EQ(tmpl.AddItem(PlainItem("more", ITEMTYPE_INT32), iIndex), JE_TEMPLATE_TOO_MANY_ITEMS);
}

TEST(JC_Template, TurnsItemDefinesIntoValuesAndBack)
{
    JC_DefineTable table;
    table.AddDefineInfo("DF_A_ONE", 1, "一");
    table.AddDefineInfo("DF_A_UNO", 1, "uno");
    table.AddDefineInfo("DF_A_TWO", 2, "二");
    JC_Template tmpl;
    tmpl.SetDefineTable(&table);
    JC_TemplatePlainItem item;
    item.m_ComboNames = {"DF_A_UNO", "DF_A_ONE"};

    std::string strName;
    std::string strComment;
    EXPECT_TRUE(tmpl.FindItemDefineNameAndComment(item, 1, strName, strComment));
    EXPECT_EQ(strName, "DF_A_UNO");
    EXPECT_EQ(strComment, "uno");
    EXPECT_FALSE(tmpl.HasItemDefineValue(item, 2));
    DWORD dwValue = 0;
    EXPECT_TRUE(tmpl.GetItemDefineValue(item, "DF_A_ONE", dwValue));
    EXPECT_FALSE(tmpl.GetItemDefineValue(item, "DF_A_TWO", dwValue));
    EXPECT_EQ(tmpl.GetDefineValue("DF_A_TWO", dwValue), 0u);
    EXPECT_EQ(dwValue, 2u);
}

TEST(JC_TemplateList, SortsByIdentifierAndFindsCommonKeyItems)
{
    JC_TemplateList list;
    EXPECT_EQ(list.AddTemplate(MakeTemplate(0x30, {{"ID", ITEMTYPE_UINT32}, {"Name", ITEMTYPE_STRING}}), true), 0u);
    EXPECT_EQ(list.AddTemplate(MakeTemplate(0x10, {{"Name", ITEMTYPE_STRING},
                                                   {"Extra", ITEMTYPE_INT32},
                                                   {"ID", ITEMTYPE_UINT32}}),
                               false),
              0u);
    EXPECT_EQ(list.AddTemplate(MakeTemplate(0x20, {{"ID", ITEMTYPE_UINT32}, {"Name", ITEMTYPE_STRING},
                                                   {"Other", ITEMTYPE_UINT32}}),
                               false),
              0u);
    JC_Template* pDuplicate = MakeTemplate(0x20, {});
    EXPECT_EQ(list.AddTemplate(pDuplicate, false), JE_TEMPLATELIST_ID_PRESENT);
    delete pDuplicate;
    ASSERT_EQ(list.GetCount(), 3u);
    JC_Template* pTemplate = nullptr;
    bool bMain = false;
    for (DWORD i = 0; i < 3; ++i) {
        EXPECT_EQ(list.GetTemplateAt(i, pTemplate, bMain), 0u);
        EXPECT_EQ(pTemplate->GetTemplateID(), 0x10u * (i + 1));
    }
    EXPECT_TRUE(bMain);
    EXPECT_EQ(list.GetTemplateAt(3, pTemplate), JE_TEMPLATELIST_INDEX_OUTSIDE);
    EXPECT_EQ(pTemplate, nullptr);
    EXPECT_EQ(list.FindTemplateByID(0x11, pTemplate), JE_TEMPLATELIST_ID_ABSENT);

    std::vector<std::string> names;
    std::vector<DWORD> types;
    EXPECT_EQ(list.GetCommonKeyItems(names, types), 0u);
    EXPECT_EQ(names, (std::vector<std::string>{"ID", "Name"}));
    EXPECT_EQ(types, (std::vector<DWORD>{ITEMTYPE_UINT32, ITEMTYPE_STRING}));

    // An item of the same name but another type does not qualify.
    EXPECT_EQ(list.AddTemplate(MakeTemplate(0x40, {{"ID", ITEMTYPE_INT32}, {"Name", ITEMTYPE_STRING},
                                                   {"More", ITEMTYPE_STRING}}),
                               false),
              0u);
    list.GetCommonKeyItems(names, types);
    EXPECT_EQ(names, (std::vector<std::string>{"Name"}));

    EXPECT_EQ(list.RemoveTemplateByID(0x40, pTemplate), 0u);
    delete pTemplate;
    EXPECT_EQ(list.RemoveTemplateAt(9, pTemplate), JE_TEMPLATELIST_REMOVE_OUTSIDE);
    JC_TemplateList empty;
    EXPECT_EQ(empty.GetCommonKeyItems(names, types), JE_TEMPLATELIST_EMPTY);
}

TEST(JC_TemplateList, TemplatesOf512ItemsAreNoSortCandidates)
{
    JC_TemplateList list;
    JC_Template* pFull = MakeTemplate(1, {{"ID", ITEMTYPE_UINT32}});
    int iIndex = -1;
    for (int i = 1; i < 512; ++i)
        pFull->AddItem(PlainItem(Numbered(i), ITEMTYPE_INT32), iIndex);
    list.AddTemplate(pFull, true);
    JC_Template* pSmallest = nullptr;
    list.GetSmallestTemplate(pSmallest, iIndex);
    EXPECT_EQ(pSmallest, nullptr);
    EXPECT_EQ(iIndex, -1);
    std::vector<std::string> names;
    std::vector<DWORD> types;
    EXPECT_EQ(list.GetCommonKeyItems(names, types), 0u);
    EXPECT_TRUE(names.empty());
}
