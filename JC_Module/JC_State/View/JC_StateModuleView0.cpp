#include "JC_Module/JC_State/View/JC_StateModuleView0.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_State/JC_StateModuleDocument.h"
#include "TemplateSystem/JC_DebugLog.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const int BUTTONS[] = {JC_StateModuleView0::ITEM_PREV, JC_StateModuleView0::ITEM_NEXT,
                       JC_StateModuleView0::ITEM_FREE};
const int BUTTON_COUNT = 3;

} // namespace

JC_StateModuleView0::JC_StateModuleView0() : JC_StateModuleViewBase(0, ITEM_COUNT)
{
}

JC_StateModuleView0::~JC_StateModuleView0()
{
    UnbuildView();
}

DWORD JC_StateModuleView0::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_FACE, "Face", FALSE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_PREV, "Prev", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_NEXT, "Next", TRUE);
    if (dwResult == 0)
        dwResult = BuildAnimationItem(ITEM_FREE, "Free", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_FREE_T, "FreeT", "FreeT");
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

void JC_StateModuleView0::ShowRelease(BOOL bShow)
{
    ShowRenderItemPage(GetAnimation(ITEM_FREE), bShow, 0);
    ShowRenderItem(GetString(ITEM_FREE_T), bShow);
}

DWORD JC_StateModuleView0::Update()
{
    if (!m_bOpen) {
        m_bUpdatePending = 1;
        return 0;
    }
    std::string strName;
    m_pControlPerson->GetPersonPowerObj()->GetAnimationFileName(strName);
    const std::string strFace = GetPathFace() + strName;
    const DWORD dwResult = m_pModuleResource->ChangeScreenAnimation(GetAnimation(ITEM_FACE), strFace.c_str());
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView0 Update Fail.. \r\n FaceFilePathName:%s \r\n HRESULT:0x%08x \r\n",
                                      strFace.c_str(), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    ShowRelease(0);
    const auto* pDocument = static_cast<const JC_StateModuleDocument*>(m_pDocument);
    if ((m_iViewMode == MODE_PERSON_BUTTONS || m_iViewMode == MODE_NO_PERSON_BUTTONS)
        && pDocument->GetOperateTeam() == 1 && pDocument->IsOperatePersonCapturePet())
        ShowRelease(1);
    m_bUpdatePending = 0;
    return 0;
}

DWORD JC_StateModuleView0::SetViewMode(int iMode)
{
    if (iMode != MODE_PERSON_BUTTONS && iMode != MODE_NO_PERSON_BUTTONS)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW0_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    const BOOL bPersonButtons = iMode == MODE_PERSON_BUTTONS;
    ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
    ShowRenderItemPage(GetAnimation(ITEM_FACE), 1, 0);
    ShowRenderItemPage(GetAnimation(ITEM_PREV), bPersonButtons, 0);
    ShowRenderItemPage(GetAnimation(ITEM_NEXT), bPersonButtons, 0);
    return 0;
}

DWORD JC_StateModuleView0::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive || (uMsg != WM_MOUSEMOVE && uMsg != WM_LBUTTONDOWN))
        return 0;
    const int iHit = HitItem(BUTTONS, BUTTON_COUNT);
    if (uMsg == WM_LBUTTONDOWN) {
        if (iHit < 0)
            return 0;
        m_dwViewEvent = static_cast<DWORD>(EVENT_PREV + iHit);
        return 1;
    }
    // The button under the pointer plays; the others rest.
    for (int i = 0; i < BUTTON_COUNT; ++i)
        PlayRenderItem(GetAnimation(BUTTONS[i]), i == iHit ? 1 : 0, 0, 0);
    return 0;
}
