#include "GameProgram/Scene/XC_Floorer.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"
#include "GameProgram/DirectState/XC_DirectState.h"
#include "GameProgram/DirectState/XC_SetDirectState.h"
#include "GameProgram/Resource/XC_Texture.h"

#include <cstdio>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD MAX_SIDE = 2048;
// Cells of one floor: a full 2048 × 2048 floor would take half a gigabyte of
// vertices, copied again by the device, for a battle that shows a few hundred.
const DWORD MAX_CELLS = 256 * 256;
// A side of through value 2 is closed, 1 is crossed by the second kind of
// step; the battle knows no greater value, which leaves the side open.
const DWORD MAX_THROUGH = 2;
const float CELL_SIZE = 1.0f;
const float FLOOR_LIFT = 0.05f;
const float NO_HIT_DISTANCE = 1000.0f;
const float CURSOR_TAIL = 1.0f;
const float CURSOR_POST = 1.5f;
const DWORD CURSOR_CORNER_COLORS[4] = {0xFFFF0000, 0xFF00FFFF, 0xFF0000FF, 0xFFFFFF00};
const DWORD CELL_HEIGHT_COUNT = 5;
const DWORD OLD_CORNER_COUNT = 4;

// The stage-0 colour and alpha operations, always changed together.
void SetStageOperation(DWORD dwOperation)
{
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_COLOROP, dwOperation);
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_ALPHAOP, dwOperation);
}

void SetStageArgument2(DWORD dwArgument)
{
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_COLORARG2, dwArgument);
    g_pDirectStateObj->SetTextureStageState(0, D3DTSS_ALPHAARG2, dwArgument);
}

VERTEX_XYZ_DIFFUSE CursorVertex(const VERTEX_XYZ_TEX1& corner, float fDX, float fDY, float fDZ, DWORD dwColor)
{
    return VERTEX_XYZ_DIFFUSE{corner.x + fDX, corner.y + fDY, corner.z + fDZ, dwColor};
}

// The cell's passability and property leaves, shared by both file forms.
// Whether a value is written as a whole number of at least 0, decimal or "0x" hexadecimal.
bool IsWholeNumber(const char* szValue)
{
    const bool bHex = szValue[0] == '0' && (szValue[1] == 'x' || szValue[1] == 'X');
    const char* pDigit = bHex ? szValue + 2 : szValue;
    if (*pDigit == '\0')
        return false;
    for (; *pDigit != '\0'; ++pDigit) {
        const bool bDigit = (*pDigit >= '0' && *pDigit <= '9')
                         || (bHex && ((*pDigit >= 'a' && *pDigit <= 'f') || (*pDigit >= 'A' && *pDigit <= 'F')));
        if (!bDigit)
            return false;
    }
    return true;
}

void LoadThrough(const XC_TextNode* pCellNode, XS_FloorCell* pCell)
{
    pCell->dwThrough_SOUTH = pCellNode->GetDword("dwThrough_SOUTH", 0);
    pCell->dwThrough_EAST = pCellNode->GetDword("dwThrough_EAST", 0);
    pCell->dwThrough_NORTH = pCellNode->GetDword("dwThrough_NORTH", 0);
    pCell->dwThrough_WEST = pCellNode->GetDword("dwThrough_WEST", 0);
}

} // namespace

XC_Floorer::XC_Floorer()
{
    AddPositionY(FLOOR_LIFT);
    XC_SetDirectState* const pStates = GetSetDirectState();
    pStates->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    pStates->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pStates->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    pStates->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    // The cursor's lines carry their colours in their vertices and have no
    // normals to light.
    pStates->SetRenderState(D3DRS_LIGHTING, FALSE);
}

XC_Floorer::~XC_Floorer()
{
    Fini();
}

HRESULT XC_Floorer::Init()
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (pDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }
    if (m_pMouseAtLineVB != nullptr)
        return S_OK;
    const HRESULT hr = pDevice->CreateVertexBuffer(CURSOR_VERTEX_COUNT * sizeof(VERTEX_XYZ_DIFFUSE), 0,
                                                   VERTEX_XYZ_DIFFUSE::FVF, D3DPOOL_MANAGED, &m_pMouseAtLineVB,
                                                   nullptr);
    if (FAILED(hr)) {
        m_pMouseAtLineVB = nullptr;
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed , hr = %x \r\n%s ", "hr", static_cast<unsigned>(hr),
                                     "XC_Floorer::Init() , CreateVertexBuffer m_pMouseAtLineVB error"));
        return E_FAIL;
    }
    return S_OK;
}

