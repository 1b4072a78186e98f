#pragma once

#include "JC_DataManager/Operator/JC_OperatorEquipmentBase.h"

// A wearing: armour or an accessory, nothing beyond the equipment fields.
class JC_OperatorWearing : public JC_OperatorEquipmentBase
{
public:
    JC_OperatorWearing();
};
