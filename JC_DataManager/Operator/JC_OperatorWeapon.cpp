#include "JC_DataManager/Operator/JC_OperatorWeapon.h"

JC_OperatorWeapon::JC_OperatorWeapon() : JC_OperatorEquipmentBase(DATACOMPONENTKIND_WEAPON)
{
}

JC_StringArray* JC_OperatorWeapon::GetFightBehavior()
{
    return GetBehaviorLines("FightBehavior", ".\\JC_DataManager\\Operator\\JC_OperatorWeapon", __LINE__);
}
