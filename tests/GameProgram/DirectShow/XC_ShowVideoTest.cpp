#include "GameProgram/DirectShow/XC_ShowVideo.h"

#include "tests/GameProgram/DirectShow/MediaFiles.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

namespace {

const long VIDEO_NOTIFY = WM_USER + 0x300;

class VideoPlayer : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hWnd = CreateWindowA("STATIC", "video", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr,
                               nullptr, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        ASSERT_TRUE(WriteColourAvi(m_Folder.File("film.avi"), 5));
        ASSERT_TRUE(WriteToneWav(m_Folder.File("sound.wav"), 0.2));
        ASSERT_EQ(m_Video.Init(m_hWnd, VIDEO_NOTIFY, (m_Folder.Path() + "\\").c_str()), S_OK);
    }

    void TearDown() override
    {
        m_Video.Fini();
        DestroyWindow(m_hWnd);
    }

    void RunUntilStopped()
    {
        for (int i = 0; i < 500 && m_Video.IsPlay(); ++i) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == static_cast<UINT>(VIDEO_NOTIFY))
                    m_Video.HandleGraphEvent();
                DispatchMessageA(&msg);
            }
            Sleep(10);
        }
    }

    ErrorLogCapture m_Log;
    ScopedTempFolder m_Folder;
    HWND m_hWnd = nullptr;
    XC_ShowVideo m_Video;
};

} // namespace

TEST_F(VideoPlayer, FilmPlaysToItsEndAndCanBeReplayed)
{
    ASSERT_EQ(m_Video.LoadVideo("film.avi"), S_OK) << m_Log.Text();
    EXPECT_EQ(m_Video.GetState(), XC_ShowVideo::SVS_Stopped);
    m_Video.Play();
    EXPECT_TRUE(m_Video.IsPlay());
    m_Video.Play(); // already playing: nothing changes
    EXPECT_TRUE(m_Video.IsPlay());
    RunUntilStopped();
    EXPECT_EQ(m_Video.GetState(), XC_ShowVideo::SVS_Stopped);

    m_Video.Play();
    EXPECT_TRUE(m_Video.IsPlay());
    m_Video.Stop();
    m_Video.Stop();
    EXPECT_EQ(m_Video.GetState(), XC_ShowVideo::SVS_Stopped);
}

TEST_F(VideoPlayer, AudioOnlyAndMissingFilesAreRefused)
{
    EXPECT_LT(m_Video.LoadVideo("sound.wav"), 0);
    EXPECT_TRUE(m_Log.Contains("( CheckVisibility() ) failed")) << m_Log.Text();
    EXPECT_LT(m_Video.LoadVideo("missing.avi"), 0);
    EXPECT_EQ(m_Video.GetState(), XC_ShowVideo::SVS_NoData);
    EXPECT_EQ(m_Video.Play(), E_FAIL);
}
