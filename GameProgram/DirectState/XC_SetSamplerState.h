#pragma once

#include "GameProgram/DirectState/XC_SetState.h"

// A sampler state of a state set.
class XC_SetSamplerState : public XC_SetState
{
public:
    XC_SetSamplerState(DWORD dwSampler, DWORD eType, DWORD dwValue);

    HRESULT Apply() override;
    HRESULT Restore(XI_DirectState* pPredecessor) override;

    DWORD GetSampler() const { return m_dwSampler; }
    DWORD GetType() const { return m_eType; }
    DWORD GetValue() const { return m_dwValue; }
    void SetValue(DWORD dwValue) { m_dwValue = dwValue; }

private:
    DWORD m_dwSampler;
    DWORD m_eType;
    DWORD m_dwValue;
};
