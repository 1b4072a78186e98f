#include "GameProgram/Module/XC_ModuleManager.h"

#include "GameProgram/Module/XC_ModuleBase.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> HookLog;

// A module that writes its hooks, frame steps, draws and messages into a log.
class FakeModule : public XC_ModuleBase
{
public:
    FakeModule(HookLog& log, std::string name, BOOL bShowLower = FALSE) : m_Log(log), m_strName(std::move(name))
    {
        SetShowLowerModule(bShowLower);
    }

    HRESULT OnOpen() override { return Note("OnOpen"); }
    HRESULT OnClose() override { return Note("OnClose"); }
    HRESULT OnSetFocus() override { return Note("OnSetFocus"); }
    HRESULT OnKillFocus() override { return Note("OnKillFocus"); }
    void FrameMove(float) override { Note("FrameMove"); }
    void Render() override { Note("Render"); }
    LRESULT MsgProc(HWND, UINT, WPARAM, LPARAM) override
    {
        Note("MsgProc");
        return 7;
    }

private:
    HRESULT Note(const char* szHook)
    {
        m_Log.push_back(m_strName + "." + szHook);
        return S_OK;
    }

    HookLog& m_Log;
    std::string m_strName;
};

// A module stack bound to a message-only window whose change messages a test
// counts.
class XC_ModuleManagerTest : public testing::Test
{
protected:
    XC_ModuleManagerTest()
    {
        m_hWnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        m_Manager.SetWindow(m_hWnd);
    }
    ~XC_ModuleManagerTest() override { DestroyWindow(m_hWnd); }

    // The change messages posted since the last call.
    int TakeChangeMessages()
    {
        int iCount = 0;
        MSG msg;
        while (PeekMessageA(&msg, m_hWnd, XD_ModuleChangeMessage, XD_ModuleChangeMessage, PM_REMOVE)) {
            EXPECT_EQ(msg.wParam, 0u);
            EXPECT_EQ(msg.lParam, 0);
            ++iCount;
        }
        return iCount;
    }

    HookLog TakeLog()
    {
        HookLog log;
        log.swap(m_Log);
        return log;
    }

    HWND m_hWnd = nullptr;
    XC_ModuleManager m_Manager;
    HookLog m_Log;
};

} // namespace

TEST_F(XC_ModuleManagerTest, PushAndPopMoveTheFocusAndPostOneMessageEach)
{
    ASSERT_NE(m_hWnd, nullptr);
    FakeModule a(m_Log, "A"), b(m_Log, "B");
    ASSERT_EQ(m_Manager.AddModule(&a), S_OK);
    EXPECT_EQ(TakeChangeMessages(), 1);
    ASSERT_EQ(m_Manager.AddModule(&b), S_OK);
    EXPECT_EQ(TakeChangeMessages(), 1);
    EXPECT_EQ(TakeLog(), HookLog({"A.OnOpen", "A.OnSetFocus", "A.OnKillFocus", "B.OnOpen", "B.OnSetFocus"}));
    EXPECT_TRUE(a.IsActive() && !a.IsFocus());
    EXPECT_TRUE(b.IsActive() && b.IsFocus());

    ASSERT_EQ(m_Manager.RemoveModule(&b), S_OK);
    EXPECT_EQ(TakeChangeMessages(), 1);
    EXPECT_EQ(TakeLog(), HookLog({"B.OnKillFocus", "B.OnClose", "A.OnSetFocus"}));
    EXPECT_TRUE(!b.IsActive() && !b.IsFocus());
    EXPECT_TRUE(a.IsActive() && a.IsFocus());

    ASSERT_EQ(m_Manager.RemoveModule(&a), S_OK);
    EXPECT_EQ(TakeChangeMessages(), 1);
    EXPECT_EQ(TakeLog(), HookLog({"A.OnKillFocus", "A.OnClose"}));
}

