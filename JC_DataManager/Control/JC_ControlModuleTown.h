#pragma once

#include "JC_DataManager/Control/JC_ControlModuleBase.h"

constexpr DWORD JE_CONTROLMODULETOWN_NO_RECORD = 0x89303001;

// The town screen's layout.
class JC_ControlModuleTown : public JC_ControlModuleBase
{
public:
    JC_ControlModuleTown();

protected:
    JC_DataComponent* GetModuleRecord(JC_DataManager& dataManager) const override;
};
