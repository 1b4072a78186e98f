#include "JC_DataManager/Control/JC_ControlPersonEquip.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JF_MergeBehavior.h"

#include <algorithm>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

// A wear position: the person field holding its item, the item positions
// it accepts, and whether its empty record is a weapon.
struct JC_ControlPersonEquip::JS_WearSlot
{
    int iPosition;
    const char* szField;
    int iAccepted;
    int iAlsoAccepted;
    bool bWeapon;
};

namespace {

const char* const s_aszChangeableFields[] = {
    "Move", "Strength", "Vitality", "Agile", "Dexterity", "Intelligence", "Wisdom", "Charm", "Luck",
    "MaxHP", "MaxSP", "MaxRAP", "MaxMorale",
    "ExtraSPConsumeRate", "ExtraNatureAttackRate", "ExtraMagicAttackRate", "ExtraNatureDefenseRate",
    "ExtraMagicDefenseRate", "ExtraHitRate", "ExtraDodgeRate", "ExtraDodgeCounterRate", "ExtraCounterRate",
    "ExtraFierceAttackRate", "ExtraExpRate", "ExtraDmgRate", "ExtraDmgDefRate", "HPAutoRestoreRate",
    "SPAutoRestoreRate", "HPAutoDamageRate", "SPAutoDamageRate",
    "AntibodyNil", "AntibodyIce", "AntibodyEarth", "AntibodyThunder", "AntibodyWater", "AntibodyLight",
    "AntibodyFire", "AntibodyDark", "AntibodyWind", "AntibodyNature",
};
// The one field changed at the entry's own index.
const char* const s_szStateImmunity = "StateImmunity";

bool IsChangeable(const std::string& strField)
{
    return strField == s_szStateImmunity
        || std::find(std::begin(s_aszChangeableFields), std::end(s_aszChangeableFields), strField)
               != std::end(s_aszChangeableFields);
}

DWORD ReadID(JC_DataComponent* pItem)
{
    DWORD dwID = 0;
    if (pItem == nullptr || pItem->GetItemValueAt("ID", 0, &dwID) != 0)
        return 0;
    return dwID;
}

} // namespace

const JC_ControlPersonEquip::JS_WearSlot* JC_ControlPersonEquip::FindSlot(int iPosition)
{
    static const JS_WearSlot s_Slots[] = {
        {JD_WEARPOSITION_BODY, "Body", JD_WEARPOSITION_BODY, JD_WEARPOSITION_BODY, false},
        {JD_WEARPOSITION_HANDLEFT, "HandLeft", JD_WEARPOSITION_HANDLEFT, JD_WEARPOSITION_HANDLEFT, false},
        {JD_WEARPOSITION_HANDRIGHT, "HandRight", JD_WEARPOSITION_HANDRIGHT, JD_WEARPOSITION_BOTHHAND, true},
        {JD_WEARPOSITION_FOOT, "Foot", JD_WEARPOSITION_FOOT, JD_WEARPOSITION_FOOT, false},
        {JD_WEARPOSITION_ACCESSARY0, "Accessary0", JD_WEARPOSITION_ACCESSARY, JD_WEARPOSITION_ACCESSARY, false},
        {JD_WEARPOSITION_ACCESSARY1, "Accessary1", JD_WEARPOSITION_ACCESSARY, JD_WEARPOSITION_ACCESSARY, false},
    };
    for (const JS_WearSlot& slot : s_Slots) {
        if (slot.iPosition == iPosition)
            return &slot;
    }
    return nullptr;
}

DWORD JC_ControlPersonEquip::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    DWORD dwResult = JC_ControlPersonBase::Initiation(pDataManager, pBehaviorAnalyser);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = FALSE;
    m_dwEquipmentKind = 0;
    const struct
    {
        JC_OperatorBase& operatorObj;
        const char* szFailure;
    } operators[] = {
        {m_OperatorEquipmentBaseObj,
         " ControlPersonEquip Initiation EquipOperatorEquipmentBaseObj Fail. \r\n HRESULT:0x%08x \r\n"},
        {m_OperatorWeaponObj, " ControlPersonEquip Initiation EquipOperatorWeaponObj Fail. \r\n HRESULT:0x%08x \r\n"},
        {m_OperatorWearingObj, " ControlPersonEquip Initiation EquipOperatorWearingObj Fail. \r\n HRESULT:0x%08x \r\n"},
    };
    for (const auto& owned : operators) {
        dwResult = owned.operatorObj.Initiation(pDataManager);
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__, owned.szFailure, static_cast<unsigned>(dwResult));
            return dwResult;
        }
    }
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ControlPersonEquip::SetEquipEquipmentInfo(JC_DataComponent* pItem)
{
    m_dwEquipmentKind = 0;
    if (pItem == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlPersonEquip SetEquipEquipmentInfo Fail EquipmentObj NULL. \r\n");
        return JE_EQUIP_NULL_EQUIPMENT;
    }
    DWORD dwResult = m_OperatorEquipmentBaseObj.SetDataConponent(pItem);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEquip SetEquipmentDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    const DWORD dwKind = m_OperatorEquipmentBaseObj.GetDataComponentKind();
    if (dwKind == DATACOMPONENTKIND_WEAPON) {
        dwResult = m_OperatorWeaponObj.SetDataConponent(pItem);
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " ControlPersonEquip SetWeaponDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                               static_cast<unsigned>(dwResult));
            return dwResult;
        }
    } else if (dwKind == DATACOMPONENTKIND_WEARING) {
        dwResult = m_OperatorWearingObj.SetDataConponent(pItem);
        if (dwResult != 0) {
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " ControlPersonEquip SetWearingDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                               static_cast<unsigned>(dwResult));
            return dwResult;
        }
    } else {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEquip EquipmentDataComponentKind NotSupport. \r\n "
                           "EquipmentDataComponentKind:0x%08x \r\n",
                           static_cast<unsigned>(dwKind));
        return JE_EQUIP_KIND_NOT_SUPPORTED;
    }
    m_dwEquipmentKind = dwKind;
    return 0;
}

