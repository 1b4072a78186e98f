#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Effect/XC_Effect.h"
#include "GameProgram/RenderingObject/XC_RenderXFile.h"
#include "GameProgram/Scene/XC_Earth.h"
#include "GameProgram/Scene/XC_Floorer.h"
#include "GameProgram/Scene/XC_SceneElementManager.h"

#include "tests/GameProgram/Scene/BattleSceneApplication.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace {

const char* const SAMPLE_SCENE = "Scene\\Battlefield.scn";
const char* const SCREENSHOT = "SampleBattleScene.bmp";

// Runs the application on the sample game for as many frames as the step
// wants, with the sample battle scene loaded before the first.
void RunBattleScene(const std::function<void(BattleSceneApplication&)>& prepare,
                    const BattleSceneApplication::FrameStep& step)
{
    std::unique_ptr<BattleSceneApplication> pApp(new BattleSceneApplication(step));
    ASSERT_EQ(pApp->Create(GetModuleHandleA(nullptr)), S_OK);
    ASSERT_EQ(pApp->Scene().LoadScene(SAMPLE_SCENE), S_OK);
    prepare(*pApp);
    pApp->Pause(TRUE);
    EXPECT_EQ(pApp->Run(), 0u);
}

struct Colour
{
    int r, g, b;
};

// The mean colour of the pixels within iRadius of a point.
Colour MeanColour(const BitmapFile& picture, POINT point, int iRadius)
{
    Colour sum = {0, 0, 0};
    int iCount = 0;
    for (int y = point.y - iRadius; y <= point.y + iRadius; ++y) {
        for (int x = point.x - iRadius; x <= point.x + iRadius; ++x) {
            const std::uint32_t dwPixel = picture.Pixel(x, y);
            sum.r += (dwPixel >> 16) & 0xFF;
            sum.g += (dwPixel >> 8) & 0xFF;
            sum.b += dwPixel & 0xFF;
            ++iCount;
        }
    }
    return Colour{sum.r / iCount, sum.g / iCount, sum.b / iCount};
}

// The largest excess of red over green and blue near a point.
int RedestNear(const BitmapFile& picture, POINT point, int iRadius)
{
    int iBest = -255;
    for (int y = point.y - iRadius; y <= point.y + iRadius; ++y) {
        for (int x = point.x - iRadius; x <= point.x + iRadius; ++x) {
            const std::uint32_t dwPixel = picture.Pixel(x, y);
            const int r = (dwPixel >> 16) & 0xFF, g = (dwPixel >> 8) & 0xFF, b = dwPixel & 0xFF;
            iBest = std::max(iBest, r - std::max(g, b));
        }
    }
    return iBest;
}

std::string Describe(const Colour& colour)
{
    return std::to_string(colour.r) + "," + std::to_string(colour.g) + "," + std::to_string(colour.b);
}

D3DXVECTOR3 CellCentre(XC_Floorer* pFloor, DWORD x, DWORD z)
{
    DWORD dwIdx = 0;
    pFloor->GetFloorIdxFromFloorXZ(&dwIdx, x, z);
    return pFloor->GetFloorPosition(dwIdx) + D3DXVECTOR3(0.0f, 0.05f, 0.0f);
}

} // namespace

