#include "GameProgram/Resource/XC_AnimationPic.h"

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"

#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/RecordingDevice.h"
#include "tests/Support/ScopedGlobalDevice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<RecordingDevice::StateCall> Calls;

RecordingDevice::StateCall RS(DWORD dwType, DWORD dwValue)
{
    return {RecordingDevice::RENDER_STATE, 0, dwType, dwValue};
}

RecordingDevice::StateCall TSS(DWORD dwStage, DWORD dwType, DWORD dwValue)
{
    return {RecordingDevice::TEXTURE_STAGE_STATE, dwStage, dwType, dwValue};
}

// Texture name, winding and the matrix's three columns row by row.
const std::string PLACEMENT = "pic.bmp -1 1 2 3 4 5 6 7 8 9 10 11 12 ";

// Reads one picture line; the 2D texture manager is only kept.
class PictureLine : public testing::Test
{
protected:
    HRESULT Load(XC_AnimationPic& pic, const std::string& line)
    {
        m_File.LoadFromMemory(line.c_str(), static_cast<DWORD>(line.size()));
        return pic.LoadPic(&m_File, &m_2DTextureManager);
    }

    // The device calls that switching the picture's state set on makes.
    Calls ActivationCalls(XC_AnimationPic& pic)
    {
        const ScopedGlobalDevice usingDevice(&m_Device);
        m_Device.ClearCalls();
        pic.m_SetDirectState.Activate();
        Calls calls = m_Device.Calls();
        pic.m_SetDirectState.Deactivate();
        return calls;
    }

    ErrorLogCapture m_Log;
    XC_IOTextFile m_File;
    XC_2DTextureManager m_2DTextureManager;
    RecordingDevice m_Device;
};

} // namespace

TEST_F(PictureLine, FieldsFillThePicture)
{
    XC_AnimationPic pic;
    ASSERT_EQ(Load(pic, PLACEMENT + "3 2 1 5 6 80ff00C0 trailing words"), S_OK);
    EXPECT_STREQ(pic.m_szTextureName, "pic.bmp");
    EXPECT_EQ(pic.m_iWinding, -1);
    const float expected[16] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 1};
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(static_cast<const float*>(pic.m_matPic)[i], expected[i]) << i;
    EXPECT_EQ(pic.m_dwColorOp, 3u);
    EXPECT_EQ(pic.m_dwAlphaOp, 2u);
    EXPECT_EQ(pic.m_bAlphaBlend, TRUE);
    EXPECT_EQ(pic.m_dwSrcBlend, 5u);
    EXPECT_EQ(pic.m_dwDestBlend, 6u);
    EXPECT_EQ(pic.m_dwColor, 0x80FF00C0u);
    EXPECT_EQ(pic.m_bLoadedTexture, FALSE);
    EXPECT_EQ(pic.m_p2DTextureObj, nullptr);
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(PictureLine, MalformedLinesAreRefused)
{
    const struct { std::string line; const char* szReport; } cases[] = {
        {"pic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 4 4 0 0 0 ffffffff", "ANI::LoadPic錯誤"}, // eleven floats
        {PLACEMENT + "4 4 0 0 0", "ANI::LoadPic錯誤"},
        {PLACEMENT + "4 4 0 0 0 nothex", "ANI::LoadPic錯誤"},
        {PLACEMENT + "4 4 0 0 0 1ffffffff", "ANI::LoadPic錯誤"},
        {PLACEMENT + "4 4.5 0 0 0 ff", "ANI::LoadPic錯誤"},
        {"pic.bmp x 1 2 3 4 5 6 7 8 9 10 11 12 4 4 0 0 0 ff", "ANI::LoadPic錯誤"},
        {std::string(260, 'n').append(" -1 1 2 3 4 5 6 7 8 9 10 11 12 4 4 0 0 0 ff"),
         "( strlen( szTextureName ) < MAX_PATH ) failed"},
        {"", "( lpctstrGetLine ) failed"},
    };
    for (const auto& c : cases) {
        XC_AnimationPic pic;
        EXPECT_EQ(Load(pic, c.line), E_FAIL) << c.line;
        EXPECT_TRUE(m_Log.Contains(c.szReport)) << c.line;
    }
}

TEST_F(PictureLine, LongestTextureNameFits)
{
    const std::string name(MAX_PATH - 1, 'n');
    XC_AnimationPic pic;
    ASSERT_EQ(Load(pic, name + " 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ff"), S_OK);
    EXPECT_EQ(std::string(pic.m_szTextureName), name);
}

TEST_F(PictureLine, StateSetHoldsBlendingAndTextureOperations)
{
    const struct { const char* szFields; Calls calls; } cases[] = {
        {"4 4 0 5 6 ff", {}}, // fog is left alone too
        {"4 4 1 5 6 ff",
         {RS(D3DRS_ALPHABLENDENABLE, 1), RS(D3DRS_SRCBLEND, 5), RS(D3DRS_DESTBLEND, 6), RS(D3DRS_FOGENABLE, 0)}},
        {"4 4 2 5 6 ff", {}}, // only 1 turns blending on
        {"2 4 0 5 6 ff",
         {TSS(0, D3DTSS_COLOROP, 2), TSS(0, D3DTSS_ALPHAOP, 4), RS(D3DRS_FOGENABLE, 0)}},
        {"4 3 1 2 1 ff",
         {RS(D3DRS_ALPHABLENDENABLE, 1), RS(D3DRS_SRCBLEND, 2), RS(D3DRS_DESTBLEND, 1),
          TSS(0, D3DTSS_COLOROP, 4), TSS(0, D3DTSS_ALPHAOP, 3), RS(D3DRS_FOGENABLE, 0)}},
    };
    for (const auto& c : cases) {
        XC_AnimationPic pic;
        ASSERT_EQ(Load(pic, PLACEMENT + c.szFields), S_OK) << c.szFields;
        EXPECT_EQ(ActivationCalls(pic), c.calls) << c.szFields;
    }
}

TEST_F(PictureLine, ReadPicturesWaitForTheirTextureUntilDestroyed)
{
    const DWORD dwBefore = XC_AnimationPic::GetUnloadPicCount();
    {
        XC_AnimationPic loaded;
        XC_AnimationPic failed;
        XC_AnimationPic unread;
        ASSERT_EQ(Load(loaded, PLACEMENT + "4 4 0 0 0 ff"), S_OK);
        ASSERT_EQ(Load(failed, "broken"), E_FAIL);
        EXPECT_EQ(XC_AnimationPic::GetUnloadPicCount(), dwBefore + 2);
        ASSERT_EQ(Load(loaded, PLACEMENT + "4 4 0 0 0 ff"), S_OK); // read again: still one entry
        EXPECT_EQ(XC_AnimationPic::GetUnloadPicCount(), dwBefore + 2);
    }
    EXPECT_EQ(XC_AnimationPic::GetUnloadPicCount(), dwBefore);
}