HRESULT XC_Floorer::Fini()
{
    if (m_pMouseAtLineVB != nullptr) {
        m_pMouseAtLineVB->Release();
        m_pMouseAtLineVB = nullptr;
    }
    const HRESULT hrFloor = ClearFloor();
    if (FAILED(hrFloor))
        XM_REPORT_FAILED_HR("ClearFloor()", hrFloor);
    const HRESULT hrTexture = ClearTexture();
    if (FAILED(hrTexture))
        XM_REPORT_FAILED_HR("ClearTexture()", hrTexture);
    return S_OK;
}

HRESULT XC_Floorer::CreateFloor(DWORD dwWidth, DWORD dwLength)
{
    if (dwWidth < 1 || dwWidth > MAX_SIDE || dwLength < 1 || dwLength > MAX_SIDE) {
        XF_ReportError(s_szSourceFile, __LINE__, "地板建立錯誤");
        return E_FAIL;
    }
    if (dwWidth * dwLength > MAX_CELLS) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("地板建立錯誤 \r\n%lu x %lu cells , at most %lu", static_cast<unsigned long>(dwWidth),
                                     static_cast<unsigned long>(dwLength), static_cast<unsigned long>(MAX_CELLS)));
        return E_FAIL;
    }
    const HRESULT hrClear = ClearFloor();
    if (FAILED(hrClear))
        XM_REPORT_FAILED_HR("ClearFloor()", hrClear);
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    if (pDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return E_FAIL;
    }

    const DWORD dwFloorCount = dwWidth * dwLength;
    IDirect3DVertexBuffer9* pFloorVB = nullptr;
    const HRESULT hr = pDevice->CreateVertexBuffer(dwFloorCount * VERTICES_PER_CELL * sizeof(VERTEX_XYZ_TEX1), 0,
                                                   VERTEX_XYZ_TEX1::FVF, D3DPOOL_MANAGED, &pFloorVB, nullptr);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        if (pFloorVB != nullptr)
            pFloorVB->Release();
        return E_FAIL;
    }
    m_pFloorVB = pFloorVB;
    m_dwWidth = dwWidth;
    m_dwLength = dwLength;
    m_dwFloorCount = dwFloorCount;
    m_FloorList.assign(dwFloorCount, XS_FloorCell());
    if (FAILED(FillFloorVertices())) {
        ClearFloor();
        return E_FAIL;
    }
    SetRenderable(1);
    return S_OK;
}

HRESULT XC_Floorer::FillFloorVertices()
{
    VERTEX_XYZ_TEX1* pVertices = nullptr;
    const HRESULT hr = m_pFloorVB->Lock(0, 0, reinterpret_cast<void**>(&pVertices), 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pFloorVB ->Lock( 0 , 0 , (void**)&pFloorVB , 0 )", hr);
        return E_FAIL;
    }
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        const float x = static_cast<float>(i % m_dwWidth) * CELL_SIZE;
        const float z = static_cast<float>(i / m_dwWidth) * CELL_SIZE;
        VERTEX_XYZ_TEX1* const pCell = pVertices + i * VERTICES_PER_CELL;
        pCell[0] = {x + 0.5f * CELL_SIZE, 0.0f, -(z + 0.5f * CELL_SIZE), 0.5f, 0.5f};
        pCell[1] = {x, 0.0f, -z, 0.0f, 0.0f};
        pCell[2] = {x + CELL_SIZE, 0.0f, -z, 1.0f, 0.0f};
        pCell[3] = {x + CELL_SIZE, 0.0f, -(z + CELL_SIZE), 1.0f, 1.0f};
        pCell[4] = {x, 0.0f, -(z + CELL_SIZE), 0.0f, 1.0f};
        pCell[5] = pCell[1];
    }
    m_pFloorVB->Unlock();
    return S_OK;
}

HRESULT XC_Floorer::ClearFloor()
{
    ShowFloor_NoDrawAllFloor();
    m_FloorList.clear();
    m_FloorList.shrink_to_fit();
    if (m_pFloorVB != nullptr) {
        m_pFloorVB->Release();
        m_pFloorVB = nullptr;
    }
    m_dwWidth = 0;
    m_dwLength = 0;
    m_dwFloorCount = 0;
    // A floor loaded next must draw its cursor anew, even on the same cell.
    m_lMouseAtFloorIdx = -1;
    SetRenderable(0);
    return S_OK;
}

