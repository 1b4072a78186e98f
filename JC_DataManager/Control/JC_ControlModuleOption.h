#pragma once

#include "JC_DataManager/Control/JC_ControlModuleBase.h"

constexpr DWORD JE_CONTROLMODULEOPTION_NO_RECORD = 0x89301001;

// The option screen's layout.
class JC_ControlModuleOption : public JC_ControlModuleBase
{
public:
    JC_ControlModuleOption();

protected:
    JC_DataComponent* GetModuleRecord(JC_DataManager& dataManager) const override;
};
