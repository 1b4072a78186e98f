#include "JC_DataManager/Operator/JC_OperatorFloor.h"

JC_OperatorFloor::JC_OperatorFloor() : JC_OperatorBase(DATACOMPONENTKIND_FLOOR)
{
}
