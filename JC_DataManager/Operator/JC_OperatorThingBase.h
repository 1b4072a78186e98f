#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

constexpr DWORD JE_THING_NULL_RECORD = 0x89042001;
constexpr DWORD JE_THING_KIND_UNREADABLE = 0x89042002;
constexpr DWORD JE_THING_KIND_MISMATCH = 0x89042003;
constexpr DWORD JE_THING_NOT_A_THING = 0x89042004;

// A thing: a gem, a tool, a weapon or a wearing. Used directly it accepts
// any of the four; the derived operators accept their own kind. A refused
// record leaves the previous binding in place.
class JC_OperatorThingBase : public JC_OperatorBase
{
public:
    JC_OperatorThingBase();

    DWORD SetDataConponent(JC_DataComponent* pRecord) override;

    DWORD GetID() { return GetValue<DWORD>("ID"); }
    int GetPhoto() { return GetValue<int>("Photo"); }
    std::string GetName() { return GetValue<std::string>("Name"); }
    void SetName(const std::string& strName) { SetValue("Name", strName); }
    DWORD GetThingKind() { return GetValue<DWORD>("ThingKind"); }
    int GetWarehouse() { return GetValue<int>("Warehouse"); }
    int GetIsKeyItem() { return GetValue<int>("IsKeyItem"); }
    std::string GetExplain() { return GetValue<std::string>("Explain"); }
    std::string GetExplainEx() { return GetValue<std::string>("ExplainEx"); }
    int GetCost() { return GetValue<int>("Cost"); }
    std::string GetActionScriptID() { return GetValue<std::string>("ActionScriptID"); }

protected:
    explicit JC_OperatorThingBase(DWORD dwOperatorKind);

    // The record's own string list, or null after logging the code.
    JC_StringArray* GetBehaviorLines(const std::string& strItemName, const char* szSourceFile, int iSourceLine);
    // The count of a VECTOR item's elements; 0 for any other item.
    DWORD GetVectorCount(const std::string& strItemName);
};
