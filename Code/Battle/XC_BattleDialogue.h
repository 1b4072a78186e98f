#pragma once

#include "Code/DialogueScript/XI_DialogueBattle.h"

// What dialogues reach of the running battle: its persons by team index
// and their walks to a floor. The battle registers it with the dialogue
// script manager while it runs.
class XC_BattleDialogue : public XI_DialogueBattle
{
public:
    XC_BattleDialogue() = default;
    virtual ~XC_BattleDialogue() = default;

    std::vector<int> GetPersonTeamIndices() override;
    XC_RenderingObject* FindPerson(int iTeamIndex) override;
    XC_SpriteWorkBase* MovePersonToFloor(int iTeamIndex, int iFloor) override;
};