HRESULT XC_Floorer::SetTexture(XC_Texture* pTextureObj)
{
    if (pTextureObj != m_pTextureObj)
        ClearTexture();
    m_pTextureObj = pTextureObj;
    return S_OK;
}

HRESULT XC_Floorer::ClearTexture()
{
    if (m_pTextureObj != nullptr) {
        m_pTextureObj->Release();
        m_pTextureObj = nullptr;
    }
    return S_OK;
}

DWORD XC_Floorer::GetFloorsCount() const
{
    return m_dwFloorCount;
}

HRESULT XC_Floorer::GetWidthLength(DWORD* pdwOutWidth, DWORD* pdwOutLength) const
{
    if (pdwOutWidth == nullptr) {
        XM_REPORT_FAILED("pdwOutWidth");
        return E_FAIL;
    }
    if (pdwOutLength == nullptr) {
        XM_REPORT_FAILED("pdwOutLength");
        return E_FAIL;
    }
    *pdwOutWidth = m_dwWidth;
    *pdwOutLength = m_dwLength;
    return S_OK;
}

DWORD XC_Floorer::GetFloorerWidth() const
{
    return m_dwWidth;
}

DWORD XC_Floorer::GetFloorerLength() const
{
    return m_dwLength;
}

HRESULT XC_Floorer::GetFloorIdxFromFloorXZ(DWORD* pdwOutIdx, DWORD dwX, DWORD dwZ) const
{
    if (dwX >= m_dwWidth || dwZ >= m_dwLength)
        return E_FAIL;
    *pdwOutIdx = dwZ * m_dwWidth + dwX;
    return S_OK;
}

HRESULT XC_Floorer::GetFloorIdxFromFloorXZ_Long(LONG* plOutIdx, LONG lX, LONG lZ) const
{
    if (lX < 0 || lZ < 0)
        return E_FAIL;
    DWORD dwIdx = 0;
    if (FAILED(GetFloorIdxFromFloorXZ(&dwIdx, static_cast<DWORD>(lX), static_cast<DWORD>(lZ))))
        return E_FAIL;
    *plOutIdx = static_cast<LONG>(dwIdx);
    return S_OK;
}

HRESULT XC_Floorer::GetFloorXZFromFloorIdx(LONG lFloorIdx, LONG* plOutX, LONG* plOutZ) const
{
    if (lFloorIdx < 0 || static_cast<DWORD>(lFloorIdx) >= m_dwFloorCount)
        return E_FAIL;
    *plOutX = static_cast<LONG>(static_cast<DWORD>(lFloorIdx) % m_dwWidth);
    *plOutZ = static_cast<LONG>(static_cast<DWORD>(lFloorIdx) / m_dwWidth);
    return S_OK;
}

bool XC_Floorer::IsCell(DWORD dwFloorIdx) const
{
    return dwFloorIdx < m_dwFloorCount;
}

const XS_FloorCell* XC_Floorer::FindCell(DWORD dwFloorIdx) const
{
    if (!IsCell(dwFloorIdx)) {
        XM_REPORT_FAILED("dwFloorIdx < m_dwFloorCount");
        return nullptr;
    }
    return &m_FloorList[dwFloorIdx];
}

D3DXVECTOR3 XC_Floorer::GetFloorPosition(DWORD dwFloorIdx) const
{
    const XS_FloorCell* const pCell = FindCell(dwFloorIdx);
    if (pCell == nullptr)
        return D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    const float x = static_cast<float>(dwFloorIdx % m_dwWidth);
    const float z = static_cast<float>(dwFloorIdx / m_dwWidth);
    return D3DXVECTOR3((x + 0.5f) * CELL_SIZE, pCell->fHeight, -(z + 0.5f) * CELL_SIZE);
}

float XC_Floorer::GetFloorHeight(DWORD dwFloorIdx) const
{
    return CellField(dwFloorIdx, &XS_FloorCell::fHeight);
}

LONG XC_Floorer::GetFloorPropertyID(DWORD dwFloorIdx) const
{
    return CellField(dwFloorIdx, &XS_FloorCell::lPropertyID);
}

