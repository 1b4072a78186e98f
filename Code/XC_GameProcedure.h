#pragma once

#include "GameProgram/Module/XC_RenderModule.h"

// One whole phase of the game that owns the screen (logo, title, world map,
// battle). The game object builds it, initialises it and pushes it on the
// module stack; at the next switch it is finished and deleted.
class XC_GameProcedure : public XC_RenderModule
{
public:
    XC_GameProcedure() = default;
    ~XC_GameProcedure() override = default;

    // Loads what the procedure needs; non-zero makes the switch fail.
    virtual HRESULT Init() = 0;
    virtual HRESULT Fini() = 0;
};
