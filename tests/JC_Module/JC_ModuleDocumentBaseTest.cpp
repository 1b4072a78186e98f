#include "JC_Module/JC_ModuleDocumentBase.h"

#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Module/XC_ModuleManager.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_Module/JC_ModuleViewBase.h"

#include "tests/JC_DataManager/BuiltDataLayer.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using Journal = std::vector<std::string>;

// A view that notes what its document does with it; it takes a message or
// a frame when told to hit, as a widget under the cursor would.
class FakeView : public JC_ModuleViewBase
{
public:
    FakeView(int iIndex, Journal& journal) : m_iIndex(iIndex), m_Journal(journal) {}

    DWORD BuildView() override
    {
        Note("build");
        m_bBuilt = 1;
        return m_dwBuildResult;
    }
    DWORD UnbuildView() override
    {
        m_bBuilt = 0;
        return 0;
    }
    DWORD OpenView() override
    {
        Note("open");
        m_bOpen = 1;
        return 0;
    }
    DWORD CloseView() override
    {
        Note("close");
        m_bOpen = 0;
        return 0;
    }
    DWORD FrameMove(float) override
    {
        Note("frame");
        return Take();
    }
    DWORD MsgProc(UINT, WPARAM, LPARAM) override
    {
        if (!m_bActive)
            return 0;
        Note("msg");
        return Take();
    }
    DWORD SetViewMode(int iMode) override
    {
        m_iViewMode = iMode;
        return 0;
    }

    BOOL m_bHit = 0;
    DWORD m_dwBuildResult = 0;

private:
    DWORD Take()
    {
        if (!m_bHit)
            return 0;
        m_dwViewEvent = 10 + m_iIndex;
        return 1;
    }
    void Note(const char* szWhat) { m_Journal.push_back(std::string(szWhat) + " " + std::to_string(m_iIndex)); }

    int m_iIndex;
    Journal& m_Journal;
};

const int SHOWN[4][3] = {{-1, -1, -1}, {0, 1, -1}, {0, 1, 2}, {1, 0, -1}};
const int ACTIVE[4][3] = {{-1, -1, -1}, {0, 1, -1}, {2, -1, -1}, {1, -1, -1}};
const DWORD FAKE_UNDEFINED_VIEW = 0x8A300101;
const DWORD FAKE_UNSUPPORTED_MODE = 0x8A300102;
const JS_DocumentRouting ROUTING = {"FakeModuleDocument", 3, 4, 3, &SHOWN[0][0],
                                    &ACTIVE[0][0], FAKE_UNDEFINED_VIEW, FAKE_UNSUPPORTED_MODE, TRUE};

class FakeDocument : public JC_ModuleDocumentBase
{
public:
    FakeDocument() : JC_ModuleDocumentBase(ROUTING) {}

    DWORD DealViewEvent(int iViewIndex, DWORD dwViewEvent) override
    {
        m_Journal.push_back("deal " + std::to_string(iViewIndex) + " " + std::to_string(dwViewEvent));
        return 0;
    }
    FakeView* View(int i) const { return static_cast<FakeView*>(GetView(i)); }

    Journal m_Journal;
    DWORD m_dwBuildResultOfView2 = 0;

protected:
    JC_ModuleViewBase* NewView(int iViewIndex) override
    {
        FakeView* const pView = new FakeView(iViewIndex, m_Journal);
        if (iViewIndex == 2)
            pView->m_dwBuildResult = m_dwBuildResultOfView2;
        return pView;
    }
    JC_ControlModuleBase* GetLayoutControl() override { return m_Controls.pControlModuleOption; }
};

class ModuleDocument : public BuiltDataLayer
{
protected:
    ModuleDocument() { EXPECT_EQ(JF_Build(GamePath("")), 0u) << LogText(); }
    ~ModuleDocument() override { m_Manager.RemoveAllModules(); }

    DWORD Initiate(FakeDocument& document)
    {
        return document.Initiation(&m_Manager, &m_State, &m_Mouse, gp_ControlManagerObj);
    }

    XC_ModuleManager m_Manager;
    XC_MouseState m_State;
    XC_Mouse m_Mouse;
};

std::set<int> ViewsWhere(const FakeDocument& document, BOOL (JC_ModuleViewBase::*pIs)() const)
{
    std::set<int> views;
    for (int i = 0; i < 3; ++i) {
        if ((document.View(i)->*pIs)())
            views.insert(i);
    }
    return views;
}

} // namespace

