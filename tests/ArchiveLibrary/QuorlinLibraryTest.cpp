#include "ArchiveLibrary/JC_QuorlinModule.h"
#include "tests/ArchiveLibrary/QuorlinTestData.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

// The library as the game binds it: loaded by name, reached through its two
// exports and the archive interface.

namespace {

JI_Quorlin* const SENTINEL = reinterpret_cast<JI_Quorlin*>(static_cast<std::intptr_t>(0x1234));

class QuorlinLibrary : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hModule = LoadLibraryA("Quorlin_R.dll");
        ASSERT_NE(m_hModule, nullptr);
        m_pfnGet = reinterpret_cast<JD_GET_QUORLINOBJ>(
            reinterpret_cast<void*>(GetProcAddress(m_hModule, "JD_Get_QuorlinObj")));
        m_pfnDel = reinterpret_cast<JD_DEL_QUORLINOBJ>(
            reinterpret_cast<void*>(GetProcAddress(m_hModule, "JD_Del_QuorlinObj")));
        ASSERT_NE(m_pfnGet, nullptr);
        ASSERT_NE(m_pfnDel, nullptr);
        ASSERT_EQ(m_pfnGet(&IID_Quorlin_First, &IID_Quorlin_Second, &m_pQuorlin), 0);
        ASSERT_NE(m_pQuorlin, nullptr);
    }

    void TearDown() override
    {
        if (m_pQuorlin != nullptr) {
            EXPECT_EQ(m_pfnDel(&IID_Quorlin_First, &IID_Quorlin_Second, m_pQuorlin), 0);
        }
        FreeLibrary(m_hModule);
    }

    // A small archive: "Data\a.txt" and "Data\Sub\b.bin".
    std::string SmallArchive()
    {
        const std::string source = m_folder.File("small");
        CreateDirectoryA(source.c_str(), nullptr);
        WriteTree(source, {{"Data\\a.txt", TextBytes(1000, 1)}, {"Data\\Sub\\b.bin", NoiseBytes(200, 2)}});
        const std::string archive = m_folder.File("small.jbf");
        EXPECT_EQ(BuildArchive(source, archive), 0);
        return archive;
    }

    ScopedTempFolder m_folder;
    HMODULE m_hModule = nullptr;
    JD_GET_QUORLINOBJ m_pfnGet = nullptr;
    JD_DEL_QUORLINOBJ m_pfnDel = nullptr;
    JI_Quorlin* m_pQuorlin = nullptr;
};

} // namespace

TEST_F(QuorlinLibrary, ExportsCheckBothIdentifiers)
{
    JS_QuorlinID other = IID_Quorlin_Second;
    other.byData4[7] ^= 1;
    struct Case { const JS_QuorlinID* first; const JS_QuorlinID* second; std::int32_t result; };
    const Case cases[] = {
        {&IID_Quorlin_Second, &IID_Quorlin_First, QUORLIN_E_FIRST_ID},
        {&IID_Quorlin_First, &other, QUORLIN_E_SECOND_ID},
        {nullptr, &IID_Quorlin_Second, QUORLIN_E_FIRST_ID},
        {&IID_Quorlin_First, nullptr, QUORLIN_E_SECOND_ID},
    };
    for (const Case& c : cases) {
        JI_Quorlin* pOut = SENTINEL;
        EXPECT_EQ(m_pfnGet(c.first, c.second, &pOut), c.result);
        EXPECT_EQ(pOut, SENTINEL);
        EXPECT_EQ(m_pfnDel(c.first, c.second, m_pQuorlin), c.result);
    }
    EXPECT_EQ(m_pfnDel(&IID_Quorlin_First, &IID_Quorlin_Second, nullptr), 0);
}

TEST_F(QuorlinLibrary, OpenOnceAtATime)
{
    const std::string archive = SmallArchive();
    EXPECT_EQ(m_pQuorlin->ProjectOpen(archive.c_str()), 0);
    EXPECT_EQ(m_pQuorlin->ProjectOpen(archive.c_str()), QUORLIN_E_OPEN_ALREADY);
    EXPECT_EQ(m_pQuorlin->ProjectClose(), 0);
    EXPECT_EQ(m_pQuorlin->ProjectOpen(archive.c_str()), 0);
    EXPECT_EQ(m_pQuorlin->Initiation(), 0);
    EXPECT_EQ(m_pQuorlin->ProjectOpen(m_folder.File("missing.jbf").c_str()), QUORLIN_E_OPEN_FILE);
    EXPECT_EQ(m_pQuorlin->ProjectOpen(nullptr), QUORLIN_E_OPEN_FILE);
}

TEST_F(QuorlinLibrary, GetFileExSizesAndBuffers)
{
    ASSERT_EQ(m_pQuorlin->ProjectOpen(SmallArchive().c_str()), 0);
    std::uint8_t* pBuffer = nullptr;
    std::uint32_t size = 77;
    EXPECT_EQ(m_pQuorlin->GetFileEx("Data\\Sub", &pBuffer, &size), QUORLIN_E_GETFILEEX_NOT_FOUND);
    EXPECT_EQ(m_pQuorlin->GetFileEx("Data\\none.txt", &pBuffer, &size), QUORLIN_E_GETFILEEX_NOT_FOUND);
    EXPECT_EQ(m_pQuorlin->GetFileEx("data\\sub\\B.BIN", &pBuffer, &size), 0);
    EXPECT_EQ(size, 200u);

    std::string buffer(200, '\0');
    pBuffer = reinterpret_cast<std::uint8_t*>(buffer.data());
    EXPECT_EQ(m_pQuorlin->GetFileEx("Data\\Sub\\b.bin", &pBuffer, &size), 0);
    EXPECT_EQ(size, 200u);
    EXPECT_EQ(buffer, NoiseBytes(200, 2));
    size = 199;
    EXPECT_EQ(m_pQuorlin->GetFileEx("Data\\Sub\\b.bin", &pBuffer, &size), QUORLIN_E_GETFILEEX_SMALL);
    EXPECT_EQ(m_pQuorlin->GetFileEx("Data\\Sub\\b.bin", nullptr, &size), QUORLIN_E_GETFILEEX_ARGUMENT);
}

