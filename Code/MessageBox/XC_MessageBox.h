#pragma once

#include "GameProgram/Module/XC_RenderModule.h"

#include <d3dx9math.h>
#include <windows.h>

class XC_RenderAnimation;
class XC_RenderString;

// The yes/no question box: a framed text with a yes and a no icon, pushed on
// the module stack at a screen position its user gives. It does not block
// the frame: the user reads the answer once the box has closed itself.
class XC_MessageBox : public XC_RenderModule
{
public:
    XC_MessageBox();
    ~XC_MessageBox() override;

    HRESULT OnOpen() override;
    HRESULT OnClose() override;
    void FrameMove(float fElapsedTime) override;

    // Builds the box anew with the text, its frame at the position.
    virtual HRESULT Init(const char* szText, const D3DXVECTOR3& vPosition);
    virtual HRESULT Fini();
    // 1 for yes, 0 for no or before any answer.
    virtual DWORD GetResult() const { return m_dwResult; }

    XC_RenderAnimation* GetYesIcon() const { return m_pRA_Yes; }
    XC_RenderAnimation* GetNoIcon() const { return m_pRA_No; }
    XC_RenderAnimation* GetBox() const { return m_pRA_Box; }

private:
    void LoadAnimations();
    void ShowAll(BOOL bShow);
    // Lights up the icon under the mouse and darkens the other.
    void HighlightIconsAtMouse();
    void Answer(DWORD dwResult);

    BOOL m_bCursorWasShown = 0;
    DWORD m_dwResult = 0;
    XC_RenderString* m_pRS_Text = nullptr;
    XC_RenderAnimation* m_pRA_Box = nullptr;
    XC_RenderAnimation* m_pRA_Yes = nullptr;
    XC_RenderAnimation* m_pRA_No = nullptr;
};

extern XC_MessageBox* g_pMessageBox;
