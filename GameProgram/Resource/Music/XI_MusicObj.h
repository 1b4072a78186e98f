#pragma once

#include "GameProgram/Resource/XC_Resource.h"

#include <windows.h>

// A sound effect of the music manager.
class XI_MusicObj : public XC_Resource
{
public:
    // Starts the sound over whatever already plays, itself included.
    virtual HRESULT Play() = 0;
    virtual BOOL IsPlay() const = 0;
};
