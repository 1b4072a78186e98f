#pragma once

#include "GameProgram/DirectState/XC_SetState.h"

#include <windows.h>

class XC_TextNode;

// Texture coordinates of one stage made by the device from camera-space
// vertex data instead of taken from the vertices.
class XC_TextureSpecialEffect_TexCoordGen : public XC_SetState
{
public:
    HRESULT Apply() override;
    HRESULT Restore(XI_DirectState* pPredecessor) override;

    // Takes the stage from the keys of an effect's node.
    void Read(const XC_TextNode& TNode);
    DWORD GetStage() const { return m_dwStage; }

protected:
    XC_TextureSpecialEffect_TexCoordGen(DWORD dwTexCoordIndex, DWORD dwTransformFlags);

private:
    DWORD m_dwStage = 0;
    const DWORD m_dwTexCoordIndex;
    const DWORD m_dwTransformFlags;
};
