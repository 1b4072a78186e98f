#pragma once

class XC_Texture;
class XC_TextNode;

// The texture a description's "TextureName" leaf names, with one reference
// for the caller (the manager's error picture for a missing file); null,
// reported, without the leaf or the manager.
XC_Texture* XF_LoadTextureOfNode(const XC_TextNode* pTNode, const char* szSourceFile);
