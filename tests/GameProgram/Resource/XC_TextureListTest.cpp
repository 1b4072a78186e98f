#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Resource/XC_TextureList.h"

#include "tests/GameProgram/Resource/TextureManagerFixture.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

class TextureListTest : public TextureManagerFixture
{
protected:
    void SetUp() override
    {
        TextureManagerFixture::SetUp();
        AddImage("error.bmp", 0xFF00FF);
        for (const char* szName : {"red.bmp", "green.bmp", "blue.bmp"})
            AddImage(szName, 0x336699);
    }

    // A ".tl" file whose "[Sys]" holds the lines.
    static std::string ListFile(const std::string& sysLines)
    {
        return "[Sys]\n{\n" + sysLines + "}\n";
    }

    // The list of a ".tl" block, straight from the manager.
    XC_TextureList* LoadList(const std::string& sysLines)
    {
        m_Pack.Add("test.tl", ListFile(sysLines));
        return m_Manager.GetTextureList("test.tl");
    }

    // The texture of the name, as the manager holds it.
    IDirect3DTexture9* TextureNamed(const char* szName)
    {
        XC_Texture* const pTexture = m_Manager.GetTexture(szName);
        IDirect3DTexture9* const pD3DTexture = pTexture->GetTexture();
        pTexture->Release();
        return pD3DTexture;
    }

    std::vector<IDirect3DTexture9*> PagesOf(const XC_TextureList* pList) const
    {
        std::vector<IDirect3DTexture9*> pages;
        for (DWORD dwPage = 0; dwPage < pList->GetPageCount(); ++dwPage)
            pages.push_back(pList->GetPageTexture(dwPage));
        return pages;
    }

    // The page names the pack file was asked for, without the error picture.
    std::vector<std::string> PageRequests() const
    {
        std::vector<std::string> names;
        for (const std::string& name : m_Pack.Requests()) {
            if (name != "test.tl" && name != "error.bmp")
                names.push_back(name);
        }
        return names;
    }
};

} // namespace

TEST_F(TextureListTest, ListPagesComeInLeafOrderAndAreShared)
{
    m_Pack.Add("Water\\Sea.tl", ListFile("fFrameTime = 0.25\n[List]\n{\nz = blue.bmp\na = red.bmp\nm = green.bmp\n}\n"
                                         "TextureBatch = red(*).bmp , 1 ~ 2 , 1\n"));
    XC_Texture* const pFirst = m_Manager.GetTexture("WATER/SEA.tl");
    XC_Texture* const pSecond = m_Manager.GetTexture("water\\sea.tl");
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_NE(pFirst, pSecond) << "every request builds its own list";
    const XC_TextureList* const pList = dynamic_cast<XC_TextureList*>(pFirst);
    ASSERT_NE(pList, nullptr);

    const std::vector<IDirect3DTexture9*> expected = {TextureNamed("blue.bmp"), TextureNamed("red.bmp"),
                                                      TextureNamed("green.bmp")};
    EXPECT_EQ(PagesOf(pList), expected) << "the batch is ignored while the list loads";
    EXPECT_EQ(PagesOf(dynamic_cast<XC_TextureList*>(pSecond)), expected);
    EXPECT_FLOAT_EQ(pList->GetFrameTime(), 0.25f);
    EXPECT_EQ(pList->GetWidth(), 4.0f);
    EXPECT_EQ(pList->GetRef(), 1);
    EXPECT_STREQ(pList->GetName(), "");

    XC_Texture* const pBlue = m_Manager.GetTexture("blue.bmp");
    EXPECT_EQ(pBlue->GetRef(), 3) << "one reference per list and this one";
    pFirst->Release();
    EXPECT_EQ(pBlue->GetRef(), 2) << "the last release of a list gives its pages back";
    pSecond->Release();
    EXPECT_EQ(pBlue->GetRef(), 1);
    pBlue->Release();
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u);
}