BOOL XC_Floorer::ShowFloor_IsDrawFloor(DWORD dwFloorIdx) const
{
    return CellField(dwFloorIdx, &XS_FloorCell::bShowFloor);
}

DWORD XC_Floorer::GetFloorThrough_SOUTH(DWORD dwFloorIdx) const
{
    return CellField(dwFloorIdx, &XS_FloorCell::dwThrough_SOUTH);
}

DWORD XC_Floorer::GetFloorThrough_EAST(DWORD dwFloorIdx) const
{
    return CellField(dwFloorIdx, &XS_FloorCell::dwThrough_EAST);
}

DWORD XC_Floorer::GetFloorThrough_NORTH(DWORD dwFloorIdx) const
{
    return CellField(dwFloorIdx, &XS_FloorCell::dwThrough_NORTH);
}

DWORD XC_Floorer::GetFloorThrough_WEST(DWORD dwFloorIdx) const
{
    return CellField(dwFloorIdx, &XS_FloorCell::dwThrough_WEST);
}

HRESULT XC_Floorer::ShowFloor_DrawFloor(DWORD dwFloorIdx, DWORD dwColor)
{
    if (!IsCell(dwFloorIdx)) {
        XF_ReportError(s_szSourceFile, __LINE__, "XC_Floorer::ShowFloor_DrawFloor , dwFloorIdx >= m_dwFloorCount ");
        return E_FAIL;
    }
    m_FloorList[dwFloorIdx].dwShowColor = dwColor;
    m_FloorList[dwFloorIdx].bShowFloor = 1;
    return S_OK;
}

HRESULT XC_Floorer::ShowFloor_NoDrawAllFloor()
{
    for (XS_FloorCell& cell : m_FloorList)
        cell.bShowFloor = 0;
    return S_OK;
}

HRESULT XC_Floorer::ShowFloor_SetMouseAtFloorIdx(LONG lFloorIdx)
{
    if (m_dwFloorCount == 0) {
        XM_REPORT_FAILED("m_dwFloorCount > 0");
        return E_FAIL;
    }
    if (m_pFloorVB == nullptr) {
        XM_REPORT_FAILED("m_pFloorVB");
        return E_FAIL;
    }
    if (m_pMouseAtLineVB == nullptr) {
        XM_REPORT_FAILED("m_pMouseAtLineVB");
        return E_FAIL;
    }
    if (lFloorIdx < 0 || static_cast<DWORD>(lFloorIdx) >= m_dwFloorCount)
        lFloorIdx = -1;
    if (lFloorIdx == m_lMouseAtFloorIdx)
        return S_OK;
    m_lMouseAtFloorIdx = lFloorIdx;
    if (lFloorIdx < 0)
        return S_OK;

    VERTEX_XYZ_TEX1* pFloorVertices = nullptr;
    HRESULT hr = m_pFloorVB->Lock(0, 0, reinterpret_cast<void**>(&pFloorVertices), 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pFloorVB ->Lock( 0 , 0 , (void**)&pFloorVB , 0 )", hr);
        return S_OK;
    }
    VERTEX_XYZ_DIFFUSE* pCursorVertices = nullptr;
    hr = m_pMouseAtLineVB->Lock(0, 0, reinterpret_cast<void**>(&pCursorVertices), 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pMouseAtLineVB->Lock( 0 , 0 , (void**)&pMouseAtLineVB , 0 )", hr);
    } else {
        BuildCursor(pFloorVertices + static_cast<DWORD>(lFloorIdx) * VERTICES_PER_CELL, pCursorVertices);
        hr = m_pMouseAtLineVB->Unlock();
        if (FAILED(hr))
            XM_REPORT_FAILED_HR("m_pMouseAtLineVB->Unlock()", hr);
    }
    hr = m_pFloorVB->Unlock();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pFloorVB ->Unlock()", hr);
    return S_OK;
}

LONG XC_Floorer::ShowFloor_GetMouseAtFloorIdx() const
{
    return m_lMouseAtFloorIdx;
}

