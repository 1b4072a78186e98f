#pragma once

#include <windows.h>

// The eight floor tables of one computer person's action, as its camp
// controller built them; the attack and skill AI read them, never own them.
struct sTableResource
{
    LONG* plTableMoveScope = nullptr;
    LONG* plTableAllMoveScope = nullptr;
    LONG* plTableAllPerson = nullptr;
    LONG* plTableAlliedForces = nullptr;
    LONG* plTableHostileForces = nullptr;
    LONG* plTableEnemyDistance = nullptr;
    LONG* plTableAlliedStrength = nullptr;
    LONG* plTableHostileStrength = nullptr;
};
