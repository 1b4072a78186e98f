#include "ArchiveLibrary/JC_Quorlin.h"

#include "GameProgram/Common/XF_Cp950.h"

#include <gtest/gtest.h>

namespace {

JC_QuorlinNode* NewNode(const std::string& name, std::uint32_t kind)
{
    JC_QuorlinNode* pNode = new JC_QuorlinNode;
    pNode->m_strName = name;
    pNode->m_dwKind = kind;
    return pNode;
}

const std::uint32_t FOLDER = JC_QuorlinNode::KIND_FOLDER;
const std::uint32_t FILE_ = JC_QuorlinNode::KIND_FILE;

// The names of a sibling list in order.
std::vector<std::string> Names(const JC_QuorlinNode* pFirst)
{
    std::vector<std::string> names;
    for (const JC_QuorlinNode* pNode = pFirst; pNode != nullptr; pNode = pNode->m_pNext)
        names.push_back(pNode->m_strName);
    return names;
}

} // namespace

TEST(JC_QuorlinTree, InsertKeepsFoldersFirstAndNamesSortedWithoutCase)
{
    JC_Quorlin quorlin;
    EXPECT_EQ(quorlin.InsertChildNode(nullptr, NewNode("b.txt", FILE_)), 0);
    EXPECT_EQ(quorlin.InsertChildNode(nullptr, NewNode("Zeta", FOLDER)), 0);
    EXPECT_EQ(quorlin.InsertChildNode(nullptr, NewNode("A.txt", FILE_)), 1);
    EXPECT_EQ(quorlin.InsertChildNode(nullptr, NewNode("alpha", FOLDER)), 0);
    EXPECT_EQ(quorlin.InsertChildNode(nullptr, NewNode("C.TXT", FILE_)), 4);
    EXPECT_EQ(Names(quorlin.GetFirstNode()), (std::vector<std::string>{"alpha", "Zeta", "A.txt", "b.txt", "C.TXT"}));
    EXPECT_EQ(quorlin.GetTopCount(), 5u);
    EXPECT_EQ(quorlin.GetTrailer().dwFolderCount, 2u);
    EXPECT_EQ(quorlin.GetTrailer().dwFileCount, 3u);
}

TEST(JC_QuorlinTree, DuplicatesAreRefusedPerKind)
{
    JC_Quorlin quorlin;
    JC_QuorlinNode* pFolder = NewNode("data", FOLDER);
    quorlin.InsertChildNode(nullptr, pFolder);
    ASSERT_EQ(quorlin.InsertChildNode(pFolder, NewNode("x.bin", FILE_)), 0);

    JC_QuorlinNode* pSame = NewNode("X.BIN", FILE_);
    EXPECT_EQ(quorlin.InsertChildNode(pFolder, pSame), -1);
    delete pSame;
    EXPECT_EQ(pFolder->m_dwChildFiles, 1u);
    EXPECT_EQ(pFolder->m_dwChildCount, 1u);
    // A folder of that name may stand beside the file.
    EXPECT_EQ(quorlin.InsertChildNode(pFolder, NewNode("x.bin", FOLDER)), 0);
    EXPECT_EQ(pFolder->m_dwChildFolders, 1u);
    EXPECT_EQ(pFolder->m_dwChildCount, 2u);
}

TEST(JC_QuorlinTree, FindIgnoresCaseAndKeepsToTheKind)
{
    JC_Quorlin quorlin;
    for (const char* name : {"Music", "Sound", "Texture"})
        quorlin.InsertChildNode(nullptr, NewNode(name, FOLDER));
    for (int i = 0; i < 50; ++i)
        quorlin.InsertChildNode(nullptr, NewNode("file" + std::to_string(i) + ".txt", FILE_));
    // Big5 names whose trail byte is a backslash or an upper-case letter.
    quorlin.InsertChildNode(nullptr, NewNode("\xB3\x5C\xA5\x5C.txt", FILE_));
    quorlin.InsertChildNode(nullptr, NewNode("\xA4\x41", FILE_));

    ASSERT_NE(quorlin.FindChildNode(nullptr, "TEXTURE", FOLDER), nullptr);
    EXPECT_EQ(quorlin.FindChildNode(nullptr, "TEXTURE", FOLDER)->m_strName, "Texture");
    EXPECT_EQ(quorlin.FindChildNode(nullptr, "texture", FILE_), nullptr);
    EXPECT_EQ(quorlin.FindChildNode(nullptr, "FILE37.TXT", FILE_)->m_strName, "file37.txt");
    EXPECT_EQ(quorlin.FindChildNode(nullptr, "file37.txt", FOLDER), nullptr);
    EXPECT_NE(quorlin.FindChildNode(nullptr, "\xB3\x5C\xA5\x5C.TXT", FILE_), nullptr);
    EXPECT_NE(quorlin.FindChildNode(nullptr, "\xA4\x41", FILE_), nullptr);
    // The trail byte 0x41 is not a letter to fold.
    EXPECT_EQ(quorlin.FindChildNode(nullptr, "\xA4\x61", FILE_), nullptr);
    EXPECT_EQ(quorlin.FindChildNode(nullptr, "file50.txt", FILE_), nullptr);
    EXPECT_EQ(quorlin.FindChildNode(reinterpret_cast<JC_QuorlinNode*>(QUORLIN_NODE_ROOT), "sound", FOLDER)
                  ->m_strName,
              "Sound");
}

