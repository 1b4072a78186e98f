#pragma once

#include "GameProgram/RenderingObject/XC_RenderingObject.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"
#include "GameProgram/Scene/VERTEX_XYZ_DIFFUSE.h"
#include "GameProgram/Scene/XS_FloorCell.h"

#include <windows.h>
#include <d3d9.h>
#include <d3dx9math.h>

#include <vector>

class XC_Frustum;
class XC_TextNode;
class XC_Texture;

// The battle floor: width × length square cells of side 1.0, cell index
// z × width + x, rows running towards negative z. Each cell is a fan of
// four triangles around its centre with heights of its own, drawn as a
// translucent quad; highlighted cells get a colour and an outline, and the
// cell under the mouse gets a coloured cursor with tails and posts.
class XC_Floorer : public XC_RenderingObject
{
public:
    XC_Floorer();
    ~XC_Floorer() override;

    // Creates the cursor's vertex buffer.
    virtual HRESULT Init();
    virtual HRESULT Fini();
    // Sizes 1 to 2048 each, at most 65,536 cells; any other leaves the floor
    // as it was.
    virtual HRESULT CreateFloor(DWORD dwWidth, DWORD dwLength);
    virtual HRESULT ClearFloor();
    // Takes over the caller's reference; the one held before is released.
    virtual HRESULT SetTexture(XC_Texture* pTextureObj);
    virtual HRESULT ClearTexture();

    virtual DWORD GetFloorsCount() const;
    virtual HRESULT GetWidthLength(DWORD* pdwOutWidth, DWORD* pdwOutLength) const;
    virtual DWORD GetFloorerWidth() const;
    virtual DWORD GetFloorerLength() const;
    virtual HRESULT GetFloorIdxFromFloorXZ(DWORD* pdwOutIdx, DWORD dwX, DWORD dwZ) const;
    virtual HRESULT GetFloorIdxFromFloorXZ_Long(LONG* plOutIdx, LONG lX, LONG lZ) const;
    virtual HRESULT GetFloorXZFromFloorIdx(LONG lFloorIdx, LONG* plOutX, LONG* plOutZ) const;

    // Per-cell values in the floor's own coordinates (the node's transform
    // not applied). An index past the floor is reported and gives a neutral
    // value: 0, or the origin for a position.
    virtual D3DXVECTOR3 GetFloorPosition(DWORD dwFloorIdx) const;
    virtual float GetFloorHeight(DWORD dwFloorIdx) const;
    virtual LONG GetFloorPropertyID(DWORD dwFloorIdx) const;
    virtual BOOL ShowFloor_IsDrawFloor(DWORD dwFloorIdx) const;
    virtual DWORD GetFloorThrough_SOUTH(DWORD dwFloorIdx) const;
    virtual DWORD GetFloorThrough_EAST(DWORD dwFloorIdx) const;
    virtual DWORD GetFloorThrough_NORTH(DWORD dwFloorIdx) const;
    virtual DWORD GetFloorThrough_WEST(DWORD dwFloorIdx) const;

    virtual HRESULT ShowFloor_DrawFloor(DWORD dwFloorIdx, DWORD dwColor);
    virtual HRESULT ShowFloor_NoDrawAllFloor();
    // -1, or any index past the floor, hides the cursor.
    virtual HRESULT ShowFloor_SetMouseAtFloorIdx(LONG lFloorIdx);
    virtual LONG ShowFloor_GetMouseAtFloorIdx() const;
    // The nearest cell the ray meets closer than 1000.0, in the floor's own
    // coordinates; ties keep the lower index. Without a hit the index is 0
    // and the distance 1000.0.
    virtual BOOL PickFloor(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, DWORD* pdwOutFloorIdx,
                           float* pfOutDistance, BOOL bOnlyHighlighted);
    // Outlines every cell, not only the highlighted ones.
    virtual HRESULT SetRenderFlag(BOOL bDrawAllLine);

    // The scene file's floor nodes.
    virtual HRESULT SaveFloorToNode(XC_TextNode* pTNode);
    virtual HRESULT LoadFloorFromNode(const XC_TextNode* pTNode);
    virtual HRESULT LoadOldFloorFromNode(const XC_TextNode* pTNode);

    void DrawObject() override;
    BOOL IsAlphaBlend() override;
    // Behind every other alpha-blended object of its group.
    float GetFrustumDepth(const XC_Frustum* pFrustumObj) override;

private:
    // The six vertices of each cell in the floor buffer.
    static const DWORD VERTICES_PER_CELL = 6;
    static const DWORD CURSOR_VERTEX_COUNT = 32;

    bool IsCell(DWORD dwFloorIdx) const;
    // The cell, or null after the report for an index past the floor.
    const XS_FloorCell* FindCell(DWORD dwFloorIdx) const;
    // A field of the cell, or 0 past the floor.
    template <class T> T CellField(DWORD dwFloorIdx, T XS_FloorCell::*pField) const
    {
        const XS_FloorCell* const pCell = FindCell(dwFloorIdx);
        return pCell != nullptr ? pCell->*pField : T();
    }
    // Writes every cell's vertices at height 0.
    HRESULT FillFloorVertices();
    // Sets the heights of the five distinct vertices of a cell (centre,
    // corners 1 to 4); the closing vertex repeats corner 1.
    static void SetCellHeights(VERTEX_XYZ_TEX1* pCellVertices, const float* pfHeights);
    void BuildCursor(const VERTEX_XYZ_TEX1* pCellVertices, VERTEX_XYZ_DIFFUSE* pCursorVertices) const;
    void DrawCells() const;
    void DrawCursor() const;
    void ReportCell(const char* szWhat, DWORD dwFloorIdx) const;
    // A side's passability past the largest kind the battle knows.
    void ReportThroughOutOfRange(const XS_FloorCell& cell, DWORD dwFloorIdx) const;
    // The cell's number leaves written as words or below 0 read as numbers in silence.
    void ReportNonWholeLeaves(const XC_TextNode* pCellNode, DWORD dwFloorIdx) const;
    using CellLoader = HRESULT (XC_Floorer::*)(const XC_TextNode*, DWORD, VERTEX_XYZ_TEX1*);
    // Reads every cell of a floor node of either form into the new floor.
    HRESULT LoadCells(const XC_TextNode* pTNode, CellLoader pLoadCell);
    HRESULT LoadCell(const XC_TextNode* pCellNode, DWORD dwFloorIdx, VERTEX_XYZ_TEX1* pCellVertices);
    HRESULT LoadOldCell(const XC_TextNode* pCellNode, DWORD dwFloorIdx, VERTEX_XYZ_TEX1* pCellVertices);

    DWORD m_dwWidth = 0;
    DWORD m_dwLength = 0;
    DWORD m_dwFloorCount = 0;
    std::vector<XS_FloorCell> m_FloorList;
    XC_Texture* m_pTextureObj = nullptr;
    DWORD m_dwLineColor = 0x2FFFFFFF;
    DWORD m_dwMouseAtLineEndColor = 0x00000000;
    IDirect3DVertexBuffer9* m_pFloorVB = nullptr;
    BOOL m_bDrawAllLine = 0;
    IDirect3DVertexBuffer9* m_pMouseAtLineVB = nullptr;
    LONG m_lMouseAtFloorIdx = -1;
};
