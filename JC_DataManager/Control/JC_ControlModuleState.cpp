#include "JC_DataManager/Control/JC_ControlModuleState.h"

namespace {

const JC_ControlModuleBase::JS_ModuleInfo s_Info = {
    ".\\JC_DataManager\\Control\\JC_ControlModuleState",
    "ModuleState", "GetModuleStateObj", JE_CONTROLMODULESTATE_NO_RECORD};

} // namespace

JC_ControlModuleState::JC_ControlModuleState() : JC_ControlModuleBase(s_Info)
{
}

JC_DataComponent* JC_ControlModuleState::GetModuleRecord(JC_DataManager& dataManager) const
{
    return dataManager.GetModuleStateObj();
}
