#include "JC_DataManager/Control/JC_ControlModuleOption.h"

namespace {

const JC_ControlModuleBase::JS_ModuleInfo s_Info = {
    ".\\JC_DataManager\\Control\\JC_ControlModuleOption",
    "ModuleOption", "GetModuleOptionObj", JE_CONTROLMODULEOPTION_NO_RECORD};

} // namespace

JC_ControlModuleOption::JC_ControlModuleOption() : JC_ControlModuleBase(s_Info)
{
}

JC_DataComponent* JC_ControlModuleOption::GetModuleRecord(JC_DataManager& dataManager) const
{
    return dataManager.GetModuleOptionObj();
}
