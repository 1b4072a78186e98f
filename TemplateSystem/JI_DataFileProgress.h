#pragma once

#include <windows.h>

// What the data-file reader tells a caller that shows its progress: two
// switches, the range of lines, then the line it has reached.
class JI_DataFileProgress
{
public:
    virtual ~JI_DataFileProgress() = default;

    virtual void SetFirstSwitch(DWORD dwOn) = 0;
    virtual void SetSecondSwitch(DWORD dwOn) = 0;
    virtual void SetRange(DWORD dwHigh, DWORD dwLow) = 0;
    virtual void SetPosition(DWORD dwPosition, DWORD dwSub) = 0;
};