void XC_Floorer::BuildCursor(const VERTEX_XYZ_TEX1* pCellVertices, VERTEX_XYZ_DIFFUSE* pCursorVertices) const
{
    const VERTEX_XYZ_TEX1* const pCorner = pCellVertices + 1;
    const DWORD dwEnd = m_dwMouseAtLineEndColor;
    VERTEX_XYZ_DIFFUSE* pOut = pCursorVertices;
    // The outline, corner to corner.
    for (int k = 0; k < 4; ++k) {
        const int next = (k + 1) % 4;
        *pOut++ = CursorVertex(pCorner[k], 0.0f, 0.0f, 0.0f, CURSOR_CORNER_COLORS[k]);
        *pOut++ = CursorVertex(pCorner[next], 0.0f, 0.0f, 0.0f, CURSOR_CORNER_COLORS[next]);
    }
    // Two tails at each corner, continuing its edges outwards.
    struct Tail
    {
        int iCorner;
        float fDX, fDZ;
    };
    const Tail tails[8] = {{0, 0.0f, CURSOR_TAIL}, {1, 0.0f, CURSOR_TAIL},  {1, CURSOR_TAIL, 0.0f},
                           {2, CURSOR_TAIL, 0.0f}, {2, 0.0f, -CURSOR_TAIL}, {3, 0.0f, -CURSOR_TAIL},
                           {3, -CURSOR_TAIL, 0.0f}, {0, -CURSOR_TAIL, 0.0f}};
    for (const Tail& tail : tails) {
        *pOut++ = CursorVertex(pCorner[tail.iCorner], 0.0f, 0.0f, 0.0f, CURSOR_CORNER_COLORS[tail.iCorner]);
        *pOut++ = CursorVertex(pCorner[tail.iCorner], tail.fDX, 0.0f, tail.fDZ, dwEnd);
    }
    // An upright post at each corner.
    for (int k = 0; k < 4; ++k) {
        *pOut++ = CursorVertex(pCorner[k], 0.0f, 0.0f, 0.0f, CURSOR_CORNER_COLORS[k]);
        *pOut++ = CursorVertex(pCorner[k], 0.0f, CURSOR_POST, 0.0f, dwEnd);
    }
}

BOOL XC_Floorer::PickFloor(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, DWORD* pdwOutFloorIdx,
                           float* pfOutDistance, BOOL bOnlyHighlighted)
{
    if (m_pFloorVB == nullptr)
        return 0;
    if (m_FloorList.size() < m_dwFloorCount) {
        XM_REPORT_FAILED("m_FloorList");
        return 0;
    }
    BOOL bFound = 0;
    DWORD dwBestIdx = 0;
    float fBestDistance = NO_HIT_DISTANCE;
    VERTEX_XYZ_TEX1* pVertices = nullptr;
    const HRESULT hr = m_pFloorVB->Lock(0, 0, reinterpret_cast<void**>(&pVertices), D3DLOCK_READONLY);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pFloorVB ->Lock( 0 , 0 , (void**)&pFloorVB , 0 )", hr);
        return 0;
    }
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        if (bOnlyHighlighted && !m_FloorList[i].bShowFloor)
            continue;
        const VERTEX_XYZ_TEX1* const pCell = pVertices + i * VERTICES_PER_CELL;
        const D3DXVECTOR3 vCentre(pCell[0].x, pCell[0].y, pCell[0].z);
        for (int k = 0; k < 4; ++k) {
            const D3DXVECTOR3 vA(pCell[k + 1].x, pCell[k + 1].y, pCell[k + 1].z);
            const D3DXVECTOR3 vB(pCell[k + 2].x, pCell[k + 2].y, pCell[k + 2].z);
            float fDistance = 0.0f;
            if (!XF_IntersectRayTriangle(pvOrigin, pvDirection, &vCentre, &vA, &vB, &fDistance, nullptr, nullptr))
                continue;
            if (fDistance < fBestDistance) {
                fBestDistance = fDistance;
                dwBestIdx = i;
                bFound = 1;
            }
            break;
        }
    }
    m_pFloorVB->Unlock();
    if (pfOutDistance != nullptr)
        *pfOutDistance = fBestDistance;
    *pdwOutFloorIdx = dwBestIdx;
    return bFound;
}

HRESULT XC_Floorer::SetRenderFlag(BOOL bDrawAllLine)
{
    m_bDrawAllLine = bDrawAllLine;
    return S_OK;
}

