// Text trees of any bytes (scripts, scenes, layouts, effects, "Game.ini" are
// all text trees): reading never faults, and what a tree saves reads back as
// the same tree. Leaves placed directly on the root are not saved, so the
// root's child nodes are compared.

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XC_TextTree.h"

#include <cstdint>
#include <string>

namespace {

std::string Describe(const XC_TextNode& node)
{
    std::string strText = node.GetName() != nullptr ? node.GetName() : "";
    strText += '{';
    for (int i = 0; i < node.GetLeafCount(); ++i) {
        const XC_TextLeaf* pLeaf = node.GetLeaf(i);
        strText += std::string(pLeaf->GetName()) + '=' + pLeaf->GetValue() + ';';
    }
    for (int i = 0; i < node.GetChildNodeCount(); ++i)
        strText += Describe(*node.FindChildNode(i));
    return strText + '}';
}

std::string DescribeChildren(const XC_TextTree& tree)
{
    std::string strText;
    for (int i = 0; i < tree.GetChildNodeCount(); ++i)
        strText += Describe(*tree.FindChildNode(i));
    return strText;
}

// The bytes XC_TextTree::Save writes into a file.
std::string Saved(const XC_TextTree& tree)
{
    XC_IOTextFile lines;
    for (int i = 0; i < tree.GetChildNodeCount(); ++i)
        tree.FindChildNode(i)->Save(&lines, "");
    std::string strText;
    for (DWORD i = 0; i < lines.GetLineCount(); ++i)
        strText += std::string(lines.GetLine(i)) + "\r\n";
    return strText;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    XC_TextTree first;
    first.LoadMem(pData, static_cast<DWORD>(size));
    const std::string strSaved = Saved(first);
    XC_TextTree second;
    second.LoadMem(strSaved.data(), static_cast<DWORD>(strSaved.size()));
    if (DescribeChildren(second) != DescribeChildren(first))
        __builtin_trap();
    return 0;
}
