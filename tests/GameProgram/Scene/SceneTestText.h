#pragma once

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "GameProgram/Scene/XC_SceneElementManager.h"

#include <memory>
#include <string>

// Texts of the scene tests: text trees parsed from a text and written back
// as the lines the file writer would give (one "\n" after each), element
// files, and the names an element manager holds.
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

// The recorded file names of an element manager, each followed by a blank.
inline std::string ElementFileNames(const XC_SceneElementManager& elements)
{
    std::string strNames;
    for (DWORD i = 0; i < elements.GetSceneElementFileNameCount(); ++i)
        strNames += std::string(elements.GetSceneElementFileName(i)) + " ";
    return strNames;
}

// The names of an element manager's objects, in order, each followed by a blank.
inline std::string ElementObjectNames(const XC_SceneElementManager& elements)
{
    std::string strNames;
    for (DWORD i = 0; i < elements.GetRenderingObjectCount(); ++i)
        strNames += std::string(elements.GetRenderingObject(i)->GetName()) + " ";
    return strNames;
}
