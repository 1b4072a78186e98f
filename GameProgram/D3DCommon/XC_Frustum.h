#pragma once

#include "GameProgram/D3DCommon/XS_BoundingSphere.h"

#include <windows.h>
#include <d3dx9math.h>

// The six planes of a view volume, built from a view and a projection
// matrix, with tests for what can be seen. Every plane faces inwards.
class XC_Frustum
{
public:
    XC_Frustum();
    virtual ~XC_Frustum() = default;

    virtual void Build(D3DXMATRIX matView, D3DXMATRIX matProjection);
    virtual BOOL PointInFrustum(const D3DXVECTOR3* pPoint) const;
    virtual BOOL PointInFrustum(float fX, float fY, float fZ) const;
    virtual BOOL CubeInFrustum(const D3DXVECTOR3* pCenter, float fHalfSize) const;
    virtual BOOL CubeInFrustum(float fX, float fY, float fZ, float fHalfSize) const;
    virtual BOOL BoxInFrustum(const D3DXVECTOR3* pCenter, const D3DXVECTOR3* pHalfExtents) const;
    virtual BOOL BoxInFrustum(float fX, float fY, float fZ, float fHalfX, float fHalfY, float fHalfZ) const;
    // A sphere that cuts a plane counts as inside.
    virtual BOOL SphereInFrustum(const XS_BoundingSphere* pSphere) const;
    virtual BOOL SphereInFrustum(const D3DXVECTOR3* pCenter, float fRadius) const;
    virtual BOOL SphereInFrustum(float fX, float fY, float fZ, float fRadius) const;
    // The signed distance of a point from the near plane.
    virtual float GetNearDistance(const D3DXVECTOR3* pPoint) const;
    virtual const D3DXVECTOR3* GetCorners() const;

private:
    static const int CORNER_COUNT = 8;
    static const int PLANE_COUNT = 6;

    D3DXVECTOR3 m_vCorners[CORNER_COUNT];
    D3DXPLANE m_Planes[PLANE_COUNT];
};