BOOL JC_ControlPersonEquip::CheckEquipment(JC_DataComponent* pItem, int iPosition)
{
    if (!IsBound()) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " YouMustSetControlPersonFirst. \r\n ");
        return 0;
    }
    const DWORD dwResult = SetEquipEquipmentInfo(pItem);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " SetEquipEquipmentInfo Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return 0;
    }
    if (m_OperatorEquipmentBaseObj.GetID() == 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ThisEquipmentIDIsZero. \r\n ");
        return 0;
    }
    const DWORD dwJobID = m_OperatorPersonObj.GetJobID();
    const int iJobFlag = m_dwEquipmentKind == DATACOMPONENTKIND_WEAPON ? m_OperatorWeaponObj.GetEquipJob(dwJobID)
                                                                       : m_OperatorWearingObj.GetEquipJob(dwJobID);
    if (iJobFlag == 0)
        return 0;
    if (iPosition == 0)
        return 1;
    const JS_WearSlot* pSlot = FindSlot(iPosition);
    if (pSlot == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " WearPosition NotSupport. \r\n WearPosition:0x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return 0;
    }
    const int iWearPosition = m_OperatorEquipmentBaseObj.GetWearPosition();
    return iWearPosition == pSlot->iAccepted || iWearPosition == pSlot->iAlsoAccepted ? 1 : 0;
}

DWORD JC_ControlPersonEquip::TakeOffEquipment(int iPosition, std::unique_ptr<JC_DataComponent>& pTaken)
{
    pTaken.reset();
    if (!IsBound()) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " YouMustSetControlPersonFirst. \r\n WearPosition:0x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return JE_TAKEOFF_NOT_BOUND;
    }
    JC_DataComponent* pEmptyWeapon = m_pDataManager->GetWeaponObj(0);
    if (pEmptyWeapon == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " GetWeaponObj Fail(ID=0). \r\n WearPosition:0x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return JE_TAKEOFF_NO_EMPTY_WEAPON;
    }
    JC_DataComponent* pEmptyWearing = m_pDataManager->GetWearingObj(0);
    if (pEmptyWearing == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " GetWearingObj Fail(ID=0). \r\n WearPosition:0x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return JE_TAKEOFF_NO_EMPTY_WEARING;
    }
    const JS_WearSlot* pSlot = FindSlot(iPosition);
    if (pSlot == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " TakeOffEquipment WearPosition NotSupport. \r\n WearPosition:0x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return JE_TAKEOFF_POSITION_NOT_SUPPORTED;
    }
    JC_DataComponent* pWorn = nullptr;
    if (m_OperatorPersonObj.GetItemSpace(pSlot->szField, &pWorn) != 0 || ReadID(pWorn) == 0)
        return 0;

    auto pCopy = std::make_unique<JC_DataComponent>();
    DWORD dwResult = pCopy->Copy(pWorn, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " Copy TakeOffEquipment Fail. \r\n WearPosition:0x%08x \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(iPosition), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    pTaken = std::move(pCopy);
    m_OperatorPersonObj.SetItemSpace(pSlot->szField, pSlot->bWeapon ? pEmptyWeapon : pEmptyWearing);
    dwResult = SetEquipEquipmentInfo(pTaken.get());
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " SetEquipEquipmentInfo Fail. \r\n WearPosition:0x%08x \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(iPosition), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    return ApplyEquipBehaviors(false);
}

