#include "GameProgram/Effect/XC_TextureSpecialEffect_ProjectiveTexturing.h"

#include <d3d9.h>

XC_TextureSpecialEffect_ProjectiveTexturing::XC_TextureSpecialEffect_ProjectiveTexturing()
    : XC_TextureSpecialEffect_TexCoordGen(D3DTSS_TCI_CAMERASPACEPOSITION, D3DTTFF_COUNT3 | D3DTTFF_PROJECTED)
{
}
