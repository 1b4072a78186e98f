#include "GameProgram/Resource/Font/XC_D3DFont.h"
#include "GameProgram/Resource/Font/XC_Word.h"

#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class GdiFont : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error(); }
    void TearDown() override { m_Font.Fini(); }

    // How many texels of the word's texture are opaque, and whether every
    // texel is white.
    static int OpaqueTexels(XI_Word* pWord, bool* pbAllWhite)
    {
        IDirect3DTexture9* const pTexture = dynamic_cast<XC_Word*>(pWord)->GetTexture();
        D3DSURFACE_DESC desc;
        D3DLOCKED_RECT locked;
        if (FAILED(pTexture->GetLevelDesc(0, &desc)) || FAILED(pTexture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY)))
            return -1;
        int iOpaque = 0;
        *pbAllWhite = true;
        for (UINT y = 0; y < desc.Height; ++y)
            for (UINT x = 0; x < desc.Width; ++x) {
                const WORD wTexel = reinterpret_cast<const WORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch)[x];
                iOpaque += (wTexel >> 12) != 0;
                *pbAllWhite = *pbAllWhite && (wTexel & 0x0FFF) == 0x0FFF;
            }
        pTexture->UnlockRect(0);
        return iOpaque;
    }

    TestDevice m_Device;
    ErrorLogCapture m_Log;
    XC_D3DFont m_Font;
};

} // namespace

TEST_F(GdiFont, EveryCharacterHasATextureOfItsOwn)
{
    ASSERT_EQ(m_Font.Init(m_Device.Device(), "標楷體", 20), S_OK);
    EXPECT_EQ(m_Font.GetTextureWidth(), 32);

    DWORD dwLength = 0;
    XI_Word* const pA = m_Font.GetWord("A", &dwLength);
    ASSERT_NE(dynamic_cast<XC_Word*>(pA), nullptr);
    EXPECT_EQ(dwLength, 1u);
    XI_Word* const pZhong = m_Font.GetWord("中", &dwLength);
    ASSERT_NE(dynamic_cast<XC_Word*>(pZhong), nullptr);
    EXPECT_EQ(dwLength, 2u);
    EXPECT_EQ(m_Font.GetWord("A", nullptr), pA);
    EXPECT_EQ(pA->GetRef(), 2);
    XI_Word* const pSmallA = m_Font.GetWord("a", nullptr);
    EXPECT_NE(pSmallA, pA);

    D3DSURFACE_DESC desc;
    ASSERT_EQ(dynamic_cast<XC_Word*>(pZhong)->GetTexture()->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(desc.Width, 32u);
    EXPECT_EQ(desc.Format, D3DFMT_A4R4G4B4);
    EXPECT_GT(pZhong->GetWidth(), pA->GetWidth());
    EXPECT_EQ(pZhong->GetHeight(), 20.0f);
    bool bAllWhite = false;
    const int iZhong = OpaqueTexels(pZhong, &bAllWhite);
    EXPECT_GT(iZhong, 30);
    EXPECT_TRUE(bAllWhite);
    // "A" drawn after "中" keeps nothing of it.
    EXPECT_LT(OpaqueTexels(pSmallA, &bAllWhite), iZhong);

    for (XI_Word* pWord : {pA, pA, pZhong, pSmallA})
        pWord->Release();
    EXPECT_EQ(m_Font.GetResourceCount(), 0u);
    EXPECT_FALSE(m_Log.Contains("failed")) << m_Log.Text();
}

TEST_F(GdiFont, InitRefusesWhatCannotMakeAFont)
{
    EXPECT_EQ(m_Font.Init(m_Device.Device(), nullptr, 20), E_POINTER);
    EXPECT_EQ(m_Font.Init(m_Device.Device(), std::string(32, 'F').c_str(), 20), E_FAIL);
    EXPECT_EQ(m_Font.Init(nullptr, "標楷體", 20), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("XC_D3DFont::Init error , pD3DDevice == NULL"));
    EXPECT_EQ(m_Font.GetWord("A", nullptr), nullptr);
    EXPECT_EQ(m_Font.Init(m_Device.Device(), std::string(31, 'F').c_str(), 20), S_OK);
}

TEST_F(GdiFont, ACharacterLargerThanItsTextureIsRefused)
{
    LOGFONTA sLogFont = {};
    sLogFont.lfHeight = 8;
    sLogFont.lfWidth = 30;
    sLogFont.lfCharSet = CHINESEBIG5_CHARSET;
    std::strcpy(sLogFont.lfFaceName, "標楷體");
    ASSERT_EQ(m_Font.Init(m_Device.Device(), sLogFont), S_OK);
    EXPECT_EQ(m_Font.GetTextureWidth(), 8);
    EXPECT_EQ(m_Font.GetWord("W", nullptr), nullptr);
    EXPECT_TRUE(m_Log.Contains("iWordWidth > 0 && iWordWidth <= m_lTextureWidth")) << m_Log.Text();
    EXPECT_EQ(m_Font.GetResourceCount(), 0u);
}

TEST_F(GdiFont, FiniEndsTheReserveAndEveryWord)
{
    ASSERT_EQ(m_Font.Init(m_Device.Device(), "標楷體", 20), S_OK);
    ASSERT_EQ(m_Font.ReserveWord("A中"), S_OK);
    EXPECT_EQ(m_Font.GetResourceCount(), 2u);
    // A new font over the old one starts empty.
    ASSERT_EQ(m_Font.Init(m_Device.Device(), "標楷體", 40), S_OK);
    EXPECT_EQ(m_Font.GetResourceCount(), 0u);
    EXPECT_EQ(m_Font.GetTextureWidth(), 64);
    EXPECT_FALSE(m_Log.Contains("failed")) << m_Log.Text();
}
