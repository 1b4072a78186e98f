#pragma once

#include "GameProgram/DirectState/XC_SetState.h"

class XC_Texture;

// A texture of the texture manager bound to a stage by a state set. The
// record holds one reference on its texture.
class XC_SetTexture : public XC_SetState
{
public:
    XC_SetTexture(DWORD dwStage, XC_Texture* pTextureObj);
    ~XC_SetTexture() override;

    HRESULT Apply() override;
    // Leaves the stage without a texture; the predecessor is not asked.
    HRESULT Restore(XI_DirectState* pPredecessor) override;

    DWORD GetStage() const { return m_dwStage; }
    XC_Texture* GetTextureObj() const { return m_pTextureObj; }
    // Takes a reference on the new texture and gives the old one back.
    void SetTextureObj(XC_Texture* pTextureObj);

private:
    DWORD m_dwStage;
    XC_Texture* m_pTextureObj;
};
