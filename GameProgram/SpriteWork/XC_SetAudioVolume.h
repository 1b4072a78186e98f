#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_ShowAudio;

// Fades a volume channel of the background music to a goal percent.
class XC_SetAudioVolume : public XC_SpriteWorkBase
{
public:
    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;
    // 0, or E_FAIL for a null player.
    virtual HRESULT SetTarget(XC_ShowAudio* pShowAudioObj);

    DWORD m_dwVolume = 0;
    DWORD m_dwChannel = 0;

private:
    DWORD m_dwStartVolume = 0;
    XC_ShowAudio* m_pShowAudioObj = nullptr;
};
