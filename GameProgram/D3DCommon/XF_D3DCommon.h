#pragma once

#include "GameProgram/D3DCommon/XS_BoundingSphere.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

// Vector, quaternion, material, texture and screenshot helpers.

// Two-sided ray and triangle test (Moller-Trumbore). On a hit in front of the
// origin writes the distance and the barycentric u and v to the outputs that
// are not null and answers TRUE; otherwise writes nothing.
BOOL XF_IntersectRayTriangle(const D3DXVECTOR3* pOrigin, const D3DXVECTOR3* pDirection,
                             const D3DXVECTOR3* pP0, const D3DXVECTOR3* pP1, const D3DXVECTOR3* pP2,
                             float* pfDistance, float* pfU, float* pfV);
float XF_GetDistance(const D3DXVECTOR3* pA, const D3DXVECTOR3* pB);
// The angle between two vectors in radians; 0 when one of them has no length.
float XF_GetVectorAngle(const D3DXVECTOR3* pA, const D3DXVECTOR3* pB);
// Pitch, yaw and roll (x, y, z) of a rotation quaternion.
D3DXVECTOR3 XF_QuaternionToRotation(const D3DXQUATERNION* pQuaternion);
D3DXVECTOR3 XF_RandomVector3(const D3DXVECTOR3* pMin, const D3DXVECTOR3* pMax);
D3DXVECTOR4 XF_RandomVector4(const D3DXVECTOR4* pMin, const D3DXVECTOR4* pMax);
// Multiplies the diffuse, ambient and emissive colours by an ARGB colour.
void XF_ModulateMaterial(D3DMATERIAL9* pMaterial, DWORD dwColor);
// Saves back buffer 0 as a ".bmp"; a format of 0 or a size of 0 or less
// takes the back buffer's own.
HRESULT XF_SaveBackBuffer(IDirect3DDevice9* pD3DDevice, const char* szFileName, D3DFORMAT format,
                          int iWidth, int iHeight);
// The A8R8G8B8 colour of the texel of level 0 at (u, v); coordinates outside
// [0, 1) take the nearest texel of the edge.
HRESULT XF_GetPixelColorFromTexture(IDirect3DTexture9* pTexture, float fU, float fV, DWORD* pdwColor);
// Draws level 0 at its own pixel size at the top-left of the screen, with
// the depth states switched on again afterwards.
HRESULT XF_RenderTextureRHW(IDirect3DTexture9* pTexture);
// The point times the matrix in the row-vector convention, without division by w.
D3DXVECTOR3 XF_TransformPoint(const D3DXVECTOR3* pPoint, const D3DXMATRIX* pMatrix);
// Moves the centre by the matrix and multiplies the radius by the largest
// scale component.
void XF_TransformBoundingSphere(XS_BoundingSphere* pSphere, const D3DXMATRIX* pMatrix,
                                const D3DXVECTOR3* pScale);
