#include "GameProgram/Scene/XC_Floorer.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Resource/VERTEX_XYZ_TEX1.h"
#include "GameProgram/Scene/VERTEX_XYZ_DIFFUSE.h"

#include "tests/GameProgram/Scene/FloorTestDevice.h"
#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedGlobalDevice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const CELL_FAILED = "( dwFloorIdx < m_dwFloorCount ) failed";

// A floor of the fake device: its cursor buffer is the device's first
// buffer, its cell buffer the second.
class FloorerTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_Floor.Init(), S_OK); }

    const VERTEX_XYZ_TEX1* CellVertices(DWORD dwFloorIdx) const
    {
        return reinterpret_cast<const VERTEX_XYZ_TEX1*>(m_Device.Buffers().at(1)->Data()) + dwFloorIdx * 6;
    }
    const VERTEX_XYZ_DIFFUSE* CursorVertices() const
    {
        return reinterpret_cast<const VERTEX_XYZ_DIFFUSE*>(m_Device.Buffers().at(0)->Data());
    }
    int CursorWrites() const { return m_Device.Buffers().at(0)->WriteLocks(); }

    // A 3 × 2 floor whose cell i has centre height i and corners i + 0.1 to i + 0.4.
    void LoadRisingFloor()
    {
        std::string strText = "[Floorer+]\n{\ndwWidth = 3\ndwLength = 2\n";
        for (int i = 0; i < 6; ++i) {
            strText += "[Floor00" + std::to_string(i) + "]\n{\ndwPropertyID = " + std::to_string(10 + i)
                     + "\ndwThrough_SOUTH = 1\ndwThrough_EAST = 2\ndwThrough_NORTH = 3\ndwThrough_WEST = 4\nvec = "
                     + std::to_string(i) + " " + std::to_string(i + 0.1) + " " + std::to_string(i + 0.2) + " "
                     + std::to_string(i + 0.3) + " " + std::to_string(i + 0.4) + "\n}\n";
        }
        strText += "}\n";
        ASSERT_EQ(m_Floor.LoadFloorFromNode(ParseTree(strText)->FindChildNode("[Floorer+]")), S_OK);
    }

    FloorTestDevice m_Device;
    ScopedGlobalDevice m_GlobalDevice{&m_Device};
    XC_Floorer m_Floor;
};

} // namespace

TEST_F(FloorerTest, SizesOutsideOneTo2048AreRefusedBeforeTheFloorIsCleared)
{
    ASSERT_EQ(m_Floor.CreateFloor(3, 2), S_OK);
    struct Case
    {
        DWORD dwWidth, dwLength;
        HRESULT hr;
        DWORD dwCount;
    };
    const Case cases[] = {
        {0, 5, E_FAIL, 6}, {5, 0, E_FAIL, 6}, {2049, 1, E_FAIL, 6}, {1, 2049, E_FAIL, 6},
        {2048, 1, S_OK, 2048}, {1, 2048, S_OK, 2048},
        // A floor's memory stays within what a battle can draw.
        {256, 256, S_OK, 65536}, {2048, 2048, E_FAIL, 6}, {257, 256, E_FAIL, 6},
    };
    for (const Case& c : cases) {
        ErrorLogCapture log;
        EXPECT_EQ(m_Floor.CreateFloor(c.dwWidth, c.dwLength), c.hr) << c.dwWidth << " x " << c.dwLength;
        EXPECT_EQ(m_Floor.GetFloorsCount(), c.dwCount) << c.dwWidth << " x " << c.dwLength;
        EXPECT_EQ(log.Contains("地板建立錯誤"), FAILED(c.hr)) << log.Text();
        m_Floor.CreateFloor(3, 2);
    }
    EXPECT_EQ(m_Floor.GetFloorerWidth(), 3u);
    EXPECT_EQ(m_Floor.GetFloorerLength(), 2u);
}

