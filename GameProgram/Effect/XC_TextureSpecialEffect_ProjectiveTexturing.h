#pragma once

#include "GameProgram/Effect/XC_TextureSpecialEffect_TexCoordGen.h"

// Projective texturing: the stage's coordinates are the camera-space
// position, divided by their last component.
class XC_TextureSpecialEffect_ProjectiveTexturing : public XC_TextureSpecialEffect_TexCoordGen
{
public:
    XC_TextureSpecialEffect_ProjectiveTexturing();
};
