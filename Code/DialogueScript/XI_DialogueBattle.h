#pragma once

#include <windows.h>

#include <vector>

class XC_RenderingObject;
class XC_SpriteWorkBase;

// What dialogues need of a running battle: its persons by team index and
// their walks over the floor. The battle registers it with
// XC_DialogueScriptManager::SetBattle while it runs; without one, dialogues
// take no battle persons.
class XI_DialogueBattle
{
public:
    // The team indices of every battle person, ascending.
    virtual std::vector<int> GetPersonTeamIndices() = 0;
    // The drawable of the person at the team index, or null.
    virtual XC_RenderingObject* FindPerson(int iTeamIndex) = 0;
    // A new work that walks the person from its floor to iFloor, which is the
    // person's floor from now on; null when it cannot be made.
    virtual XC_SpriteWorkBase* MovePersonToFloor(int iTeamIndex, int iFloor) = 0;

protected:
    ~XI_DialogueBattle() = default;
};
