#include "JC_Module/JC_State/View/JC_StateModuleView2.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"

namespace {

const int BUTTONS[] = {JC_StateModuleView2::ITEM_THING_BUTTON, JC_StateModuleView2::ITEM_SKILL_BUTTON};
const int BUTTON_COUNT = 2;

} // namespace

JC_StateModuleView2::JC_StateModuleView2() : JC_StateModuleViewBase(2, ITEM_COUNT)
{
}

JC_StateModuleView2::~JC_StateModuleView2()
{
    UnbuildView();
}

DWORD JC_StateModuleView2::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_THING_BUTTON, "ThingButton", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_SKILL_BUTTON, "SkillButton", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_THING_CAPTION, "ThingButtonT", "ThingButtonT");
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_SKILL_CAPTION, "SkillButtonT", "SkillButtonT");
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_StateModuleView2::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive)
        return 0;
    if (uMsg == WM_LBUTTONDOWN) {
        PressButton(BUTTONS, BUTTON_COUNT);
        return 0;
    }
    if (uMsg != WM_LBUTTONUP)
        return 0;
    const int iReleased = ReleaseButton(BUTTONS);
    if (iReleased < 0)
        return 0;
    m_dwViewEvent = static_cast<DWORD>(EVENT_THING + iReleased);
    return 1;
}

DWORD JC_StateModuleView2::SetViewMode(int iMode)
{
    if (iMode != MODE_SHOWN && iMode != MODE_HIDDEN)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW2_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    const BOOL bShow = iMode == MODE_SHOWN;
    for (const int iButton : BUTTONS)
        ShowRenderItemPage(GetAnimation(iButton), bShow, 0);
    ShowRenderItem(GetString(ITEM_THING_CAPTION), bShow);
    ShowRenderItem(GetString(ITEM_SKILL_CAPTION), bShow);
    return 0;
}