// Sorted inserts and lookups order names as XF_CompareNoCase does, also for
// the bytes at its edges: 0x80 and 0xFF (single), a lead byte at the end, a
// trail byte that is a letter, and a zero byte.
TEST(JC_QuorlinTree, InsertAndFindFollowTheNameComparison)
{
    const std::vector<std::string> names = {
        "b", "B2", "\x80x", "\xFFx", "\xA4", "\xA4\x41", "\xA4\x61", "\xA4\x40z", "_", "[",
        "a", "A1", "\xFE\xFE", "\x81\x40", std::string("a\0b", 3), std::string("c\0", 2), "zz", "Z"};
    for (const bool bWithZero : {false, true}) {
        JC_Quorlin quorlin;
        std::vector<std::string> inserted;
        for (const std::string& name : names) {
            if (!bWithZero && name.find('\0') != std::string::npos)
                continue;
            if (quorlin.InsertChildNode(nullptr, NewNode(name, FILE_)) >= 0)
                inserted.push_back(name);
        }
        const std::vector<std::string> order = Names(quorlin.GetFirstNode());
        ASSERT_EQ(order.size(), inserted.size());
        for (size_t i = 1; i < order.size(); ++i)
            EXPECT_LT(XF_CompareNoCase(order[i - 1], order[i]), 0) << i;
        for (const std::string& name : inserted) {
            std::string upper = name;
            for (size_t at = 0; at < upper.size(); at += XF_CharLength(upper.c_str(), at, upper.size())) {
                if (upper[at] >= 'a' && upper[at] <= 'z')
                    upper[at] = static_cast<char>(upper[at] - 'a' + 'A');
            }
            const JC_QuorlinNode* pFound = quorlin.FindChildNode(nullptr, upper, FILE_);
            ASSERT_NE(pFound, nullptr) << name;
            EXPECT_EQ(XF_CompareNoCase(pFound->m_strName, name), 0) << name;
        }
    }
}

