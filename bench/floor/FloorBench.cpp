// Draws a 64 × 64 battle floor with every cell highlighted and outlined, per
// frame, against a frame that draws the same number of vertices in one call;
// then picks the cell under 2,000 mouse rays with the floor against a plain
// ray test of the same triangles kept in a flat array. Prints the times and
// the ratios. Needs a display (the bench's Xvfb).

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "bench/Support/WindowedDevice.h"

#include <windows.h>
#include <d3d9.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const DWORD SIDE = 64;
const DWORD CELLS = SIDE * SIDE;
const int FRAMES = 60;
const int RAYS = 2000;

// The whole floor in view, from above and in front.
void SetView(IDirect3DDevice9* pDevice)
{
    D3DXMATRIX matView, matProjection, matWorld;
    const D3DXVECTOR3 vEye(32.0f, 60.0f, 20.0f), vAt(32.0f, 0.0f, -32.0f), vUp(0.0f, 1.0f, 0.0f);
    D3DXMatrixLookAtLH(&matView, &vEye, &vAt, &vUp);
    D3DXMatrixPerspectiveFovLH(&matProjection, 1.0f, 800.0f / 600.0f, 1.0f, 500.0f);
    D3DXMatrixIdentity(&matWorld);
    pDevice->SetTransform(D3DTS_VIEW, &matView);
    pDevice->SetTransform(D3DTS_PROJECTION, &matProjection);
    pDevice->SetTransform(D3DTS_WORLD, &matWorld);
}

// The same number of vertices as the floor's, drawn as one list.
IDirect3DVertexBuffer9* CreateBaselineBuffer(IDirect3DDevice9* pDevice)
{
    IDirect3DVertexBuffer9* pBuffer = nullptr;
    const UINT uVertices = CELLS * 6;
    if (FAILED(pDevice->CreateVertexBuffer(uVertices * sizeof(VERTEX_XYZ_TEX1), 0, VERTEX_XYZ_TEX1::FVF,
                                           D3DPOOL_MANAGED, &pBuffer, nullptr)))
        return nullptr;
    VERTEX_XYZ_TEX1* pVertices = nullptr;
    pBuffer->Lock(0, 0, reinterpret_cast<void**>(&pVertices), 0);
    for (UINT i = 0; i < uVertices; ++i) {
        const float x = static_cast<float>((i / 6) % SIDE);
        const float z = static_cast<float>((i / 6) / SIDE);
        const float fCorner = static_cast<float>(i % 3);
        pVertices[i] = {x + (fCorner == 1.0f ? 1.0f : 0.0f), 0.0f, -(z + (fCorner == 2.0f ? 1.0f : 0.0f)), 0.0f, 0.0f};
    }
    pBuffer->Unlock();
    return pBuffer;
}

// The floor's triangles in a flat array: four a cell, three corners each.
std::vector<D3DXVECTOR3> FlatTriangles(XC_Floorer& floor)
{
    std::vector<D3DXVECTOR3> corners;
    for (DWORD i = 0; i < CELLS; ++i) {
        const float x = static_cast<float>(i % SIDE);
        const float z = static_cast<float>(i / SIDE);
        const D3DXVECTOR3 vCentre = floor.GetFloorPosition(i);
        const D3DXVECTOR3 ring[5] = {{x, 0.0f, -z}, {x + 1.0f, 0.0f, -z}, {x + 1.0f, 0.0f, -(z + 1.0f)},
                                     {x, 0.0f, -(z + 1.0f)}, {x, 0.0f, -z}};
        for (int k = 0; k < 4; ++k) {
            corners.push_back(vCentre);
            corners.push_back(ring[k]);
            corners.push_back(ring[k + 1]);
        }
    }
    return corners;
}

DWORD PickFlat(const std::vector<D3DXVECTOR3>& corners, const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection)
{
    DWORD dwBest = 0;
    float fBest = 1000.0f;
    for (size_t t = 0; t < corners.size(); t += 3) {
        float fDistance = 0.0f;
        if (XF_IntersectRayTriangle(&vOrigin, &vDirection, &corners[t], &corners[t + 1], &corners[t + 2], &fDistance,
                                    nullptr, nullptr)
            && fDistance < fBest) {
            fBest = fDistance;
            dwBest = static_cast<DWORD>(t / 12);
        }
    }
    return dwBest;
}

} // namespace

