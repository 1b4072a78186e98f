#include "JC_DataManager/Operator/JC_OperatorWorldMapInfo.h"

JC_OperatorWorldMapInfo::JC_OperatorWorldMapInfo() : JC_OperatorBase(DATACOMPONENTKIND_WORLDMAPINFO)
{
}