TEST_F(XC_ModuleManagerTest, LowerModulesShowWhileEveryModuleAboveLetsThem)
{
    struct Case
    {
        BOOL bShowA, bShowB, bShowC;
        HookLog drawn;
    };
    const Case cases[] = {
        {FALSE, FALSE, TRUE, {"B.Render", "C.Render"}},
        {FALSE, TRUE, TRUE, {"A.Render", "B.Render", "C.Render"}},
        {TRUE, TRUE, TRUE, {"A.Render", "B.Render", "C.Render"}}, // the bottom has nothing below
        {TRUE, TRUE, FALSE, {"C.Render"}},
        {FALSE, TRUE, FALSE, {"C.Render"}},
    };
    for (const Case& c : cases) {
        FakeModule a(m_Log, "A", c.bShowA), b(m_Log, "B", c.bShowB), top(m_Log, "C", c.bShowC);
        m_Manager.AddModule(&a);
        m_Manager.AddModule(&b);
        m_Manager.AddModule(&top);
        TakeLog();
        m_Manager.Render();
        EXPECT_EQ(TakeLog(), c.drawn);
        m_Manager.RemoveAllModules();
        TakeLog();
    }
    m_Manager.Render(); // an empty stack draws nothing
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(XC_ModuleManagerTest, OnlyTheTopModuleCanBeRemoved)
{
    ErrorLogCapture log;
    FakeModule a(m_Log, "A"), b(m_Log, "B"), c(m_Log, "C");
    EXPECT_EQ(m_Manager.RemoveModule(&a), E_FAIL); // empty stack, no report
    EXPECT_EQ(log.Text(), "");
    m_Manager.AddModule(&a);
    m_Manager.AddModule(&b);
    m_Manager.AddModule(&c);
    TakeChangeMessages();
    TakeLog();

    EXPECT_EQ(m_Manager.RemoveModule(&b), E_FAIL);
    EXPECT_TRUE(log.Contains("移除模組失敗 要移除的模組不是最上層"));
    EXPECT_EQ(m_Manager.RemoveModule(nullptr), E_FAIL);
    EXPECT_TRUE(log.Contains("( pModuleObj ) failed"));
    EXPECT_EQ(m_Manager.AddModule(nullptr), E_FAIL);
    EXPECT_EQ(TakeChangeMessages(), 0);
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_TRUE(b.IsActive() && !b.IsFocus() && c.IsFocus());

    // The stack is as it was: C on top, then B, then A.
    ASSERT_EQ(m_Manager.RemoveModule(&c), S_OK);
    ASSERT_EQ(m_Manager.RemoveModule(&b), S_OK);
    ASSERT_EQ(m_Manager.RemoveModule(&a), S_OK);
}

TEST_F(XC_ModuleManagerTest, EnableAndCloseAreGuarded)
{
    ErrorLogCapture log;
    FakeModule a(m_Log, "A");
    EXPECT_EQ(a.Enable(), E_FAIL); // no manager yet
    EXPECT_TRUE(log.Contains("( m_pModuleManager ) failed"));
    EXPECT_EQ(a.SetModuleManager(nullptr), E_FAIL);
    EXPECT_EQ(a.Close(), S_OK); // not active: nothing to close
    EXPECT_TRUE(TakeLog().empty());

    ASSERT_EQ(a.SetModuleManager(&m_Manager), S_OK);
    ASSERT_EQ(a.Enable(), S_OK);
    EXPECT_EQ(TakeChangeMessages(), 1);
    EXPECT_EQ(a.Enable(), S_OK); // already on the stack
    EXPECT_EQ(TakeChangeMessages(), 0);
    EXPECT_EQ(TakeLog(), HookLog({"A.OnOpen", "A.OnSetFocus"}));

    ASSERT_EQ(a.Close(), S_OK);
    EXPECT_EQ(TakeChangeMessages(), 1);
    EXPECT_EQ(a.Close(), S_OK);
    EXPECT_EQ(TakeChangeMessages(), 0);
    EXPECT_EQ(TakeLog(), HookLog({"A.OnKillFocus", "A.OnClose"}));

    // A push through the manager gives the module its manager for Close.
    FakeModule b(m_Log, "B");
    m_Manager.AddModule(&b);
    ASSERT_EQ(b.Close(), S_OK);
    EXPECT_FALSE(b.IsActive());
}

TEST_F(XC_ModuleManagerTest, FrameStepsAndMessagesGoToTheTopOnly)
{
    EXPECT_EQ(m_Manager.MsgProc(m_hWnd, WM_KEYDOWN, 0, 0), 1);
    m_Manager.FrameMove(0.1f);
    EXPECT_TRUE(TakeLog().empty());

    FakeModule a(m_Log, "A", TRUE), b(m_Log, "B", TRUE);
    m_Manager.AddModule(&a);
    m_Manager.AddModule(&b);
    TakeLog();
    m_Manager.FrameMove(0.1f);
    EXPECT_EQ(m_Manager.MsgProc(m_hWnd, WM_KEYDOWN, 0, 0), 7);
    EXPECT_EQ(TakeLog(), HookLog({"B.FrameMove", "B.MsgProc"}));
    m_Manager.RemoveAllModules();
}

TEST_F(XC_ModuleManagerTest, RemovingAllClosesFromTheTopDownWithoutAMessage)
{
    FakeModule a(m_Log, "A"), b(m_Log, "B");
    m_Manager.AddModule(&a);
    m_Manager.AddModule(&b);
    TakeChangeMessages();
    TakeLog();
    EXPECT_EQ(m_Manager.RemoveAllModules(), S_OK);
    EXPECT_EQ(TakeLog(), HookLog({"B.OnKillFocus", "B.OnClose", "A.OnKillFocus", "A.OnClose"}));
    EXPECT_EQ(TakeChangeMessages(), 0);
    EXPECT_FALSE(a.IsActive() || a.IsFocus() || b.IsActive() || b.IsFocus());
    m_Manager.Render();
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_EQ(m_Manager.RemoveModule(&a), E_FAIL);
}