int main()
{
    const WindowedDevice window("floor-bench");
    if (!window.IsReady()) {
        std::fprintf(stderr, "floor-bench: no Direct3D device (is there a display?): %s\n", window.Error().c_str());
        return 1;
    }
    IDirect3DDevice9* const pDevice = window.Device();
    g_pVar->g_pD3DDevice = pDevice;
    g_pDirectStateObj->InitDefaults();
    g_pDirectStateObj->SetRenderState(D3DRS_LIGHTING, FALSE);
    SetView(pDevice);

    int iResult = 0;
    {
        XC_Floorer floor;
        IDirect3DVertexBuffer9* const pBaseline = CreateBaselineBuffer(pDevice);
        if (FAILED(floor.Init()) || FAILED(floor.CreateFloor(SIDE, SIDE)) || pBaseline == nullptr) {
            std::fprintf(stderr, "floor-bench: cannot build the floor\n");
            iResult = 1;
        } else {
            for (DWORD i = 0; i < CELLS; ++i)
                floor.ShowFloor_DrawFloor(i, 0x7F0000FF);
            floor.ShowFloor_SetMouseAtFloorIdx(CELLS / 2);
            const double fFloor = window.SecondsPerFrame(FRAMES, [&] {
                floor.GetSetDirectState()->Activate();
                floor.DrawObject();
                floor.GetSetDirectState()->Deactivate();
            });
            const double fOneCall = window.SecondsPerFrame(FRAMES, [&] {
                pDevice->SetFVF(VERTEX_XYZ_TEX1::FVF);
                pDevice->SetStreamSource(0, pBaseline, 0, sizeof(VERTEX_XYZ_TEX1));
                pDevice->DrawPrimitive(D3DPT_TRIANGLELIST, 0, CELLS * 2);
            });
            std::printf("draw 64x64 all highlighted: floor %.3f ms/frame, one draw call %.3f ms/frame, ratio %.1f\n",
                        fFloor * 1000.0, fOneCall * 1000.0, fFloor / fOneCall);

            const std::vector<D3DXVECTOR3> corners = FlatTriangles(floor);
            std::srand(1);
            const D3DXVECTOR3 vEye(32.0f, 60.0f, 20.0f);
            std::vector<D3DXVECTOR3> directions;
            for (int i = 0; i < RAYS; ++i) {
                const D3DXVECTOR3 vToTarget =
                    D3DXVECTOR3(std::rand() % 6400 / 100.0f, 0.0f, -(std::rand() % 6400 / 100.0f)) - vEye;
                D3DXVECTOR3 vDirection;
                directions.push_back(*D3DXVec3Normalize(&vDirection, &vToTarget));
            }
            DWORD dwChecksum = 0;
            const double fPick = BenchSecondsOf([&] {
                for (const D3DXVECTOR3& vDirection : directions) {
                    DWORD dwIdx = 0;
                    floor.PickFloor(&vEye, &vDirection, &dwIdx, nullptr, 0);
                    dwChecksum += dwIdx;
                }
            }) / RAYS;
            const double fFlat = BenchSecondsOf([&] {
                for (const D3DXVECTOR3& vDirection : directions)
                    dwChecksum -= PickFlat(corners, vEye, vDirection);
            }) / RAYS;
            std::printf("pick 64x64 per mouse move: floor %.3f ms, flat array %.3f ms, ratio %.2f%s\n", fPick * 1000.0,
                        fFlat * 1000.0, fPick / fFlat, dwChecksum == 0 ? "" : " (the picks differ)");
            if (dwChecksum != 0)
                iResult = 1;
        }
        if (pBaseline != nullptr)
            pBaseline->Release();
    }
    g_pVar->g_pD3DDevice = nullptr;
    return iResult;
}
