#pragma once

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XC_TextTree.h"

#include <memory>
#include <string>

// Text trees for the scene tests: parsed from a text, and written back as
// the lines the file writer would give, one "\n" after each.
// Header-only, so only test programs that link the engine pull it in.
inline std::unique_ptr<XC_TextTree> ParseTree(const std::string& strText)
{
    std::unique_ptr<XC_TextTree> pTree(new XC_TextTree);
    pTree->LoadMem(strText.data(), static_cast<DWORD>(strText.size()));
    return pTree;
}

inline std::string TreeText(const XC_TextNode& node)
{
    XC_IOTextFile lines;
    node.Save(&lines, "");
    std::string strText;
    for (DWORD i = 0; i < lines.GetLineCount(); ++i)
        strText += std::string(lines.GetLine(i)) + "\n";
    return strText;
}

// An element file of pictures named after the file: prefix0, prefix1, ...
inline std::string PictureElements(const std::string& strPrefix, int iCount)
{
    std::string strText;
    for (int i = 0; i < iCount; ++i)
        strText += "[Pic]\n{\nType = pic\nName = " + strPrefix + std::to_string(i) + "\n}\n";
    return strText;
}
