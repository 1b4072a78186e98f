#include "GameProgram/Resource/XS_2DTextureInfo.h"

XS_2DTextureInfo::~XS_2DTextureInfo()
{
    if (m_pVB != nullptr)
        m_pVB->Release();
}
