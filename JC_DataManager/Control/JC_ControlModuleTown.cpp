#include "JC_DataManager/Control/JC_ControlModuleTown.h"

namespace {

const JC_ControlModuleBase::JS_ModuleInfo s_Info = {
    ".\\JC_DataManager\\Control\\JC_ControlModuleTown",
    "ModuleTown", "GetModuleTownObj", JE_CONTROLMODULETOWN_NO_RECORD};

} // namespace

JC_ControlModuleTown::JC_ControlModuleTown() : JC_ControlModuleBase(s_Info)
{
}

JC_DataComponent* JC_ControlModuleTown::GetModuleRecord(JC_DataManager& dataManager) const
{
    return dataManager.GetModuleTownObj();
}
