#pragma once

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <windows.h>

class XC_GamePerson;

// Colours the floors a person could move to from its start floor for a
// while, before a computer person moves.
class XC_DisplayMoveScope : public XC_SpriteWorkBase
{
public:
    XC_DisplayMoveScope();
    ~XC_DisplayMoveScope() override;

    void Begin() override;
    void End() override;

    virtual HRESULT SetPerson(XC_GamePerson* pPersonObj);
    virtual void SetStartFloorIndex(DWORD dwFloorIndex);
    virtual DWORD GetStartFloorIndex() const { return m_dwStartFloorIndex; }
    virtual void SetTargetFloorIndex(DWORD dwFloorIndex);
    virtual DWORD GetTargetFloorIndex() const { return m_dwTargetFloorIndex; }

private:
    XC_GamePerson* m_pPersonObj = nullptr;
    DWORD m_dwTeamIndex = 0;
    DWORD m_dwStartFloorIndex = 0;
    DWORD m_dwTargetFloorIndex = 0;
};
