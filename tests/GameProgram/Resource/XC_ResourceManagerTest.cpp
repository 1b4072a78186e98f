#include "GameProgram/Resource/XC_ResourceManager.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FakeResource : public XC_Resource
{
public:
    BOOL IsCached() const { return m_bCached; }
    // Another resource this one holds a reference to, released when it goes.
    XC_Resource* m_pHeld = nullptr;

    ~FakeResource() override
    {
        if (m_pHeld != nullptr)
            m_pHeld->Release();
    }
};

// Creates a resource for every name but those starting with "missing", and
// notes what it creates and destroys.
class FakeManager : public XC_ResourceManager
{
public:
    FakeManager() { SetManagerName("FakeManager"); }
    ~FakeManager() override { DeleteAllResource(); }

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override
    {
        if (std::string(szResourceName).rfind("missing", 0) == 0)
            return E_FAIL;
        m_Created.push_back(szResourceName);
        *ppResourceObj = new FakeResource;
        return S_OK;
    }

    HRESULT DeleteResource(XC_Resource* pResourceObj) override
    {
        m_Deleted.push_back(pResourceObj->GetName());
        delete pResourceObj;
        return S_OK;
    }

    FakeResource* Get(const char* szName) { return static_cast<FakeResource*>(GetResource(szName)); }

    std::vector<std::string> m_Created;
    std::vector<std::string> m_Deleted;
};

typedef std::vector<std::string> Names;

} // namespace

TEST(XC_ResourceManager, NormalisedNamesShareOneResource)
{
    FakeManager manager;
    FakeResource* const pFirst = manager.Get("Tex/A.BMP");
    FakeResource* const pSecond = manager.Get(" tex\\\\a.bmp ");
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst, pSecond);
    EXPECT_EQ(pFirst->GetRef(), 2);
    EXPECT_STREQ(pFirst->GetName(), "tex\\a.bmp");
    EXPECT_EQ(manager.m_Created, Names{"tex\\a.bmp"});
    EXPECT_EQ(manager.GetResourceCount(), 1u);
    // The lookup by key takes the name exactly as given.
    EXPECT_EQ(manager.FindResource("Tex/A.BMP"), nullptr);

    pFirst->Release();
    pSecond->Release();
    EXPECT_EQ(manager.m_Deleted, Names{"tex\\a.bmp"}) << "cache size 0: destroyed at once";
    EXPECT_EQ(manager.GetResourceCount(), 0u);
}

TEST(XC_ResourceManager, CacheKeepsItsSizeAndEvictsOldestFirst)
{
    FakeManager manager;
    manager.SetCacheSize(2);
    for (const char* szName : {"a", "b", "c"})
        manager.Get(szName)->Release();
    EXPECT_EQ(manager.m_Deleted, Names{"a"});

    FakeResource* const pB = manager.Get("B");
    EXPECT_EQ(manager.m_Created.size(), 3u) << "a cached resource comes back without loading";
    EXPECT_EQ(pB->GetRef(), 1);

    manager.SetCacheSize(3);
    manager.Get("d")->Release();
    manager.Get("e")->Release();
    // The list was b, c, d, e: b is taken, so it only leaves the list and stays.
    EXPECT_EQ(manager.m_Deleted, Names{"a"});
    manager.SetCacheSize(1);
    EXPECT_EQ(manager.m_Deleted, (Names{"a", "c", "d"}));
    EXPECT_FALSE(pB->IsCached());
    EXPECT_EQ(manager.GetResourceCount(), 2u);

    // Released again, b is appended anew behind e.
    pB->Release();
    EXPECT_EQ(manager.m_Deleted, (Names{"a", "c", "d", "e"}));
    EXPECT_TRUE(pB->IsCached());
}

TEST(XC_ResourceManager, ShrinkingTheCacheDestroysTheOldestAtOnce)
{
    FakeManager manager;
    manager.SetCacheSize(3);
    for (const char* szName : {"a", "b", "c"})
        manager.Get(szName)->Release();
    EXPECT_TRUE(manager.m_Deleted.empty());
    manager.SetCacheSize(1);
    EXPECT_EQ(manager.m_Deleted, (Names{"a", "b"}));
    manager.SetCacheSize(0);
    EXPECT_EQ(manager.m_Deleted, (Names{"a", "b", "c"}));
}

TEST(XC_ResourceManager, LeakReportNamesWhatIsStillHeld)
{
    ErrorLogCapture log;
    FakeManager manager;
    FakeResource* const pHeld = manager.Get("Held.bmp");
    manager.Get("held.bmp");
    manager.Get("free.bmp")->Release();
    EXPECT_EQ(manager.DeleteAllResource(), S_OK);
    EXPECT_TRUE(log.Contains("( pResourceObj->GetRef() == 0 ) failed \r\nFakeManager 資源 held.bmp 未釋放 , ref = 2"));
    EXPECT_FALSE(log.Contains("free.bmp"));
    EXPECT_EQ(manager.m_Deleted, (Names{"free.bmp", "held.bmp"}));
    EXPECT_EQ(manager.GetResourceCount(), 0u);
    (void)pHeld;
}

TEST(XC_ResourceManager, ResourceReleasingAnotherAtShutdownIsNotDeletedTwice)
{
    ErrorLogCapture log;
    FakeManager manager;
    FakeResource* const pHolder = manager.Get("a_holder");
    pHolder->m_pHeld = manager.Get("b_held");
    EXPECT_EQ(manager.DeleteAllResource(), S_OK);
    EXPECT_EQ(manager.m_Deleted, (Names{"a_holder", "b_held"}));
}

TEST(XC_ResourceManager, FailuresAreReportedAndChangeNothing)
{
    ErrorLogCapture log;
    FakeManager manager;
    EXPECT_EQ(manager.GetResource("Missing/Tex.bmp"), nullptr);
    EXPECT_TRUE(log.Contains("( hr ) failed , hr = 80004005 \r\nLoadResource Error , Missing/Tex.bmp "));
    EXPECT_EQ(manager.GetResource(nullptr), nullptr);
    EXPECT_TRUE(log.Contains("( szResourceName ) failed \r\nszResourceName == NULL"));
    EXPECT_EQ(manager.GetResourceCount(), 0u);

    manager.SetManagerName("");
    manager.SetManagerName(nullptr);
    EXPECT_TRUE(log.Contains("( szManagerName && strlen(szManagerName) > 0 ) failed"));
    EXPECT_STREQ(manager.GetManagerName(), "FakeManager");

    // An over-release is reported and leaves the count alone.
    manager.SetCacheSize(1);
    FakeResource* const pResource = manager.Get("a");
    pResource->Release();
    pResource->Release();
    EXPECT_TRUE(log.Contains("( m_dwReferenceCount > 0 ) failed \r\nXC_Resource::Release() m_ResourceName = a"));
    EXPECT_EQ(pResource->GetRef(), 0);
    EXPECT_TRUE(manager.m_Deleted.empty());
    manager.SetCacheSize(0);
    EXPECT_EQ(manager.m_Deleted, Names{"a"});
}

TEST(XC_ResourceManager, NewManagerHasItsDefaults)
{
    class BareManager : public XC_ResourceManager
    {
    public:
        HRESULT CreateObjct(const char*, XC_Resource**) override { return E_FAIL; }
        HRESULT DeleteResource(XC_Resource*) override { return S_OK; }
    };
    BareManager manager;
    EXPECT_STREQ(manager.GetManagerName(), "XC_ResourceManager");
    EXPECT_EQ(manager.GetCacheSize(), 0u);
}
