#pragma once

#include "JC_DataManager/Control/JC_ControlPersonBase.h"
#include "JC_DataManager/Operator/JC_OperatorWeapon.h"
#include "JC_DataManager/Operator/JC_OperatorWearing.h"

#include <memory>

constexpr DWORD JE_EQUIP_NULL_EQUIPMENT = 0x89332101;
constexpr DWORD JE_EQUIP_KIND_NOT_SUPPORTED = 0x89332102;
constexpr DWORD JE_TAKEOFF_NOT_BOUND = 0x89332201;
constexpr DWORD JE_TAKEOFF_NO_EMPTY_WEAPON = 0x89332202;
constexpr DWORD JE_TAKEOFF_NO_EMPTY_WEARING = 0x89332203;
constexpr DWORD JE_TAKEOFF_POSITION_NOT_SUPPORTED = 0x89332204;
constexpr DWORD JE_TAKEOFF_BEHAVIOR_EMPTY = 0x89332205;
// A behaviour parameter of fewer than three parts.
constexpr DWORD JE_EQUIP_BEHAVIOR_PARAMETER_SHORT = 0x89332206;
constexpr DWORD JE_PUTON_NOT_BOUND = 0x89332301;
constexpr DWORD JE_PUTON_NO_EMPTY_WEAPON = 0x89332302;
constexpr DWORD JE_PUTON_NO_EMPTY_WEARING = 0x89332303;
constexpr DWORD JE_PUTON_BEHAVIOR_EMPTY = 0x89332304;
constexpr DWORD JE_PUTON_POSITION_NOT_SUPPORTED = 0x89332305;

// Wear positions.
constexpr int JD_WEARPOSITION_BODY = 1;
constexpr int JD_WEARPOSITION_HANDLEFT = 2;
constexpr int JD_WEARPOSITION_HANDRIGHT = 4;
constexpr int JD_WEARPOSITION_BOTHHAND = 8;
constexpr int JD_WEARPOSITION_FOOT = 16;
constexpr int JD_WEARPOSITION_ACCESSARY = 32;
constexpr int JD_WEARPOSITION_ACCESSARY0 = 64;
constexpr int JD_WEARPOSITION_ACCESSARY1 = 128;

// Puts weapons and wearings on the bound person and takes them off,
// applying and reversing their equip behaviours. Items taken off come back
// as new records the caller owns.
class JC_ControlPersonEquip : public JC_ControlPersonBase
{
public:
    DWORD Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser) override;

    // Binds an item to the operators of its kind.
    DWORD SetEquipEquipmentInfo(JC_DataComponent* pItem);
    // 1 when the bound person's job may wear the item there; position 0
    // tests the job alone.
    BOOL CheckEquipment(JC_DataComponent* pItem, int iPosition);
    DWORD TakeOffEquipment(int iPosition, std::unique_ptr<JC_DataComponent>& pTaken);
    DWORD PutOnEquipment(int iPosition, JC_DataComponent* pItem, std::unique_ptr<JC_DataComponent>& pTakenRightHand,
                         std::unique_ptr<JC_DataComponent>& pTakenOther);

    DWORD GetEquipmentKind() const { return m_dwEquipmentKind; }

private:
    struct JS_WearSlot;
    static const JS_WearSlot* FindSlot(int iPosition);
    // Applies (put on) or reverses (take off) every equip behaviour of the
    // bound item, in list order.
    DWORD ApplyEquipBehaviors(bool bPutOn);
    DWORD TakeOffFor(int iPosition, std::unique_ptr<JC_DataComponent>& pTaken, const char* szFailure);

    DWORD m_dwEquipmentKind = 0;
    JC_OperatorEquipmentBase m_OperatorEquipmentBaseObj;
    JC_OperatorWeapon m_OperatorWeaponObj;
    JC_OperatorWearing m_OperatorWearingObj;
};
