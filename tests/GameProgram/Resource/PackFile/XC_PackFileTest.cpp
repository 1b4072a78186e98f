#include "GameProgram/Resource/PackFile/XC_MultiPackFile.h"
#include "GameProgram/Resource/PackFile/XC_PackFile.h"
#include "GameProgram/Resource/PackFile/XC_PackFileManager.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string DataOf(XI_PackFile& pack, const char* name)
{
    std::unique_ptr<XS_FileData> pData(pack.GetData(name));
    if (pData == nullptr)
        return "<none>";
    return std::string(reinterpret_cast<const char*>(pData->pData), pData->dwSize);
}

} // namespace

TEST(XC_PackFile, FolderPacksReadEntriesBelowTheirPath)
{
    ScopedTempFolder folder;
    CreateDirectoryA(folder.File("Texture").c_str(), nullptr);
    CreateDirectoryA(folder.File("Texture\\a").c_str(), nullptr);
    WriteTestFile(folder.File("Texture\\a\\b.bmp"), "picture");
    WriteTestFile(folder.File("Texture\\empty.txt"), "");

    XC_PackFileManager manager;
    ASSERT_EQ(manager.Init((folder.Path() + "\\").c_str()), S_OK);
    XI_PackFile* pPack = manager.OpenPackFile("Texture");
    ASSERT_NE(pPack, nullptr);
    EXPECT_EQ(std::string(pPack->GetPath()), folder.Path() + "\\Texture\\");
    EXPECT_EQ(DataOf(*pPack, "a\\b.bmp"), "picture");
    EXPECT_EQ(DataOf(*pPack, "a\\missing.bmp"), "<none>");
    // An empty entry is reported and still handed out.
    std::unique_ptr<XS_FileData> pEmpty(pPack->GetData("empty.txt"));
    ASSERT_NE(pEmpty, nullptr);
    EXPECT_EQ(pEmpty->dwSize, 0u);
    EXPECT_NE(manager.OpenPackFile("Texture"), pPack);
    EXPECT_EQ(manager.GetPackFileCount(), 2u);
    EXPECT_EQ(manager.Fini(), S_OK);
    EXPECT_EQ(manager.GetPackFileCount(), 0u);
}

TEST(XC_PackFile, NoBaseFolderMeansTheCurrentOne)
{
    XC_PackFileManager manager;
    ASSERT_EQ(manager.Init(nullptr), S_OK);
    XI_PackFile* pPack = manager.OpenPackFile("Texture");
    ASSERT_NE(pPack, nullptr);
    EXPECT_STREQ(pPack->GetPath(), "Texture\\");
    XC_PackFile unset;
    EXPECT_EQ(unset.GetPath(), nullptr);
}

TEST(XC_MultiPackFile, TheFirstPackThatHasANameAnswers)
{
    ScopedTempFolder folder;
    CreateDirectoryA(folder.File("One").c_str(), nullptr);
    CreateDirectoryA(folder.File("Two").c_str(), nullptr);
    WriteTestFile(folder.File("One\\both.txt"), "one");
    WriteTestFile(folder.File("Two\\both.txt"), "two");
    WriteTestFile(folder.File("Two\\second.txt"), "second");
    XC_PackFileManager manager;
    manager.Init((folder.Path() + "\\").c_str());

    XC_MultiPackFile multi;
    EXPECT_EQ(multi.GetPath(), nullptr);
    EXPECT_EQ(DataOf(multi, "both.txt"), "<none>");
    EXPECT_EQ(multi.Add(nullptr), E_FAIL);
    ASSERT_EQ(multi.Add(manager.OpenPackFile("One")), S_OK);
    ASSERT_EQ(multi.Add(manager.OpenPackFile("Two")), S_OK);
    EXPECT_EQ(std::string(multi.GetPath()), folder.Path() + "\\One\\");
    EXPECT_EQ(DataOf(multi, "both.txt"), "one");
    EXPECT_EQ(DataOf(multi, "second.txt"), "second");
    EXPECT_EQ(DataOf(multi, "neither.txt"), "<none>");
    EXPECT_EQ(multi.Clear(), S_OK);
    EXPECT_EQ(multi.GetPath(), nullptr);
    // The packs stay with their manager.
    EXPECT_EQ(manager.GetPackFileCount(), 2u);
}
