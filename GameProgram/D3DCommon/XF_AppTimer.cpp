#include "GameProgram/D3DCommon/XF_AppTimer.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

// Readings are counter ticks with the performance counter, else seconds.
// The clock starts out stopped at 0, so the first start makes application
// time begin at 0.
struct AppTimerState
{
    bool bInitialized = false;
    bool bUsingCounter = false;
    double dFrequency = 1.0;
    double dBaseTime = 0.0;
    double dLastElapsedTime = 0.0;
    double dStopTime = 0.0;
    bool bStopped = true;
};

AppTimerState s_Timer;

void InitializeTimer()
{
    LARGE_INTEGER frequency;
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0) {
        s_Timer.bUsingCounter = true;
        s_Timer.dFrequency = static_cast<double>(frequency.QuadPart);
    }
    s_Timer.bInitialized = true;
}

double ReadClock()
{
    if (s_Timer.bUsingCounter) {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        return static_cast<double>(counter.QuadPart);
    }
    return timeGetTime() * 0.001;
}

// A tenth of a second in the clock's unit.
double TenthOfSecond()
{
    return s_Timer.bUsingCounter ? s_Timer.dFrequency / 10.0 : 0.1;
}

double ToSeconds(double dReading)
{
    return s_Timer.bUsingCounter ? dReading / s_Timer.dFrequency : dReading;
}

} // namespace

double XF_AppTimer(int iCommand)
{
    if (!s_Timer.bInitialized)
        InitializeTimer();

    // A stopped clock reads its stop time, except when starting, for the
    // absolute time, and for a reset, which begins application time anew.
    double dNow = ReadClock();
    if (s_Timer.bStopped && iCommand != APPTIMER_START && iCommand != APPTIMER_GETABSOLUTETIME &&
        iCommand != APPTIMER_RESET)
        dNow = s_Timer.dStopTime;

    switch (iCommand) {
    case APPTIMER_RESET:
        s_Timer.dBaseTime = dNow;
        s_Timer.dLastElapsedTime = dNow;
        s_Timer.dStopTime = 0.0;
        s_Timer.bStopped = false;
        return 0.0;
    case APPTIMER_START:
        if (s_Timer.bStopped)
            s_Timer.dBaseTime += dNow - s_Timer.dStopTime;
        s_Timer.dStopTime = 0.0;
        s_Timer.dLastElapsedTime = dNow;
        s_Timer.bStopped = false;
        return 0.0;
    case APPTIMER_STOP:
        if (!s_Timer.bStopped) {
            s_Timer.dStopTime = dNow;
            s_Timer.dLastElapsedTime = dNow;
            s_Timer.bStopped = true;
        }
        return 0.0;
    case APPTIMER_ADVANCE:
        s_Timer.dStopTime += TenthOfSecond();
        return 0.0;
    case APPTIMER_GETABSOLUTETIME:
        return ToSeconds(dNow);
    case APPTIMER_GETAPPTIME:
        return ToSeconds(dNow - s_Timer.dBaseTime);
    case APPTIMER_GETELAPSEDTIME: {
        const double dElapsed = ToSeconds(dNow - s_Timer.dLastElapsedTime);
        s_Timer.dLastElapsedTime = dNow;
        return dElapsed;
    }
    default:
        return -1.0;
    }
}