TEST_F(FloorerTest, AFailedBufferLeavesAnEmptyFloor)
{
    ErrorLogCapture log;
    m_Device.FailVertexBuffers(true);
    EXPECT_EQ(m_Floor.CreateFloor(3, 2), E_FAIL);
    EXPECT_EQ(m_Floor.GetFloorsCount(), 0u);
    EXPECT_EQ(m_Floor.ShowFloor_DrawFloor(0, 0xFFFFFFFF), E_FAIL);
    DWORD dwIdx = 7;
    const D3DXVECTOR3 vOrigin(0.5f, 5.0f, -0.5f), vDown(0.0f, -1.0f, 0.0f);
    EXPECT_EQ(m_Floor.PickFloor(&vOrigin, &vDown, &dwIdx, nullptr, 0), 0);
    EXPECT_EQ(dwIdx, 7u); // untouched without a floor
}

TEST_F(FloorerTest, CellIndexArithmeticOnThreeByTwo)
{
    ASSERT_EQ(m_Floor.CreateFloor(3, 2), S_OK);
    struct XZCase
    {
        LONG lX, lZ;
        HRESULT hr;
        LONG lIdx;
    };
    const XZCase xzCases[] = {{0, 0, S_OK, 0}, {2, 0, S_OK, 2}, {0, 1, S_OK, 3}, {2, 1, S_OK, 5},
                              {3, 0, E_FAIL, -1}, {0, 2, E_FAIL, -1}, {-1, 0, E_FAIL, -1}, {0, -1, E_FAIL, -1}};
    for (const XZCase& c : xzCases) {
        LONG lIdx = -1;
        EXPECT_EQ(m_Floor.GetFloorIdxFromFloorXZ_Long(&lIdx, c.lX, c.lZ), c.hr) << c.lX << "," << c.lZ;
        EXPECT_EQ(lIdx, c.lIdx) << c.lX << "," << c.lZ;
        if (c.lX >= 0 && c.lZ >= 0) {
            DWORD dwIdx = 0xFFFFFFFF;
            EXPECT_EQ(m_Floor.GetFloorIdxFromFloorXZ(&dwIdx, c.lX, c.lZ), c.hr) << c.lX << "," << c.lZ;
            EXPECT_EQ(dwIdx, static_cast<DWORD>(c.lIdx)) << c.lX << "," << c.lZ;
        }
    }
    struct IdxCase
    {
        LONG lIdx;
        HRESULT hr;
        LONG lX, lZ;
    };
    const IdxCase idxCases[] = {{0, S_OK, 0, 0}, {4, S_OK, 1, 1}, {5, S_OK, 2, 1}, {6, E_FAIL, -1, -1},
                                {-1, E_FAIL, -1, -1}};
    for (const IdxCase& c : idxCases) {
        LONG lX = -1, lZ = -1;
        EXPECT_EQ(m_Floor.GetFloorXZFromFloorIdx(c.lIdx, &lX, &lZ), c.hr) << c.lIdx;
        EXPECT_EQ(lX, c.lX) << c.lIdx;
        EXPECT_EQ(lZ, c.lZ) << c.lIdx;
    }
    const D3DXVECTOR3 vPosition = m_Floor.GetFloorPosition(5);
    EXPECT_FLOAT_EQ(vPosition.x, 2.5f);
    EXPECT_FLOAT_EQ(vPosition.y, 0.0f);
    EXPECT_FLOAT_EQ(vPosition.z, -1.5f);
    DWORD dwWidth = 0, dwLength = 0;
    EXPECT_EQ(m_Floor.GetWidthLength(&dwWidth, &dwLength), S_OK);
    EXPECT_EQ(dwWidth * 10 + dwLength, 32u);
}

