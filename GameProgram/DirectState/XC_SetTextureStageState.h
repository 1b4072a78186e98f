#pragma once

#include "GameProgram/DirectState/XC_SetState.h"

// A texture-stage state of a state set.
class XC_SetTextureStageState : public XC_SetState
{
public:
    XC_SetTextureStageState(DWORD dwStage, DWORD eType, DWORD dwValue);

    HRESULT Apply() override;
    HRESULT Restore(XI_DirectState* pPredecessor) override;

    DWORD GetStage() const { return m_dwStage; }
    DWORD GetType() const { return m_eType; }
    DWORD GetValue() const { return m_dwValue; }
    void SetValue(DWORD dwValue) { m_dwValue = dwValue; }

private:
    DWORD m_dwStage;
    DWORD m_eType;
    DWORD m_dwValue;
};
