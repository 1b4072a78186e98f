#include "ArchiveLibrary/JC_QuorlinModule.h"
#include "GameProgram/Resource/PackFile/XC_PackFile_JBF.h"
#include "GameProgram/Resource/PackFile/XC_PackFileManager_JBF.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <memory>

// This test program exports the library's two functions itself: they pass
// every call on to the real library and count the objects handed out and
// back, so a manager bound to this program's module shows what it does.

namespace {

HMODULE s_hRealLibrary = nullptr;
int s_iLiveObjects = 0;
bool s_bRefuse = false;

template <class T>
T RealExport(const char* szName)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(s_hRealLibrary, szName)));
}

} // namespace

extern "C" __declspec(dllexport) std::int32_t JD_Get_QuorlinObj(const JS_QuorlinID* pFirstID,
                                                                const JS_QuorlinID* pSecondID, JI_Quorlin** ppQuorlin)
{
    if (s_bRefuse)
        return QUORLIN_E_FIRST_ID;
    const std::int32_t result = RealExport<JD_GET_QUORLINOBJ>("JD_Get_QuorlinObj")(pFirstID, pSecondID, ppQuorlin);
    if (result == 0)
        ++s_iLiveObjects;
    return result;
}

extern "C" __declspec(dllexport) std::int32_t JD_Del_QuorlinObj(const JS_QuorlinID* pFirstID,
                                                                const JS_QuorlinID* pSecondID, JI_Quorlin* pQuorlin)
{
    const std::int32_t result = RealExport<JD_DEL_QUORLINOBJ>("JD_Del_QuorlinObj")(pFirstID, pSecondID, pQuorlin);
    if (result == 0 && pQuorlin != nullptr)
        --s_iLiveObjects;
    return result;
}

namespace {

std::string DataOf(XI_PackFile& pack, const char* name)
{
    std::unique_ptr<XS_FileData> pData(pack.GetData(name));
    if (pData == nullptr)
        return "<none>";
    return std::string(reinterpret_cast<const char*>(pData->pData), pData->dwSize);
}

// A game folder with the packs "Texture" (an archive and loose files),
// "Script" (an archive only) and "Broken" (a damaged archive and loose files).
class PackFileManagerJBF : public testing::Test
{
protected:
    void SetUp() override
    {
        s_hRealLibrary = LoadLibraryA("Quorlin_R.dll");
        ASSERT_NE(s_hRealLibrary, nullptr);
        MakeArchive("Texture", "a.txt", "from the archive");
        WriteTestFile(m_folder.File("Texture\\a.txt"), "loose");
        WriteTestFile(m_folder.File("Texture\\only_loose.txt"), "loose only");
        MakeArchive("Script", "s.txt", "script");
        CreateDirectoryA(m_folder.File("Broken").c_str(), nullptr);
        WriteTestFile(m_folder.File("Broken\\Broken.jbf"), std::string(200, '\x7F'));
        WriteTestFile(m_folder.File("Broken\\x.txt"), "loose x");
        m_base = m_folder.Path() + "\\";
    }

    void TearDown() override
    {
        EXPECT_EQ(s_iLiveObjects, 0);
        FreeLibrary(s_hRealLibrary);
    }

    void MakeArchive(const std::string& pack, const std::string& name, const std::string& content)
    {
        const std::string source = m_folder.File(pack + "_source");
        CreateDirectoryA(source.c_str(), nullptr);
        CreateDirectoryA(m_folder.File(pack).c_str(), nullptr);
        WriteTestFile(source + "\\" + name, content);
        JC_QuorlinModule module;
        JC_Quorlin* pManager = module.NewManager();
        ASSERT_NE(pManager, nullptr);
        ASSERT_EQ(JC_QuorlinModule::AddFolderContents(*pManager, source, ""), 0);
        ASSERT_EQ(pManager->BuildFromFolder(m_folder.File(pack + "\\" + pack + ".jbf").c_str(), nullptr), 0);
        module.DeleteManager(pManager);
    }

    ScopedTempFolder m_folder;
    std::string m_base;
};

} // namespace

