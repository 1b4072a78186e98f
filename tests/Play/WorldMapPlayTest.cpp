#include "tests/Play/PlayedGame.h"

#include "tests/Support/BitmapFile.h"
#include "tests/Support/SampleGameApplication.h"
#include "tests/Support/TestOutput.h"

#include <d3dx9.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const char* const CLEAN_LOG = "Version 0.00 \r\nEngine 2.00\r\n";

// Game pixels: the title's new-game, level and exit buttons, the map's state
// button, the option panel's Title button.
const POINT NEW_GAME = {400, 360};
const POINT LEVEL = {400, 360};
const POINT EXIT_GAME = {400, 460};
const POINT STATE_BUTTON = {660, 560};
const POINT OPTION_TITLE = {200, 230};
const POINT CENTRE = {400, 300};
// Open ground of the map left of the party's place, under the option panel.
const POINT GROUND = {200, 300};

struct Rgb
{
    int r, g, b;
};

Rgb RgbOf(const BitmapFile& bitmap, int x, int y)
{
    const std::uint32_t dwPixel = bitmap.Pixel(x, y);
    return {static_cast<int>((dwPixel >> 16) & 0xFF), static_cast<int>((dwPixel >> 8) & 0xFF),
            static_cast<int>(dwPixel & 0xFF)};
}

Rgb PixelOf(const std::string& strShot, POINT at)
{
    BitmapFile bitmap;
    if (!bitmap.Load(strShot))
        return {-1, -1, -1};
    return RgbOf(bitmap, at.x, at.y);
}

bool IsGround(const Rgb& rgb)
{
    return rgb.g > rgb.r + 0x30 && rgb.g > rgb.b + 0x30;
}

bool IsPlate(const Rgb& rgb)
{
    return rgb.b > rgb.r + 0x20 && rgb.b > rgb.g + 0x10;
}

bool IsNameInk(const Rgb& rgb)
{
    return rgb.r > 0xA0 && rgb.g > 0xA0 && rgb.b > 0xA0;
}

// The name's light pixels in a band of rows across the plate's width.
int NameInkIn(const BitmapFile& bitmap, int iLeft, int iRight, int iTop, int iBottom)
{
    int iCount = 0;
    for (int y = iTop; y <= iBottom; ++y)
        for (int x = iLeft; x <= iRight; ++x)
            iCount += IsNameInk(RgbOf(bitmap, x, y)) ? 1 : 0;
    return iCount;
}

// A plate's name is drawn inside it: its borders are found from a point on
// the plate left of the name, and the name's pixels lie between them, none
// in the rows just above or below.
void ExpectNameInsidePlate(const std::string& strShot, POINT plateLeft, POINT plateCentre)
{
    BitmapFile bitmap;
    ASSERT_TRUE(bitmap.Load(strShot));
    ASSERT_TRUE(IsPlate(RgbOf(bitmap, plateLeft.x, plateLeft.y))) << "the plate left of the name";
    int iTop = plateLeft.y;
    while (iTop > 0 && IsPlate(RgbOf(bitmap, plateLeft.x, iTop - 1)))
        --iTop;
    int iBottom = plateLeft.y;
    while (iBottom + 1 < bitmap.Height() && IsPlate(RgbOf(bitmap, plateLeft.x, iBottom + 1)))
        ++iBottom;
    const int iLeft = plateLeft.x;
    const int iRight = 2 * plateCentre.x - plateLeft.x;
    EXPECT_GT(NameInkIn(bitmap, iLeft, iRight, iTop, iBottom), 0) << "the name on its plate";
    EXPECT_EQ(NameInkIn(bitmap, iLeft, iRight, std::max(0, iTop - 10), iTop - 1), 0) << "above the plate";
    EXPECT_EQ(NameInkIn(bitmap, iLeft, iRight, iBottom + 1, std::min(bitmap.Height() - 1, iBottom + 10)), 0)
        << "below the plate";
}

const D3DXVECTOR3 TOWN(-10.0f, 0.0f, 5.0f);
const D3DXVECTOR3 CROSSROADS(0.0f, 0.0f, 0.0f);
// A place's name plate: its centre and a point on it left of the name.
const D3DXVECTOR3 PLATE_CENTRE(0.0f, 4.0f, 0.0f);
const D3DXVECTOR3 PLATE_LEFT(-1.9f, 4.0f, 0.0f);

