#pragma once

#include "GameProgram/DirectState/XC_SetState.h"

// A render state of a state set.
class XC_SetRenderState : public XC_SetState
{
public:
    XC_SetRenderState(DWORD eType, DWORD dwValue);

    HRESULT Apply() override;
    HRESULT Restore(XI_DirectState* pPredecessor) override;

    DWORD GetType() const { return m_eType; }
    DWORD GetValue() const { return m_dwValue; }
    void SetValue(DWORD dwValue) { m_dwValue = dwValue; }

private:
    DWORD m_eType;
    DWORD m_dwValue;
};