void XC_Floorer::DrawObject()
{
    if (m_pFloorVB == nullptr)
        return;
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    SetStageArgument2(D3DTA_TFACTOR);
    pDevice->SetTransform(D3DTS_WORLD, GetWorldMatrix());
    pDevice->SetFVF(VERTEX_XYZ_TEX1::FVF);
    pDevice->SetStreamSource(0, m_pFloorVB, 0, sizeof(VERTEX_XYZ_TEX1));
    if (m_pTextureObj != nullptr) {
        pDevice->SetTexture(0, m_pTextureObj->GetTexture());
    } else {
        pDevice->SetTexture(0, nullptr);
        SetStageOperation(D3DTOP_SELECTARG2);
    }
    DrawCells();
    g_pDirectStateObj->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFFFFFFFF);
    SetStageArgument2(D3DTA_DIFFUSE);
    if (m_lMouseAtFloorIdx >= 0)
        DrawCursor();
    SetStageOperation(D3DTOP_MODULATE);
}

void XC_Floorer::DrawCells() const
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        if (!m_FloorList[i].bShowFloor)
            continue;
        g_pDirectStateObj->SetRenderState(D3DRS_TEXTUREFACTOR, m_FloorList[i].dwShowColor);
        pDevice->DrawPrimitive(D3DPT_TRIANGLEFAN, i * VERTICES_PER_CELL, 4);
    }
    // The outlines carry no texture.
    g_pDirectStateObj->SetRenderState(D3DRS_TEXTUREFACTOR, m_dwLineColor);
    SetStageOperation(D3DTOP_SELECTARG2);
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        if (m_bDrawAllLine || m_FloorList[i].bShowFloor)
            pDevice->DrawPrimitive(D3DPT_LINESTRIP, i * VERTICES_PER_CELL + 1, 4);
    }
}

void XC_Floorer::DrawCursor() const
{
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    pDevice->SetTexture(0, nullptr);
    pDevice->SetFVF(VERTEX_XYZ_DIFFUSE::FVF);
    pDevice->SetStreamSource(0, m_pMouseAtLineVB, 0, sizeof(VERTEX_XYZ_DIFFUSE));
    pDevice->DrawPrimitive(D3DPT_LINELIST, 0, CURSOR_VERTEX_COUNT / 2);
}

BOOL XC_Floorer::IsAlphaBlend()
{
    return 1;
}

float XC_Floorer::GetFrustumDepth(const XC_Frustum* /*pFrustumObj*/)
{
    return 2000000.0f;
}

void XC_Floorer::SetCellHeights(VERTEX_XYZ_TEX1* pCellVertices, const float* pfHeights)
{
    for (DWORD k = 0; k < CELL_HEIGHT_COUNT; ++k)
        pCellVertices[k].y = pfHeights[k];
    pCellVertices[5].y = pfHeights[1];
}

HRESULT XC_Floorer::SaveFloorToNode(XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    if (m_dwFloorCount == 0 || m_pFloorVB == nullptr)
        return S_OK;
    VERTEX_XYZ_TEX1* pVertices = nullptr;
    const HRESULT hr = m_pFloorVB->Lock(0, 0, reinterpret_cast<void**>(&pVertices), D3DLOCK_READONLY);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pFloorVB ->Lock( 0 , 0 , (void**)&pFloorVB , 0 )", hr);
        return E_FAIL;
    }
    pTNode->AddLeaf("dwWidth", static_cast<unsigned int>(m_dwWidth));
    pTNode->AddLeaf("dwLength", static_cast<unsigned int>(m_dwLength));
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        const XS_FloorCell& cell = m_FloorList[i];
        const VERTEX_XYZ_TEX1* const pCell = pVertices + i * VERTICES_PER_CELL;
        char szName[32];
        std::snprintf(szName, sizeof(szName), "[Floor%03lu]", static_cast<unsigned long>(i));
        XC_TextNode* const pCellNode = pTNode->AddNode(szName);
        pCellNode->AddLeaf("dwPropertyID", static_cast<unsigned int>(cell.lPropertyID));
        pCellNode->AddLeaf("dwThrough_SOUTH", static_cast<unsigned int>(cell.dwThrough_SOUTH));
        pCellNode->AddLeaf("dwThrough_EAST", static_cast<unsigned int>(cell.dwThrough_EAST));
        pCellNode->AddLeaf("dwThrough_NORTH", static_cast<unsigned int>(cell.dwThrough_NORTH));
        pCellNode->AddLeaf("dwThrough_WEST", static_cast<unsigned int>(cell.dwThrough_WEST));
        std::string strHeights;
        for (DWORD k = 0; k < CELL_HEIGHT_COUNT; ++k) {
            char szHeight[64];
            std::snprintf(szHeight, sizeof(szHeight), "%f ", pCell[k].y);
            strHeights += szHeight;
        }
        pCellNode->AddLeaf("vec", strHeights.c_str());
    }
    m_pFloorVB->Unlock();
    return S_OK;
}

