#include "TemplateSystem/JC_FileLister.h"
#include "TemplateSystem/JC_NameValueMap.h"
#include "TemplateSystem/JF_SortedArray.h"

#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(JF_SortedArray, StringSearchTable)
{
    // Byte order: upper case before lower case, single bytes before
    // double-byte characters.
    const std::vector<std::string> array = {"Apple", "Banana", "apple", "一", "許"};
    ASSERT_TRUE(std::is_sorted(array.begin(), array.end()));
    struct Case { const char* szKey; int iFound; int iInsert; };
    const Case cases[] = {
        {"Apple", 0, -1}, {"apple", 2, -1}, {"許", 4, -1},
        {"APPLE", -1, 0}, {"A", -1, 0}, {"Cherry", -1, 2}, {"zz", -1, 3}, {"\xFF", -1, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindString(c.szKey, array), c.iFound) << c.szKey;
        EXPECT_EQ(FindStringInsertPos(c.szKey, array), c.iInsert) << c.szKey;
    }
    EXPECT_EQ(FindString("a", {}), -1);
    EXPECT_EQ(FindStringInsertPos("a", {}), 0);
}

TEST(JF_SortedArray, NumberSearchIsUnsigned)
{
    const std::vector<DWORD> array = {1, 5, 0x80000000, 0xFFFFFFFF};
    EXPECT_EQ(FindNumber<DWORD>(0x80000000, array), 2);
    EXPECT_EQ(FindNumber<DWORD>(4, array), -1);
    EXPECT_EQ(FindNumberInsertPos<DWORD>(0, array), 0);
    EXPECT_EQ(FindNumberInsertPos<DWORD>(6, array), 2);
    EXPECT_EQ(FindNumberInsertPos<DWORD>(5, array), -1);
    EXPECT_EQ(FindNumber<DWORD>(1, {}), -1);
    EXPECT_EQ(FindNumberInsertPos<DWORD>(1, {}), 0);

    const std::vector<DWORD_PTR> pointers = {0x10, static_cast<DWORD_PTR>(0x123456789ull)};
    EXPECT_EQ(FindNumber<DWORD_PTR>(static_cast<DWORD_PTR>(0x123456789ull), pointers), 1);
}

TEST(JC_NameValueMap, AddGetRemove)
{
    JC_NameValueMap map;
    EXPECT_EQ(map.Get("a"), JC_NameValueMap::ABSENT);
    EXPECT_EQ(map.Add("b", 2), 0u);
    EXPECT_EQ(map.Add("a", 1), 0u);
    EXPECT_EQ(map.Add("許", 3), 0u);
    EXPECT_EQ(map.Add("a", 9), JE_NAMEMAP_NAME_PRESENT);
    EXPECT_EQ(map.Get("a"), 1u);
    EXPECT_EQ(map.Get("b"), 2u);
    EXPECT_EQ(map.Get("許"), 3u);
    EXPECT_EQ(map.Get("A"), JC_NameValueMap::ABSENT);

    // A value holds a whole pointer.
    int iHandler = 0;
    EXPECT_EQ(map.Add("pointer", reinterpret_cast<DWORD_PTR>(&iHandler)), 0u);
    EXPECT_EQ(reinterpret_cast<int*>(map.Get("pointer")), &iHandler);

    EXPECT_EQ(map.Remove("a"), 0u);
    EXPECT_EQ(map.Remove("a"), JC_NameValueMap::ABSENT);
    EXPECT_EQ(map.Get("a"), JC_NameValueMap::ABSENT);
    EXPECT_EQ(map.Get("b"), 2u);

    map.Clear();
    EXPECT_EQ(map.Get("b"), JC_NameValueMap::ABSENT);
    map.Reset(3);
    EXPECT_EQ(map.Get(""), 0u);
}

TEST(JC_FileLister, ListsMatchingFilesButNoFolders)
{
    ScopedTempFolder folder;
    ASSERT_TRUE(WriteTestFile(folder.File("a.h"), "x"));
    ASSERT_TRUE(WriteTestFile(folder.File("b.h"), "x"));
    ASSERT_TRUE(WriteTestFile(folder.File("c.txt"), "x"));
    ASSERT_TRUE(CreateDirectoryA(folder.File("dir.h").c_str(), nullptr));

    const JC_FileLister lister;
    std::vector<std::string> names{"old"};
    lister.ListFiles(folder.Path() + "\\", "*.h", names);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.h", "b.h"}));

    lister.ListFiles(folder.Path() + "\\", "*.none", names);
    EXPECT_TRUE(names.empty());
    lister.ListFiles(folder.Path() + "\\", "dir.h", names);
    EXPECT_TRUE(names.empty());
}
