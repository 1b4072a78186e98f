#pragma once

#include "GameProgram/D3DCommon/XF_AppTimer.h"

// The application clock held still while the object lives and moved on by a
// fixed step before each frame, so the game's timed waits take a known
// number of frames however slowly the machine draws them. Header-only, so
// only test programs that link the engine pull it in.
class SteppedClock
{
public:
    SteppedClock() { XF_AppTimer(APPTIMER_STOP); }
    ~SteppedClock() { XF_AppTimer(APPTIMER_START); }
    SteppedClock(const SteppedClock&) = delete;
    SteppedClock& operator=(const SteppedClock&) = delete;

    // The next frame's elapsed time: a tenth of a second, which the game
    // caps at its longest frame step.
    void Step() const { XF_AppTimer(APPTIMER_ADVANCE); }
};
