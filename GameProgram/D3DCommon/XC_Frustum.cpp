#include "GameProgram/D3DCommon/XC_Frustum.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const D3DXVECTOR3 CLIP_CORNERS[8] = {
    D3DXVECTOR3(-1.0f, -1.0f, 0.0f), D3DXVECTOR3(1.0f, -1.0f, 0.0f),
    D3DXVECTOR3(-1.0f, 1.0f, 0.0f),  D3DXVECTOR3(1.0f, 1.0f, 0.0f),
    D3DXVECTOR3(-1.0f, -1.0f, 1.0f), D3DXVECTOR3(1.0f, -1.0f, 1.0f),
    D3DXVECTOR3(-1.0f, 1.0f, 1.0f),  D3DXVECTOR3(1.0f, 1.0f, 1.0f),
};

// The three corners of each plane: near, far, left, right, top, bottom.
const int PLANE_CORNERS[6][3] = {
    {0, 1, 2}, {6, 7, 5}, {2, 6, 4}, {7, 3, 5}, {2, 3, 6}, {1, 0, 4},
};

// a*x + b*y + c*z + d: at or above 0 on the inner side.
float PlaneDistance(const D3DXPLANE& plane, const D3DXVECTOR3& vPoint)
{
    return plane.a * vPoint.x + plane.b * vPoint.y + plane.c * vPoint.z + plane.d;
}

} // namespace

// Before the first Build every plane is zero, so everything counts as inside.
XC_Frustum::XC_Frustum()
{
    for (D3DXVECTOR3& vCorner : m_vCorners)
        vCorner = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    for (D3DXPLANE& plane : m_Planes)
        plane = D3DXPLANE(0.0f, 0.0f, 0.0f, 0.0f);
}

void XC_Frustum::Build(D3DXMATRIX matView, D3DXMATRIX matProjection)
{
    const D3DXMATRIX matViewProjection = matView * matProjection;
    D3DXMATRIX matInverse;
    if (D3DXMatrixInverse(&matInverse, nullptr, &matViewProjection) == nullptr) {
        // A singular matrix has no volume to build; the old planes stay.
        XM_REPORT_FAILED("D3DXMatrixInverse( &matInverse , NULL , &matViewProjection )");
        return;
    }
    for (int i = 0; i < CORNER_COUNT; ++i)
        D3DXVec3TransformCoord(&m_vCorners[i], &CLIP_CORNERS[i], &matInverse);
    for (int i = 0; i < PLANE_COUNT; ++i) {
        const int* const piCorner = PLANE_CORNERS[i];
        D3DXPlaneFromPoints(&m_Planes[i], &m_vCorners[piCorner[0]], &m_vCorners[piCorner[1]],
                            &m_vCorners[piCorner[2]]);
    }
}

BOOL XC_Frustum::PointInFrustum(const D3DXVECTOR3* pPoint) const
{
    for (const D3DXPLANE& plane : m_Planes) {
        if (PlaneDistance(plane, *pPoint) < 0.0f)
            return FALSE;
    }
    return TRUE;
}

BOOL XC_Frustum::PointInFrustum(float fX, float fY, float fZ) const
{
    const D3DXVECTOR3 vPoint(fX, fY, fZ);
    return PointInFrustum(&vPoint);
}

BOOL XC_Frustum::CubeInFrustum(const D3DXVECTOR3* pCenter, float fHalfSize) const
{
    const D3DXVECTOR3 vHalfExtents(fHalfSize, fHalfSize, fHalfSize);
    return BoxInFrustum(pCenter, &vHalfExtents);
}

BOOL XC_Frustum::CubeInFrustum(float fX, float fY, float fZ, float fHalfSize) const
{
    const D3DXVECTOR3 vCenter(fX, fY, fZ);
    return CubeInFrustum(&vCenter, fHalfSize);
}

BOOL XC_Frustum::BoxInFrustum(const D3DXVECTOR3* pCenter, const D3DXVECTOR3* pHalfExtents) const
{
    for (const D3DXPLANE& plane : m_Planes) {
        bool bAllOutside = true;
        for (int i = 0; i < CORNER_COUNT && bAllOutside; ++i) {
            const D3DXVECTOR3 vCorner(pCenter->x + ((i & 1) ? pHalfExtents->x : -pHalfExtents->x),
                                      pCenter->y + ((i & 2) ? pHalfExtents->y : -pHalfExtents->y),
                                      pCenter->z + ((i & 4) ? pHalfExtents->z : -pHalfExtents->z));
            bAllOutside = PlaneDistance(plane, vCorner) < 0.0f;
        }
        if (bAllOutside)
            return FALSE;
    }
    return TRUE;
}

BOOL XC_Frustum::BoxInFrustum(float fX, float fY, float fZ, float fHalfX, float fHalfY, float fHalfZ) const
{
    const D3DXVECTOR3 vCenter(fX, fY, fZ);
    const D3DXVECTOR3 vHalfExtents(fHalfX, fHalfY, fHalfZ);
    return BoxInFrustum(&vCenter, &vHalfExtents);
}

BOOL XC_Frustum::SphereInFrustum(const XS_BoundingSphere* pSphere) const
{
    return SphereInFrustum(&pSphere->vCenter, pSphere->fRadius);
}

BOOL XC_Frustum::SphereInFrustum(const D3DXVECTOR3* pCenter, float fRadius) const
{
    for (const D3DXPLANE& plane : m_Planes) {
        if (PlaneDistance(plane, *pCenter) < -fRadius)
            return FALSE;
    }
    return TRUE;
}

BOOL XC_Frustum::SphereInFrustum(float fX, float fY, float fZ, float fRadius) const
{
    const D3DXVECTOR3 vCenter(fX, fY, fZ);
    return SphereInFrustum(&vCenter, fRadius);
}

float XC_Frustum::GetNearDistance(const D3DXVECTOR3* pPoint) const
{
    return PlaneDistance(m_Planes[0], *pPoint);
}

const D3DXVECTOR3* XC_Frustum::GetCorners() const
{
    return m_vCorners;
}