void XC_Floorer::ReportNonWholeLeaves(const XC_TextNode* pCellNode, DWORD dwFloorIdx) const
{
    static const char* const WHOLE_LEAVES[] = {"dwPropertyID", "dwThrough_SOUTH", "dwThrough_EAST", "dwThrough_NORTH",
                                               "dwThrough_WEST"};
    for (const char* szLeaf : WHOLE_LEAVES) {
        const char* const szValue = pCellNode->GetStr(szLeaf, nullptr);
        if (szValue != nullptr && !IsWholeNumber(szValue))
            ReportCell(XF_FormatText("%s \"%s\" is not a whole number of at least 0", szLeaf, szValue), dwFloorIdx);
    }
}

void XC_Floorer::ReportThroughOutOfRange(const XS_FloorCell& cell, DWORD dwFloorIdx) const
{
    const struct
    {
        const char* szName;
        DWORD dwValue;
    } sides[] = {{"dwThrough_SOUTH", cell.dwThrough_SOUTH},
                 {"dwThrough_EAST", cell.dwThrough_EAST},
                 {"dwThrough_NORTH", cell.dwThrough_NORTH},
                 {"dwThrough_WEST", cell.dwThrough_WEST}};
    for (const auto& side : sides) {
        if (side.dwValue > MAX_THROUGH) {
            ReportCell(XF_FormatText("%s %lu is outside 0 to %lu", side.szName, static_cast<unsigned long>(side.dwValue),
                                     static_cast<unsigned long>(MAX_THROUGH)),
                       dwFloorIdx);
        }
    }
}

void XC_Floorer::ReportCell(const char* szWhat, DWORD dwFloorIdx) const
{
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("%s \r\ncell %lu", szWhat != nullptr ? szWhat : "(too long to show)",
                                 static_cast<unsigned long>(dwFloorIdx)));
}

HRESULT XC_Floorer::LoadFloorFromNode(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    ClearFloor();
    if (pTNode->GetChildNodeCount() == 0)
        return E_FAIL;
    if (FAILED(CreateFloor(pTNode->GetDword("dwWidth", 0), pTNode->GetDword("dwLength", 0))))
        return E_FAIL;
    return LoadCells(pTNode, &XC_Floorer::LoadCell);
}

HRESULT XC_Floorer::LoadCells(const XC_TextNode* pTNode, CellLoader pLoadCell)
{
    VERTEX_XYZ_TEX1* pVertices = nullptr;
    const HRESULT hr = m_pFloorVB->Lock(0, 0, reinterpret_cast<void**>(&pVertices), 0);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pFloorVB ->Lock( 0 , 0 , (void**)&pFloorVB , 0 )", hr);
        return E_FAIL;
    }
    // Cells are the child nodes by position, whatever their names.
    for (DWORD i = 0; i < m_dwFloorCount; ++i) {
        const XC_TextNode* const pCellNode = pTNode->FindChildNode(static_cast<int>(i));
        // The cells the file lacks keep their defaults: one report for all.
        if (pCellNode == nullptr) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("( pChildNode ) failed \r\ncells %lu to %lu missing",
                                         static_cast<unsigned long>(i), static_cast<unsigned long>(m_dwFloorCount - 1)));
            break;
        }
        (this->*pLoadCell)(pCellNode, i, pVertices + i * VERTICES_PER_CELL);
    }
    m_pFloorVB->Unlock();
    if (static_cast<DWORD>(pTNode->GetChildNodeCount()) > m_dwFloorCount) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("%d cell nodes for %lu cells , the rest are ignored",
                                     pTNode->GetChildNodeCount(), static_cast<unsigned long>(m_dwFloorCount)));
    }
    return S_OK;
}

