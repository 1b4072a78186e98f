#include "JC_Module/JC_Town/View/JC_TownModuleView5.h"

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"

namespace {

const DWORD OPAQUE_ALPHA = 255;
const float LINE_MAX_LENGTH = 305.0f;
const float LINE_INTERVAL = 23.0f;
const char* const LINE_NAMES[JC_TownModuleView5::LINE_COUNT] = {"Explain1", "Explain2", "Explain3", "Explain4"};

} // namespace

JC_TownModuleView5::JC_TownModuleView5() : JC_TownModuleViewBase(5, ITEM_COUNT)
{
}

JC_TownModuleView5::~JC_TownModuleView5()
{
    UnbuildView();
}

DWORD JC_TownModuleView5::BuildBackground()
{
    const DWORD dwAlpha = Layout()->GetItemDataDword("View5_BkA");
    const DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    if (dwResult != 0 || dwAlpha == OPAQUE_ALPHA)
        return dwResult;
    XC_RenderAnimation* const pBackground = GetAnimation(ITEM_BK);
    pBackground->SetColor((pBackground->GetColor() & 0x00FFFFFF) | ((dwAlpha & 0xFF) << 24));
    XC_SetDirectState* const pStates = pBackground->GetSetDirectState();
    pStates->SetRenderState(D3DRS_ALPHABLENDENABLE, 1);
    pStates->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pStates->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    return 0;
}

DWORD JC_TownModuleView5::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildBackground();
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_BK_T, "BkT", Layout()->GetItemDataString("View5_BkT").c_str());
    for (int i = 0; i < LINE_COUNT && dwResult == 0; ++i) {
        auto pLine = std::make_unique<XC_RenderString>();
        pLine->SetAutoLineFeed(1);
        pLine->SetLineMaxLength(LINE_MAX_LENGTH);
        pLine->SetLineInterval(LINE_INTERVAL);
        dwResult = BuildStringItem(ITEM_LINE + i, LINE_NAMES[i], nullptr, 0.0f, 0.0f, std::move(pLine));
    }
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView5::OpenView()
{
    if (!m_bBuilt)
        return 0;
    m_bOpen = 1;
    if (m_bUpdatePending) {
        Update();
        SetViewMode(m_iViewMode);
    }
    return 0;
}

DWORD JC_TownModuleView5::MsgProc(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return 0;
}

DWORD JC_TownModuleView5::SetViewMode(int iMode)
{
    if (iMode != MODE_HIDDEN && iMode != MODE_SHOWN)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW5_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    const BOOL bShow = iMode == MODE_SHOWN;
    ShowRenderItemPage(GetAnimation(ITEM_BK), bShow, 0);
    for (int i = ITEM_BK_T; i < ITEM_COUNT; ++i)
        ShowRenderItem(m_Items[i].get(), bShow);
    return 0;
}

DWORD JC_TownModuleView5::SetExplainLines(const std::vector<std::string>& lines)
{
    for (int i = 0; i < LINE_COUNT; ++i)
        SetText(ITEM_LINE + i, static_cast<size_t>(i) < lines.size() ? lines[i] : std::string(), JD_TOWN_WHITE);
    return 0;
}
