#pragma once

// The process-wide clock of the application frame. One entry point takes a
// command and answers in seconds; stopping the clock freezes application and
// elapsed time until it is started again.

const int APPTIMER_RESET = 0;           // base = last = now, running; gives 0
const int APPTIMER_START = 1;           // leaves out the time spent stopped; gives 0
const int APPTIMER_STOP = 2;            // freezes the clock; gives 0
const int APPTIMER_ADVANCE = 3;         // steps a stopped clock by a tenth of a second; gives 0
const int APPTIMER_GETABSOLUTETIME = 4; // the current reading
const int APPTIMER_GETAPPTIME = 5;      // now - base
const int APPTIMER_GETELAPSEDTIME = 6;  // time since the previous such request

// The result of the command in seconds, or -1.0 for an unknown command.
double XF_AppTimer(int iCommand);