TEST_F(TextureListTest, BatchNamesAreJoinedFromThePattern)
{
    struct Case { const char* szBatch; std::vector<std::string> names; const char* szReport; };
    const Case cases[] = {
        {"fire(*).bmp , 1 ~ 3 , 2", {"fire01.bmp", "fire02.bmp", "fire03.bmp"}, nullptr},
        {"fire(*).bmp , 9 ~ 10 , 3", {"fire009.bmp", "fire010.bmp"}, nullptr},
        {"fx\\(*)_a.bmp , 98 ~ 100 , 1", {"fx\\98_a.bmp", "fx\\99_a.bmp", "fx\\100_a.bmp"}, nullptr},
        {"one(*).bmp , 5 ~ 5 , 2", {"one05.bmp"}, "( dwNumStart < dwNumEnd ) failed"},
        {"zero(*).bmp , 1 ~ 2 , 0", {"zero1.bmp", "zero2.bmp"}, "( dwCharNum > 0 ) failed"},
        {"alone(*).bmp", {"alone0.bmp"}, "( dwCharNum > 0 ) failed"},
        {"stop(*).bmp , 0 - 3 , 2", {"stop0.bmp"}, "( dwNumStart < dwNumEnd ) failed"},
        // The pattern runs to the first blank.
        {"tight(*).bmp,1~2,1", {"tight0.bmp,1~2,1"}, "( dwCharNum > 0 ) failed"},
        // A percent sign is part of the name, never a format.
        {"p%s%n(*).bmp , 1 ~ 1 , 1", {"p%s%n1.bmp"}, nullptr},
    };
    for (const Case& c : cases) {
        ErrorLogCapture log;
        const size_t uRequestsBefore = PageRequests().size();
        XC_TextureList* const pList = LoadList(std::string("TextureBatch = ") + c.szBatch + "\n");
        ASSERT_NE(pList, nullptr) << c.szBatch;
        const std::vector<std::string> requests = PageRequests();
        EXPECT_EQ(std::vector<std::string>(requests.begin() + uRequestsBefore, requests.end()), c.names) << c.szBatch;
        EXPECT_EQ(pList->GetPageCount(), c.names.size()) << c.szBatch;
        if (c.szReport != nullptr) {
            EXPECT_TRUE(log.Contains(c.szReport)) << c.szBatch;
        }
        pList->Release();
    }
}

TEST_F(TextureListTest, ListsThatYieldNoPageFailToLoad)
{
    const char* const bad[] = {
        "TextureBatch = fire.bmp , 1 ~ 3 , 2\n",              // no placeholder
        "TextureBatch = fire(*).bmp , 6 ~ 5 , 2\n",           // first above last: no page
        "TextureBatch =\n",                                     // not even a pattern
        "TextureBatch = f(*).bmp , -1 ~ 3 , 1\n",             // negative numbers
        "TextureBatch = f(*).bmp , 1 ~ 99999999999 , 1\n",    // past any 32-bit number
        "TextureBatch = f(*).bmp , 0 ~ 2147483647 , 1\n",     // far too many pages
        "TextureBatch = f(*).bmp , 0 ~ 1 , 100000\n",         // far too many digits
        "[List]\n{\n}\n",                                       // an empty list and no batch
        "fFrameTime = 0\n[List]\n{\na = red.bmp\n}\n",         // a frame time of 0
        "fFrameTime = -1\n[List]\n{\na = red.bmp\n}\n",
        // Lists do not nest: itself, a cycle through another list, a batch of lists.
        "[List]\n{\na = red.bmp\nb = test.tl\n}\n",
        "[List]\n{\na = other.tl\n}\n",
        "TextureBatch = list(*).tl , 1 ~ 2 , 1\n",
    };
    m_Pack.Add("other.tl", ListFile("[List]\n{\na = test.tl\n}\n"));
    for (const char* szLines : bad) {
        EXPECT_EQ(LoadList(szLines), nullptr) << szLines;
        XC_Texture* const pFallback = m_Manager.GetTexture("test.tl");
        ASSERT_NE(pFallback, nullptr) << szLines;
        EXPECT_STREQ(pFallback->GetName(), "error.bmp") << szLines;
        pFallback->Release();
    }
    m_Pack.Add("nosys.tl", "[List]\n{\na = red.bmp\n}\n");
    EXPECT_EQ(m_Manager.GetTextureList("nosys.tl"), nullptr);
    EXPECT_EQ(m_Manager.GetTextureList("missing.tl"), nullptr);
    EXPECT_TRUE(m_Log.Contains("XC_TextureManager::GetTextureList \n\t讀取檔案失敗 missing.tl"));
    EXPECT_TRUE(m_Log.Contains("載入材質清單錯誤"));
    EXPECT_TRUE(m_Log.Contains("( fFrameTime > 0 ) failed"));
    EXPECT_TRUE(m_Log.Contains("XC_TextureList page test.tl is a texture list : lists do not nest")) << m_Log.Text();
    EXPECT_TRUE(m_Log.Contains("XC_TextureList page list1.tl is a texture list : lists do not nest"));
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u) << "pages of failed lists are given back";
}