TEST(SampleBattleScene, LoadsEveryPartAndSavesTheSameTextTwice)
{
    ScopedTempFolder folder;
    std::string strFirst, strSecond;
    RunBattleScene(
        [&](BattleSceneApplication& app) {
            XC_Scene& scene = app.Scene();
            EXPECT_EQ(scene.GetFloorer()->GetFloorsCount(), 100u);
            EXPECT_EQ(scene.GetEarth()->GetMeshCount(), 2u);
            EXPECT_EQ(scene.GetSEManager()->GetSceneElementFileNameCount(), 3u);
            // Fifteen hills, two crates, two pillars.
            EXPECT_EQ(scene.GetSEManager()->GetRenderingObjectCount(), 19u);
            XC_Effect* pEffect = nullptr;
            EXPECT_EQ(scene.GetEarth()->GetMesh(1)->GetEffect(&pEffect), S_OK);
            EXPECT_EQ(scene.GetEarth()->GetMesh(0)->GetEffect(&pEffect), E_FAIL);
            // A stone step of one unit beside the plateau, a wall of two below
            // it, open grass, the closed edge.
            DWORD dwStep = 0;
            scene.GetFloorer()->GetFloorIdxFromFloorXZ(&dwStep, 5, 2);
            EXPECT_EQ(scene.GetFloorer()->GetFloorPropertyID(dwStep), 5);
            EXPECT_FLOAT_EQ(scene.GetFloorer()->GetFloorHeight(dwStep), 0.5f);
            EXPECT_EQ(scene.GetFloorer()->GetFloorThrough_EAST(dwStep), 1u);
            EXPECT_EQ(scene.GetFloorer()->GetFloorThrough_WEST(dwStep), 1u);
            EXPECT_EQ(scene.GetFloorer()->GetFloorThrough_EAST(0), 0u);
            EXPECT_EQ(scene.GetFloorer()->GetFloorThrough_NORTH(0), 2u);
            EXPECT_EQ(scene.GetFloorer()->GetFloorThrough_SOUTH(dwStep + 21), 2u);

            const std::string strFirstPath = folder.File("first.scn");
            ASSERT_EQ(scene.SaveScene(strFirstPath.c_str()), S_OK);
            XC_TextTree saved;
            ASSERT_EQ(saved.LoadFile(strFirstPath.c_str()), S_OK);
            scene.ClearScene();
            ASSERT_EQ(scene._LoadSceneFromTextTree(&saved), S_OK);
            const std::string strSecondPath = folder.File("second.scn");
            ASSERT_EQ(scene.SaveScene(strSecondPath.c_str()), S_OK);
            strFirst = ReadTestFile(strFirstPath);
            strSecond = ReadTestFile(strSecondPath);
        },
        [](BattleSceneApplication&) { return false; });
    EXPECT_FALSE(strFirst.empty());
    EXPECT_EQ(strSecond, strFirst);
    EXPECT_NE(strFirst.find("Mesh01 = Scene\\Water.x ScrollUV.txt"), std::string::npos) << strFirst;
}

TEST(SampleBattleScene, EarthMeshLinesWithAndWithoutAnEffect)
{
    RunBattleScene(
        [](BattleSceneApplication& app) {
            XC_Earth* const pEarth = app.Scene().GetEarth();
            struct Case
            {
                const char* szText;
                bool bAdded;
                bool bEffect;
                const char* szReport;
            };
            const Case cases[] = {
                {"Box.x", true, false, nullptr},
                {"Box.x ScrollUV.txt", true, true, nullptr},
                {"  Box.x\tScrollUV.txt  ", true, true, nullptr},
                {"Box.x Missing.txt", true, false, "Load Error , EffectObj Missing.txt "},
                {"Missing.x", false, false, "( pXFileObj ) failed"},
                {"", false, false, "( strlen(szXFileName)>0 ) failed"},
                {"   ", false, false, "( strlen(szXFileName)>0 ) failed"},
            };
            for (const Case& c : cases) {
                pEarth->ClearAll();
                ErrorLogCapture log;
                pEarth->AddMesh(c.szText);
                ASSERT_EQ(pEarth->GetMeshCount(), c.bAdded ? 1u : 0u) << "\"" << c.szText << "\"";
                if (c.bAdded) {
                    XC_RenderXFile* const pMesh = pEarth->GetMesh(0);
                    ASSERT_NE(pMesh, nullptr);
                    EXPECT_STREQ(pMesh->GetName(), c.szText);
                    EXPECT_EQ(pMesh->GetRenderQueueGroup(), 30u);
                    XC_Effect* pEffect = nullptr;
                    EXPECT_EQ(pMesh->GetEffect(&pEffect) == S_OK, c.bEffect) << c.szText;
                }
                if (c.szReport != nullptr)
                    EXPECT_TRUE(log.Contains(c.szReport)) << c.szText << "\n" << log.Text();
                else
                    EXPECT_EQ(log.Text(), "") << c.szText;
            }

            // Saved by position whatever the loaded names were; deleted by the whole text.
            XC_TextTree tree;
            XC_TextNode* const pNode = tree.AddNode("[Earth]");
            pNode->AddLeaf("Ground", "Scene\\Ground.x");
            pNode->AddLeaf("Z", "Box.x ScrollUV.txt");
            ASSERT_TRUE(pEarth->LoadFromNode(pNode));
            XC_TextTree saved;
            ASSERT_TRUE(pEarth->SaveToNode(saved.AddNode("[Earth]")));
            const XC_TextNode* const pSaved = saved.FindChildNode("[Earth]");
            ASSERT_EQ(pSaved->GetLeafCount(), 2);
            EXPECT_STREQ(pSaved->GetLeaf(0)->GetName(), "Mesh00");
            EXPECT_STREQ(pSaved->GetLeaf(1)->GetName(), "Mesh01");
            EXPECT_STREQ(pSaved->GetLeaf(1)->GetValue(), "Box.x ScrollUV.txt");
            EXPECT_EQ(pEarth->DelMesh("Box.x ScrollUV.txt"), S_OK);
            EXPECT_EQ(pEarth->GetMeshCount(), 1u);
            EXPECT_EQ(pEarth->GetMesh(1), nullptr);
        },
        [](BattleSceneApplication&) { return false; });
}

