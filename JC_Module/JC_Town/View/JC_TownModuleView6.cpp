#include "JC_Module/JC_Town/View/JC_TownModuleView6.h"

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "JC_DataManager/Control/JC_ControlModuleTown.h"
#include "JC_DataManager/Control/JC_ControlPersonEquip.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DataComponent.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cstdio>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD KIND_WEAPON = 2;
const DWORD KIND_WEARING = 3;
const int FACE_COLUMNS = 10;
const int FACE_ROWS = 2;
// Places 200 and above hold captured monsters.
const int LAST_PERSON_PLACE = 199;

} // namespace

JC_TownModuleView6::JC_TownModuleView6() : JC_TownModuleViewBase(6, ITEM_COUNT)
{
}

JC_TownModuleView6::~JC_TownModuleView6()
{
    UnbuildView();
}

DWORD JC_TownModuleView6::BuildItems()
{
    DWORD dwResult = BuildAnimationItem(ITEM_BK, "Bk", TRUE);
    const float fDX = ItemFloat("PersonFaceD", "X");
    const float fDY = ItemFloat("PersonFaceD", "Y");
    for (int iRow = 0; iRow < FACE_ROWS; ++iRow) {
        for (int iColumn = 0; iColumn < FACE_COLUMNS && dwResult == 0; ++iColumn)
            dwResult = BuildAnimationItem(ITEM_FACE + iRow * FACE_COLUMNS + iColumn, "PersonFace", FALSE,
                                          iColumn * fDX, iRow * fDY);
    }
    return dwResult;
}

DWORD JC_TownModuleView6::BuildView()
{
    UnbuildView();
    PlaceView();
    const DWORD dwResult = BuildItems();
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_TownModuleView6::OpenView()
{
    if (!m_bBuilt)
        return 0;
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_TownModuleView6::MsgProc(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return 0;
}

DWORD JC_TownModuleView6::SetViewMode(int iMode)
{
    if (iMode != MODE_HIDDEN && iMode != MODE_SHOWN)
        return RefuseViewMode(iMode, JE_TOWNMODULEVIEW6_VIEW_MODE_NOT_SUPPORT);
    m_iViewMode = iMode;
    if (!m_bOpen)
        return 0;
    for (int i = ITEM_FACE; i < ITEM_COUNT; ++i)
        ShowRenderItem(m_Items[i].get(), iMode == MODE_SHOWN);
    return 0;
}

DWORD JC_TownModuleView6::ClearFaces(int iFirst)
{
    for (int i = iFirst; i < FACE_COUNT; ++i) {
        const DWORD dwResult = m_pModuleResource->ChangeScreenAnimation(GetAnimation(ITEM_FACE + i), "");
        if (dwResult != 0) {
            m_Controls.pErrorLog->PrintAt(
                s_szSourceFile, __LINE__,
                " TownModuleView6 UpdateInfo ModuleResourceObj GetRenderObj Fail. \r\n ResFilePathName:%s \r\n "
                "HRESULT:0x%08x \r\n",
                "", static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    return 0;
}

JC_DataComponent* JC_TownModuleView6::FindThing(DWORD dwThingKind, DWORD dwThingID, DWORD& dwResult) const
{
    dwResult = 0;
    if (dwThingKind != KIND_WEAPON && dwThingKind != KIND_WEARING) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " TownModuleView6 UpdateInfo ThingKindNotSupport. \r\n ThingKind:0x%08x \r\n",
                                      static_cast<unsigned>(dwThingKind));
        dwResult = JE_TOWNMODULEVIEW6_THING_KIND_NOT_SUPPORT;
        return nullptr;
    }
    const bool bWeapon = dwThingKind == KIND_WEAPON;
    JC_DataComponent* const pThing = bWeapon ? m_Controls.pDataManager->GetWeaponObj(dwThingID)
                                             : m_Controls.pDataManager->GetWearingObj(dwThingID);
    if (pThing == nullptr) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      bWeapon ? " TownModuleView6 UpdateInfo DataManagerObj GetWeaponObj Fail. \r\n "
                                                "ThingID:0x%08x \r\n"
                                              : " TownModuleView6 UpdateInfo DataManagerObj GetWearingObj Fail. \r\n "
                                                "ThingID:0x%08x \r\n",
                                      static_cast<unsigned>(dwThingID));
        dwResult = JE_TOWNMODULEVIEW6_NO_THING;
    }
    return pThing;
}

DWORD JC_TownModuleView6::UpdateInfo(DWORD dwThingKind, DWORD dwThingID)
{
    m_iFaceCount = 0;
    ClearFaces(0);
    if (dwThingKind < KIND_WEAPON)
        return 0;
    DWORD dwResult = 0;
    JC_DataComponent* const pThing = FindThing(dwThingKind, dwThingID, dwResult);
    if (pThing == nullptr)
        return dwResult;
    int iPosition = -1;
    dwResult = pThing->GetItemValue("WearPosition", &iPosition);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " TownModuleView6 UpdateInfo EquipmentObj GetItemData(WearPosition) Fail. \r\n HRESULT:0x%08x \r\n",
            static_cast<unsigned>(dwResult));
        return dwResult;
    }
    if (iPosition == JD_WEARPOSITION_BOTHHAND)
        iPosition = JD_WEARPOSITION_HANDRIGHT;
    if (dwThingKind == KIND_WEARING && iPosition == JD_WEARPOSITION_ACCESSARY)
        return 0;
    return FillFaces(pThing, dwThingKind == KIND_WEAPON, iPosition);
}

