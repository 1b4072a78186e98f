#pragma once

#include "JC_DataManager/Control/JC_ControlModuleBase.h"

constexpr DWORD JE_CONTROLMODULESTATE_NO_RECORD = 0x89302001;

// The state screen's layout.
class JC_ControlModuleState : public JC_ControlModuleBase
{
public:
    JC_ControlModuleState();

protected:
    JC_DataComponent* GetModuleRecord(JC_DataManager& dataManager) const override;
};