TEST_F(FloorerTest, GettersPastTheFloorReportAndGiveNeutralValues)
{
    for (const bool bWithFloor : {false, true}) {
        if (bWithFloor)
            LoadRisingFloor();
        ErrorLogCapture log;
        const DWORD dwPast = m_Floor.GetFloorsCount();
        EXPECT_EQ(m_Floor.GetFloorHeight(dwPast), 0.0f);
        EXPECT_EQ(m_Floor.GetFloorPropertyID(dwPast), 0);
        EXPECT_EQ(m_Floor.ShowFloor_IsDrawFloor(dwPast), 0);
        EXPECT_EQ(m_Floor.GetFloorThrough_SOUTH(dwPast) | m_Floor.GetFloorThrough_EAST(dwPast)
                      | m_Floor.GetFloorThrough_NORTH(dwPast) | m_Floor.GetFloorThrough_WEST(dwPast),
                  0u);
        const D3DXVECTOR3 vPosition = m_Floor.GetFloorPosition(dwPast);
        EXPECT_EQ(vPosition, D3DXVECTOR3(0.0f, 0.0f, 0.0f));
        EXPECT_TRUE(log.Contains(CELL_FAILED)) << log.Text();
        EXPECT_EQ(m_Floor.ShowFloor_DrawFloor(dwPast, 0xFF00FF00), E_FAIL);
        EXPECT_TRUE(log.Contains("XC_Floorer::ShowFloor_DrawFloor , dwFloorIdx >= m_dwFloorCount ")) << log.Text();
    }
    // The cells within read as loaded.
    EXPECT_FLOAT_EQ(m_Floor.GetFloorHeight(5), 5.0f);
    EXPECT_EQ(m_Floor.GetFloorPropertyID(5), 15);
    EXPECT_EQ(m_Floor.GetFloorThrough_SOUTH(5), 1u);
    EXPECT_EQ(m_Floor.GetFloorThrough_EAST(5), 2u);
    EXPECT_EQ(m_Floor.GetFloorThrough_NORTH(5), 3u);
    EXPECT_EQ(m_Floor.GetFloorThrough_WEST(5), 4u);
    EXPECT_FLOAT_EQ(m_Floor.GetFloorPosition(5).y, 5.0f);
}

TEST_F(FloorerTest, PickingFindsTheNearestCellInIndexOrder)
{
    ASSERT_EQ(m_Floor.CreateFloor(3, 2), S_OK);
    ASSERT_EQ(m_Floor.ShowFloor_DrawFloor(5, 0x7F00FF00), S_OK);
    const D3DXVECTOR3 vDown(0.0f, -1.0f, 0.0f), vUp(0.0f, 1.0f, 0.0f);
    struct Case
    {
        const char* szName;
        D3DXVECTOR3 vOrigin;
        const D3DXVECTOR3* pvDirection;
        BOOL bOnlyHighlighted;
        BOOL bFound;
        DWORD dwIdx;
        float fDistance;
    };
    const Case cases[] = {
        {"centre of cell 4", D3DXVECTOR3(1.5f, 10.0f, -1.5f), &vDown, 0, 1, 4, 10.0f},
        {"a corner quarter of cell 2", D3DXVECTOR3(2.9f, 3.0f, -0.1f), &vDown, 0, 1, 2, 3.0f},
        {"the edge of cells 0 and 1: the lower index", D3DXVECTOR3(1.0f, 4.0f, -0.5f), &vDown, 0, 1, 0, 4.0f},
        {"the edge of cells 1 and 4", D3DXVECTOR3(1.5f, 4.0f, -1.0f), &vDown, 0, 1, 1, 4.0f},
        {"from below: both faces count", D3DXVECTOR3(0.5f, -2.0f, -0.5f), &vUp, 0, 1, 0, 2.0f},
        {"only highlighted, over a plain cell", D3DXVECTOR3(1.5f, 10.0f, -1.5f), &vDown, 1, 0, 0, 1000.0f},
        {"only highlighted, over cell 5", D3DXVECTOR3(2.5f, 10.0f, -1.5f), &vDown, 1, 1, 5, 10.0f},
        {"away from the floor", D3DXVECTOR3(1.5f, 10.0f, -1.5f), &vUp, 0, 0, 0, 1000.0f},
        {"beside the floor", D3DXVECTOR3(3.5f, 10.0f, -1.5f), &vDown, 0, 0, 0, 1000.0f},
        {"1000 or farther never counts", D3DXVECTOR3(1.5f, 1000.0f, -1.5f), &vDown, 0, 0, 0, 1000.0f},
    };
    for (const Case& c : cases) {
        DWORD dwIdx = 77;
        float fDistance = -1.0f;
        EXPECT_EQ(m_Floor.PickFloor(&c.vOrigin, c.pvDirection, &dwIdx, &fDistance, c.bOnlyHighlighted), c.bFound)
            << c.szName;
        EXPECT_EQ(dwIdx, c.dwIdx) << c.szName;
        EXPECT_FLOAT_EQ(fDistance, c.fDistance) << c.szName;
    }
}