TEST(JC_QuorlinTree, PathWalkTakesFoldersThenOneFile)
{
    JC_Quorlin quorlin;
    JC_QuorlinNode* pData = NewNode("Data", FOLDER);
    quorlin.InsertChildNode(nullptr, pData);
    JC_QuorlinNode* pBig5 = NewNode("\xA5\x5C\xAF\xE0", FOLDER);  // a folder name with a 0x5C trail byte
    quorlin.InsertChildNode(pData, pBig5);
    JC_QuorlinNode* pFile = NewNode("a.txt", FILE_);
    quorlin.InsertChildNode(pBig5, pFile);
    quorlin.InsertChildNode(nullptr, NewNode("Data", FILE_));

    struct Case { const char* path; const JC_QuorlinNode* expected; };
    const Case cases[] = {
        {"data\\\xA5\x5C\xAF\xE0\\A.TXT", pFile},
        {"Data\\\\\xA5\x5C\xAF\xE0\\\\a.txt", pFile},  // doubled separators
        {"Data", quorlin.FindChildNode(nullptr, "Data", FILE_)},  // the last name is a file
        {"Data\\", pData},
        {"Data\\\xA5\x5C\xAF\xE0", nullptr},
        {"\\Data\\\xA5\x5C\xAF\xE0\\a.txt", nullptr},
        {"Data\\a.txt", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quorlin.FindNodeByPath(c.path), c.expected) << c.path;
    EXPECT_EQ(quorlin.FindNodeByPath(nullptr), nullptr);
}

TEST(JC_QuorlinTree, LinkingPlacesAndCounts)
{
    JC_Quorlin quorlin;
    JC_QuorlinNode* pParent = NewNode("p", FOLDER);
    quorlin.InsertChildNode(nullptr, pParent);
    JC_QuorlinNode* pB = quorlin.InsertNodeAt(NewNode("b", FILE_), pParent, QuorlinMarker(QUORLIN_NODE_LAST));
    quorlin.InsertNodeAt(NewNode("a", FILE_), pParent, QuorlinMarker(QUORLIN_NODE_FIRST));
    quorlin.InsertNodeAt(NewNode("c", FILE_), pParent, pB);
    quorlin.InsertNodeAt(NewNode("0", FILE_), pParent, nullptr);
    EXPECT_EQ(Names(pParent->m_pFirstChild), (std::vector<std::string>{"0", "a", "b", "c"}));
    EXPECT_EQ(pParent->m_dwChildCount, 4u);
    // Linking leaves the kind counts to the caller.
    EXPECT_EQ(pParent->m_dwChildFiles, 0u);

    JC_QuorlinNode* pSort = NewNode("s", FILE_);
    EXPECT_EQ(quorlin.InsertNodeAt(pSort, pParent, QuorlinMarker(QUORLIN_NODE_SORT)), nullptr);
    delete pSort;

    EXPECT_EQ(quorlin.GetChildAt(pParent, 0)->m_strName, "0");
    EXPECT_EQ(quorlin.GetChildAt(pParent, -1)->m_strName, "c");
    EXPECT_EQ(quorlin.GetChildAt(pParent, 2)->m_strName, "b");
    EXPECT_EQ(quorlin.GetChildAt(pParent, 4), nullptr);
    EXPECT_EQ(quorlin.GetChildAt(pParent, -2), nullptr);
}

TEST(JC_QuorlinTree, UnlinkDetachAndFree)
{
    JC_Quorlin quorlin;
    JC_QuorlinNode* pFolder = NewNode("f", FOLDER);
    quorlin.InsertChildNode(nullptr, pFolder);
    quorlin.InsertChildNode(pFolder, NewNode("inner", FILE_));
    JC_QuorlinNode* pTop = NewNode("top.txt", FILE_);
    quorlin.InsertChildNode(nullptr, pTop);

    quorlin.UnlinkNode(pTop);
    EXPECT_EQ(quorlin.GetTopCount(), 1u);
    EXPECT_EQ(quorlin.GetTrailer().dwFileCount, 0u);

    // Detaching the first top-level node moves the first node on and keeps
    // the subtree whole.
    EXPECT_EQ(quorlin.DetachNode(pFolder), 1);
    EXPECT_EQ(quorlin.GetFirstNode(), nullptr);
    EXPECT_EQ(quorlin.GetTopCount(), 0u);
    EXPECT_EQ(quorlin.FindChildNode(nullptr, "f", FOLDER), nullptr);
    EXPECT_EQ(pFolder->m_pFirstChild->m_strName, "inner");
    EXPECT_EQ(pFolder->m_pParent, nullptr);

    quorlin.InsertChildNode(nullptr, pFolder);
    EXPECT_EQ(quorlin.FreeNodeTree(), 1);
    EXPECT_EQ(quorlin.GetFirstNode(), nullptr);
    EXPECT_EQ(quorlin.GetTrailer().dwFolderCount, 0u);
}

TEST(JC_QuorlinTree, DetachingLeavesATreeThatLookupsAndTablesDescribe)
{
    JC_Quorlin quorlin;
    JC_QuorlinNode* pFolder = NewNode("f", FOLDER);
    quorlin.InsertChildNode(nullptr, pFolder);
    JC_QuorlinNode* pSub = NewNode("sub", FOLDER);
    quorlin.InsertChildNode(pFolder, pSub);
    for (const char* name : {"a", "b", "c", "d"})
        quorlin.InsertChildNode(pFolder, NewNode(name, FILE_));
    JC_QuorlinNode* pB = quorlin.FindChildNode(pFolder, "b", FILE_);

    EXPECT_EQ(quorlin.DetachNode(pB), 1);
    EXPECT_EQ(quorlin.DetachNode(pSub), 1);
    // The counts follow the children left, so every lookup stays within them
    // and a saved table holds counts that agree with its lists.
    EXPECT_EQ(Names(pFolder->m_pFirstChild), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(pFolder->m_dwChildCount, 3u);
    EXPECT_EQ(pFolder->m_dwChildFolders, 0u);
    EXPECT_EQ(pFolder->m_dwChildFiles, 3u);
    for (const char* name : {"a", "c", "d"})
        EXPECT_NE(quorlin.FindChildNode(pFolder, name, FILE_), nullptr) << name;
    EXPECT_EQ(quorlin.FindChildNode(pFolder, "b", FILE_), nullptr);

    // Detached nodes go elsewhere whole.
    EXPECT_EQ(quorlin.InsertChildNode(nullptr, pB), 1);
    EXPECT_EQ(quorlin.InsertChildNode(nullptr, pSub), 1);
    EXPECT_EQ(Names(quorlin.GetFirstNode()), (std::vector<std::string>{"f", "sub", "b"}));
    EXPECT_EQ(quorlin.GetTopCount(), 3u);
}
