#include "tools/samplegame/DialogueContent.h"

#include "tools/samplegame/SampleFiles.h"
#include "tools/samplegame/SampleImage.h"

#include <cstdint>
#include <string>

namespace fs = std::filesystem;

namespace {

// Opaque pure green is the colour key: it is transparent in the game.
const std::uint32_t COLOR_KEY = 0x00FF00;

std::string TalkBox()
{
    SampleImage box(256, 64, 0);
    box.FillGradient(0x203060, 0x101830);
    box.DrawOutline(0, 0, 256, 64, 0xE0E0FF);
    box.DrawOutline(2, 2, 254, 62, 0x8090C0);
    return box.ToBmp();
}

// A downward arrow, drawn lower on the second page so it bobs.
std::string TalkNext(int iPage)
{
    SampleImage arrow(16, 16, COLOR_KEY);
    const int iTop = iPage == 1 ? 3 : 6;
    for (int iRow = 0; iRow < 7; ++iRow)
        arrow.FillRect(1 + iRow, iTop + iRow, 15 - iRow, iTop + iRow + 1, 0xFFFFFF);
    return arrow.ToBmp();
}

// A round face of the given skin and hair; glad faces smile wider.
std::string Face(std::uint32_t dwSkin, std::uint32_t dwHair, bool bGlad)
{
    SampleImage face(96, 96, COLOR_KEY);
    face.FillCircle(48, 40, 38, dwHair);
    face.FillCircle(48, 52, 32, dwSkin);
    face.FillCircle(36, 46, 4, 0x202020);
    face.FillCircle(60, 46, 4, 0x202020);
    if (bGlad)
        face.FillRect(34, 64, 62, 70, 0xA02020);
    else
        face.FillRect(40, 66, 56, 68, 0x602020);
    face.DrawOutline(0, 0, 96, 96, 0xE0E0FF);
    return face.ToBmp();
}

struct Speaker
{
    const char* szName;
    std::uint32_t dwSkin;
    std::uint32_t dwHair;
};

} // namespace

bool WriteDialoguePictures(const fs::path& output)
{
    const fs::path pictures = output / "AniTexture" / "Dialogue";
    bool bWritten = WriteGameFile(pictures / "TalkBox.bmp", TalkBox())
                 && WriteGameFile(pictures / "TalkNext1.bmp", TalkNext(1))
                 && WriteGameFile(pictures / "TalkNext2.bmp", TalkNext(2));
    const Speaker SPEAKERS[] = {
        {"Hero", 0xF0C8A0, 0x604020}, {"Fighter", 0xE0B080, 0x202020},
        {"Healer", 0xF8D8C0, 0xE0A040}, {"Sage", 0xE8D0B0, 0xE0E0E0}, {"Messenger", 0xD8B088, 0x803010},
    };
    for (const Speaker& speaker : SPEAKERS) {
        bWritten = bWritten
                && WriteGameFile(pictures / (std::string(speaker.szName) + "1.bmp"),
                                 Face(speaker.dwSkin, speaker.dwHair, false))
                && WriteGameFile(pictures / (std::string(speaker.szName) + "2.bmp"),
                                 Face(speaker.dwSkin, speaker.dwHair, true));
    }
    return bWritten;
}
