#include "GameProgram/Resource/Font/XC_TextureWord.h"

#include "tests/GameProgram/Resource/TextureManagerFixture.h"

#include <gtest/gtest.h>

using TextureWordTest = TextureManagerFixture;

TEST_F(TextureWordTest, HoldsItsTextureAndEndsItselfAtTheLastRelease)
{
    AddImage("a.bmp", 0xFF0000, 6, 4);
    AddImage("b.bmp", 0x00FF00, 10, 12);
    XC_Texture* const pA = m_Manager.GetTexture("a.bmp");
    XC_Texture* const pB = m_Manager.GetTexture("b.bmp");

    XC_TextureWord* const pWord = new XC_TextureWord;
    EXPECT_EQ(pWord->GetRef(), 1);
    EXPECT_EQ(pWord->SetTexture(nullptr), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( pTextureObj ) failed"));
    ASSERT_EQ(pWord->SetTexture(pA), S_OK);
    EXPECT_EQ(pWord->GetWidth(), 6.0f);
    EXPECT_EQ(pWord->GetHeight(), 4.0f);
    EXPECT_EQ(pA->GetRef(), 2);
    ASSERT_EQ(pWord->SetTexture(pA), S_OK);
    EXPECT_EQ(pA->GetRef(), 2);
    ASSERT_EQ(pWord->SetTexture(pB), S_OK);
    EXPECT_EQ(pA->GetRef(), 1);
    EXPECT_EQ(pWord->GetWidth(), 10.0f);

    pWord->AddRef();
    pWord->Release();
    EXPECT_EQ(pB->GetRef(), 2);
    pWord->Release();
    EXPECT_EQ(pB->GetRef(), 1);
    pA->Release();
    pB->Release();
}