HRESULT XC_Floorer::LoadCell(const XC_TextNode* pCellNode, DWORD dwFloorIdx, VERTEX_XYZ_TEX1* pCellVertices)
{
    XS_FloorCell& cell = m_FloorList[dwFloorIdx];
    ReportNonWholeLeaves(pCellNode, dwFloorIdx);
    cell.lPropertyID = static_cast<LONG>(pCellNode->GetDword("dwPropertyID", 0));
    LoadThrough(pCellNode, &cell);
    ReportThroughOutOfRange(cell, dwFloorIdx);
    const char* const lpctstrGetStr = pCellNode->GetStr("vec", nullptr);
    if (lpctstrGetStr == nullptr) {
        ReportCell("( lpctstrGetStr ) failed", dwFloorIdx);
        return E_FAIL;
    }
    float fHeights[CELL_HEIGHT_COUNT] = {};
    const int iRead = std::sscanf(lpctstrGetStr, "%f %f %f %f %f", &fHeights[0], &fHeights[1], &fHeights[2],
                                  &fHeights[3], &fHeights[4]);
    if (iRead != static_cast<int>(CELL_HEIGHT_COUNT))
        ReportCell("vec : five heights expected , the missing ones are 0", dwFloorIdx);
    cell.fHeight = fHeights[0];
    SetCellHeights(pCellVertices, fHeights);
    return S_OK;
}

HRESULT XC_Floorer::LoadOldFloorFromNode(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    const HRESULT hrClear = ClearFloor();
    if (FAILED(hrClear))
        XM_REPORT_FAILED_HR("ClearFloor()", hrClear);
    if (pTNode->GetChildNodeCount() == 0)
        return E_FAIL;
    const LONG lWidth = pTNode->GetInt("lWidth", 0);
    const LONG lLength = pTNode->GetInt("lLength", 0);
    if (FAILED(CreateFloor(static_cast<DWORD>(lWidth), static_cast<DWORD>(lLength))))
        return E_FAIL;
    return LoadCells(pTNode, &XC_Floorer::LoadOldCell);
}

HRESULT XC_Floorer::LoadOldCell(const XC_TextNode* pCellNode, DWORD dwFloorIdx, VERTEX_XYZ_TEX1* pCellVertices)
{
    XS_FloorCell& cell = m_FloorList[dwFloorIdx];
    cell.fHeight = pCellNode->GetFloat("fHeight", 0.0f);
    cell.lPropertyID = pCellNode->GetInt("lPropertyID", 0);
    LoadThrough(pCellNode, &cell);
    ReportThroughOutOfRange(cell, dwFloorIdx);
    pCellVertices[0].y = cell.fHeight;
    const char* const lpctstrGetStr = pCellNode->GetStr("vec", nullptr);
    if (lpctstrGetStr == nullptr) {
        ReportCell("( lpctstrGetStr ) failed", dwFloorIdx);
        return E_FAIL;
    }
    D3DXVECTOR3 vPoints[OLD_CORNER_COUNT] = {};
    std::sscanf(lpctstrGetStr, "%f %f %f %f %f %f %f %f %f %f %f %f", &vPoints[0].x, &vPoints[0].y, &vPoints[0].z,
                &vPoints[1].x, &vPoints[1].y, &vPoints[1].z, &vPoints[2].x, &vPoints[2].y, &vPoints[2].z,
                &vPoints[3].x, &vPoints[3].y, &vPoints[3].z);
    float fSumX = 0.0f;
    float fSumZ = 0.0f;
    for (const D3DXVECTOR3& vPoint : vPoints) {
        fSumX += vPoint.x;
        fSumZ += vPoint.z;
    }
    const float fMeanX = fSumX / OLD_CORNER_COUNT;
    const float fMeanZ = fSumZ / OLD_CORNER_COUNT;
    // Each point finds its corner by the sides of the means it lies on.
    for (const D3DXVECTOR3& vPoint : vPoints) {
        const bool bXBelow = vPoint.x < fMeanX;
        const bool bXAbove = vPoint.x > fMeanX;
        const bool bZAbove = vPoint.z > fMeanZ;
        const bool bZBelow = vPoint.z < fMeanZ;
        if (bXBelow && bZAbove) {
            pCellVertices[1].y = vPoint.y;
            pCellVertices[5].y = vPoint.y;
        } else if (bXAbove && bZAbove) {
            pCellVertices[2].y = vPoint.y;
        } else if (bXAbove && bZBelow) {
            pCellVertices[3].y = vPoint.y;
        } else if (bXBelow && bZBelow) {
            pCellVertices[4].y = vPoint.y;
        } else {
            XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        }
    }
    return S_OK;
}
