#include "JC_Module/JC_State/View/JC_StateModuleView6.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/DirectState/XC_SetDirectState.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlModuleState.h"
#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_State/View/JC_StateModuleView4.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD WHITE = 0xFFFFFFFF;
const DWORD PALE_YELLOW = 0xFFFFFFA0;
const DWORD LINE_COLORS[JC_StateModuleView6::LINE_COUNT] = {WHITE, WHITE, PALE_YELLOW};
const char* const LINE_NAMES[JC_StateModuleView6::LINE_COUNT] = {"Explain1", "Explain2", "Explain3"};
const DWORD OPAQUE_ALPHA = 255;
const float LINE_MAX_LENGTH = 305.0f;
const float LINE_INTERVAL = 23.0f;

} // namespace

JC_StateModuleView6::JC_StateModuleView6() : JC_StateModuleViewBase(6, ITEM_COUNT)
{
}

JC_StateModuleView6::~JC_StateModuleView6()
{
    UnbuildView();
}

DWORD JC_StateModuleView6::SetControlPerson(JC_ControlPerson* pControlPerson)
{
    if (pControlPerson == nullptr)
        return JE_STATEMODULEVIEW6_NULL_CONTROL_PERSON;
    m_pControlPerson = pControlPerson;
    return 0;
}

