#pragma once

#include "GameProgram/DirectState/XI_DirectState.h"

#include <d3d9.h>

// One device-state change of a state set: applied when the set is switched
// on, taken back when it is switched off.
class XC_SetState
{
public:
    XC_SetState() = default;
    virtual ~XC_SetState() = default;
    XC_SetState(const XC_SetState&) = delete;
    XC_SetState& operator=(const XC_SetState&) = delete;

    virtual HRESULT Apply() = 0;
    // Lets the predecessor write its own value of the changed state.
    virtual HRESULT Restore(XI_DirectState* pPredecessor) = 0;

    // The device of the global variable block; null, with a report, when there is none.
    static IDirect3DDevice9* GetDevice();
};