// The game pixel of a map point, with the camera as the sample layout places
// it: looking at a point (at the opening the town) from 110 units, 50
// degrees down, through the game's 15-degree lens.
POINT Projected(const D3DXVECTOR3& vPoint, const D3DXVECTOR3& vLookAt = TOWN)
{
    const float fPitch = D3DXToRadian(50.0f);
    const D3DXVECTOR3 vEye = vLookAt + D3DXVECTOR3(0.0f, 110.0f * std::sin(fPitch), -110.0f * std::cos(fPitch));
    const D3DXVECTOR3 vUp(0.0f, 1.0f, 0.0f);
    D3DXMATRIX matView, matProjection, matWorld;
    D3DXMatrixLookAtLH(&matView, &vEye, &vLookAt, &vUp);
    D3DXMatrixPerspectiveFovLH(&matProjection, 0.2617994f, 800.0f / 600.0f, 1.0f, 1000.0f);
    D3DXMatrixIdentity(&matWorld);
    const D3DVIEWPORT9 viewport = {0, 0, 800, 600, 0.0f, 1.0f};
    D3DXVECTOR3 vScreen;
    D3DXVec3Project(&vScreen, &vPoint, &viewport, &matProjection, &matView, &matWorld);
    return {static_cast<LONG>(vScreen.x + 0.5f), static_cast<LONG>(vScreen.y + 0.5f)};
}

// A screenshot kept among the test outputs under a name of its own.
std::string Shot(const PlayedGame& game, const std::string& strName)
{
    const std::string strShot = game.Screenshot();
    if (!strShot.empty())
        CopyFileA(strShot.c_str(), TestOutputFile("WorldMapPlay" + strName + ".bmp").c_str(), FALSE);
    return strShot;
}

// The game's cursor follows a move of at most 200 pixels: farther targets
// are reached in hops.
bool ClickAt(PlayedGame& game, POINT from, POINT to, int iButton = 1)
{
    const int iSteps = 1 + std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) / 150;
    for (int i = 1; i < iSteps; ++i) {
        if (!game.MoveTo(from.x + (to.x - from.x) * i / iSteps, from.y + (to.y - from.y) * i / iSteps))
            return false;
        Sleep(100);
    }
    return game.Click(to.x, to.y, iButton);
}

size_t Count(const std::string& strText, const std::string& strPart)
{
    size_t nCount = 0;
    for (size_t at = strText.find(strPart); at != std::string::npos; at = strText.find(strPart, at + 1))
        ++nCount;
    return nCount;
}

bool WaitForSecond(const PlayedGame& game, const std::string& strText, DWORD dwMilliseconds)
{
    for (DWORD dwWaited = 0; dwWaited < dwMilliseconds; dwWaited += 100) {
        if (Count(game.Output(), strText) >= 2)
            return true;
        Sleep(100);
    }
    return false;
}

// From the title through a new game to the map; the map puts the game's
// cursor at the centre when it selects the party's place.
void ReachMap(PlayedGame& game)
{
    ASSERT_TRUE(game.Started());
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 10\n", 60000)) << game.Output();
    Sleep(2500);
    game.GameCursorAtCentre();
    ASSERT_TRUE(game.Click(NEW_GAME.x, NEW_GAME.y));
    Sleep(1500);
    ASSERT_TRUE(game.MoveTo(LEVEL.x, LEVEL.y - 150));
    Sleep(300);
    ASSERT_TRUE(game.Click(LEVEL.x, LEVEL.y));
    ASSERT_TRUE(game.WaitForOutput("ChangeProcedure 20\n", 20000)) << game.Output() << game.Log();
    Sleep(3000);
    game.GameCursorAtCentre();
}

} // namespace

