#pragma once

#include "GameProgram/Effect/XC_TextureSpecialEffect_TexCoordGen.h"

// A cube environment map: the stage's coordinates are the camera-space
// reflection vector.
class XC_TextureSpecialEffect_CubicEnvironmentMap : public XC_TextureSpecialEffect_TexCoordGen
{
public:
    XC_TextureSpecialEffect_CubicEnvironmentMap();
};