TEST_F(ModuleDocument, InitiationChecksItsArgumentsInOrder)
{
    XC_ModuleManager manager;
    JC_ControlManager notInitiated;
    XC_MouseState state;
    XC_Mouse mouse;
    struct Case
    {
        XC_ModuleManager* pManager;
        XC_MouseState* pState;
        XC_Mouse* pMouse;
        JC_ControlManager* pControls;
        DWORD dwExpected;
        const char* szLogged;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, nullptr, JE_MODULEDOCUMENTBASE_NULL_MODULE_MANAGER, nullptr},
        {&manager, nullptr, nullptr, nullptr, JE_MODULEDOCUMENTBASE_NULL_CONTROL_MANAGER, nullptr},
        {&manager, &state, &mouse, &notInitiated, JE_MODULEDOCUMENTBASE_CONTROL_MANAGER_NOT_INITIATED, nullptr},
        {&manager, nullptr, &mouse, gp_ControlManagerObj, JE_MODULEMOUSE_NULL_MOUSE_STATE,
         " ModuleDocumentBase InitiationModuleMouseObj Fail. \r\n HRESULT:0x89e00001 \r\n"},
        {&manager, &state, nullptr, gp_ControlManagerObj, JE_MODULEMOUSE_NULL_MOUSE,
         " ModuleDocumentBase InitiationModuleMouseObj Fail. \r\n HRESULT:0x89e00002 \r\n"},
        {&manager, &state, &mouse, gp_ControlManagerObj, 0, nullptr},
    };
    for (const Case& c : cases) {
        FakeDocument document;
        EXPECT_EQ(document.Initiation(c.pManager, c.pState, c.pMouse, c.pControls), c.dwExpected);
        EXPECT_EQ(document.IsInitiated(), c.dwExpected == 0);
        if (c.szLogged != nullptr) {
            EXPECT_TRUE(Logged(c.szLogged)) << LogText();
        }
    }
    // The manager is set before the control manager is looked at; the
    // un-initiated document it pushes closes itself at once.
    FakeDocument document;
    document.Initiation(&manager, nullptr, nullptr, nullptr);
    EXPECT_EQ(document.Enable(), S_OK);
    EXPECT_EQ(document.IsActive(), FALSE);
    EXPECT_TRUE(Logged(" FakeModuleDocument OnOpen Fail. \r\n HRESULT:0x89e50005 \r\n")) << LogText();
}

TEST_F(ModuleDocument, ModeChangesOpenAndCloseOnlyTheViewsThatChange)
{
    struct Case
    {
        int iFrom, iTo;
        Journal changes;
        std::set<int> shown, active;
    };
    const Case cases[] = {
        {1, 2, {"open 2"}, {0, 1, 2}, {2}},
        {2, 1, {"close 2"}, {0, 1}, {0, 1}},
        {1, 3, {}, {0, 1}, {1}},
        {2, 0, {"close 0", "close 1", "close 2"}, {}, {}},
        {0, 3, {"open 1", "open 0"}, {0, 1}, {1}},
    };
    for (const Case& c : cases) {
        FakeDocument document;
        ASSERT_EQ(Initiate(document), 0u);
        ASSERT_EQ(document.CreateAllView(), 0u);
        ASSERT_EQ(document.SetDocumentMode(c.iFrom), 0u);
        document.m_Journal.clear();
        EXPECT_EQ(document.SetDocumentMode(c.iTo), 0u);
        EXPECT_EQ(document.m_Journal, c.changes) << c.iFrom << " -> " << c.iTo;
        EXPECT_EQ(ViewsWhere(document, &JC_ModuleViewBase::IsOpen), c.shown) << c.iFrom << " -> " << c.iTo;
        EXPECT_EQ(ViewsWhere(document, &JC_ModuleViewBase::IsViewActive), c.active) << c.iFrom << " -> " << c.iTo;
        EXPECT_EQ(document.GetPreviousDocumentMode(), c.iFrom);
        document.DeleteAllView();
    }
}

TEST_F(ModuleDocument, UndefinedModesAndViewIndicesAreReportedAndChangeNothing)
{
    FakeDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(document.CreateAllView(), 0u);
    ASSERT_EQ(document.SetDocumentMode(2), 0u);
    for (const int iMode : {-1, 4})
        EXPECT_EQ(document.SetDocumentMode(iMode), FAKE_UNSUPPORTED_MODE);
    EXPECT_EQ(document.GetDocumentMode(), 2);
    EXPECT_TRUE(Logged(" FakeModuleDocument SetDocumentMode DocumentMode NotSupport. \r\n DocumentMode:0x00000004 \r\n")) << LogText();
    for (const int iView : {-4, 3})
        EXPECT_EQ(document.UpdateView(iView), FAKE_UNDEFINED_VIEW);
    EXPECT_EQ(document.UpdateView(-3), 0u);
    document.DeleteAllView();
}

