#include "GameProgram/DirectShow/XC_ShowAudio.h"

#include "tests/GameProgram/DirectShow/MediaFiles.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace {

const long MUSIC_NOTIFY = WM_USER + 0x301;

class MusicPlayer : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = CreateWindowA("STATIC", "music", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                               nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        ASSERT_TRUE(WriteToneWav(m_Folder.File("a.wav"), 0.3));
        ASSERT_TRUE(WriteToneWav(m_Folder.File("b.wav"), 0.3));
        ASSERT_EQ(m_Audio.Init(m_hWnd, MUSIC_NOTIFY, (m_Folder.Path() + "\\").c_str()), S_OK);
    }

    void TearDown() override
    {
        m_Audio.Fini();
        DestroyWindow(m_hWnd);
    }

    // Pumps the window's messages, handing the player its graph events, until
    // the player stops or the time is up.
    void RunUntilStopped(int iMilliseconds = 5000)
    {
        for (int i = 0; i < iMilliseconds / 10 && m_Audio.IsPlay(); ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == static_cast<UINT>(MUSIC_NOTIFY))
                    m_Audio.HandleGraphEvent();
                DispatchMessageA(&msg);
            }
            Sleep(10);
        }
    }

    ErrorLogCapture m_Log;
    ScopedTempFolder m_Folder;
    HWND m_hWnd = nullptr;
    XC_ShowAudio m_Audio;
};

} // namespace

TEST_F(MusicPlayer, HighestIndexPlaysAndRemovingItFallsBack)
{
    ASSERT_EQ(m_Audio.AddMusic("a.wav", 5), S_OK);
    EXPECT_EQ(m_Audio.GetState(), XC_ShowAudio::STATE_STOPPED); // stays stopped until Play
    ASSERT_EQ(m_Audio.AddMusic("b.wav", 3), S_OK);
    EXPECT_STREQ(m_Audio.GetCurrentMusicName(), "a.wav");
    EXPECT_EQ(m_Audio.GetCurrentMusicIndex(), 5u);

    m_Audio.SetReplay(true);
    m_Audio.Play();
    EXPECT_TRUE(m_Audio.IsPlay());
    ASSERT_EQ(m_Audio.DelMusic(5), S_OK);
    EXPECT_STREQ(m_Audio.GetCurrentMusicName(), "b.wav");
    EXPECT_TRUE(m_Audio.IsPlay()); // the piece beneath goes on playing

    EXPECT_EQ(m_Audio.DelMusic(9), S_OK); // not in the list: nothing
    ASSERT_EQ(m_Audio.DelMusic(3), S_OK);
    EXPECT_EQ(m_Audio.GetCurrentMusicName(), nullptr);
    EXPECT_EQ(m_Audio.GetState(), XC_ShowAudio::STATE_NO_DATA);
}

TEST_F(MusicPlayer, EqualIndexReplacesAndAFailedLoadKeepsTheList)
{
    ASSERT_EQ(m_Audio.AddMusic("a.wav", 5), S_OK);
    ASSERT_EQ(m_Audio.AddMusic("b.wav", 5), S_OK);
    EXPECT_STREQ(m_Audio.GetCurrentMusicName(), "b.wav");

    EXPECT_LT(m_Audio.AddMusic("missing.wav", 7), 0);
    EXPECT_STREQ(m_Audio.GetCurrentMusicName(), "b.wav");
    EXPECT_TRUE(m_Log.Contains("XC_ShowAudio::LoadAudio Error , szAudioFileName = missing.wav")) << m_Log.Text();
    EXPECT_EQ(m_Audio.AddMusic(nullptr, 1), E_FAIL);
}

TEST_F(MusicPlayer, VolumeChannelsMultiply)
{
    ASSERT_EQ(m_Audio.AddMusic("a.wav", 1), S_OK);
    m_Audio.SetVolume(1.5f, 0);
    EXPECT_EQ(m_Audio.GetVolumePercent(0), 100);
    m_Audio.SetVolume(0.5f, 0);
    m_Audio.SetVolume(0.5f, 1);
    EXPECT_FLOAT_EQ(m_Audio.GetMasterVolume(), 0.25f);
    m_Audio.SetVolumePercent(29, 1);
    EXPECT_EQ(m_Audio.GetVolumePercent(1), 29);
    EXPECT_EQ(m_Audio.SetVolume(0.1f, 2), E_FAIL);
    EXPECT_EQ(m_Audio.GetVolumePercent(2), 50); // reported, channel 0 read instead
}

TEST_F(MusicPlayer, EndOfStreamStopsWithoutReplayAndRestartsWithIt)
{
    ASSERT_EQ(m_Audio.AddMusic("a.wav", 1), S_OK);
    m_Audio.SetReplay(false);
    m_Audio.Play();
    RunUntilStopped();
    EXPECT_EQ(m_Audio.GetState(), XC_ShowAudio::STATE_STOPPED);

    m_Audio.SetReplay(true);
    m_Audio.Play();
    RunUntilStopped(1500); // replays: still playing after several lengths of the tone
    EXPECT_TRUE(m_Audio.IsPlay());
    m_Audio.Pause();
    EXPECT_EQ(m_Audio.GetState(), XC_ShowAudio::STATE_PAUSED);
    m_Audio.Stop();
    EXPECT_EQ(m_Audio.GetState(), XC_ShowAudio::STATE_STOPPED);
}

TEST(MusicPlayerInit, RefusesANullWindowAndASecondInit)
{
    ErrorLogCapture log;
    XC_ShowAudio audio;
    EXPECT_EQ(audio.Init(nullptr, MUSIC_NOTIFY, ".\\"), E_FAIL);
    const HWND hWnd = CreateWindowA("STATIC", "x", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(audio.Init(hWnd, MUSIC_NOTIFY, ".\\"), S_OK);
    EXPECT_EQ(audio.Init(hWnd, MUSIC_NOTIFY, ".\\"), E_FAIL);
    EXPECT_TRUE(log.Contains("( NULL == m_lpstrFilePath ) failed"));
    audio.Fini();
    DestroyWindow(hWnd);
}
