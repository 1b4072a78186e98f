#include "GameProgram/Resource/Music/XC_SoundManager.h"

#include "GameProgram/Resource/Music/CMusicDevice.h"
#include "GameProgram/Resource/Music/CMusicSegment.h"
#include "tests/GameProgram/DirectShow/MediaFiles.h"
#include "tests/GameProgram/Resource/Music/NoAudioDevice.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A window for DirectMusic and a sound folder with two tones.
class SoundFolder : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = CreateWindowA("STATIC", "sound", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                               nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        ASSERT_TRUE(WriteToneWav(m_Folder.File("tone.wav"), 0.2));
        ASSERT_TRUE(WriteToneWav(m_Folder.File("error.WAV"), 0.1));
    }

    void TearDown() override { DestroyWindow(m_hWnd); }

    std::string FolderPath() const { return m_Folder.Path() + "\\"; }

    ErrorLogCapture m_Log;
    ScopedTempFolder m_Folder;
    HWND m_hWnd = nullptr;
};

class SoundManager : public SoundFolder
{
protected:
    void SetUp() override
    {
        SoundFolder::SetUp();
        ASSERT_EQ(m_Manager.Init(m_hWnd, FolderPath().c_str()), S_OK);
    }

    void TearDown() override
    {
        m_Manager.Fini();
        SoundFolder::TearDown();
    }

    LONG MasterVolume() const
    {
        LONG lVolume = 0;
        m_Manager.GetMusicDevice()->GetPerformance()->GetGlobalParam(GUID_PerfMasterVolume, &lVolume,
                                                                      sizeof(lVolume));
        return lVolume;
    }

    XC_SoundManager m_Manager;
};

} // namespace