DWORD JC_ControlPersonEquip::TakeOffFor(int iPosition, std::unique_ptr<JC_DataComponent>& pTaken,
                                        const char* szFailure)
{
    const DWORD dwResult = TakeOffEquipment(iPosition, pTaken);
    if (dwResult != 0)
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, szFailure, static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_ControlPersonEquip::PutOnEquipment(int iPosition, JC_DataComponent* pItem,
                                            std::unique_ptr<JC_DataComponent>& pTakenRightHand,
                                            std::unique_ptr<JC_DataComponent>& pTakenOther)
{
    static const char* const s_szRightHandFailure =
        " TakeOffEquipment() Fail. \r\n WearPosition:DF_WearPosition_HandRight \r\n HRESULT:0x%08x \r\n";
    static const char* const s_szLeftHandFailure =
        " TakeOffEquipment() Fail. \r\n WearPosition:DF_WearPosition_HandLeft \r\n HRESULT:0x%08x \r\n";
    pTakenRightHand.reset();
    pTakenOther.reset();
    if (!IsBound()) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " YouMustSetControlPersonFirst. \r\n WearPosition:-x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return JE_PUTON_NOT_BOUND;
    }
    JC_DataComponent* pEmptyWeapon = m_pDataManager->GetWeaponObj(0);
    if (pEmptyWeapon == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " GetWeaponObj Fail(ID=0). \r\n WearPosition:0x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return JE_PUTON_NO_EMPTY_WEAPON;
    }
    if (m_pDataManager->GetWearingObj(0) == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " GetWearingObj Fail(ID=0). \r\n WearPosition:0x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return JE_PUTON_NO_EMPTY_WEARING;
    }
    // An item is never bound, nor its behaviours applied, where it cannot
    // be worn.
    const JS_WearSlot* pSlot = FindSlot(iPosition);
    if (pSlot == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " PutOnEquipment WearPosition NotSupport. \r\n WearPosition:0x%08x \r\n ",
                           static_cast<unsigned>(iPosition));
        return JE_PUTON_POSITION_NOT_SUPPORTED;
    }
    DWORD dwResult = SetEquipEquipmentInfo(pItem);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " SetEquipEquipmentInfo Fail. \r\n WearPosition:0x%08x \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(iPosition), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    const bool bBothHands = m_OperatorEquipmentBaseObj.GetWearPosition() == JD_WEARPOSITION_BOTHHAND;

    if (iPosition == JD_WEARPOSITION_HANDLEFT) {
        if (m_OperatorPersonObj.IsHandRightBothHand())
            dwResult = TakeOffFor(JD_WEARPOSITION_HANDRIGHT, pTakenRightHand, s_szRightHandFailure);
        else if (m_OperatorPersonObj.HasHandLeft())
            dwResult = TakeOffFor(JD_WEARPOSITION_HANDLEFT, pTakenOther, s_szLeftHandFailure);
    } else if (iPosition == JD_WEARPOSITION_HANDRIGHT) {
        if (m_OperatorPersonObj.HasHandRight())
            dwResult = TakeOffFor(JD_WEARPOSITION_HANDRIGHT, pTakenRightHand, s_szRightHandFailure);
        if (dwResult == 0 && bBothHands && m_OperatorPersonObj.HasHandLeft())
            dwResult = TakeOffFor(JD_WEARPOSITION_HANDLEFT, pTakenOther, s_szLeftHandFailure);
    } else {
        dwResult = TakeOffEquipment(iPosition, pTakenOther);
        if (dwResult != 0)
            ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                               " TakeOffEquipment() Fail. \r\n WearPosition:0x%08x \r\n HRESULT:0x%08x \r\n",
                               static_cast<unsigned>(iPosition), static_cast<unsigned>(dwResult));
    }
    if (dwResult != 0)
        return dwResult;

    m_OperatorPersonObj.SetItemSpace(pSlot->szField, pItem);
    dwResult = SetEquipEquipmentInfo(pItem);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " SetEquipEquipmentInfo() Fail. \r\n WearPosition:0x%08x \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(iPosition), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    return ApplyEquipBehaviors(true);
}

DWORD JC_ControlPersonEquip::ApplyEquipBehaviors(bool bPutOn)
{
    const JC_StringArray* pBehaviors = m_OperatorEquipmentBaseObj.GetEquipBehaviorArray();
    const std::vector<std::string> behaviors = pBehaviors != nullptr ? *pBehaviors : std::vector<std::string>();
    const char* szRefused = bPutOn
                                ? " PutOnEquipment YouCannotChangeThisItem. \r\n BehaviorParameter:%s \r\n ItemName:%s \r\n"
                                : " TakeOffEquipment YouCannotChangeThisItem. \r\n BehaviorParameter:%s \r\n ItemName:%s \r\n";
    return JF_WalkMergeBehaviors(
        *m_pBehaviorAnalyser, ErrorLog(), s_szSourceFile, behaviors,
        bPutOn ? JE_PUTON_BEHAVIOR_EMPTY : JE_TAKEOFF_BEHAVIOR_EMPTY, false, [&](JS_MergeBehavior& merge) {
            if (!IsChangeable(merge.strField)) {
                ErrorLog().PrintAt(s_szSourceFile, __LINE__, szRefused, merge.strParameter.c_str(),
                                   merge.strField.c_str());
                return true;
            }
            if (merge.strField != s_szStateImmunity)
                merge.dwIndex = 0;
            JF_MergePersonField(m_OperatorPersonObj, merge, bPutOn);
            return true;
        });
}
