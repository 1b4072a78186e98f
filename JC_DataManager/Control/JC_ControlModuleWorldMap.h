#pragma once

#include "JC_DataManager/Control/JC_ControlModuleBase.h"

constexpr DWORD JE_CONTROLMODULEWORLDMAP_NO_RECORD = 0x89304001;

// The layout of the first world map's screen.
class JC_ControlModuleWorldMap : public JC_ControlModuleBase
{
public:
    JC_ControlModuleWorldMap();

protected:
    JC_DataComponent* GetModuleRecord(JC_DataManager& dataManager) const override;
};