TEST_F(SoundManager, PlaysAWaveThroughDirectMusic)
{
    XI_MusicObj* const pSound = m_Manager.GetMusic("Tone.WAV");
    ASSERT_NE(pSound, nullptr);
    EXPECT_EQ(pSound->Play(), S_OK);
    EXPECT_EQ(pSound->Play(), S_OK); // a second secondary instance over the first
    Sleep(300);
    pSound->Release();
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(SoundManager, VolumeMapsPercentToHundredthsOfADecibel)
{
    const struct { DWORD dwPercent; LONG lExpected; } cases[] = {
        {0, -5000}, {1, -4930}, {50, -1500}, {99, 1930}, {100, 2000}, {150, 2000}, {0xFFFFFFFF, 2000},
    };
    EXPECT_EQ(MasterVolume(), 2000); // Init sets 100 %
    for (const auto& c : cases) {
        EXPECT_EQ(m_Manager.SetVolume(c.dwPercent), S_OK);
        EXPECT_EQ(MasterVolume(), c.lExpected) << c.dwPercent << " %";
    }
}

TEST_F(SoundManager, MissingSoundFallsBackToErrorWav)
{
    XI_MusicObj* const pError = m_Manager.GetMusic("error.WAV");
    XI_MusicObj* const pMissing = m_Manager.GetMusic("missing.wav");
    EXPECT_NE(pError, nullptr);
    EXPECT_EQ(pMissing, pError);
    EXPECT_TRUE(m_Log.Contains("XC_SoundManager::CreateMusic \"missing.wav\" Error , hr = 88781182 "));
    EXPECT_TRUE(m_Log.Contains("LoadResource Error , missing.wav"));
    EXPECT_EQ(pMissing->Play(), S_OK);
    pMissing->Release();
    pError->Release();

    // Without an error sound there is nothing to hand out.
    ASSERT_TRUE(DeleteFileA(m_Folder.File("error.WAV").c_str()));
    ASSERT_EQ(m_Manager.Init(m_hWnd, FolderPath().c_str()), S_OK);
    EXPECT_EQ(m_Manager.GetMusic("missing.wav"), nullptr);
}

TEST_F(SoundManager, FiniDeletesEverySound)
{
    XI_MusicObj* const pSound = m_Manager.GetMusic("tone.wav");
    ASSERT_NE(pSound, nullptr);
    pSound->Release();
    m_Manager.SetCacheSize(4);
    XI_MusicObj* const pCached = m_Manager.GetMusic("tone.wav");
    pCached->Release();
    EXPECT_EQ(m_Manager.GetResourceCount(), 1u);
    EXPECT_EQ(m_Manager.Fini(), S_OK);
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u);
    EXPECT_EQ(m_Manager.GetMusicDevice(), nullptr);
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(SoundFolder, InitRefusesMissingArgumentsAndBadFolders)
{
    const std::string badFolder = m_Folder.File("none") + "\\";
    const struct { HWND hWnd; const char* szFolder; const std::string report; } cases[] = {
        {nullptr, "Wave\\", "( hWnd ) failed"},
        {m_hWnd, nullptr, "( szFilePath ) failed"},
        {m_hWnd, badFolder.c_str(),
         "m_pMusicManager->SetSearchDirectory( " + badFolder
             + " ) error , DMUS_E_LOADER_BADPATH , The file path is invalid."},
    };
    for (const auto& c : cases) {
        XC_SoundManager manager;
        EXPECT_EQ(manager.Init(c.hWnd, c.szFolder), E_FAIL) << c.report;
        EXPECT_TRUE(m_Log.Contains(c.report)) << c.report;
    }
}

TEST_F(SoundFolder, DeviceAndSegmentRefuseCallsOutOfOrder)
{
    CMusicDevice device;
    EXPECT_EQ(device.SetSearchDirectory(FolderPath().c_str()), E_UNEXPECTED); // no loader yet
    ASSERT_EQ(device.Initialize(m_hWnd, 128, DMUS_APATH_DYNAMIC_STEREO, nullptr), S_OK);
    EXPECT_EQ(device.SetSearchDirectory(nullptr), E_INVALIDARG);
    ASSERT_EQ(device.SetSearchDirectory(FolderPath().c_str()), S_OK);

    // A name that does not fit the wide buffer is refused, not cut.
    CMusicSegment* pSegment = reinterpret_cast<CMusicSegment*>(1);
    EXPECT_TRUE(FAILED(device.CreateSegmentFromFile(&pSegment, std::string(300, 'a').c_str(), TRUE, FALSE)));
    EXPECT_EQ(pSegment, nullptr);

    ASSERT_EQ(device.CreateSegmentFromFile(&pSegment, "tone.wav", FALSE, FALSE), S_OK);
    const std::unique_ptr<CMusicSegment> segment(pSegment);
    EXPECT_EQ(segment->Play(DMUS_SEGF_SECONDARY, nullptr), E_FAIL); // not downloaded
    ASSERT_EQ(segment->Download(nullptr), S_OK);
    EXPECT_EQ(segment->Play(DMUS_SEGF_SECONDARY, nullptr), S_OK);
    EXPECT_EQ(segment->Stop(0), S_OK);

    CMusicSegment empty(nullptr, nullptr, nullptr);
    EXPECT_EQ(empty.Play(DMUS_SEGF_SECONDARY, nullptr), CO_E_NOTINITIALIZED);
    EXPECT_EQ(empty.Stop(0), CO_E_NOTINITIALIZED);
    EXPECT_FALSE(empty.IsPlaying());
}

// Run in a copy of the program that has no audio driver: DirectMusic cannot
// start, the failure is logged once, and every sound call quietly does nothing.
TEST_F(SoundFolder, RunsSilentWithoutAnAudioDevice)
{
    if (!IsWithoutAudioDevice()) {
        EXPECT_TRUE(RunCurrentTestWithoutAudioDevice());
        return;
    }
    XC_SoundManager manager;
    ASSERT_EQ(manager.Init(m_hWnd, FolderPath().c_str()), S_FALSE);
    EXPECT_TRUE(m_Log.Contains("( m_pMusicManager->Initialize() ) failed , hr = "));
    EXPECT_EQ(manager.GetMusicDevice(), nullptr);
    const std::string startupLog = m_Log.Text();

    XI_MusicObj* const pSound = manager.GetMusic("tone.wav");
    XI_MusicObj* const pMissing = manager.GetMusic("missing.wav");
    ASSERT_NE(pSound, nullptr);
    ASSERT_NE(pMissing, nullptr);
    EXPECT_EQ(pSound->Play(), S_OK);
    EXPECT_FALSE(pSound->IsPlay());
    EXPECT_EQ(manager.SetVolume(50), S_OK);
    pSound->Release();
    pMissing->Release();
    EXPECT_EQ(manager.Fini(), S_OK);
    EXPECT_EQ(m_Log.Text(), startupLog);
}