TEST_F(TextureListTest, MissingPagesShowTheErrorPictureUnlessItIsMissingToo)
{
    XC_TextureList* const pList = LoadList("[List]\n{\na = red.bmp\nb = nothing.bmp\n}\n");
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(PagesOf(pList), (std::vector<IDirect3DTexture9*>{TextureNamed("red.bmp"), TextureNamed("error.bmp")}));
    pList->Release();

    m_Pack.Remove("error.bmp");
    // The list fails, and the batch behind it is tried.
    EXPECT_EQ(LoadList("[List]\n{\na = red.bmp\nb = nothing.bmp\n}\nTextureBatch = none(*).bmp , 1 ~ 2 , 1\n"),
              nullptr);
    EXPECT_EQ(m_Pack.RequestCount("none1.bmp"), 1);
    EXPECT_TRUE(m_Log.Contains("( pTextureObj ) failed"));
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u) << "the pages taken before the failure are given back";
}

TEST_F(TextureListTest, PagesTurnWithTheTimer)
{
    XC_TextureList* const pList = LoadList("[List]\n{\na = red.bmp\nb = green.bmp\nc = blue.bmp\n}\n");
    ASSERT_NE(pList, nullptr);
    const std::vector<IDirect3DTexture9*> pages = PagesOf(pList);
    EXPECT_FLOAT_EQ(pList->GetFrameTime(), 0.04f);
    EXPECT_TRUE(pList->IsRunning());

    // Frames of 0.016 s: the page turns after the third (0.048 s); the rest is dropped.
    const int turns[] = {0, 0, 1, 1, 1, 2, 2, 2, 0};
    for (int iFrame = 0; iFrame < 9; ++iFrame) {
        g_pTimerManager->Update(0.016f);
        EXPECT_EQ(pList->GetTexture(), pages[turns[iFrame]]) << "frame " << iFrame;
    }
    // Frames longer than the frame time turn one page each.
    for (int iFrame = 1; iFrame <= 4; ++iFrame) {
        g_pTimerManager->Update(0.1f);
        EXPECT_EQ(pList->GetTexture(), pages[iFrame % 3]) << "long frame " << iFrame;
    }

    struct Case { float fTime; int iPage; };
    const Case cases[] = {{0.0f, 0}, {0.1f, 2}, {0.13f, 0}, {0.17f, 1}, {-0.01f, 2}, {INFINITY, 0}, {NAN, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(pList->GetTextureAtTime(c.fTime), pages[c.iPage]) << c.fTime;

    pList->SetFrameTime(0.0f);
    EXPECT_FLOAT_EQ(pList->GetFrameTime(), 0.04f) << "refused";
    pList->SetFrameTime(0.5f);
    EXPECT_FLOAT_EQ(pList->GetFrameTime(), 0.5f);
    pList->Release();
}

TEST_F(TextureListTest, AListStandsInForItsCurrentPage)
{
    XC_TextureList* const pList = LoadList("[List]\n{\na = red.bmp\n}\n");
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(pList->GetPageTexture(1), nullptr);
    EXPECT_TRUE(m_Log.Contains("( dwPage < m_PAL_Texture.Count() ) failed"));

    // The alpha test has no texel of the list's own to read.
    const D3DXVECTOR3 vOrigin(0.0f, 0.0f, -1.0f), vDirection(0.0f, 0.0f, 1.0f);
    const D3DXMATRIX matIdentity(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    EXPECT_EQ(pList->HitTest(&vOrigin, &vDirection, &matIdentity, FALSE, nullptr), 1);
    EXPECT_EQ(pList->HitTest(&vOrigin, &vDirection, &matIdentity, TRUE, nullptr), E_FAIL);

    pList->ClearPages();
    EXPECT_EQ(pList->GetTexture(), nullptr);
    EXPECT_EQ(pList->GetTextureAtTime(1.0f), nullptr);
    EXPECT_EQ(pList->Render(&matIdentity), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( m_dwCurrentPage < m_PAL_Texture.Count() ) failed"));
    g_pTimerManager->Update(1.0f); // no page to turn to

    pList->AddRef();
    pList->Release();
    EXPECT_EQ(pList->GetRef(), 1);
    pList->Release();
}
