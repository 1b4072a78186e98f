#include "tools/samplegame/SampleBattleContent.h"

#include "tools/samplegame/SampleFiles.h"
#include "tools/samplegame/SampleImage.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::uint32_t COLOR_KEY = 0x00FF00;

// The persons of the battlefield by animation id (person << 16 | job): the
// party, and the bandits of two kinds, with their shirt colours.
const struct
{
    const char* szAnimationID;
    std::uint32_t dwShirt;
} PERSONS[] = {
    {"00010001", 0xD02020}, {"00020002", 0x2040D0}, {"00030003", 0xF0F0F0},
    {"00150002", 0x505050}, {"00160005", 0x804000},
};

// Standing, walking, acting, hurt, weak, dead, guarding and the jump's
// crouch, flight and landing.
const int POSES[] = {0, 1, 4, 5, 12, 13, 15, 16, 17, 18, 19, 21};

// A figure on the colour key; the weak pose stoops, the dead one lies down.
SampleImage Figure(std::uint32_t dwShirt, int iPose, bool bBack)
{
    SampleImage image(64, 96, COLOR_KEY);
    if (iPose == 13) {
        image.FillRect(4, 70, 60, 90, dwShirt);
        image.FillCircle(10, 80, 9, 0xF0C090);
        return image;
    }
    const int iDrop = iPose == 12 ? 12 : 0;
    image.FillCircle(32, 16 + iDrop, 11, bBack ? 0x403020 : 0xF0C090);
    image.FillRect(18, 28 + iDrop, 46, 62, dwShirt);
    const int iStride = iPose == 1 ? 6 : 0;
    image.FillRect(20 - iStride, 62, 30 - iStride, 94, 0x403020);
    image.FillRect(34 + iStride, 62, 44 + iStride, 94, 0x403020);
    return image;
}

SampleImage Face(std::uint32_t dwShirt)
{
    SampleImage image(64, 64, COLOR_KEY);
    image.FillRect(0, 40, 64, 64, dwShirt);
    image.FillCircle(32, 26, 20, 0xF0C090);
    image.FillRect(22, 22, 27, 27, 0x202020);
    image.FillRect(37, 22, 42, 27, 0x202020);
    return image;
}

// One page of a picture, in the animation format of the other persons.
std::string Animation(const std::string& strPicture, int iPages)
{
    std::string text = std::to_string(iPages) + "\r\npages\r\n";
    for (int i = 0; i < iPages; ++i) {
        text += "250 " + std::to_string(i + 1) + " 0 -1 1 0.0 48.0 0.0 64.0\r\n";
        text += strPicture + " 1 1.0 0.0 0.0 0.0 1.0 0.0 0.0 0.0 1.0 0.0 48.0 0.0 4 4 1 5 6 ffffffff\r\n";
    }
    return text;
}

bool WritePerson(const fs::path& output, const char* szID, std::uint32_t dwShirt)
{
    const std::string strID(szID);
    for (const int iPose : POSES) {
        char szPose[8];
        std::snprintf(szPose, sizeof(szPose), "%02d", iPose);
        const std::string strFront = "Battle\\" + strID + "_" + szPose + "A.bmp";
        const std::string strBack = "Battle\\" + strID + "_" + szPose + "B.bmp";
        const fs::path folder = output / "Ani" / "man" / strID;
        if (!WriteGameFile(output / "AniTexture" / "Battle" / (strID + "_" + szPose + "A.bmp"),
                           Figure(dwShirt, iPose, false).ToBmp())
            || !WriteGameFile(output / "AniTexture" / "Battle" / (strID + "_" + szPose + "B.bmp"),
                              Figure(dwShirt, iPose, true).ToBmp())
            || !WriteGameFile(folder / (std::string(szPose) + "A.ant"), Animation(strFront, 2))
            || !WriteGameFile(folder / (std::string(szPose) + "B.ant"), Animation(strBack, 2)))
            return false;
    }
    const std::string strFace = "Battle\\Face" + strID + ".bmp";
    return WriteGameFile(output / "AniTexture" / "Battle" / ("Face" + strID + ".bmp"), Face(dwShirt).ToBmp())
        && WriteGameFile(output / "Ani" / "face" / ("F" + strID + ".ant"), Animation(strFace, 1));
}

// Seven segments: a, b, c, d, e, f, g as in a clock's digits.
SampleImage Digit(int iDigit)
{
    static const char* const SEGMENTS[] = {"abcdef", "bc",     "abged", "abgcd", "fgbc",
                                           "afgcd",  "afgedc", "abc",   "abcdefg", "abcdfg"};
    SampleImage image(16, 24, 0x000000);
    const std::uint32_t dwInk = 0xFFFFFF;
    for (const char* p = SEGMENTS[iDigit]; *p != '\0'; ++p) {
        switch (*p) {
        case 'a': image.FillRect(3, 1, 13, 4, dwInk); break;
        case 'b': image.FillRect(12, 2, 15, 12, dwInk); break;
        case 'c': image.FillRect(12, 12, 15, 22, dwInk); break;
        case 'd': image.FillRect(3, 20, 13, 23, dwInk); break;
        case 'e': image.FillRect(1, 12, 4, 22, dwInk); break;
        case 'f': image.FillRect(1, 2, 4, 12, dwInk); break;
        default: image.FillRect(3, 10, 13, 14, dwInk); break;
        }
    }
    return image;
}

// A label glyph: a white bar with as many notches as its text has letters.
SampleImage Label(int iLetters)
{
    SampleImage image(12 * iLetters, 24, 0x000000);
    image.FillRect(0, 8, 12 * iLetters, 16, 0xFFFFFF);
    for (int i = 1; i < iLetters; ++i)
        image.FillRect(12 * i - 1, 8, 12 * i + 1, 16, 0x000000);
    return image;
}

bool WriteJumpGlyphs(const fs::path& output)
{
    const fs::path folder = output / "Texture" / "Jump";
    for (int i = 0; i < 10; ++i) {
        if (!WriteGameFile(folder / ("Num" + std::to_string(i) + ".bmp"), Digit(i).ToBmp()))
            return false;
    }
    SampleImage plus(16, 24, 0x000000);
    plus.FillRect(2, 10, 14, 14, 0xFFFFFF);
    plus.FillRect(6, 6, 10, 18, 0xFFFFFF);
    return WriteGameFile(folder / "Add.bmp", plus.ToBmp()) && WriteGameFile(folder / "SP.bmp", Label(2).ToBmp())
        && WriteGameFile(folder / "MOR.bmp", Label(3).ToBmp()) && WriteGameFile(folder / "EXP.bmp", Label(3).ToBmp())
        && WriteGameFile(folder / "JEXP.bmp", Label(4).ToBmp());
}

} // namespace

bool WriteSampleBattleContent(const fs::path& output)
{
    for (const auto& person : PERSONS) {
        if (!WritePerson(output, person.szAnimationID, person.dwShirt))
            return false;
    }
    return WriteJumpGlyphs(output);
}