DWORD JC_StateModuleView6::InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent,
                                          JC_ModuleMouse* pModuleMouse, JC_ModuleResource* pModuleResource)
{
    DWORD dwResult = JC_StateModuleViewBase::InitiationView(pControlManager, pParent, pModuleMouse, pModuleResource);
    if (dwResult != 0)
        return dwResult;
    const struct
    {
        JC_OperatorBase& op;
        const char* szName;
    } operators[] = {{m_OperatorEquipmentBaseObj, "OperatorEquipmentBaseObj"},
                     {m_OperatorSkillObj, "OperatorSkillObj"},
                     {m_OperatorSkillPowerObj, "OperatorSkillPowerObj"}};
    for (const auto& entry : operators) {
        dwResult = entry.op.Initiation(m_Controls.pDataManager);
        if (dwResult != 0) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " StateModuleView6 Initiation %sInitiation Fail. \r\n HRESULT:0x%08x \r\n",
                                          entry.szName, static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_StateModuleView6::BuildBackground()
{
    const DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    if (dwResult != 0)
        return dwResult;
    const DWORD dwAlpha = Layout()->GetItemDataDword("View6_BkA");
    if (dwAlpha == OPAQUE_ALPHA)
        return 0;
    XC_RenderAnimation* const pBk = GetAnimation(ITEM_BK);
    pBk->SetColor((pBk->GetColor() & 0x00FFFFFF) | ((dwAlpha & 0xFF) << 24));
    XC_SetDirectState* const pState = pBk->GetSetDirectState();
    pState->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    pState->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    pState->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    return 0;
}

DWORD JC_StateModuleView6::BuildLines()
{
    for (int i = 0; i < LINE_COUNT; ++i) {
        const float fX = Layout()->GetItemDataFloat(ItemKey(LINE_NAMES[i], "X"));
        const float fY = Layout()->GetItemDataFloat(ItemKey(LINE_NAMES[i], "Y"));
        const float fZ = Layout()->GetItemDataFloat(ItemKey(LINE_NAMES[i], "Z"));
        auto pLine = std::make_unique<XC_RenderString>();
        pLine->SetAutoLineFeed(1);
        pLine->SetLineMaxLength(LINE_MAX_LENGTH);
        pLine->SetLineInterval(LINE_INTERVAL);
        const DWORD dwResult =
            m_pModuleResource->BuildScreenString(pLine.get(), WHITE, fX, fY, fZ, GetRenderNode());
        m_Items[ITEM_LINE1 + i] = std::move(pLine);
        if (dwResult != 0) {
            ReportBuildFail(fX, fY, fZ, "", "", dwResult);
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_StateModuleView6::BuildView()
{
    UnbuildView();
    PlaceView();
    DWORD dwResult = BuildBackground();
    if (dwResult == 0)
        dwResult = BuildStringItem(ITEM_BK_T, "BkT", "BkT");
    if (dwResult == 0)
        dwResult = BuildLines();
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_StateModuleView6::OpenView()
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

DWORD JC_StateModuleView6::MsgProc(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return 0;
}

DWORD JC_StateModuleView6::SetViewMode(int iMode)
{
    if (iMode < MODE_EMPTY || iMode > MODE_SKILL)
        return RefuseViewMode(iMode, JE_STATEMODULEVIEW6_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    const BOOL bShow = iMode != MODE_EMPTY;
    ShowRenderItemPage(GetAnimation(ITEM_BK), bShow, 0);
    for (int i = ITEM_BK_T; i <= ITEM_LINE3; ++i)
        ShowRenderItem(GetString(i), bShow);
    return 0;
}

BOOL JC_StateModuleView6::IsModeFor(int iMode, const char* szOperation) const
{
    if (m_iViewMode == iMode)
        return 1;
    m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                  " StateModuleView6 %s ViewModeNotMatch. \r\n ViewMode:0x%08x \r\n ", szOperation,
                                  static_cast<unsigned>(m_iViewMode));
    return 0;
}

void JC_StateModuleView6::WriteLines(const std::string (&lines)[LINE_COUNT])
{
    for (int i = 0; i < LINE_COUNT; ++i) {
        m_Lines[i] = lines[i];
        if (m_Items[ITEM_LINE1 + i] != nullptr)
            GetString(ITEM_LINE1 + i)->SetString(lines[i].c_str(), LINE_COLORS[i]);
    }
}

std::string JC_StateModuleView6::GemExplanation()
{
    if (m_OperatorEquipmentBaseObj.GetGemCount() == 0)
        return "";
    JC_DataComponent* const pGem = m_Controls.pDataManager->GetGemObj(m_OperatorEquipmentBaseObj.GetGem(0));
    std::string strExplain;
    if (pGem != nullptr)
        pGem->GetItemValueAt("InlayExplain", 0, &strExplain);
    return strExplain;
}

DWORD JC_StateModuleView6::BindEquipment(JC_DataComponent* pEquipment, const char* szOperation)
{
    const DWORD dwResult = m_OperatorEquipmentBaseObj.SetDataConponent(pEquipment);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView6 %s OperatorEquipmentBaseObjSetDataConponent Fail. \r\n "
                                      "HRESULT:0x%08x \r\n ",
                                      szOperation, static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_StateModuleView6::UpdateEquipment(int iWearPosition)
{
    if (!IsModeFor(MODE_EQUIPMENT, "UpdateEquipment"))
        return JE_STATEMODULEVIEW6_EQUIPMENT_MODE_NOT_MATCH;
    const int iSlot = JC_StateModuleView4::SlotOfWearPosition(iWearPosition);
    JC_DataComponent* const pWorn =
        iSlot < 0 || m_pControlPerson == nullptr
            ? nullptr
            : JC_StateModuleView4::WornAt(*m_pControlPerson->GetPersonPowerObj(), iSlot);
    std::string lines[LINE_COUNT];
    if (pWorn != nullptr) {
        const DWORD dwResult = BindEquipment(pWorn, "UpdateEquipment");
        if (dwResult != 0)
            return dwResult;
        lines[0] = m_OperatorEquipmentBaseObj.GetExplain();
        lines[1] = m_OperatorEquipmentBaseObj.GetExplainEx();
        lines[2] = GemExplanation();
    }
    WriteLines(lines);
    return 0;
}

DWORD JC_StateModuleView6::UpdateThing(int iWarehouse, int iDrawerIndex)
{
    if (!IsModeFor(MODE_THING, "UpdateThing"))
        return JE_STATEMODULEVIEW6_THING_MODE_NOT_MATCH;
    const JC_ControlWarehouse& warehouse = *m_Controls.pControlWarehouse;
    JC_DataComponent* const pDrawer = warehouse.GetDrawerObj(iWarehouse, iDrawerIndex);
    if (pDrawer == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView6 UpdateThing ControlWarehouseObjGetDrawerObj Fail. \r\n "
                                      "Warehouse:0x%08x DrawerIndex:%d \r\n ",
                                      static_cast<unsigned>(iWarehouse), iDrawerIndex);
        return JE_STATEMODULEVIEW6_NO_DRAWER;
    }
    std::string lines[LINE_COUNT];
    const char* const szKinds[] = {"ThingExplain", "ThingExplainEx"};
    for (int i = 0; i < 2; ++i) {
        const DWORD dwResult = i == 0 ? warehouse.GetDrawerObjInfo_ThingExplain(pDrawer, lines[0])
                                      : warehouse.GetDrawerObjInfo_ThingExplainEx(pDrawer, lines[1]);
        if (dwResult != 0) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " StateModuleView6 UpdateThing ControlWarehouseObjGetDrawerObjInfo(%s) Fail. "
                                          "\r\n Warehouse:0x%08x DrawerIndex:%d \r\n HRESULT:0x%08x \r\n ",
                                          szKinds[i], static_cast<unsigned>(iWarehouse), iDrawerIndex,
                                          static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    if (iWarehouse == JC_ControlWarehouse::WAREHOUSE_WEAPON || iWarehouse == JC_ControlWarehouse::WAREHOUSE_WEARING) {
        const DWORD dwResult = BindEquipment(warehouse.GetDrawerObjInfo_Thing(pDrawer), "UpdateThing");
        if (dwResult != 0)
            return dwResult;
        lines[2] = GemExplanation();
    }
    WriteLines(lines);
    return 0;
}

DWORD JC_StateModuleView6::UpdateSkill(DWORD dwSkillID, DWORD dwSkillLevel)
{
    if (!IsModeFor(MODE_SKILL, "UpdateSkill"))
        return JE_STATEMODULEVIEW6_SKILL_MODE_NOT_MATCH;
    JC_DataComponent* const pSkill = m_Controls.pDataManager->GetSkillObj(dwSkillID);
    if (pSkill == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView6 UpdateSkill DataManagerObjGetSkillObj Fail. \r\n "
                                      "SkillID:0x%08x \r\n ",
                                      static_cast<unsigned>(dwSkillID));
        return JE_STATEMODULEVIEW6_NO_SKILL;
    }
    DWORD dwResult = m_OperatorSkillObj.SetDataConponent(pSkill);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " StateModuleView6 UpdateSkill OperatorSkillObjSetDataConponent Fail. \r\n "
                                      "SkillID:0x%08x \r\n HRESULT:0x%08x \r\n ",
                                      static_cast<unsigned>(dwSkillID), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    std::string lines[LINE_COUNT] = {m_OperatorSkillObj.GetExplain(), m_OperatorSkillObj.GetLearnConditionExplain(),
                                     ""};
    if (dwSkillLevel != 0) {
        JC_DataComponent* const pPower = m_Controls.pDataManager->GetSkillPowerObj(dwSkillID, dwSkillLevel);
        if (pPower == nullptr) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " StateModuleView6 UpdateSkill GetSkillPowerObj Fail. \r\n SkillID:0x%08x "
                                          "SkillLevel:0x%08x \r\n ",
                                          static_cast<unsigned>(dwSkillID), static_cast<unsigned>(dwSkillLevel));
            return JE_STATEMODULEVIEW6_NO_SKILL_POWER;
        }
        dwResult = m_OperatorSkillPowerObj.SetDataConponent(pPower);
        if (dwResult != 0) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " StateModuleView6 UpdateSkill OperatorSkillPowerObjSetDataConponent Fail. "
                                          "\r\n SkillID:0x%08x SkillLevel:0x%08x \r\n HRESULT:0x%08x \r\n ",
                                          static_cast<unsigned>(dwSkillID), static_cast<unsigned>(dwSkillLevel),
                                          static_cast<unsigned>(dwResult));
            return dwResult;
        }
        char szUse[64];
        std::snprintf(szUse, sizeof(szUse), "RAP:%1d  SP:%3d  Mor:%3d", m_OperatorSkillPowerObj.GetUseConditionRAP(),
                      m_OperatorSkillPowerObj.GetUseConditionSP(), m_OperatorSkillPowerObj.GetUseConditionMorale());
        lines[2] = szUse;
    }
    WriteLines(lines);
    return 0;
}
