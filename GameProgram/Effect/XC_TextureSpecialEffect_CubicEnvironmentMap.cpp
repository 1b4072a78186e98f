#include "GameProgram/Effect/XC_TextureSpecialEffect_CubicEnvironmentMap.h"

#include <d3d9.h>

XC_TextureSpecialEffect_CubicEnvironmentMap::XC_TextureSpecialEffect_CubicEnvironmentMap()
    : XC_TextureSpecialEffect_TexCoordGen(D3DTSS_TCI_CAMERASPACEREFLECTIONVECTOR, D3DTTFF_COUNT3)
{
}
