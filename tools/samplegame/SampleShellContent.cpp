#include "tools/samplegame/SampleShellContent.h"

#include "tools/samplegame/SampleFiles.h"
#include "tools/samplegame/SampleImage.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

// The last game file id the shell, the battle and the screens read.
const int LAST_GAME_FILE_ID = 227;

// Opaque pure green is the colour key of the pictures.
const std::uint32_t COLOR_KEY = 0x00FF00;

// The game file ids with a file of their own; every other id names the
// placeholder until its screen comes.
const std::map<int, const char*>& NamedFiles()
{
    static const std::map<int, const char*> s_Files = {
        {50, "GameParameter.txt"},
        {51, "GameText.txt"},
        {52, "FloorColor.txt"},
        {53, "PoseList.txt"},
        {54, "StateScriptList.txt"},
        {55, "JumpWords.txt"},
        {56, "Battle\\CoordinatedAttack.txt"},
        {125, "Music\\Title.wav"},
        {126, "Music\\Deploy.wav"},
        {150, "NowLoading.ant"},
        {151, "Logo.ant"},
        {152, "Script\\PersonDirectionArrow.txt"},
        {180, "Mouse\\Cursor.txt"},
        {181, "Scene\\FocusMark.txt"},
        {200, "Battle\\DieHaveBody.txt"},
        {201, "Battle\\DieNoBody.txt"},
        {202, "Battle\\DieOut.txt"},
        {203, "Battle\\MoveTeleport.txt"},
        {204, "Battle\\MoveFly.txt"},
        {205, "Battle\\LevelUp.txt"},
        {206, "Battle\\JobLevelUp.txt"},
        {207, "Battle\\Outfall.txt"},
        {208, "Battle\\OutfallCancel.txt"},
        {209, "Battle\\Victory.txt"},
        {210, "Battle\\Defeat.txt"},
        {220, "Battle\\JumpHP.txt"},
        {221, "Battle\\JumpSP.txt"},
        {222, "Battle\\JumpHPRed.txt"},
        {224, "Battle\\JumpEXP.txt"},
        {225, "Battle\\JumpJEXP.txt"},
        {227, "Battle\\JumpHit.txt"},
    };
    return s_Files;
}

std::string GameFileNameTable()
{
    std::string text = "// Game file ids: the position of each line, counted from 0.\r\n";
    for (int id = 0; id <= LAST_GAME_FILE_ID; ++id) {
        const auto it = NamedFiles().find(id);
        char szLine[96];
        std::snprintf(szLine, sizeof(szLine), "File%03d = %s\r\n", id,
                      it != NamedFiles().end() ? it->second : "Placeholder.txt");
        text += szLine;
    }
    return text;
}

SampleImage Logo()
{
    SampleImage image(256, 128, 0x101828);
    image.FillGradient(0x203060, 0x080810);
    image.DrawOutline(0, 0, 256, 128, 0xE0C060);
    image.FillCircle(64, 64, 40, 0xE0C060);
    image.FillCircle(64, 64, 28, 0x203060);
    image.FillRect(120, 44, 232, 56, 0xE0C060);
    image.FillRect(120, 72, 200, 84, 0xC0A040);
    return image;
}

SampleImage TitleBackground()
{
    SampleImage image(256, 192, 0);
    image.FillGradient(0x4080D0, 0x183050);
    image.FillRect(0, 150, 256, 192, 0x285028);
    image.FillCircle(200, 48, 20, 0xF0E0A0);
    image.FillRect(48, 40, 208, 64, 0xE0C060);
    image.DrawOutline(48, 40, 208, 64, 0x603010);
    return image;
}

SampleImage Button(std::uint32_t dwColor)
{
    SampleImage image(160, 40, COLOR_KEY);
    image.FillRect(2, 2, 158, 38, dwColor);
    image.DrawOutline(2, 2, 158, 38, 0xFFFFFF);
    image.FillCircle(20, 20, 8, 0xFFFFFF);
    return image;
}

SampleImage Frame(int iWidth, int iHeight, std::uint32_t dwFill)
{
    SampleImage image(iWidth, iHeight, COLOR_KEY);
    image.FillRect(1, 1, iWidth - 1, iHeight - 1, dwFill);
    image.DrawOutline(1, 1, iWidth - 1, iHeight - 1, 0xE0C060);
    return image;
}

SampleImage Cursor()
{
    SampleImage image(32, 32, COLOR_KEY);
    for (int i = 0; i < 20; ++i)
        image.FillRect(0, i, i / 2 + 2, i + 1, 0xFFFFFF);
    image.FillRect(0, 0, 2, 20, 0x000000);
    return image;
}

SampleImage LoadingBar()
{
    SampleImage image(128, 32, COLOR_KEY);
    image.FillRect(0, 8, 128, 24, 0x203060);
    image.DrawOutline(0, 8, 128, 24, 0xFFFFFF);
    image.FillRect(4, 12, 64, 20, 0x60C0F0);
    return image;
}

} // namespace

bool WriteSampleShellContent(const fs::path& output)
{
    const fs::path pictures = output / "AniTexture";
    const fs::path data = output / "GameData";
    return WriteGameFile(data / "GameFileName.txt", GameFileNameTable())
        && WriteGameFile(pictures / "Logo.bmp", Logo().ToBmp())
        && WriteGameFile(pictures / "NowLoading.bmp", LoadingBar().ToBmp())
        && WriteGameFile(pictures / "Cursor.bmp", Cursor().ToBmp())
        && WriteGameFile(pictures / "Title.bmp", TitleBackground().ToBmp())
        && WriteGameFile(pictures / "NewGame.bmp", Button(0x2060A0).ToBmp())
        && WriteGameFile(pictures / "LoadGame.bmp", Button(0x206040).ToBmp())
        && WriteGameFile(pictures / "ExitGame.bmp", Button(0x802020).ToBmp())
        && WriteGameFile(pictures / "Level.bmp", Button(0x806020).ToBmp())
        && WriteGameFile(pictures / "Box.bmp", Frame(256, 128, 0x182848).ToBmp())
        && WriteGameFile(pictures / "BoxButton.bmp", Frame(64, 24, 0x305080).ToBmp())
        && WriteGameFile(pictures / "Signboard.bmp", Frame(192, 64, 0x202830).ToBmp())
        && WriteGameFile(pictures / "SignboardSmall.bmp", Frame(160, 32, 0x202830).ToBmp())
        && WriteGameFile(output / "Music" / "Title.wav", SampleTone(440.0, 2.0));
}

bool WriteGlyphTexts(const fs::path& output)
{
    const fs::path glyphTexts = output / "Font" / "GlyphTexts.txt";
    std::string text;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(output)) {
        const std::string extension = entry.path().extension().string();
        const bool bText = extension == ".txt" || extension == ".ini" || extension == ".ant" || extension == ".DATA"
                        || extension == ".temp" || extension == ".h";
        if (entry.is_regular_file() && bText && entry.path() != glyphTexts)
            text += ReadWhole(entry.path()) + "\r\n";
    }
    return WriteGameFile(glyphTexts, text);
}
