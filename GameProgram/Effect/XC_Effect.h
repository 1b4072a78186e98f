#pragma once

#include "GameProgram/DirectState/XC_SetDirectState.h"
#include "GameProgram/Resource/XC_Resource.h"

class XC_TextNode;

// A named, shared state set read from a text tree: render, texture-stage and
// sampler states, textures, and texture special effects (moving texture
// coordinates, cube environment maps, projective texturing).
class XC_Effect : public XC_SetDirectState, public XC_Resource
{
public:
    XC_Effect() = default;

    // Every section must be known and read, else the set is left empty.
    HRESULT LoadFromTextNode(const XC_TextNode* pTNode) override;
    // One "[TextureSpecialEffect]" section, chosen by its "Type".
    virtual HRESULT LoadTextureSpecialEffect(const XC_TextNode* pTNode);
};
