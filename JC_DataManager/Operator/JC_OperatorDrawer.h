#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

constexpr DWORD JE_DRAWER_NULL_RECORD = 0x89054001;
constexpr DWORD JE_DRAWER_KIND_UNREADABLE = 0x89054002;
constexpr DWORD JE_DRAWER_KIND_MISMATCH = 0x89054003;
constexpr DWORD JE_DRAWER_NOT_A_DRAWER = 0x89054004;

// A drawer of a warehouse: one kind of thing and how many. Built with the
// group kind it accepts a drawer of any warehouse; built with a drawer kind,
// only that one. A refused record leaves the previous binding in place.
class JC_OperatorDrawer : public JC_OperatorBase
{
public:
    explicit JC_OperatorDrawer(DWORD dwOperatorKind = DATACOMPONENTKIND_ANYDRAWER);

    DWORD SetDataConponent(JC_DataComponent* pRecord) override;

    // The kind of the drawer bound.
    DWORD GetDrawerKind() const { return m_dwDrawerKind; }
    DWORD GetThingID() { return GetValue<DWORD>("ThingID"); }

private:
    DWORD m_dwDrawerKind = 0;
};
