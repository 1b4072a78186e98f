#pragma once

#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/Module/XC_RenderModule.h"

#include <d3dx9math.h>
#include <windows.h>

class XC_RenderAnimation;
class XC_RenderString;

// The game's own message box, drawn in the scene: a box picture with one
// line of text and one to three buttons labelled like the Windows box's. It
// is pushed on the module stack when shown, so the modules below wait; the
// clicked button's value is kept for the caller after it closes.
class XC_GameMessageBox : public XC_RenderModule
{
public:
    XC_GameMessageBox();
    ~XC_GameMessageBox() override;

    HRESULT OnOpen() override;
    HRESULT OnClose() override;
    void FrameMove(float fElapsedTime) override;

    virtual HRESULT Init(XC_ModuleManager* pModuleManager);
    virtual HRESULT Fini();
    // Shows the box with the buttons of a Windows box type (MB_OK to
    // MB_RETRYCANCEL); another type gets one "CANCEL" button.
    virtual HRESULT ShowMessage(const char* szMessage, UINT uType, const D3DXVECTOR3& vPosition);
    // The value (IDOK to IDNO) of the clicked button, -1 when none.
    virtual int GetResult() const { return m_iResult; }

    DWORD GetButtonCount() const { return m_uButtonCount; }
    // The picture of a used button, null past the count.
    XC_RenderAnimation* GetButtonAnimation(DWORD uIndex) const;

    // Where a box picture's first page is drawn from its origin (the first
    // two of the page's four floats); false when the picture has no page.
    static bool GetBoxAnchor(XC_RenderAnimation* pBox, float* pfX, float* pfY);

private:
    struct XS_Button
    {
        XS_Button() = default;
        ~XS_Button();
        XS_Button(const XS_Button&) = delete;
        XS_Button& operator=(const XS_Button&) = delete;

        XC_RenderAnimation* pRA_Button = nullptr;
        XC_RenderString* pRS_Name = nullptr;
        int iValue = 0;
    };

    HRESULT InitBox();
    HRESULT InitButtons();
    void CentreBox();
    void AddButtonsOfType(UINT uType);
    HRESULT SetButton(DWORD uIndex, const char* szName, int iValue);
    void PlaceButtons();
    void ShowButtons(BOOL bShow);
    void MoveCursorToMouse();

    BOOL m_bCursorWasShown = 0;
    XC_RenderNode m_RootNode;
    XC_RenderAnimation* m_pRA_Box = nullptr;
    XC_RenderString* m_pRS_Message = nullptr;
    int m_iResult = -1;
    XS_Button* m_pButtonList = nullptr;
    const DWORD m_uButtonMax = 3;
    DWORD m_uButtonCount = 0;
};

extern XC_GameMessageBox* g_pGameMessageBox;
