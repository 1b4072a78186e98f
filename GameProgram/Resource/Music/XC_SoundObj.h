#pragma once

#include "GameProgram/Resource/Music/XI_MusicObj.h"

#include <windows.h>

class CMusicSegment;

// A sound effect played as a secondary segment, so several mix. A sound
// without a segment is silent: playing it does nothing.
class XC_SoundObj : public XI_MusicObj
{
public:
    XC_SoundObj() = default;
    // Stops and deletes the segment.
    ~XC_SoundObj() override;

    HRESULT Play() override;
    BOOL IsPlay() const override;

    // Takes the segment over.
    void SetMusicSegment(CMusicSegment* pMusicSegment);

private:
    void DeleteMusicSegment();

    CMusicSegment* m_pMusicSegment = nullptr;
};
