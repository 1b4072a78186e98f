#include "GameProgram/Resource/XC_AnimationObject.h"

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"

#include "tests/GameProgram/Resource/FakeMusicManager.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const PIC_LINE = "pic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff";

// Reads animation text with a 2D texture manager that is never asked (no
// texture is loaded while reading) and a music manager that notes names.
class AnimationText : public testing::Test
{
protected:
    HRESULT Load(const std::string& text)
    {
        m_File.LoadFromMemory(text.c_str(), static_cast<DWORD>(text.size()));
        return m_Animation.LoadAnimation(&m_File, &m_2DTextureManager, &m_MusicManager);
    }

    XC_AnimationPage* FirstPage() const { return m_Animation.GetPage(0); }

    ErrorLogCapture m_Log;
    XC_IOTextFile m_File;
    XC_2DTextureManager m_2DTextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationObject m_Animation;
};

} // namespace

TEST_F(AnimationText, PageCountLineMustBeAPositiveNumber)
{
    const struct { const char* szText; const char* szReport; } cases[] = {
        {"0\nheader\n", "讀取Ani參數 PageCount 錯誤 , Ani 張數不得為0"},
        {"pages\nheader\n", "讀取Ani參數 PageCount 錯誤"},
        {"-2\nheader\n", "讀取Ani參數 PageCount 錯誤"},
        {"", "( lpctstrGetLine ) failed"},
        {"1\n", "( lpctstrGetLine ) failed"}, // the second line must be there
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c.szText), E_FAIL) << c.szText;
        EXPECT_TRUE(m_Log.Contains(c.szReport)) << c.szText;
        EXPECT_EQ(m_Animation.GetPageCount(), 0u);
    }
    EXPECT_TRUE(m_Log.Contains("( dwSNum == 1 ) failed"));
}

TEST_F(AnimationText, SecondLineIsSkippedWhateverItHolds)
{
    ASSERT_EQ(Load("2 // pages\n250 7 0 -1 0 1 2 3 4\n100 0 0 -1 0 0 0 0 1\n40 0 0 -1 0 0 0 0 1\n"), S_OK);
    ASSERT_EQ(m_Animation.GetPageCount(), 2u);
    EXPECT_FLOAT_EQ(FirstPage()->m_fPageTime, 0.1f); // the page line in line 2 was lost
    EXPECT_FLOAT_EQ(m_Animation.GetPage(1)->m_fPageTime, 0.04f);
}

TEST_F(AnimationText, PageLines)
{
    const std::string longName(400, 's');
    const struct { std::string line; HRESULT hr; const char* szReport; } cases[] = {
        {"250 7 0 -1 0 1.5 -2 3 40", S_OK, nullptr},
        {"250 7 0 hit.wav 0 1.5 -2 3 40", S_OK, nullptr},
        {"250 7 0 " + longName + " 0 0 0 0 1", S_OK, nullptr}, // no fixed buffer: the whole name is asked for
        {"250 7 0 -1 0 1.5 -2 3", E_FAIL, "ANI::LoadPage錯誤"},
        {"250 7 x -1 0 1.5 -2 3 40", E_FAIL, "ANI::LoadPage錯誤"},
        {"250 7 0 -1 0 1.5 -2 3 4e99", E_FAIL, "ANI::LoadPage錯誤"},
        {"99999999999 7 0 -1 0 1 1 1 1", E_FAIL, "ANI::LoadPage錯誤"},
        {"-5 7 0 -1 0 1.5 -2 3 40", E_FAIL, "( iTime >= 0 ) failed"},
        {"250 7 0 -1 -1 1.5 -2 3 40", E_FAIL, "( iPicCount >= 0 ) failed"},
        {"250 7 0 -1 2 1.5 -2 3 40", E_FAIL, "( lpctstrGetLine ) failed"}, // one picture line of two
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        const size_t requests = m_MusicManager.Requests().size();
        ASSERT_EQ(Load("1\nheader\n" + c.line + "\n" + PIC_LINE + "\n"), c.hr);
        if (c.szReport != nullptr) {
            EXPECT_TRUE(m_Log.Contains(c.szReport));
            EXPECT_EQ(m_Animation.GetPageCount(), 0u);
            continue;
        }
        const XC_AnimationPage* const pPage = FirstPage();
        ASSERT_NE(pPage, nullptr);
        EXPECT_FLOAT_EQ(pPage->m_fPageTime, 0.25f);
        EXPECT_EQ(pPage->m_iPageValue, 7);
        EXPECT_EQ(pPage->GetPicCount(), 0u);
        const std::string sound = c.line.substr(8, c.line.find(' ', 8) - 8);
        if (sound == "-1") {
            EXPECT_EQ(pPage->m_pMusicObj, nullptr);
            EXPECT_EQ(m_MusicManager.Requests().size(), requests);
            EXPECT_FLOAT_EQ(pPage->m_fBoundingSphere.vCenter.x, 1.5f);
            EXPECT_FLOAT_EQ(pPage->m_fBoundingSphere.vCenter.y, -2.0f);
            EXPECT_FLOAT_EQ(pPage->m_fBoundingSphere.vCenter.z, 3.0f);
            EXPECT_FLOAT_EQ(pPage->m_fBoundingSphere.fRadius, 40.0f);
        } else {
            EXPECT_NE(pPage->m_pMusicObj, nullptr);
            ASSERT_EQ(m_MusicManager.Requests().size(), requests + 1);
            EXPECT_EQ(m_MusicManager.Requests().back(), sound);
        }
    }
}

TEST_F(AnimationText, PageBlendsWhenOnePictureBlends)
{
    const std::string blended = "pic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 1 5 6 ffffffff";
    ASSERT_EQ(Load("2\nheader\n10 0 0 -1 2 0 0 0 1\n" + std::string(PIC_LINE) + "\n" + PIC_LINE
                   + "\n10 0 0 -1 2 0 0 0 1\n" + PIC_LINE + "\n" + blended + "\n"),
              S_OK);
    EXPECT_EQ(m_Animation.GetPage(0)->m_bAlphaBlend, FALSE);
    EXPECT_EQ(m_Animation.GetPage(1)->m_bAlphaBlend, TRUE);
    EXPECT_EQ(m_Animation.GetPage(1)->GetPicCount(), 2u);
}

TEST_F(AnimationText, FileEndingEarlyFailsKeepingThePagesRead)
{
    EXPECT_EQ(Load("3\nheader\n10 0 0 -1 1 0 0 0 1\n" + std::string(PIC_LINE) + "\n10 0 0 -1 0 0 0 0 1\n"),
              E_FAIL);
    EXPECT_EQ(m_Animation.GetPageCount(), 2u);
    m_Animation.ClearPages();
    EXPECT_EQ(m_Animation.GetPageCount(), 0u);
}

TEST_F(AnimationText, IndexPastTheEndIsReported)
{
    ASSERT_EQ(Load("1\nheader\n10 0 0 -1 1 0 0 0 1\n" + std::string(PIC_LINE) + "\n"), S_OK);
    EXPECT_EQ(m_Animation.GetPage(1), nullptr);
    EXPECT_TRUE(m_Log.Contains("( dwIndex < GetPageCount() ) failed"));
    EXPECT_EQ(FirstPage()->GetPic(1), nullptr);
    EXPECT_TRUE(m_Log.Contains("( dwIndex < GetPicCount() ) failed"));
}
