#include "JC_Module/JC_State/View/JC_StateModuleView8.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <algorithm>
#include <climits>
#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const int DIGITS = 10;
const int BUTTONS[] = {JC_StateModuleView8::ITEM_ADD_TENS, JC_StateModuleView8::ITEM_ADD_UNITS,
                       JC_StateModuleView8::ITEM_SUB_TENS, JC_StateModuleView8::ITEM_SUB_UNITS,
                       JC_StateModuleView8::ITEM_OK,       JC_StateModuleView8::ITEM_CANCEL};
const int BUTTON_COUNT = 6;

int Wrapped(int iDigit)
{
    if (iDigit >= DIGITS)
        return 0;
    return iDigit < 0 ? DIGITS - 1 : iDigit;
}

} // namespace

JC_StateModuleView8::JC_StateModuleView8() : JC_StateModuleViewBase(8, ITEM_COUNT)
{
}

JC_StateModuleView8::~JC_StateModuleView8()
{
    UnbuildView();
}

void JC_StateModuleView8::ReportBuildFail(float fX, float fY, float fZ, const std::string& strFile,
                                          const std::string& strText, DWORD dwResult) const
{
    m_Controls.pErrorLog->Print("View8 在建立 視窗元件時 發生錯誤 \nItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , ItemT:%s "
                                "\n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                fX, fY, fZ, strFile.c_str(), strText.c_str(), static_cast<unsigned>(dwResult),
                                s_szSourceFile, __LINE__);
}

DWORD JC_StateModuleView8::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_BK_T, "BkT", "BkT");
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_THING_NAME, "ThingName", nullptr);
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_THING_COUNT, "ThingCount", nullptr);
    const char* const szButtons[BUTTON_COUNT] = {"AddA", "AddB", "SubA", "SubB", "OK", "Cancel"};
    for (int i = 0; i < BUTTON_COUNT && dwResult == 0; ++i)
        dwResult = BuildAnimationItem(BUTTONS[i], szButtons[i], TRUE);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_StateModuleView8::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ShowRenderItemPage(GetAnimation(ITEM_BK), 1, 0);
    for (const int iButton : BUTTONS)
        ShowRenderItemPage(GetAnimation(iButton), 1, 0);
    for (const int iText : {ITEM_BK_T, ITEM_THING_NAME, ITEM_THING_COUNT})
        GetString(iText)->SetShow(1);
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_StateModuleView8::SetViewMode(int iMode)
{
    if (iMode != 0) {
        m_Controls.pErrorLog->Print("View 8 在設定顯示模式時 發生錯誤(不支援指定的顯示模式) \nViewMode:%d \n錯誤檔案:%s(Line:%d) "
                                    "\n\n",
                                    iMode, s_szSourceFile, __LINE__);
        return JE_STATEMODULEVIEW8_VIEW_MODE_NOT_SUPPORT;
    }
    m_iViewMode = iMode;
    return 0;
}

DWORD JC_StateModuleView8::SetThingInfo(int iWarehouse, int iDrawerIndex)
{
    m_iWarehouse = iWarehouse;
    m_iDrawerIndex = iDrawerIndex;
    const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
    JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(iWarehouse, iDrawerIndex);
    // A drawer that is not there holds nothing to choose from.
    // A damaged record may hold more than an int: the box never offers more than it can count.
    const DWORD dwHeld = pDrawer != nullptr ? warehouse.GetDrawerObjInfo_ThingCount(pDrawer) : 0;
    m_iMaximumCount = static_cast<int>(std::min<DWORD>(dwHeld, INT_MAX));
    std::string strName;
    if (pDrawer != nullptr)
        warehouse.GetDrawerObjInfo_ThingName(pDrawer, strName);
    if (m_Items[ITEM_THING_NAME] != nullptr)
        GetString(ITEM_THING_NAME)->SetString((strName + "？").c_str(), WHITE);
    m_iTens = 0;
    m_iUnits = 0;
    return AddUnitsDigit(1);
}

DWORD JC_StateModuleView8::GetThingCount(int& iCount, BOOL& bWholeDrawer) const
{
    iCount = Count();
    bWholeDrawer = iCount == m_iMaximumCount;
    return 0;
}

DWORD JC_StateModuleView8::AddTensDigit(int iStep)
{
    m_iTens = Wrapped(m_iTens + iStep);
    return ShowThingCount();
}

DWORD JC_StateModuleView8::AddUnitsDigit(int iStep)
{
    m_iUnits = Wrapped(m_iUnits + iStep);
    return ShowThingCount();
}

DWORD JC_StateModuleView8::GetCountColor() const
{
    return Count() > m_iMaximumCount ? WARNING : WHITE;
}

DWORD JC_StateModuleView8::ShowThingCount()
{
    char szCount[16];
    std::snprintf(szCount, sizeof(szCount), "X %d %d", m_iTens, m_iUnits);
    if (m_Items[ITEM_THING_COUNT] != nullptr)
        GetString(ITEM_THING_COUNT)->SetString(szCount, GetCountColor());
    return 0;
}

DWORD JC_StateModuleView8::ConfirmCount()
{
    if (Count() <= m_iMaximumCount) {
        m_dwViewEvent = EVENT_OK;
        return 1;
    }
    m_iTens = m_iMaximumCount / DIGITS;
    m_iUnits = m_iMaximumCount % DIGITS;
    ShowThingCount();
    return 0;
}

DWORD JC_StateModuleView8::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive)
        return 0;
    if (uMsg == WM_RBUTTONUP) {
        m_dwViewEvent = EVENT_CANCEL;
        return 1;
    }
    if (uMsg == WM_LBUTTONDOWN) {
        PressButton(BUTTONS, BUTTON_COUNT);
        return 0;
    }
    if (uMsg != WM_LBUTTONUP)
        return 0;
    switch (ReleaseButton(BUTTONS)) {
    case 0:
        AddTensDigit(1);
        return 0;
    case 1:
        AddUnitsDigit(1);
        return 0;
    case 2:
        AddTensDigit(-1);
        return 0;
    case 3:
        AddUnitsDigit(-1);
        return 0;
    case 4:
        return ConfirmCount();
    case 5:
        m_dwViewEvent = EVENT_CANCEL;
        return 1;
    default:
        return 0;
    }
}
