#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <deque>

// Shows the lines of money and things found after an action one after
// another in the battle's explain box, each for the same time.
class XC_DisplayGetItem : public XC_SpriteWorkBase
{
public:
    XC_DisplayGetItem();
    ~XC_DisplayGetItem() override;

    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;

    virtual HRESULT AddText(const char* szText);

private:
    // Shows the first line left and takes it off the list.
    void ShowNextLine();

    std::deque<XC_String> m_listText;
};