TEST_F(PackFileManagerJBF, ArchiveComesBeforeLooseFiles)
{
    XC_PackFileManager_JBF manager;
    ASSERT_EQ(manager.Init(m_base.c_str(), s_hRealLibrary), S_OK);
    XI_PackFile* pPack = manager.OpenPackFile("Texture");
    ASSERT_NE(dynamic_cast<XC_PackFile_JBF*>(pPack), nullptr);
    EXPECT_EQ(std::string(pPack->GetPath()), m_folder.File("Texture\\Texture.jbf"));
    EXPECT_EQ(DataOf(*pPack, "a.txt"), "from the archive");
    EXPECT_EQ(DataOf(*pPack, "A.TXT"), "from the archive");
    EXPECT_EQ(DataOf(*pPack, "only_loose.txt"), "<none>");
    EXPECT_EQ(manager.Fini(), S_OK);
}

TEST_F(PackFileManagerJBF, DamagedArchiveFallsBackToTheFolder)
{
    XC_PackFileManager_JBF manager;
    ASSERT_EQ(manager.Init(m_base.c_str(), GetModuleHandleA(nullptr)), S_OK);
    XI_PackFile* pPack = manager.OpenPackFile("Broken");
    ASSERT_NE(pPack, nullptr);
    EXPECT_EQ(dynamic_cast<XC_PackFile_JBF*>(pPack), nullptr);
    EXPECT_EQ(std::string(pPack->GetPath()), m_folder.File("Broken\\"));
    EXPECT_EQ(DataOf(*pPack, "x.txt"), "loose x");
    // The object whose open failed went back at once.
    EXPECT_EQ(s_iLiveObjects, 0);
}

TEST_F(PackFileManagerJBF, EveryObjectGoesBackBeforeTheLibrary)
{
    XC_PackFileManager_JBF manager;
    ASSERT_EQ(manager.Init(m_base.c_str(), GetModuleHandleA(nullptr)), S_OK);
    XI_PackFile* pTexture = manager.OpenPackFile("Texture");
    XI_PackFile* pScript = manager.OpenPackFile("Script");
    manager.OpenPackFile("NoSuchPack");
    EXPECT_EQ(s_iLiveObjects, 2);
    EXPECT_EQ(DataOf(*pScript, "s.txt"), "script");
    EXPECT_EQ(DataOf(*pTexture, "a.txt"), "from the archive");

    // A second binding finishes the first.
    ASSERT_EQ(manager.Init(m_base.c_str(), GetModuleHandleA(nullptr)), S_OK);
    EXPECT_EQ(s_iLiveObjects, 0);
    EXPECT_EQ(manager.GetPackFileCount(), 0u);
    manager.OpenPackFile("Script");
    EXPECT_EQ(s_iLiveObjects, 1);
    EXPECT_EQ(manager.Fini(), S_OK);
    EXPECT_EQ(s_iLiveObjects, 0);
}

TEST_F(PackFileManagerJBF, WithoutTheLibraryEveryPackIsAFolder)
{
    HMODULE modules[] = {nullptr, GetModuleHandleA("kernel32.dll")};
    for (HMODULE hModule : modules) {
        XC_PackFileManager_JBF manager;
        ASSERT_EQ(manager.Init(m_base.c_str(), hModule), S_OK);
        XI_PackFile* pPack = manager.OpenPackFile("Texture");
        ASSERT_NE(pPack, nullptr);
        EXPECT_EQ(DataOf(*pPack, "a.txt"), "loose");
    }
    s_bRefuse = true;
    XC_PackFileManager_JBF manager;
    ASSERT_EQ(manager.Init(m_base.c_str(), GetModuleHandleA(nullptr)), S_OK);
    EXPECT_EQ(DataOf(*manager.OpenPackFile("Texture"), "a.txt"), "loose");
    s_bRefuse = false;
}

TEST_F(PackFileManagerJBF, UnreadableEntryGivesNothing)
{
    XC_PackFileManager_JBF manager;
    ASSERT_EQ(manager.Init(m_base.c_str(), GetModuleHandleA(nullptr)), S_OK);
    XI_PackFile* pPack = manager.OpenPackFile("Texture");
    ASSERT_NE(dynamic_cast<XC_PackFile_JBF*>(pPack), nullptr);
    // The size is known from the open table; the read then finds the file changed.
    WriteTestFile(m_folder.File("Texture\\Texture.jbf"), std::string(50, '\0'));
    EXPECT_EQ(DataOf(*pPack, "a.txt"), "<none>");
    EXPECT_EQ(manager.Fini(), S_OK);
}
