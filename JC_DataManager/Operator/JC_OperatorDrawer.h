#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

constexpr DWORD JE_DRAWER_NULL_RECORD = 0x89054001;
constexpr DWORD JE_DRAWER_KIND_UNREADABLE = 0x89054002;
constexpr DWORD JE_DRAWER_KIND_MISMATCH = 0x89054003;
constexpr DWORD JE_DRAWER_NOT_A_DRAWER = 0x89054004;

// A drawer of a warehouse: one thing ID and how many of it. Built for any
// drawer it accepts the four drawer kinds and remembers which it bound.
class JC_OperatorDrawer : public JC_OperatorBase
{
public:
    JC_OperatorDrawer();
    explicit JC_OperatorDrawer(DWORD dwDrawerKind);

    DWORD SetDataConponent(JC_DataComponent* pRecord) override;

    DWORD GetBoundKind() const { return m_dwBoundKind; }
    DWORD GetThingID() { return GetValue<DWORD>("ThingID"); }

private:
    DWORD m_dwBoundKind = 0;
};