TEST_F(ModuleDocument, TheFirstViewThatTakesAMessageOrFrameEndsTheRouting)
{
    FakeDocument document;
    ASSERT_EQ(Initiate(document), 0u);
    // Nothing reaches views before the screen has opened.
    EXPECT_EQ(document.MsgProc(nullptr, WM_LBUTTONUP, 0, 0), 1);
    document.FrameMove(0.1f);
    EXPECT_TRUE(document.m_Journal.empty());

    ASSERT_EQ(document.Enable(), S_OK);
    ASSERT_EQ(document.IsViewsReady(), TRUE);
    ASSERT_EQ(document.SetDocumentMode(1), 0u);
    document.View(0)->m_bHit = 1;
    document.View(1)->m_bHit = 1;
    document.m_Journal.clear();
    EXPECT_EQ(document.MsgProc(nullptr, WM_LBUTTONUP, 0, 0), 1);
    document.FrameMove(0.1f);
    EXPECT_EQ(document.m_Journal, Journal({"msg 0", "deal 0 10", "frame 0", "deal 0 10"}));
    EXPECT_EQ(document.View(0)->GetViewEvent(), 0u);

    // In mode 3 view 1 comes first; a message no view takes reaches all active ones.
    ASSERT_EQ(document.SetDocumentMode(3), 0u);
    document.View(1)->m_bHit = 0;
    document.m_Journal.clear();
    EXPECT_EQ(document.MsgProc(nullptr, WM_RBUTTONUP, 0, 0), 1);
    EXPECT_EQ(document.MsgProc(nullptr, WM_TIMER, 0, 0), 1);
    document.FrameMove(0.1f);
    EXPECT_EQ(document.m_Journal, Journal({"msg 1", "frame 1", "frame 0", "deal 0 10"}));
    EXPECT_EQ(document.Close(), S_OK);
    EXPECT_EQ(document.IsViewsReady(), FALSE);
    EXPECT_EQ(document.GetView(0), nullptr);
}

TEST_F(ModuleDocument, AScreenThatCannotOpenClosesAndGivesTheFocusBack)
{
    FakeDocument below, document;
    ASSERT_EQ(Initiate(below), 0u);
    ASSERT_EQ(Initiate(document), 0u);
    ASSERT_EQ(below.Enable(), S_OK);
    document.m_dwBuildResultOfView2 = 0x89E10202;
    document.Enable();
    EXPECT_EQ(document.IsActive(), FALSE);
    EXPECT_EQ(below.IsFocus(), TRUE);
    EXPECT_EQ(document.GetView(0), nullptr);
    EXPECT_EQ(document.GetDocumentMode(), 0);
    EXPECT_TRUE(Logged(" FakeModuleDocument CreateAllView Fail. \r\n View:2 \r\n HRESULT:0x89e10202 \r\n"))
        << LogText();
    EXPECT_TRUE(Logged(" FakeModuleDocument OnOpen Fail. ")) << LogText();
}

TEST_F(ModuleDocument, TheEventStaysUntilCleared)
{
    FakeDocument document;
    EXPECT_EQ(document.GetDocumentEvent(), 0u);
    document.ClearDocumentEvent();
    EXPECT_EQ(document.GetDocumentEvent(), 0u);
    float fX = 1, fY = 1, fZ = 1;
    document.SetPosition(-400, 12.5f, 3);
    document.GetPosition(&fX, &fY, &fZ);
    EXPECT_EQ(D3DXVECTOR3(fX, fY, fZ), D3DXVECTOR3(-400, 12.5f, 3));
    EXPECT_EQ(*document.GetRenderNode()->GetPosition(), D3DXVECTOR3(-400, 12.5f, 3));
}

TEST_F(ModuleDocument, ViewsCheckTheirBindingsInOrder)
{
    JC_ControlManager notInitiated;
    JC_ModuleMouse mouse;
    JC_ModuleResource resource;
    XC_RenderNode parent;
    Journal journal;
    struct Case
    {
        JC_ControlManager* pControls;
        JC_ModuleMouse* pMouse;
        JC_ModuleResource* pResource;
        DWORD dwExpected;
        bool bHung;
    };
    const Case cases[] = {
        {nullptr, &mouse, &resource, JE_MODULEVIEWBASE_NULL_CONTROL_MANAGER, false},
        {&notInitiated, &mouse, &resource, JE_MODULEVIEWBASE_CONTROL_MANAGER_NOT_INITIATED, false},
        {gp_ControlManagerObj, nullptr, &resource, JE_MODULEVIEWBASE_NULL_MODULE_MOUSE, true},
        {gp_ControlManagerObj, &mouse, nullptr, JE_MODULEVIEWBASE_NULL_MODULE_RESOURCE, true},
        {gp_ControlManagerObj, &mouse, &resource, 0, true},
    };
    for (const Case& c : cases) {
        FakeView view(0, journal);
        EXPECT_EQ(view.InitiationView(c.pControls, &parent, c.pMouse, c.pResource), c.dwExpected);
        EXPECT_EQ(view.GetRenderNode()->GetParent() == &parent, c.bHung);
        view.GetRenderNode()->DetachFromParent();
    }
}

TEST(JC_ModuleViewBase, AnUpdateOfAClosedViewWaitsForItsOpening)
{
    Journal journal;
    FakeView view(0, journal);
    EXPECT_EQ(view.Update(), 0u);
    EXPECT_EQ(view.IsUpdatePending(), TRUE);
    view.OpenView();
    view.Update();
    EXPECT_EQ(view.IsUpdatePending(), FALSE);
    // Inactive views take nothing, whatever hits.
    view.m_bHit = 1;
    EXPECT_EQ(view.MsgProc(WM_LBUTTONDOWN, 0, 0), 0u);
    EXPECT_EQ(view.GetViewEvent(), 0u);
}
