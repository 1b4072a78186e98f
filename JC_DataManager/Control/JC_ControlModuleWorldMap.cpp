#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"

namespace {

const JC_ControlModuleBase::JS_ModuleInfo s_Info = {
    ".\\JC_DataManager\\Control\\JC_ControlModuleWorldMap",
    "ModuleWorldMap", "GetModuleWorldMap0Obj", JE_CONTROLMODULEWORLDMAP_NO_RECORD};

} // namespace

JC_ControlModuleWorldMap::JC_ControlModuleWorldMap() : JC_ControlModuleBase(s_Info)
{
}

JC_DataComponent* JC_ControlModuleWorldMap::GetModuleRecord(JC_DataManager& dataManager) const
{
    return dataManager.GetModuleWorldMapObj(0);
}
