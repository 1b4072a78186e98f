#pragma once

#include "JC_Module/JC_ModuleConfirmView.h"

constexpr DWORD JE_WORLDMAPVIEW3_VIEW_MODE_NOT_SUPPORT = 0x8A029031;

// The OK/Cancel box of the map: asks whether to enter the place the party
// has reached. The walking person opens it and reads its events.
class JC_WorldMapView3 : public JC_ModuleConfirmView
{
public:
    JC_WorldMapView3();

protected:
    DWORD RefuseViewMode(int iMode) const override;
};