DWORD JC_TownModuleView6::TryOn(JC_DataComponent* pPerson, JC_DataComponent* pThing, BOOL bWeapon, int iPosition,
                                JC_ControlPersonPower& power, JC_ControlPersonEquip& equip, BOOL& bCanEquip,
                                BOOL& bImproved) const
{
    bCanEquip = 0;
    bImproved = 0;
    // Taking a thing off may clamp HP or SP to a lowered maximum: only a
    // copy of the person ever wears the thing.
    auto pCopy = std::make_unique<JC_DataComponent>();
    DWORD dwResult = pCopy->Copy(pPerson, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult != 0)
        return dwResult;
    dwResult = power.SetControlPerson(pCopy.get());
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " TownModuleView6 UpdateInfo ControlPersonPowerObj SetControlPerson Fail. \r\n HRESULT:0x%08x \r\n",
            static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = equip.SetControlPerson(pCopy.get());
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " TownModuleView6 UpdateInfo ControlPersonEquipObj SetControlPerson Fail. \r\n HRESULT:0x%08x \r\n",
            static_cast<unsigned>(dwResult));
        return dwResult;
    }
    if (equip.CheckEquipment(pThing, 0) != 1)
        return 0;
    bCanEquip = 1;
    const int iBefore = bWeapon ? power.GetWeaponAttack() : power.GetEquipDefense();
    std::unique_ptr<JC_DataComponent> pTakenRightHand;
    std::unique_ptr<JC_DataComponent> pTakenOther;
    equip.PutOnEquipment(iPosition, pThing, pTakenRightHand, pTakenOther);
    const int iAfter = bWeapon ? power.GetWeaponAttack() : power.GetEquipDefense();
    bImproved = iAfter > iBefore;
    return 0;
}

DWORD JC_TownModuleView6::ShowFace(int iSlot, DWORD dwPersonID, BOOL bImproved)
{
    char szFace[MAX_PATH];
    std::snprintf(szFace, sizeof(szFace), "%sef%08x.ant", GetPathFace().c_str(), static_cast<unsigned>(dwPersonID));
    const std::string strDefault = GetPathFace() + Layout()->GetItemDataString("DefaultAniEFace");
    XC_RenderAnimation* const pFace = GetAnimation(ITEM_FACE + iSlot);
    const DWORD dwResult = m_pModuleResource->ChangeScreenAnimationOrDefault(pFace, szFace, strDefault.c_str());
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " TownModuleView6 UpdateInfo ModuleResourceObj GetRenderObj Fail. \r\n ResFilePathName:%s \r\n "
            "HRESULT:0x%08x \r\n",
            szFace, static_cast<unsigned>(dwResult));
        return dwResult;
    }
    PlayRenderItem(pFace, 0, bImproved ? 1 : 0, 0);
    return 0;
}

DWORD JC_TownModuleView6::FillFaces(JC_DataComponent* pThing, BOOL bWeapon, int iPosition)
{
    JC_ControlPersonPower power;
    JC_ControlPersonEquip equip;
    DWORD dwResult = power.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " TownModuleView6 UpdateInfo ControlPersonPowerObj Initiation Fail. \r\n "
                                      "HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = equip.Initiation(m_Controls.pDataManager, m_Controls.pBehaviorAnalyser);
    if (dwResult != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " TownModuleView6 UpdateInfo ControlPersonEquipObj Initiation Fail. \r\n "
                                      "HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(dwResult));
        return dwResult;
    }
    int iIndex = -1;
    while (m_iFaceCount < FACE_COUNT) {
        const int iPrevious = iIndex;
        JC_DataComponent* pPerson = nullptr;
        dwResult = m_Controls.pControlTeam->GetNextPersonFromTeam(TeamID::TEAMID_OUR, iIndex, pPerson);
        if (dwResult == JE_CONTROLTEAM_NEXT_NOBODY)
            break;
        if (dwResult != 0) {
            m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                          " TownModuleView6 UpdateInfo GetNextPlayerCampPerson Fail. \r\n "
                                          "TeamIndex:%d \r\n HRESULT:0x%08x \r\n",
                                          iPrevious, static_cast<unsigned>(dwResult));
            return dwResult;
        }
        if (iIndex <= iPrevious || iIndex > LAST_PERSON_PLACE)
            break;
        BOOL bCanEquip = 0;
        BOOL bImproved = 0;
        dwResult = TryOn(pPerson, pThing, bWeapon, iPosition, power, equip, bCanEquip, bImproved);
        // The controls never stay bound to the copy they tried on.
        power.SetControlPerson(pPerson);
        equip.SetControlPerson(pPerson);
        if (dwResult != 0)
            return dwResult;
        if (!bCanEquip)
            continue;
        dwResult = ShowFace(m_iFaceCount, power.GetID(), bImproved);
        if (dwResult != 0)
            return dwResult;
        ++m_iFaceCount;
    }
    return ClearFaces(m_iFaceCount);
}
