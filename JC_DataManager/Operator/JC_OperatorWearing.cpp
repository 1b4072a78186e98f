#include "JC_DataManager/Operator/JC_OperatorWearing.h"

JC_OperatorWearing::JC_OperatorWearing() : JC_OperatorEquipmentBase(DATACOMPONENTKIND_WEARING)
{
}
