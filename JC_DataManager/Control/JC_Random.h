#pragma once

// The dice of the controls, the event groups and the order deals, drawn
// from the C runtime's rand (0..32767); seeding is left to the program.
class JC_Random
{
public:
    static constexpr int LOWEST_MIN = -15000;
    static constexpr int HIGHEST_MAX = 15000;
    static constexpr int LARGEST_MAX = 30000;

    virtual ~JC_Random() = default;

    // min..max; 0 without drawing when a bound lies past ±15000 or min >
    // max.
    virtual int Random(int iMin, int iMax);
    // 0..max; 0 without drawing for a max below 0 or above 30000.
    virtual int Random(int iMax);
    // 1 with the given chance in percent: never for 0 or less, always for
    // 100 or more.
    virtual int Chance(int iPercent);
};
