#include "tools/samplegame/SampleWorldMapContent.h"

#include "tools/samplegame/SampleFiles.h"
#include "tools/samplegame/SampleImage.h"

#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/LightMan/XC_LightBulb.h"
#include "GameProgram/LightMan/XC_LightMan.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Opaque pure green is the colour key of the pictures.
const std::uint32_t COLOR_KEY = 0x00FF00;
const std::uint32_t GOLD = 0xE0C060;
const std::uint32_t WHITE = 0xFFFFFF;

// One page of an animation: its picture under "AniTexture\WorldMap\", centred
// on the item's position.
std::string AnimationPage(const std::string& strPicture)
{
    char szPage[256];
    std::snprintf(szPage, sizeof(szPage),
                  "100 0 0 -1 1 0.0 0.0 0.0 400.0\r\n"
                  "WorldMap\\%s 1 1.0 0.0 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0 0.0 0.0 4 4 1 5 6 ffffffff\r\n",
                  strPicture.c_str());
    return szPage;
}

std::string Animation(const std::vector<std::string>& pictures)
{
    std::string text = std::to_string(pictures.size()) + "\r\npages\r\n";
    for (const std::string& strPicture : pictures)
        text += AnimationPage(strPicture);
    return text;
}

// A button face or a panel: filled, with an outline.
SampleImage Panel(int iWidth, int iHeight, std::uint32_t dwFill, std::uint32_t dwEdge)
{
    SampleImage image(iWidth, iHeight, COLOR_KEY);
    image.FillRect(1, 1, iWidth - 1, iHeight - 1, dwFill);
    image.DrawOutline(1, 1, iWidth - 1, iHeight - 1, dwEdge);
    return image;
}

// A button with a mark in its middle: a circle for the party's state, a
// square for the options.
SampleImage MarkedButton(std::uint32_t dwFill, std::uint32_t dwEdge, bool bCircle)
{
    SampleImage image = Panel(64, 40, dwFill, dwEdge);
    if (bCircle)
        image.FillCircle(32, 20, 10, dwEdge);
    else
        image.FillRect(22, 10, 42, 30, dwEdge);
    return image;
}

// A place's photo: sky, land and what stands there.
SampleImage Photo(std::uint32_t dwSky, std::uint32_t dwLand, std::uint32_t dwThing, bool bRound)
{
    SampleImage image(128, 96, 0);
    image.FillGradient(dwSky, 0x203050);
    image.FillRect(0, 64, 128, 96, dwLand);
    if (bRound)
        image.FillCircle(64, 56, 18, dwThing);
    else
        image.FillRect(44, 36, 84, 72, dwThing);
    image.DrawOutline(0, 0, 128, 96, GOLD);
    return image;
}

struct JS_Picture
{
    const char* szFolder;
    const char* szName;
    SampleImage image;
};

std::vector<JS_Picture> Pictures()
{
    return {
        {"AniTexture", "Plate.bmp", Panel(96, 28, 0x203060, GOLD)},
        {"AniTexture", "MenuBk.bmp", Panel(180, 60, 0x182848, GOLD)},
        {"AniTexture", "State0.bmp", MarkedButton(0x2060A0, WHITE, true)},
        {"AniTexture", "State1.bmp", MarkedButton(0x40A0E0, GOLD, true)},
        {"AniTexture", "Option0.bmp", MarkedButton(0x206040, WHITE, false)},
        {"AniTexture", "Option1.bmp", MarkedButton(0x40A060, GOLD, false)},
        {"AniTexture", "PhotoBk.bmp", Panel(140, 108, 0x402818, GOLD)},
        {"AniTexture", "Box.bmp", Panel(300, 150, 0x402818, GOLD)},
        {"AniTexture", "OK0.bmp", Panel(96, 28, 0x305080, WHITE)},
        {"AniTexture", "OK1.bmp", Panel(96, 28, 0x60A0E0, GOLD)},
        {"AniTexture", "Cancel0.bmp", Panel(96, 28, 0x803030, WHITE)},
        {"AniTexture", "Cancel1.bmp", Panel(96, 28, 0xC05050, GOLD)},
        {"Texture", "PlaceTown.bmp", Photo(0x80B0F0, 0x507030, 0xD0C0A0, false)},
        {"Texture", "PlaceCrossroads.bmp", Photo(0xF0C080, 0x907050, 0x806040, false)},
        {"Texture", "PlaceBattlefield.bmp", Photo(0xA06060, 0x605040, 0xC02020, true)},
    };
}

struct JS_Animation
{
    const char* szName;
    std::vector<std::string> pictures;
};

const std::vector<JS_Animation>& Animations()
{
    static const std::vector<JS_Animation> s_Animations = {
        {"Plate.ant", {"Plate.bmp"}},
        {"MenuBk.ant", {"MenuBk.bmp"}},
        {"State.ant", {"State0.bmp", "State1.bmp"}},
        {"Option.ant", {"Option0.bmp", "Option1.bmp"}},
        {"PhotoBk.ant", {"PhotoBk.bmp"}},
        {"Box.ant", {"Box.bmp"}},
        {"OK.ant", {"OK0.bmp", "OK1.bmp"}},
        {"Cancel.ant", {"Cancel0.bmp", "Cancel1.bmp"}},
    };
    return s_Animations;
}

// A bright ambient light and a sun from the south-west, so that the places'
// models read from the map's camera.
void WriteLights(XC_TextNode* pLightNode)
{
    XC_LightMan lightMan;
    XC_TextTree ambient;
    XC_TextNode* const pAmbient = ambient.AddNode("[LightMan]");
    pAmbient->AddLeaf("AmbientLight_Red", 120);
    pAmbient->AddLeaf("AmbientLight_Green", 120);
    pAmbient->AddLeaf("AmbientLight_Blue", 120);
    lightMan.LoadFromNode(pAmbient);
    XC_LightBulb sun;
    sun.dwLightType = XC_LightBulb::LT_Directional;
    sun.fDiffuseRed = sun.fDiffuseGreen = sun.fDiffuseBlue = 0.9f;
    sun.fLightYaw = 30.0f;
    sun.fLightPitch = 60.0f;
    sun.fAttenuation0 = 1.0f;
    lightMan.SetLightBulb(0, sun);
    lightMan.EnableLightBulb(0, TRUE);
    lightMan.SaveToNode(pLightNode);
}

// The map's scene: a wide meadow under the places.
bool WriteScene(const fs::path& path)
{
    XC_TextTree scene;
    XC_TextNode* const pEarth = scene.AddNode("[Earth]");
    pEarth->AddLeaf("Mesh00", "WorldMap\\Ground.x");
    WriteLights(scene.AddNode("[LightMan]"));
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    if (FAILED(scene.Save(path.string().c_str()))) {
        std::fprintf(stderr, "samplegame: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

} // namespace

bool WriteSampleWorldMapContent(const fs::path& output)
{
    for (const JS_Picture& picture : Pictures()) {
        if (!WriteGameFile(output / picture.szFolder / "WorldMap" / picture.szName, picture.image.ToBmp()))
            return false;
    }
    for (const JS_Animation& animation : Animations()) {
        if (!WriteGameFile(output / "Ani" / "WorldMap" / animation.szName, Animation(animation.pictures)))
            return false;
    }
    return WriteScene(output / "GameData" / "WorldMap0.scn")
        && WriteGameFile(output / "Music" / "WorldMap.wav", SampleTone(330.0, 2.0));
}
