#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XI_MusicObj;

// Plays a sound and lasts while it plays; its work time does not matter.
// A silent sound manager (no device) reports "not playing" at once, so the
// work ends and the script goes on without sound.
class XC_PlaySoundWork : public XC_SpriteWorkBase
{
public:
    ~XC_PlaySoundWork() override;

    void Begin() override;
    BOOL Step(float fElapsedTime) override;
    // Takes a counted reference to the sound of that name; E_FAIL without one.
    virtual HRESULT SetSoundName(const char* szSoundName);

private:
    XI_MusicObj* m_pSoundObj = nullptr;
};