TEST_F(FloorerTest, PickingFollowsTheCellHeights)
{
    LoadRisingFloor();
    // Cell 3's centre stands at height 3.
    const D3DXVECTOR3 vOrigin(0.5f, 10.0f, -1.5f), vDown(0.0f, -1.0f, 0.0f);
    DWORD dwIdx = 0;
    float fDistance = 0.0f;
    ASSERT_EQ(m_Floor.PickFloor(&vOrigin, &vDown, &dwIdx, &fDistance, 0), 1);
    EXPECT_EQ(dwIdx, 3u);
    EXPECT_FLOAT_EQ(fDistance, 7.0f);
}

TEST_F(FloorerTest, TheCursorIsRebuiltOnlyWhenItsCellChanges)
{
    LoadRisingFloor();
    struct Step
    {
        LONG lIdx;
        LONG lShown;
        bool bRebuilt;
    };
    const Step steps[] = {{4, 4, true}, {4, 4, false}, {6, -1, false}, {-1, -1, false},
                          {4, 4, true}, {5, 5, true},  {-7, -1, false}};
    for (const Step& step : steps) {
        const int iWritesBefore = CursorWrites();
        EXPECT_EQ(m_Floor.ShowFloor_SetMouseAtFloorIdx(step.lIdx), S_OK);
        EXPECT_EQ(m_Floor.ShowFloor_GetMouseAtFloorIdx(), step.lShown) << step.lIdx;
        EXPECT_EQ(CursorWrites() - iWritesBefore, step.bRebuilt ? 1 : 0) << step.lIdx;
    }

    // The outline of cell 4 (x 1, z 1) at its corner heights, the tails and
    // posts fading to the end colour.
    m_Floor.ShowFloor_SetMouseAtFloorIdx(4);
    const VERTEX_XYZ_DIFFUSE* const pCursor = CursorVertices();
    const VERTEX_XYZ_DIFFUSE expected[] = {
        {1.0f, 4.1f, -1.0f, 0xFFFF0000}, {2.0f, 4.2f, -1.0f, 0xFF00FFFF}, // line 0: C1 to C2
        {1.0f, 4.4f, -2.0f, 0xFFFFFF00}, {1.0f, 4.1f, -1.0f, 0xFFFF0000}, // line 3: C4 to C1
        {1.0f, 4.1f, -1.0f, 0xFFFF0000}, {1.0f, 4.1f, 0.0f, 0x00000000},  // line 4: tail of C1, z + 1
        {2.0f, 4.3f, -2.0f, 0xFF0000FF}, {3.0f, 4.3f, -2.0f, 0x00000000}, // line 7: tail of C3, x + 1
        {1.0f, 4.1f, -1.0f, 0xFFFF0000}, {0.0f, 4.1f, -1.0f, 0x00000000}, // line 11: tail of C1, x - 1
        {1.0f, 4.4f, -2.0f, 0xFFFFFF00}, {1.0f, 5.9f, -2.0f, 0x00000000}, // line 15: post of C4
    };
    const int lines[] = {0, 3, 4, 7, 11, 15};
    for (int i = 0; i < 6; ++i) {
        for (int end = 0; end < 2; ++end) {
            const VERTEX_XYZ_DIFFUSE& got = pCursor[lines[i] * 2 + end];
            const VERTEX_XYZ_DIFFUSE& want = expected[i * 2 + end];
            EXPECT_NEAR(got.x, want.x, 1e-5) << "line " << lines[i] << " end " << end;
            EXPECT_NEAR(got.y, want.y, 1e-5) << "line " << lines[i] << " end " << end;
            EXPECT_NEAR(got.z, want.z, 1e-5) << "line " << lines[i] << " end " << end;
            EXPECT_EQ(got.dwColor, want.dwColor) << "line " << lines[i] << " end " << end;
        }
    }

    // A reload forgets the cursor, so the same cell is drawn anew on the new
    // heights.
    LoadRisingFloor();
    EXPECT_EQ(m_Floor.ShowFloor_GetMouseAtFloorIdx(), -1);
    const int iWritesBefore = CursorWrites();
    m_Floor.ShowFloor_SetMouseAtFloorIdx(4);
    EXPECT_EQ(CursorWrites() - iWritesBefore, 1);
}

