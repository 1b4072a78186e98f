#pragma once

#include "GameProgram/Common/XC_TextNode.h"

// A text-tree document: the root node "[root]" with the file operations.
// Nodes are written "[Name]" with their leaves and children between "{" and
// "}" lines; leaves are written "name = value"; "//" starts a comment.
class XC_TextTree : public XC_TextNode
{
public:
    XC_TextTree();
    using XC_TextNode::Save;

    // Replaces the content with the file's; E_FAIL, leaving the tree as it
    // was, when the file cannot be read.
    HRESULT LoadFile(const char* szPath);
    // Replaces the content with the text of the block; reports name the
    // block by szSourceName when one is given.
    HRESULT LoadMem(const void* pData, DWORD dwSize, const char* szSourceName = nullptr);
    // Writes the root's child nodes (not the root's own leaves); E_FAIL when
    // the file cannot be written, leaving an old file as it was.
    HRESULT Save(const char* szPath) const;
};
