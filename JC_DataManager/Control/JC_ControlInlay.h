#pragma once

#include "JC_DataManager/Control/JC_ControlBase.h"
#include "JC_DataManager/Operator/JC_OperatorGem.h"
#include "JC_DataManager/Operator/JC_OperatorWeapon.h"
#include "JC_DataManager/Operator/JC_OperatorWearing.h"

constexpr DWORD JE_INLAY_NOT_INITIATED = 0x89290061;
constexpr DWORD JE_INLAY_NO_TYPE_OR_PARAMETER = 0x89290064;
constexpr DWORD JE_INLAY_TOO_FEW_PARAMETERS = 0x89290065;
constexpr DWORD JE_INLAY_BAD_VALUE = 0x89290066;
constexpr DWORD JE_INLAY_NULL_GEM = 0x89290111;
constexpr DWORD JE_INLAY_NULL_EQUIPMENT = 0x89290112;
constexpr DWORD JE_INLAY_GEM_IS_KEY_ITEM = 0x89290113;
constexpr DWORD JE_INLAY_EQUIPMENT_IS_KEY_ITEM = 0x89290114;
constexpr DWORD JE_INLAY_NO_FREE_HOLE = 0x89290115;
constexpr DWORD JE_INLAY_NOT_A_WEAPON_GEM = 0x89290116;
constexpr DWORD JE_INLAY_NOT_A_WEARING_GEM = 0x89290117;
constexpr DWORD JE_INLAY_NOT_EQUIPMENT = 0x89290118;
constexpr DWORD JE_INLAY_NO_BEHAVIOR_LIST = 0x89290121;
constexpr DWORD JE_INLAY_LIST_FULL = 0x89290122;
constexpr DWORD JE_INLAY_UNSUPPORTED_TYPE = 0x89290141;

// Gem wear positions and the types of a gem's inlay behaviours.
constexpr int JD_GEM_FOR_WEAPON = 0x10001;
constexpr int JD_GEM_FOR_WEARING = 0x10002;
constexpr DWORD JD_INLAY_SET_FIELD = 0x10001;
constexpr DWORD JD_INLAY_ADD_TO_FIELD = 0x10002;

// Inlays soul stones (gem records) into free holes of weapons and wearings:
// the gem's title goes before the equipment's name, its behaviour lists are
// appended to the equipment's, its inlay behaviours change the equipment's
// fields, and its ID is recorded among the equipment's gems.
class JC_ControlInlay : public JC_ControlBase
{
public:
    DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser) override;

    // All or nothing: every step is taken on a copy of the equipment, which
    // replaces the equipment only when the whole inlay succeeded.
    DWORD ToInlay(JC_DataComponent* pGem, JC_DataComponent* pEquipment);

private:
    // Binds the gem and the copy of the equipment and checks that the gem may
    // go into it.
    DWORD CheckInlay(JC_DataComponent* pGem, JC_DataComponent* pEquipment, bool& bWeapon);
    DWORD BindByKind(int iGemPosition, bool& bWeapon);
    DWORD ApplyInlay(bool bWeapon);
    // The lists an inlay grows must stay within their templates' sizes, or
    // the equipment could not be written and read back.
    DWORD CheckListSizes(const JC_DataComponent& inlaid, bool bWeapon);
    // Appends every line of a gem list to an equipment list.
    DWORD AppendLines(const JC_StringArray* pFrom, JC_StringArray* pTo);
    DWORD ApplyInlayBehavior(const std::string& strBehavior, bool bWeapon);
    DWORD AddToField(const std::string& strBehavior, const std::string& strField, const std::string& strValue,
                     bool bWeapon);

    // Bound only within a call: every inlay binds them afresh.
    JC_OperatorEquipmentBase m_OperatorEquipmentBaseObj;
    JC_OperatorGem m_OperatorGemObj;
    JC_OperatorWeapon m_OperatorWeaponObj;
    JC_OperatorWearing m_OperatorWearingObj;
};
