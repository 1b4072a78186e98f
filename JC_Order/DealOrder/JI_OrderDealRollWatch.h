#pragma once

// Sees each roll the deals draw and what it decided. A tool that explains
// orders fills it; the game leaves it unset. Watching changes no draw.
class JI_OrderDealRollWatch
{
public:
    // iTeamIndex: the fight-team index of the target being dealt (-1 for
    // none); szRoll: what the roll decides; iValue: the value drawn; bYes:
    // whether the roll came out for it.
    virtual void OnRoll(int iTeamIndex, const char* szRoll, int iValue, bool bYes) = 0;

protected:
    ~JI_OrderDealRollWatch() = default;
};
