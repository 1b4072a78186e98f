#pragma once

#include <windows.h>

// The computer camp's scoring weights.
// Read from the game-parameter file at start-up; the battle reads the fields.
class XC_GameAI
{
public:
    XC_GameAI() = default;
    virtual ~XC_GameAI() = default;

    LONG lRandomScore = 0;
    LONG lConsumeRAP = -100;
    LONG lConsumeSP = -10;
    LONG lConsumeMOR = -20;
    LONG lMoveScore = -200;
    LONG lDistanceEnemy = 1;
    LONG lRevive_EveryUnit = 2000;
    LONG lRevive_UnitLevel = 50;
    LONG lRevive_DieTime = 500;
    LONG lRestore_EveryUnit = 150;
    LONG lRestore_VergeDeath = 200;
    LONG lRestore_Blood = 2;
    LONG lRestore_Percentage = 70;
    LONG lAttack_EveryUnit = 150;
    LONG lAttack_VergeDeath = 100;
    LONG lAttack_Blood = 1;
    LONG lState_EveryUnit = 100;
    LONG lState_DistanceEnemy = 3;
};

extern XC_GameAI* g_pGameAI;
