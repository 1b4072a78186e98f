#include "JC_DataManager/Operator/JC_OperatorTool.h"

JC_OperatorTool::JC_OperatorTool() : JC_OperatorThingBase(DATACOMPONENTKIND_TOOL)
{
}

JC_StringArray* JC_OperatorTool::GetUseBehavior()
{
    return GetBehaviorLines("UseBehavior", ".\\JC_DataManager\\Operator\\JC_OperatorTool", __LINE__);
}
