#include "JC_DataManager/Operator/JC_OperatorLandform.h"

JC_OperatorLandform::JC_OperatorLandform() : JC_OperatorBase(DATACOMPONENTKIND_LANDFORM)
{
}
