#pragma once

#include <d3dx9.h>

// A frame of a mesh hierarchy in the D3DX layout, followed by its combined
// transformation, which the drawables bring up to date every frame and which
// skinned meshes read through their bone matrix pointers.
struct XS_XFileFrame : public D3DXFRAME
{
    D3DXMATRIX m_matCombined;
};