// The map, its option screen by Escape and its state screen by the button,
// each closed back to the map; the option screen's Title returns to the
// title, whose Exit ends the program normally; nothing is reported.
TEST(WorldMapPlay, TheMapOpensItsScreensAndTheOptionScreenLeadsToTheTitle)
{
    PlayedGame game(SampleGameFolder());
    ReachMap(game);
    if (HasFatalFailure())
        return;
    const std::string strMap = Shot(game, "Map");
    ASSERT_FALSE(strMap.empty()) << game.Output() << game.Log();
    EXPECT_TRUE(IsGround(PixelOf(strMap, GROUND)));
    // The party's town: its red model and, above it, its photo in place of
    // its plate; the crossroads' navy name plate 4 units above the ground.
    const Rgb town = PixelOf(strMap, Projected(TOWN + D3DXVECTOR3(0.0f, 0.5f, 0.0f)));
    EXPECT_GT(town.r, town.g + 0x40) << "the town's model";
    EXPECT_FALSE(IsGround(PixelOf(strMap, Projected(TOWN + D3DXVECTOR3(0.0f, 7.6f, 0.0f))))) << "the town's photo";
    // Its name stands inside the plate, not through its top border.
    ExpectNameInsidePlate(strMap, Projected(CROSSROADS + PLATE_LEFT), Projected(CROSSROADS + PLATE_CENTRE));
    EXPECT_EQ(game.Log(), CLEAN_LOG) << "on the map";

    ASSERT_TRUE(game.Key("Escape"));
    Sleep(1500);
    const std::string strOption = Shot(game, "Option");
    EXPECT_FALSE(IsGround(PixelOf(strOption, GROUND))) << "the option panel covers the ground";
    ASSERT_TRUE(game.Key("Escape"));
    Sleep(1500);
    EXPECT_TRUE(IsGround(PixelOf(Shot(game, "MapAfterOption"), GROUND)));
    EXPECT_EQ(game.Log(), CLEAN_LOG) << "after the option screen";

    ASSERT_TRUE(ClickAt(game, CENTRE, STATE_BUTTON));
    Sleep(2000);
    const std::string strState = Shot(game, "State");
    EXPECT_FALSE(IsGround(PixelOf(strState, GROUND))) << "the state screen covers the map";
    ASSERT_TRUE(game.Click(STATE_BUTTON.x, STATE_BUTTON.y, 3));
    Sleep(2000);
    EXPECT_TRUE(IsGround(PixelOf(Shot(game, "MapAfterState"), GROUND)));
    EXPECT_EQ(game.Log(), CLEAN_LOG) << "after the state screen";

    // The map opened again has put the cursor at the centre.
    game.GameCursorAtCentre();
    Sleep(1000);
    ASSERT_TRUE(game.Key("Escape"));
    Sleep(2000);
    ASSERT_FALSE(IsGround(PixelOf(Shot(game, "OptionAgain"), GROUND))) << "the option screen opens again";
    ASSERT_TRUE(ClickAt(game, CENTRE, OPTION_TITLE));
    ASSERT_TRUE(WaitForSecond(game, "ChangeProcedure 10\n", 20000)) << game.Output() << game.Log();
    Sleep(2500);
    game.GameCursorAtCentre();
    ASSERT_TRUE(game.Click(EXIT_GAME.x, EXIT_GAME.y));
    ASSERT_TRUE(game.WaitForExit(20000)) << game.Output();
    EXPECT_EQ(game.ExitCode(), 0u);
    EXPECT_EQ(game.Log(), CLEAN_LOG);
}

// A click on the crossroads selects it and the camera turns to it, bringing
// it to the centre; a second click there walks the hero from the town to it,
// the camera following: at the end the crossroads' plate stands where the
// camera looking at the crossroads shows it.
TEST(WorldMapPlay, TwoClicksOnTheCrossroadsWalkTheHeroThere)
{
    PlayedGame game(SampleGameFolder());
    ReachMap(game);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(ClickAt(game, CENTRE, Projected(CROSSROADS + D3DXVECTOR3(0.0f, 1.0f, 0.0f))));
    Sleep(3000);
    game.GameCursorAtCentre();
    Shot(game, "Selected");
    // The crossroads' ground at the centre, just above the cursor's tip.
    const POINT crossroads = {400, 293};
    ASSERT_TRUE(game.Click(crossroads.x, crossroads.y));
    Sleep(300);
    const POINT plate = Projected(CROSSROADS + PLATE_LEFT, CROSSROADS);
    EXPECT_TRUE(IsGround(PixelOf(Shot(game, "WalkStart"), plate))) << "the hero is still on the way";
    Sleep(4000);
    EXPECT_TRUE(IsPlate(PixelOf(Shot(game, "WalkEnd"), plate))) << "the hero stands at the crossroads";
    EXPECT_EQ(game.Log(), CLEAN_LOG);
    ASSERT_TRUE(game.Key("shift+Escape"));
    ASSERT_TRUE(game.WaitForExit(20000)) << game.Output();
}
