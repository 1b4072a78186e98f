#include "JC_DataManager/Operator/JC_OperatorHybridize.h"

JC_OperatorHybridize::JC_OperatorHybridize() : JC_OperatorBase(DATACOMPONENTKIND_HYBRIDIZE)
{
}