TEST_F(FloorerTest, TheCursorNeedsAFloor)
{
    ErrorLogCapture log;
    EXPECT_EQ(m_Floor.ShowFloor_SetMouseAtFloorIdx(0), E_FAIL);
    EXPECT_TRUE(log.Contains("( m_dwFloorCount > 0 ) failed")) << log.Text();
    EXPECT_EQ(m_Floor.ShowFloor_GetMouseAtFloorIdx(), -1);
}

TEST_F(FloorerTest, DrawingHighlightsOutlinesAndTheCursor)
{
    ASSERT_EQ(m_Floor.CreateFloor(3, 2), S_OK);
    m_Floor.ShowFloor_DrawFloor(1, 0x7F112233);
    m_Floor.ShowFloor_DrawFloor(4, 0x7F445566);
    IDirect3DVertexBuffer9* const pCells = m_Device.Buffers().at(1);
    IDirect3DVertexBuffer9* const pCursor = m_Device.Buffers().at(0);
    struct Case
    {
        BOOL bDrawAllLine;
        LONG lCursor;
        std::vector<FloorTestDevice::DrawCall> calls;
    };
    const std::vector<FloorTestDevice::DrawCall> highlights = {
        {D3DPT_TRIANGLEFAN, 6, 4, pCells, 0x7F112233}, {D3DPT_TRIANGLEFAN, 24, 4, pCells, 0x7F445566}};
    std::vector<FloorTestDevice::DrawCall> highlightedOutlines = highlights;
    highlightedOutlines.push_back({D3DPT_LINESTRIP, 7, 4, pCells, 0x2FFFFFFF});
    highlightedOutlines.push_back({D3DPT_LINESTRIP, 25, 4, pCells, 0x2FFFFFFF});
    std::vector<FloorTestDevice::DrawCall> allOutlines = highlights;
    for (UINT i = 0; i < 6; ++i)
        allOutlines.push_back({D3DPT_LINESTRIP, i * 6 + 1, 4, pCells, 0x2FFFFFFF});
    std::vector<FloorTestDevice::DrawCall> withCursor = highlightedOutlines;
    withCursor.push_back({D3DPT_LINELIST, 0, 16, pCursor, 0xFFFFFFFF});
    const Case cases[] = {{0, -1, highlightedOutlines}, {1, -1, allOutlines}, {0, 2, withCursor}};
    for (const Case& c : cases) {
        m_Floor.SetRenderFlag(c.bDrawAllLine);
        m_Floor.ShowFloor_SetMouseAtFloorIdx(c.lCursor);
        m_Device.ClearDrawCalls();
        m_Floor.DrawObject();
        const std::vector<FloorTestDevice::DrawCall>& calls = m_Device.DrawCalls();
        ASSERT_EQ(calls.size(), c.calls.size()) << c.bDrawAllLine << " " << c.lCursor;
        for (size_t i = 0; i < calls.size(); ++i) {
            EXPECT_EQ(calls[i].eType, c.calls[i].eType) << i;
            EXPECT_EQ(calls[i].uStartVertex, c.calls[i].uStartVertex) << i;
            EXPECT_EQ(calls[i].uPrimitiveCount, c.calls[i].uPrimitiveCount) << i;
            EXPECT_EQ(calls[i].pStream, c.calls[i].pStream) << i;
            EXPECT_EQ(calls[i].dwTextureFactor, c.calls[i].dwTextureFactor) << i;
        }
    }
    // The draw leaves stage 0 modulating, with the factor white again.
    DWORD dwColorOp = 0, dwFactor = 0;
    m_Device.GetTextureStageState(0, D3DTSS_COLOROP, &dwColorOp);
    m_Device.GetRenderState(D3DRS_TEXTUREFACTOR, &dwFactor);
    EXPECT_EQ(dwColorOp, static_cast<DWORD>(D3DTOP_MODULATE));
    EXPECT_EQ(dwFactor, 0xFFFFFFFFu);
}

