// The sample battlefield: a 10 × 10 floor made from a table of cells, the
// terrain meshes, hills under the raised cells, a stack of crates, two
// pillars and the lights, written as the game's scene file.

#include "tools/samplegame/SampleBattleScene.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/LightMan/XC_LightBulb.h"
#include "GameProgram/LightMan/XC_LightMan.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

const char* const SAMPLE_BATTLE_SCENE_FILE = "Scene\\Battlefield.scn";

namespace {

// One token a cell, rows of z from 0: the landform ID of the landform table
// (0 plain, 1 grass, 2 forest, 3 hill, 4 pond, 5 stone road, 6 poison marsh,
// 7 spring), as the scene record's floor grid has it, and a height in half
// units: a plateau of two units with a step of one around it, and a knoll.
// The pond lies under the earth's water.
const char* const CELL_ROWS[] = {
    "10 10 10 20 20 30 30 30 10 10",
    "10 00 00 20 20 30 31 11 11 10",
    "10 00 50 50 50 51 12 12 12 10",
    "20 00 50 00 00 51 12 12 32 30",
    "20 20 50 00 70 50 02 62 62 10",
    "10 10 50 00 00 50 00 60 10 10",
    "10 10 50 50 50 50 00 00 10 20",
    "40 40 40 00 00 10 10 01 20 20",
    "40 40 40 00 00 10 10 00 20 20",
    "40 40 40 10 10 10 10 10 20 20",
};
const int WIDTH = 10;
const int LENGTH = 10;
const float HEIGHT_UNIT = 0.5f;
// Passability of a side: open, a jump of one height unit, closed.
const DWORD THROUGH_OPEN = 0;
const DWORD THROUGH_JUMP = 1;
const DWORD THROUGH_CLOSED = 2;

struct Cell
{
    DWORD dwLandform;
    int iLevel;
};

bool ReadCells(std::vector<Cell>* pCells)
{
    for (const char* szRow : CELL_ROWS) {
        std::istringstream row(szRow);
        std::string token;
        while (row >> token) {
            if (token.size() != 2 || token[0] < '0' || token[0] > '7' || token[1] < '0' || token[1] > '9') {
                std::fprintf(stderr, "samplegame: bad battlefield cell \"%s\"\n", token.c_str());
                return false;
            }
            pCells->push_back({static_cast<DWORD>(token[0] - '0'), token[1] - '0'});
        }
    }
    return pCells->size() == static_cast<size_t>(WIDTH * LENGTH);
}

// A side to a neighbour one level apart is a jump, more is closed, as is
// the edge of the floor.
DWORD Through(const std::vector<Cell>& cells, int x, int z, int dx, int dz)
{
    const int nx = x + dx;
    const int nz = z + dz;
    if (nx < 0 || nz < 0 || nx >= WIDTH || nz >= LENGTH)
        return THROUGH_CLOSED;
    const int iStep = std::abs(cells[z * WIDTH + x].iLevel - cells[nz * WIDTH + nx].iLevel);
    return iStep == 0 ? THROUGH_OPEN : iStep == 1 ? THROUGH_JUMP : THROUGH_CLOSED;
}

void WriteFloor(const std::vector<Cell>& cells, XC_TextNode* pFloorNode)
{
    pFloorNode->AddLeaf("dwWidth", WIDTH);
    pFloorNode->AddLeaf("dwLength", LENGTH);
    for (int i = 0; i < WIDTH * LENGTH; ++i) {
        const int x = i % WIDTH;
        const int z = i / WIDTH;
        char szName[16];
        std::snprintf(szName, sizeof(szName), "[Floor%03d]", i);
        XC_TextNode* const pCell = pFloorNode->AddNode(szName);
        pCell->AddLeaf("dwPropertyID", static_cast<int>(cells[i].dwLandform));
        // North is z - 1, south z + 1.
        pCell->AddLeaf("dwThrough_SOUTH", static_cast<int>(Through(cells, x, z, 0, 1)));
        pCell->AddLeaf("dwThrough_EAST", static_cast<int>(Through(cells, x, z, 1, 0)));
        pCell->AddLeaf("dwThrough_NORTH", static_cast<int>(Through(cells, x, z, 0, -1)));
        pCell->AddLeaf("dwThrough_WEST", static_cast<int>(Through(cells, x, z, -1, 0)));
        const float fHeight = cells[i].iLevel * HEIGHT_UNIT;
        char szHeights[128];
        std::snprintf(szHeights, sizeof(szHeights), "%f %f %f %f %f ", fHeight, fHeight, fHeight, fHeight, fHeight);
        pCell->AddLeaf("vec", szHeights);
    }
}

struct Placement
{
    float fScaleX, fScaleY, fScaleZ;
    float fYaw;
    float fPosX, fPosY, fPosZ;
};

// A description of a box of the XFile pack's "Box.x" (2 units a side).
XC_TextNode* AddBox(XC_TextNode* pFile, const std::string& strName, DWORD dwColor, const Placement& placement)
{
    XC_TextNode* const pNode = pFile->AddNode(("[" + strName + "]").c_str());
    pNode->AddLeaf("Type", "xfile");
    pNode->AddLeaf("Name", strName.c_str());
    pNode->AddLeaf("XFileName", "Box.x");
    char szColor[16];
    std::snprintf(szColor, sizeof(szColor), "0x%08lX", static_cast<unsigned long>(dwColor));
    pNode->AddLeaf("rgbaColor", szColor);
    XC_TextNode* const pMatrix = pNode->AddNode("[Matrix]");
    pMatrix->AddLeaf("fScaleX", placement.fScaleX);
    pMatrix->AddLeaf("fScaleY", placement.fScaleY);
    pMatrix->AddLeaf("fScaleZ", placement.fScaleZ);
    pMatrix->AddLeaf("fRotYaw", placement.fYaw);
    pMatrix->AddLeaf("fPosX", placement.fPosX);
    pMatrix->AddLeaf("fPosY", placement.fPosY);
    pMatrix->AddLeaf("fPosZ", placement.fPosZ);
    return pNode;
}

// A block of earth under every raised cell, up to the cell's height.
void WriteHills(const std::vector<Cell>& cells, XC_TextNode* pFile)
{
    for (int i = 0; i < WIDTH * LENGTH; ++i) {
        if (cells[i].iLevel == 0)
            continue;
        const float fHeight = cells[i].iLevel * HEIGHT_UNIT;
        const float fX = i % WIDTH + 0.5f;
        const float fZ = -(i / WIDTH + 0.5f);
        char szName[16];
        std::snprintf(szName, sizeof(szName), "Hill%02d", i);
        AddBox(pFile, szName, 0xFFB09070, {0.5f, fHeight / 2.0f, 0.5f, 0.0f, fX, fHeight / 2.0f, fZ});
    }
}

// A crate on cell (2, 6) with a smaller one on it, turned.
void WriteCrates(XC_TextNode* pFile)
{
    AddBox(pFile, "Crate", 0xFFD0A060, {0.35f, 0.35f, 0.35f, 0.0f, 2.5f, 0.35f, -6.5f});
    XC_TextNode* const pTop = AddBox(pFile, "CrateTop", 0xFFE0C080, {0.25f, 0.25f, 0.25f, 30.0f, 0.0f, 0.6f, 0.0f});
    pTop->AddLeaf("LinkTarget", "Crate");
}

// Two pillars behind the far corners of the floor.
void WritePillars(XC_TextNode* pFile)
{
    AddBox(pFile, "PillarWest", 0xFFC0C0C0, {0.3f, 1.5f, 0.3f, 0.0f, -0.5f, 1.5f, 0.5f});
    AddBox(pFile, "PillarEast", 0xFFC0C0C0, {0.3f, 1.5f, 0.3f, 0.0f, 10.5f, 1.5f, 0.5f});
}

void WriteLights(XC_TextNode* pLightNode)
{
    XC_LightMan lightMan;
    XC_TextTree ambient;
    XC_TextNode* const pAmbient = ambient.AddNode("[LightMan]");
    pAmbient->AddLeaf("AmbientLight_Red", 90);
    pAmbient->AddLeaf("AmbientLight_Green", 90);
    pAmbient->AddLeaf("AmbientLight_Blue", 90);
    lightMan.LoadFromNode(pAmbient);

    XC_LightBulb sun;
    sun.dwLightType = XC_LightBulb::LT_Directional;
    sun.fDiffuseRed = sun.fDiffuseGreen = 1.0f;
    sun.fDiffuseBlue = 0.9f;
    sun.fLightYaw = -60.0f;
    sun.fLightPitch = 60.0f;
    sun.fAttenuation0 = 1.0f;
    lightMan.SetLightBulb(0, sun);
    lightMan.EnableLightBulb(0, TRUE);
    XC_LightBulb fill;
    fill.dwLightType = XC_LightBulb::LT_Directional;
    fill.fDiffuseRed = fill.fDiffuseGreen = fill.fDiffuseBlue = 0.3f;
    fill.fLightYaw = 120.0f;
    fill.fLightPitch = 30.0f;
    fill.fAttenuation0 = 1.0f;
    lightMan.SetLightBulb(1, fill);
    lightMan.EnableLightBulb(1, TRUE);
    lightMan.SaveToNode(pLightNode);
}

bool SaveTree(const XC_TextTree& tree, const fs::path& path)
{
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    if (FAILED(tree.Save(path.string().c_str()))) {
        std::fprintf(stderr, "samplegame: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

} // namespace

bool WriteSampleBattleScene(const fs::path& dataFolder)
{
    std::vector<Cell> cells;
    if (!ReadCells(&cells))
        return false;

    XC_TextTree hills;
    WriteHills(cells, &hills);
    XC_TextTree crates;
    WriteCrates(&crates);
    XC_TextTree pillars;
    WritePillars(&pillars);
    const std::pair<const char*, const XC_TextTree*> elements[] = {
        {"Scene\\Hills.txt", &hills}, {"Scene\\Crates.txt", &crates}, {"Scene\\Pillars.txt", &pillars}};

    XC_TextTree scene;
    XC_TextNode* const pElements = scene.AddNode("[SceneElement+]");
    for (size_t i = 0; i < std::size(elements); ++i) {
        char szLeaf[8];
        std::snprintf(szLeaf, sizeof(szLeaf), "SE%02d", static_cast<int>(i));
        pElements->AddLeaf(szLeaf, elements[i].first);
        if (!SaveTree(*elements[i].second, dataFolder / elements[i].first))
            return false;
    }
    XC_TextNode* const pEarth = scene.AddNode("[Earth]");
    pEarth->AddLeaf("Mesh00", "Scene\\Ground.x");
    pEarth->AddLeaf("Mesh01", "Scene\\Water.x ScrollUV.txt");
    WriteLights(scene.AddNode("[LightMan]"));
    WriteFloor(cells, scene.AddNode("[Floorer+]"));
    return SaveTree(scene, dataFolder / SAMPLE_BATTLE_SCENE_FILE);
}
