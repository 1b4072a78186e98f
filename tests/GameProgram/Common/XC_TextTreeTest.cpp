#include "GameProgram/Common/XC_TextTree.h"

#include "GameProgram/Common/XC_IOTextFile.h"

#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

std::unique_ptr<XC_TextTree> ReadTree(const std::string& text)
{
    auto tree = std::make_unique<XC_TextTree>();
    tree->LoadMem(text.data(), static_cast<DWORD>(text.size()));
    return tree;
}

// The tree's nodes and leaves as one line of text, for comparing shapes.
std::string Describe(const XC_TextNode& node)
{
    std::string text = node.GetName() != nullptr ? node.GetName() : "(null)";
    text += "{";
    for (int i = 0; i < node.GetLeafCount(); ++i) {
        const XC_TextLeaf* pLeaf = node.GetLeaf(i);
        text += std::string(pLeaf->GetName()) + "=" + pLeaf->GetValue() + ";";
    }
    for (int i = 0; i < node.GetChildNodeCount(); ++i)
        text += Describe(*node.FindChildNode(i));
    return text + "}";
}

} // namespace

TEST(XC_TextTree, ReadingTable)
{
    struct Case { const char* document; const char* shape; };
    const Case cases[] = {
        {"a = b = c", "[root]{a=b = c;}"},
        {"  Name  =   Value with blanks   ", "[root]{Name=Value with blanks;}"},
        {"Key = x // note", "[root]{Key=x;}"},
        {"Path = a//b", "[root]{Path=a;}"},
        {"x [Node]\n{\nk = v\n}", "[root]{[Node]{k=v;}}"},
        {"[Node] // c\n{\n}", "[root]{[Node]{}}"},
        {"[A] = 1", "[root]{[A]=1;}"},
        {"[Sys] {\nk = v\n}", "[root]{[Sys] {{k=v;}}"},
        {"[Sys]\nk = v\n}", "[root]{[Sys]{k=v;}}"},
        {"x = }", "[root]{x=};}"},
        {"[N]\n{\na = 1\nwhatever } else\nb = 2", "[root]{b=2;[N]{a=1;}}"},
        {"}\na = 1", "[root]{}"},
        {"[A]\n{\n[B]\n{\nb = 2\n}\na = 1\n}\n[C]\n{\n}", "[root]{[A]{a=1;[B]{b=2;}}[C]{}}"},
        {"[Open]\n{\nk = v", "[root]{[Open]{k=v;}}"},
        {"just text\n{\n\n", "[root]{}"},
        {"name =\n= value", "[root]{name=;=value;}"},
        {"\tTabbed\t=\tv\t", "[root]{Tabbed=v;}"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Describe(*ReadTree(c.document)), c.shape) << "document: " << c.document;
}

TEST(XC_TextTree, LineEndsAndBlankLinesReadTheSame)
{
    const std::string shape = "[root]{[S]{a=1;b=2;}}";
    EXPECT_EQ(Describe(*ReadTree("[S]\r\n{\r\na = 1\r\nb = 2\r\n}\r\n")), shape);
    EXPECT_EQ(Describe(*ReadTree("[S]\n{\na = 1\nb = 2\n}\n")), shape);
    EXPECT_EQ(Describe(*ReadTree("[S]\r{\ra = 1\rb = 2\r}\r")), shape);
    EXPECT_EQ(Describe(*ReadTree("\r\n\n[S]\r\n\r\n{\n\ra = 1\n\n\nb = 2\r}")), shape);
}

TEST(XC_TextTree, Big5TrailBytesAreNotSyntax)
{
    // 0xA5 0x5C and 0xA6 0x7C are characters whose trail bytes are '\' and
    // '|'; 0xAA 0x7D ends in '}' and 0xA4 0x5B in '['.
    const std::string document = "[\xA5\x5C\xA6\x7C]\n{\n\xA5\x5C\xA6\x7C = \xAA\x7D\xA4\x5B\xA6\x7C\n"
                                 "\xAA\x7D\n}\n";
    const auto tree = ReadTree(document);
    const XC_TextNode* pNode = tree->FindChildNode("[\xA5\x5C\xA6\x7C]");
    ASSERT_NE(pNode, nullptr);
    EXPECT_STREQ(pNode->GetStr("\xA5\x5C\xA6\x7C", ""), "\xAA\x7D\xA4\x5B\xA6\x7C");
    // A line of a lone character whose trail byte is '}' does not close the node.
    EXPECT_EQ(tree->GetChildNodeCount(), 1);
    EXPECT_EQ(pNode->GetLeafCount(), 1);
}

TEST(XC_TextTree, WritesTheDocumentFormatByteForByte)
{
    XC_TextTree tree;
    XC_TextNode* pSys = tree.AddNode("[Sys]");
    pSys->AddLeaf("Width", "800");
    XC_TextNode* pSub = pSys->AddNode("[Sub]");
    pSub->AddLeaf("Speed", 1.5f);
    pSub->AddLeaf("Count", -3);
    tree.AddLeaf("OnRoot", "lost"); // leaves on the root are not written

    ScopedTempFolder folder;
    const std::string path = folder.File("tree.txt");
    ASSERT_EQ(tree.Save(path.c_str()), S_OK);
    EXPECT_EQ(ReadTestFile(path), "\n[Sys]\r\n{\r\n\tWidth = 800\r\n\n\t[Sub]\r\n\t{\r\n"
                                  "\t\tSpeed = 1.500000\r\n\t\tCount = -3\r\n\t}\r\n}\r\n");
}

TEST(XC_TextTree, RoundTripKeepsNamesValuesOrderAndLongValues)
{
    const std::string longValue(1000, 'v');
    XC_TextTree tree;
    XC_TextNode* pA = tree.AddNode("[A]");
    pA->AddLeaf("first", "1");
    pA->AddLeaf("long", longValue.c_str());
    pA->AddLeaf("\xA5\x5C\xA6\x7C", "\xA5\x5C\xA6\x7C \xA4\x5B x");
    pA->AddLeaf("empty", "");
    pA->AddNode("[A1]")->AddLeaf("k", "v = w");
    tree.AddNode("[B]");

    ScopedTempFolder folder;
    const std::string path = folder.File("tree.txt");
    ASSERT_EQ(tree.Save(path.c_str()), S_OK);
    XC_TextTree readBack;
    ASSERT_EQ(readBack.LoadFile(path.c_str()), S_OK);
    EXPECT_EQ(Describe(readBack), Describe(tree));
    EXPECT_EQ(std::string(readBack.FindChildNode("[A]")->GetStr("long", "")), longValue);

    // Writing what was read gives the same bytes again.
    const std::string path2 = folder.File("tree2.txt");
    ASSERT_EQ(readBack.Save(path2.c_str()), S_OK);
    EXPECT_EQ(ReadTestFile(path2), ReadTestFile(path));
}

TEST(XC_TextTree, SaveReportsAFileItCannotWriteAndKeepsTheOldOne)
{
    ScopedTempFolder folder;
    XC_TextTree tree;
    tree.AddNode("[S]");
    EXPECT_EQ(tree.Save(folder.File("no_such_folder\\tree.txt").c_str()), E_FAIL);

    // A file that is open without sharing cannot be replaced: the old bytes stay.
    const std::string path = folder.File("locked.txt");
    ASSERT_TRUE(WriteTestFile(path, "old"));
    const HANDLE hLocked = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hLocked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(tree.Save(path.c_str()), E_FAIL);
    CloseHandle(hLocked);
    EXPECT_EQ(ReadTestFile(path), "old");
}

TEST(XC_TextTree, LoadFileFailsForAMissingFileAndKeepsTheTree)
{
    XC_TextTree tree;
    tree.AddNode("[Kept]");
    EXPECT_EQ(tree.LoadFile("Z:\\no\\such\\tree.txt"), E_FAIL);
    EXPECT_NE(tree.FindChildNode("[Kept]"), nullptr);
}

TEST(XC_IOTextFile, FilesThatCannotBeOpenedGetTheOpenFailure)
{
    ScopedTempFolder folder;
    const std::string held = folder.File("held.txt");
    ASSERT_TRUE(WriteTestFile(held, "a = 1\r\n"));
    const HANDLE hHeld = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    // A missing file, a folder and a file held without sharing all fail to open.
    for (const std::string& path : {folder.File("missing.txt"), folder.Path(), held}) {
        ErrorLogCapture log;
        XC_IOTextFile lines;
        EXPECT_EQ(lines.LoadFromFile(path.c_str()), E_FAIL) << path;
        EXPECT_TRUE(log.Contains("XC_IOTextFile 載入檔案 " + path + " 錯誤 ")) << log.Text();
        EXPECT_FALSE(log.Contains("ReadFile")) << log.Text();
    }
    CloseHandle(hHeld);
    XC_IOTextFile lines;
    EXPECT_EQ(lines.LoadFromFile(held.c_str()), S_OK);
    EXPECT_EQ(lines.GetLineCount(), 1u);
}

TEST(XC_TextTree, EmptyFileReportsAndGivesAnEmptyTree)
{
    ScopedTempFolder folder;
    const std::string path = folder.File("empty.txt");
    ASSERT_TRUE(WriteTestFile(path, ""));
    ErrorLogCapture log;
    XC_TextTree tree;
    tree.AddNode("[Old]");
    EXPECT_EQ(tree.LoadFile(path.c_str()), S_OK);
    EXPECT_EQ(tree.GetChildNodeCount(), 0);
    EXPECT_TRUE(log.Contains("( dwSize > 0 ) failed")) << log.Text();
}

TEST(XC_TextTree, DeepNestingIsCutOffInsteadOfExhaustingTheStack)
{
    std::string document;
    for (int i = 0; i < 100000; ++i)
        document += "[N]\n";
    document += "a = 1\n";
    for (int i = 0; i < 100000; ++i)
        document += "}\n";
    document += "after = 2\n";
    const auto tree = ReadTree(document);
    EXPECT_NE(tree->FindLeaf("after"), nullptr); // the dropped levels still balance their braces
    int iDepth = 0;
    for (const XC_TextNode* pNode = tree.get(); pNode->GetChildNodeCount() > 0; pNode = pNode->FindChildNode(0))
        ++iDepth;
    EXPECT_EQ(iDepth, XC_TextNode::MAX_DEPTH);
}

TEST(XC_TextLeaf, TypedValues)
{
    const auto pTree = ReadTree("b1 = 1\nb2 = TRUE\nb3 = true\nb4 = True\nb5 = 0\n"
                                "d1 = 0x10\nd2 = 0X10\nd3 = -1\ni1 =  -42xyz\nf1 = 2.5\n"
                                "c1 = 255 , 128 , 0 , 64\nc2 = 300,0,0,255\nc3 = 1,2,3\nc4 = -1,0,0,0\n"
                                "v1 = 1, 2 ,3\nv2 = 1,2\nq1 = 1,2,3,4\nq2 = 1");
    const XC_TextTree& tree = *pTree;
    EXPECT_TRUE(tree.GetBool("b1", FALSE));
    EXPECT_TRUE(tree.GetBool("b2", FALSE));
    EXPECT_TRUE(tree.GetBool("b3", FALSE));
    EXPECT_FALSE(tree.GetBool("b4", TRUE));
    EXPECT_FALSE(tree.GetBool("b5", TRUE));
    EXPECT_TRUE(tree.GetBool("missing", TRUE));
    EXPECT_EQ(tree.GetDword("d1", 9), 16u);
    EXPECT_EQ(tree.GetDword("d2", 9), 0u);
    EXPECT_EQ(tree.GetDword("d3", 9), 0xFFFFFFFFu);
    EXPECT_EQ(tree.GetInt("i1", 9), -42);
    EXPECT_EQ(tree.GetInt("missing", 9), 9);
    EXPECT_FLOAT_EQ(tree.GetFloat("f1", 0.0f), 2.5f);
    EXPECT_EQ(tree.GetColor("c1", 7), 0x40FF8000u);
    EXPECT_EQ(tree.GetColor("c2", 7), 0xFFFF0000u);
    EXPECT_EQ(tree.GetColor("c3", 7), 7u);
    EXPECT_EQ(tree.GetColor("c4", 7), 0x00FF0000u);
    EXPECT_STREQ(tree.GetStr("missing", "dflt"), "dflt");

    float x = 9, y = 9, z = 9;
    EXPECT_TRUE(tree.GetVector3("v1", &x, &y, &z));
    EXPECT_EQ(x + y * 10 + z * 100, 321.0f);
    EXPECT_FALSE(tree.GetVector3("v2", &x, &y, &z));
    EXPECT_EQ(x + y + z, 0.0f);
    EXPECT_FALSE(tree.GetVector3("missing", &x, &y, &z));

    int a = 0, b = 0, c = 0, d = 0;
    EXPECT_TRUE(tree.GetInt4("q1", &a, &b, &c, &d));
    EXPECT_EQ(a * 1000 + b * 100 + c * 10 + d, 1234);
    EXPECT_FALSE(tree.GetInt4("q2", &a, &b, &c, &d));
    EXPECT_EQ(a + b + c + d, 4 * 255);
    EXPECT_FALSE(tree.GetInt4("missing", &a, &b, &c, &d));
}

TEST(XC_TextNode, ChildAndLeafEditing)
{
    XC_TextTree tree;
    XC_TextNode* pA = tree.AddNode("[A]");
    XC_TextNode* pC = tree.AddNode("[C]");
    XC_TextNode* pB = new XC_TextNode;
    pB->SetName("[B]");
    tree.InsertChildNode(pB, 1);
    EXPECT_EQ(pB->GetParent(), &tree);
    EXPECT_EQ(tree.FindChildNode(1), pB);
    EXPECT_EQ(tree.FindChildNode(3), nullptr);
    EXPECT_EQ(tree.FindChildNode(-1), nullptr);

    tree.RemoveChildNode(pA);
    EXPECT_EQ(tree.GetChildNodeCount(), 2);
    EXPECT_EQ(pA->GetParent(), nullptr);
    tree.RemoveChildNode(pA); // not a child: nothing happens
    delete pA;
    tree.DeleteChildNode(pC);
    EXPECT_EQ(tree.GetChildNodeCount(), 1);
    tree.AddChildNode(nullptr); // reported, not added
    EXPECT_EQ(tree.GetChildNodeCount(), 1);

    XC_TextLeaf* pLeaf = pB->AddLeaf("k", "v", "comment");
    EXPECT_STREQ(pLeaf->GetComment(), "comment");
    XC_TextNode* pCopy = pB->Clone();
    ASSERT_NE(pCopy, nullptr);
    EXPECT_STREQ(pCopy->GetName(), "[B]");
    EXPECT_STREQ(pCopy->GetStr("k", ""), "v");
    EXPECT_EQ(pCopy->GetLeaf(0)->GetComment(), nullptr); // comments are not copied
    delete pCopy;
    pB->DeleteLeaf(pLeaf);
    EXPECT_EQ(pB->GetLeafCount(), 0);
    EXPECT_EQ(pB->FindLeaf(nullptr), nullptr);
}