TEST_F(FloorerTest, FloorNodeSavesWhatItLoaded)
{
    LoadRisingFloor();
    EXPECT_EQ(m_Floor.GetFloorsCount(), 6u);
    const VERTEX_XYZ_TEX1* const pCell = CellVertices(4);
    const float heights[6] = {4.0f, 4.1f, 4.2f, 4.3f, 4.4f, 4.1f};
    for (int k = 0; k < 6; ++k)
        EXPECT_FLOAT_EQ(pCell[k].y, heights[k]) << k;
    EXPECT_FLOAT_EQ(pCell[3].x, 2.0f);
    EXPECT_FLOAT_EQ(pCell[3].z, -2.0f);

    // Highlights are not stored; the text comes back leaf for leaf.
    m_Floor.ShowFloor_DrawFloor(2, 0x7F00FF00);
    XC_TextTree saved;
    ASSERT_EQ(m_Floor.SaveFloorToNode(saved.AddNode("[Floorer+]")), S_OK);
    const std::string strSaved = TreeText(saved);
    EXPECT_NE(strSaved.find("[Floor005]"), std::string::npos) << strSaved;
    EXPECT_NE(strSaved.find("vec = 5.000000 5.100000 5.200000 5.300000 5.400000"), std::string::npos) << strSaved;
    EXPECT_EQ(strSaved.find("Show"), std::string::npos);
    XC_Floorer again;
    ASSERT_EQ(again.LoadFloorFromNode(saved.FindChildNode("[Floorer+]")), S_OK);
    XC_TextTree savedAgain;
    again.SaveFloorToNode(savedAgain.AddNode("[Floorer+]"));
    EXPECT_EQ(TreeText(savedAgain), strSaved);

    // An empty floor writes nothing.
    m_Floor.ClearFloor();
    XC_TextTree empty;
    EXPECT_EQ(m_Floor.SaveFloorToNode(empty.AddNode("[Floorer+]")), S_OK);
    EXPECT_EQ(empty.FindChildNode("[Floorer+]")->GetLeafCount(), 0);
    EXPECT_EQ(empty.FindChildNode("[Floorer+]")->GetChildNodeCount(), 0);
}

