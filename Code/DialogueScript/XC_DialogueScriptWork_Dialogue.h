#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_RenderString;

// Shows one line of talk: types it into a text object one character every
// 0.1 s, shows the "next" marker once it is whole, and ends when the player
// confirms. A confirmation while typing shows the whole line at once.
class XC_DialogueScriptWork_Dialogue : public XC_SpriteWorkBase
{
public:
    // Confirmations earlier than this after the line began are ignored.
    static constexpr float CONFIRM_DELAY = 0.04f;
    // A whole line closes on a confirmation once the work has run this long.
    static constexpr float CLOSE_DELAY = 0.5f;

    XC_DialogueScriptWork_Dialogue();
    ~XC_DialogueScriptWork_Dialogue() override;

    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;
    // The text object, not owned, and the line to type into it.
    virtual void SetTarget(XC_RenderString* pRenderStringObj, const char* szDialogue);

    BOOL IsTypingFinished() const { return m_bTypingFinished; }
    XC_RenderAnimation* GetTalkNextMarker() { return &m_RA_TalkNext; }

private:
    // Either Ctrl held, Space pressed, or a mouse button pressed this frame.
    static bool IsConfirming();
    void PlaceMarker();
    void TypeOn(float fElapsedTime);

    XC_String m_stringDialogue;
    XC_RenderString* m_pRenderStringObj = nullptr;
    XC_RenderAnimation m_RA_TalkNext;
    float m_fTypingInterval = 0.1f;
    float m_fTypingTimer = 0.0f;
    BOOL m_bTypingFinished = FALSE;
};
