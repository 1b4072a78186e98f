// samplegame: writes the sample game folder. Text sources come from the
// content folder (UTF-8 in the repository, CP950 in the game); pictures and
// sounds are drawn here, so regenerating gives the same bytes.
//
//   samplegame OUTPUT_FOLDER CONTENT_FOLDER ARCHIVE_SOURCE_FOLDER
//
// The folders under content's "Packs" are packs shipped only as ".jbf"
// archives: they go to the archive source folder, stamped with one fixed
// time (the archive records it), for the archive tool to build.

#include "tools/samplegame/DialogueContent.h"
#include "tools/samplegame/DrawableContent.h"
#include "tools/samplegame/SampleBattleContent.h"
#include "tools/samplegame/SampleBattleMenuContent.h"
#include "tools/samplegame/SampleBattleScene.h"
#include "tools/samplegame/SampleFiles.h"
#include "tools/samplegame/SampleGameData.h"
#include "tools/samplegame/SampleImage.h"
#include "tools/samplegame/SampleOptionContent.h"
#include "tools/samplegame/SampleShellContent.h"
#include "tools/samplegame/SampleWorldMapContent.h"
#include "tools/samplegame/SampleTownContent.h"
#include "tools/samplegame/SampleStateContent.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

bool IsText(const fs::path& path)
{
    const std::string extension = path.extension().string();
    return extension == ".ini" || extension == ".ant" || extension == ".tl" || extension == ".txt";
}

const char* const ARCHIVE_PACKS = "Packs";

bool IsArchiveSource(const fs::path& relative)
{
    return relative.begin() != relative.end() && *relative.begin() == ARCHIVE_PACKS;
}

// 2026-01-01 00:00:00 UTC: every archive source carries it, so the archives
// come out the same byte for byte.
bool StampFixedTime(const fs::path& path)
{
    const HANDLE hFile = CreateFileA(path.string().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    const ULONGLONG qwTime = 134116992000000000ULL;
    FILETIME fileTime;
    fileTime.dwLowDateTime = static_cast<DWORD>(qwTime & 0xFFFFFFFF);
    fileTime.dwHighDateTime = static_cast<DWORD>(qwTime >> 32);
    const BOOL bStamped = SetFileTime(hFile, &fileTime, &fileTime, &fileTime);
    CloseHandle(hFile);
    return bStamped != FALSE;
}

bool CopyContent(const fs::path& content, const fs::path& output, const fs::path& archiveSources)
{
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(content)) {
        if (!entry.is_regular_file())
            continue;
        const std::string bytes = ReadWhole(entry.path());
        const fs::path relative = fs::relative(entry.path(), content);
        if (IsArchiveSource(relative)) {
            const fs::path target = archiveSources / fs::relative(relative, ARCHIVE_PACKS);
            if (!WriteGameFile(target, bytes) || !StampFixedTime(target))
                return false;
            // The pack's folder holds only its archive.
            std::error_code ignored;
            fs::create_directories(output / *std::next(relative.begin()), ignored);
            continue;
        }
        const fs::path target = output / relative;
        if (!WriteGameFile(target, IsText(entry.path()) ? ToCodePage950(bytes) : bytes))
            return false;
    }
    return true;
}

std::string ErrorPicture()
{
    SampleImage image(32, 32, 0);
    image.FillChecker(8, 0xFF00FF, 0x000000);
    return image.ToBmp();
}

bool WritePictures(const fs::path& output)
{
    SampleImage tile(64, 64, 0);
    tile.FillGradient(0x3060C0, 0x102040);
    tile.DrawOutline(0, 0, 64, 64, 0xFFFFFF);
    tile.FillRect(16, 16, 48, 48, 0xC04020);

    SampleImage page1(32, 32, 0xC02020);
    page1.FillCircle(16, 16, 10, 0xFFFFFF);
    SampleImage page2(32, 32, 0x2020C0);
    page2.FillRect(6, 6, 26, 26, 0xFFFF00);

    // Opaque pure green is the colour key: the star's corners are transparent.
    SampleImage star(32, 32, 0x00FF00);
    star.FillCircle(16, 16, 12, 0xFFD020);
    star.FillCircle(16, 16, 5, 0xFF8000);

    SampleImage glass(64, 64, 0);
    glass.FillGradient(0xFFFFFF, 0x80C0FF);
    glass.DrawOutline(0, 0, 64, 64, 0x204080);

    return WriteGameFile(output / "Texture" / "error.bmp", ErrorPicture())
        && WriteGameFile(output / "AniTexture" / "error.bmp", ErrorPicture())
        && WriteGameFile(output / "Texture" / "Tile.bmp", tile.ToBmp())
        && WriteGameFile(output / "Texture" / "Page1.bmp", page1.ToBmp())
        && WriteGameFile(output / "Texture" / "Page2.bmp", page2.ToBmp())
        && WriteGameFile(output / "AniTexture" / "Star.bmp", star.ToBmp())
        && WriteGameFile(output / "AniTexture" / "Glass.bmp", glass.ToBmp());
}

bool WriteSounds(const fs::path& output)
{
    return WriteGameFile(output / "Wave" / "error.WAV", SampleTone(220.0, 0.2))
        && WriteGameFile(output / "Wave" / "Click.wav", SampleTone(880.0, 0.1));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: samplegame OUTPUT_FOLDER CONTENT_FOLDER ARCHIVE_SOURCE_FOLDER\n");
        return 1;
    }
    const fs::path output(argv[1]);
    const fs::path content(argv[2]);
    const fs::path archiveSources(argv[3]);
    std::error_code error;
    // Sources left from an earlier content would slip into the archives.
    fs::remove_all(archiveSources, error);
    fs::create_directories(output / "Debug", error);
    if (error || !CopyContent(content, output, archiveSources) || !WritePictures(output) || !WriteSounds(output)
        || !WriteSampleGameData(output, content) || !WriteDrawablePictures(output) || !WriteDialoguePictures(output)
        || !WriteSampleBattleScene(output / "GameData") || !WriteSampleBattleContent(output)
        || !WriteSampleShellContent(output)
        || !WriteSampleOptionContent(output)
        || !WriteSampleBattleMenuContent(output)
        || !WriteSampleWorldMapContent(output)
        || !WriteSampleTownContent(output)
        || !WriteSampleStateContent(output)
        || !WriteGlyphTexts(output))
        return 1;
    std::printf("samplegame: wrote %s\n", output.string().c_str());
    return 0;
}