TEST_F(FloorerTest, FloorNodeFaultsLeaveDefaultsOrAnEmptyFloor)
{
    struct Case
    {
        const char* szName;
        const char* szNode;
        HRESULT hr;
        DWORD dwCount;
        const char* szReport;
    };
    const Case cases[] = {
        {"cells by position, not by name",
         "dwWidth = 3\ndwLength = 1\n[Floor009]\n{\nvec = 1 1 1 1 1\n}\n[Floor000]\n{\nvec = 2 2 2 2 2\n}\n"
         "[Floor005]\n{\ndwPropertyID = 7\nvec = 3 3 3 3 3\n}\n",
         S_OK, 3, nullptr},
        {"fewer cells than the size", "dwWidth = 2\ndwLength = 2\n[Floor000]\n{\nvec = 1 2 3 4 5\n}\n", S_OK, 4,
         "( pChildNode ) failed"},
        {"a cell without heights", "dwWidth = 1\ndwLength = 1\n[Floor000]\n{\ndwPropertyID = 9\n}\n", S_OK, 1,
         "( lpctstrGetStr ) failed"},
        {"no cells", "dwWidth = 1\ndwLength = 1\n", E_FAIL, 0, nullptr},
        {"a width of 0", "dwWidth = 0\ndwLength = 1\n[Floor000]\n{\n}\n", E_FAIL, 0, "地板建立錯誤"},
        {"a length of 2049", "dwWidth = 1\ndwLength = 2049\n[Floor000]\n{\n}\n", E_FAIL, 0, "地板建立錯誤"},
        {"a negative width", "dwWidth = -3\ndwLength = 1\n[Floor000]\n{\n}\n", E_FAIL, 0, "地板建立錯誤"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(m_Floor.CreateFloor(5, 5), S_OK); // cleared by every load
        ErrorLogCapture log;
        const auto pTree = ParseTree(std::string("[Floorer+]\n{\n") + c.szNode + "}\n");
        EXPECT_EQ(m_Floor.LoadFloorFromNode(pTree->FindChildNode("[Floorer+]")), c.hr) << c.szName;
        EXPECT_EQ(m_Floor.GetFloorsCount(), c.dwCount) << c.szName;
        if (c.szReport != nullptr) {
            EXPECT_TRUE(log.Contains(c.szReport)) << c.szName << "\n" << log.Text();
        } else {
            EXPECT_EQ(log.Text(), "") << c.szName;
        }
    }
}

TEST_F(FloorerTest, FloorNodeCellValues)
{
    const auto pTree = ParseTree("[Floorer+]\n{\ndwWidth = 3\ndwLength = 1\n[Floor009]\n{\nvec = 1 1 1 1 1\n}\n"
                                 "[Floor000]\n{\nvec = 2 2 2 2 2\n}\n[Floor005]\n{\ndwPropertyID = 0x10\n"
                                 "dwThrough_WEST = -1\nvec = 3\n}\n}\n");
    ASSERT_EQ(m_Floor.LoadFloorFromNode(pTree->FindChildNode("[Floorer+]")), S_OK);
    // The third child fills cell 2 whatever its name; a short "vec" leaves
    // the rest of the heights at 0.
    EXPECT_FLOAT_EQ(m_Floor.GetFloorHeight(0), 1.0f);
    EXPECT_FLOAT_EQ(m_Floor.GetFloorHeight(1), 2.0f);
    EXPECT_FLOAT_EQ(m_Floor.GetFloorHeight(2), 3.0f);
    EXPECT_EQ(m_Floor.GetFloorPropertyID(2), 16);
    EXPECT_EQ(m_Floor.GetFloorThrough_WEST(2), 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(CellVertices(2)[1].y, 0.0f);
    EXPECT_FLOAT_EQ(CellVertices(2)[5].y, 0.0f);
}

TEST_F(FloorerTest, OldFloorNodePlacesCornersAgainstTheMeans)
{
    struct Case
    {
        const char* szName;
        const char* szVec;
        float fCorners[4]; // heights of corners 1 to 4
        bool bReported;
    };
    const Case cases[] = {
        {"corners in order", "0 1 0  1 2 0  1 3 -1  0 4 -1", {1.0f, 2.0f, 3.0f, 4.0f}, false},
        {"corners in any order", "1 3 -1  0 4 -1  1 2 0  0 1 0", {1.0f, 2.0f, 3.0f, 4.0f}, false},
        {"far from the cell: only the means count", "10 1 10  12 2 10  12 3 8  10 4 8", {1.0f, 2.0f, 3.0f, 4.0f}, false},
        {"a shared x places none", "5 1 0  5 2 0  5 3 -1  5 4 -1", {0.0f, 0.0f, 0.0f, 0.0f}, true},
    };
    for (const Case& c : cases) {
        ErrorLogCapture log;
        const auto pTree = ParseTree(std::string("[Floorer]\n{\nlWidth = 1\nlLength = 1\n[Cell]\n{\nfHeight = 2.5\n"
                                                 "lPropertyID = -4\ndwThrough_NORTH = 2\nvec = ")
                                     + c.szVec + "\n}\n}\n");
        ASSERT_EQ(m_Floor.LoadOldFloorFromNode(pTree->FindChildNode("[Floorer]")), S_OK) << c.szName;
        const VERTEX_XYZ_TEX1* const pCell = CellVertices(0);
        EXPECT_FLOAT_EQ(pCell[0].y, 2.5f) << c.szName;
        for (int k = 0; k < 4; ++k)
            EXPECT_FLOAT_EQ(pCell[k + 1].y, c.fCorners[k]) << c.szName << " corner " << k + 1;
        EXPECT_FLOAT_EQ(pCell[5].y, c.fCorners[0]) << c.szName;
        EXPECT_FLOAT_EQ(m_Floor.GetFloorHeight(0), 2.5f);
        EXPECT_EQ(m_Floor.GetFloorPropertyID(0), -4);
        EXPECT_EQ(m_Floor.GetFloorThrough_NORTH(0), 2u);
        // The log keeps one report a place, so the four skipped points show as one.
        EXPECT_EQ(log.Contains("GameProgram\\Scene\\XC_Floorer"), c.bReported) << c.szName << "\n" << log.Text();
    }
}