TEST_F(QuorlinLibrary, GetFileHandsOutABufferToFree)
{
    ASSERT_EQ(m_pQuorlin->ProjectOpen(SmallArchive().c_str()), 0);
    std::uint8_t byte = 0;
    std::uint8_t* pBuffer = &byte;
    std::uint32_t size = 5;
    EXPECT_EQ(m_pQuorlin->GetFile("Data\\a.txt", &pBuffer, &size), QUORLIN_E_GETFILE_BUFFER);
    EXPECT_EQ(size, 5u);
    pBuffer = nullptr;
    EXPECT_EQ(m_pQuorlin->GetFile("Data\\nothing", &pBuffer, &size), QUORLIN_E_GETFILE_NOT_FOUND);
    ASSERT_EQ(m_pQuorlin->GetFile("Data\\a.txt", &pBuffer, &size), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pBuffer), size), TextBytes(1000, 1));
    EXPECT_EQ(m_pQuorlin->FreeFile(&pBuffer), 0);
    EXPECT_EQ(pBuffer, nullptr);
    EXPECT_EQ(m_pQuorlin->FreeFile(&pBuffer), 0);
}

TEST_F(QuorlinLibrary, RoundTripOfABig5TreeThroughTheLibrary)
{
    const std::string source = m_folder.File("tree");
    CreateDirectoryA(source.c_str(), nullptr);
    // Names whose Big5 trail bytes are backslashes: "許功蓋" and "功能".
    const TestFiles files = {
        {"\xB3\x5C\xA5\x5C\xBB\x5C.txt", TextBytes(2000, 1)},
        {"\xA5\x5C\xAF\xE0\\inner.txt", TextBytes(300, 2)},
        {"\xA5\x5C\xAF\xE0\\\xB3\x5C\\several.bin", TextBytes(900000, 3) + NoiseBytes(700000, 4)},
        {"Script\\empty.txt", ""},
        {"Script\\s.txt", TextBytes(40, 5)},
    };
    WriteTree(source, files);
    const std::string archive = m_folder.File("tree.jbf");

    // Through the manager the library hands out, as the archive tool reaches it.
    JC_QuorlinModule module;
    JC_Quorlin* pBuilder = module.NewManager();
    ASSERT_NE(pBuilder, nullptr);
    ASSERT_EQ(JC_QuorlinModule::AddFolderContents(*pBuilder, source, ""), 0);
    EXPECT_EQ(pBuilder->BuildFromFolder(archive.c_str(), nullptr), QUORLIN_E_CHECK_MESSAGES);
    ASSERT_EQ(pBuilder->GetMessages().size(), 1u);
    EXPECT_EQ(pBuilder->GetMessages()[0], "節點錯誤: Script\\empty.txt (檔案是空的)");
    module.DeleteManager(pBuilder);
    DeleteFileA((source + "\\Script\\empty.txt").c_str());
    ASSERT_EQ(BuildArchive(source, archive), 0);

    ASSERT_EQ(m_pQuorlin->ProjectOpen(archive.c_str()), 0);
    for (const auto& file : files) {
        if (file.second.empty())
            continue;
        std::int32_t result = -1;
        EXPECT_EQ(ReadThrough(*m_pQuorlin, file.first, &result), file.second) << file.first;
        EXPECT_EQ(result, 0);
    }

    // An update merged in, then everything extracted, gives back both sources.
    const std::string update = m_folder.File("update");
    CreateDirectoryA(update.c_str(), nullptr);
    WriteTree(update, {{"Script\\s.txt", TextBytes(60, 6)}, {"New\\n.txt", TextBytes(10, 7)}});
    const std::string updateArchive = m_folder.File("update.jbf");
    ASSERT_EQ(BuildArchive(update, updateArchive), 0);
    ASSERT_EQ(m_pQuorlin->ProjectUpdate(updateArchive.c_str(), archive.c_str()), 0);

    JC_Quorlin* pExtractor = module.NewManager();
    ASSERT_NE(pExtractor, nullptr);
    ASSERT_EQ(pExtractor->ProjectOpen(archive.c_str()), 0);
    const std::string out = m_folder.File("out");
    CreateDirectoryA(out.c_str(), nullptr);
    EXPECT_EQ(pExtractor->ExtractNodes(nullptr, (out + "\\").c_str(), nullptr), 0);
    module.DeleteManager(pExtractor);
    std::map<std::string, std::string> expected = TreeOf(source);
    expected["Script\\s.txt"] = TextBytes(60, 6);
    expected["New\\n.txt"] = TextBytes(10, 7);
    EXPECT_EQ(TreeOf(out), expected);
}