TEST(SampleBattleScene, BattleCameraShowsFloorHighlightsCursorEarthAndElements)
{
    struct Spot
    {
        const char* szName;
        D3DXVECTOR3 vWorld;
        POINT point;
    };
    Spot spots[] = {
        {"move scope", {}, {}},  {"attack cell", {}, {}}, {"grass", {}, {}},   {"water", {}, {}},
        {"crate", {}, {}},       {"plateau", {}, {}},     {"cursor post", {}, {}},
    };
    enum { MOVE, ATTACK, GRASS, WATER, CRATE, PLATEAU, CURSOR_POST };
    RunBattleScene(
        [&](BattleSceneApplication& app) {
            XC_Floorer* const pFloor = app.Scene().GetFloorer();
            DWORD dwIdx = 0;
            // A move scope around (5, 7), an attack cell, the cursor on (4, 8).
            const DWORD scope[][2] = {{5, 7}, {4, 7}, {6, 7}, {5, 6}, {5, 8}};
            for (const auto& cell : scope) {
                pFloor->GetFloorIdxFromFloorXZ(&dwIdx, cell[0], cell[1]);
                ASSERT_EQ(pFloor->ShowFloor_DrawFloor(dwIdx, 0x9F2040FF), S_OK);
            }
            pFloor->GetFloorIdxFromFloorXZ(&dwIdx, 8, 8);
            pFloor->ShowFloor_DrawFloor(dwIdx, 0x9FFF2020);
            pFloor->GetFloorIdxFromFloorXZ(&dwIdx, 4, 8);
            ASSERT_EQ(pFloor->ShowFloor_SetMouseAtFloorIdx(static_cast<LONG>(dwIdx)), S_OK);
            app.PlaceBattleCamera();

            spots[MOVE].vWorld = CellCentre(pFloor, 5, 7);
            spots[ATTACK].vWorld = CellCentre(pFloor, 8, 8);
            spots[GRASS].vWorld = CellCentre(pFloor, 8, 6);
            spots[WATER].vWorld = D3DXVECTOR3(1.5f, -0.15f, -8.5f);
            spots[CRATE].vWorld = D3DXVECTOR3(2.5f, 0.35f, -6.5f);
            spots[PLATEAU].vWorld = D3DXVECTOR3(7.5f, 1.0f, -3.5f);
            // Half way up the post at corner 1 of the cursor's cell (4, 8).
            spots[CURSOR_POST].vWorld = D3DXVECTOR3(4.0f, 0.05f + 0.6f, -8.0f);
            for (Spot& spot : spots)
                spot.point = app.ScreenPoint(spot.vWorld);
        },
        [](BattleSceneApplication& app) {
            if (app.Frames() < 3)
                return true;
            app.SaveScreenshot(SCREENSHOT);
            return false;
        });

    BitmapFile picture;
    ASSERT_TRUE(picture.Load(TestOutputFile(SCREENSHOT)));
    const Colour move = MeanColour(picture, spots[MOVE].point, 4);
    const Colour attack = MeanColour(picture, spots[ATTACK].point, 4);
    const Colour grass = MeanColour(picture, spots[GRASS].point, 4);
    const Colour water = MeanColour(picture, spots[WATER].point, 3);
    const Colour crate = MeanColour(picture, spots[CRATE].point, 2);
    const Colour plateau = MeanColour(picture, spots[PLATEAU].point, 3);
    // The ground mesh shows green where no cell is highlighted; the water
    // mesh blue.
    EXPECT_GT(grass.g, grass.r + 20) << Describe(grass);
    EXPECT_GT(grass.g, grass.b + 20) << Describe(grass);
    EXPECT_GT(water.b, water.g + 20) << Describe(water);
    EXPECT_GT(water.b, water.r + 20) << Describe(water);
    // Highlights tint their cells over the ground.
    EXPECT_GT(move.b - move.g, grass.b - grass.g + 40) << Describe(move);
    EXPECT_GT(attack.r - attack.g, grass.r - grass.g + 40) << Describe(attack);
    EXPECT_LT(attack.b, move.b) << Describe(attack);
    // The elements stand out of the ground.
    EXPECT_GT(std::abs(crate.r - grass.r) + std::abs(crate.g - grass.g) + std::abs(crate.b - grass.b), 60)
        << Describe(crate);
    EXPECT_GT(plateau.r, plateau.g) << Describe(plateau);
    // The cursor's red post rises from corner 1 of its cell.
    EXPECT_GT(RedestNear(picture, spots[CURSOR_POST].point, 3), 60);
    // Outside the ground the background stays black.
    EXPECT_EQ(picture.Pixel(2, 2), 0u);
}
