#pragma once

#include "JC_Module/JC_ModuleDocumentBase.h"

#include <string>

class JC_OptionModuleView1;

constexpr DWORD JE_OPTIONMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT = 0x8a300031;
constexpr DWORD JE_OPTIONMODULEDOCUMENT_MODE_NOT_SUPPORT = 0x8a300061;
constexpr DWORD JE_OPTIONMODULEDOCUMENT_NO_BACK_BUFFER = 0x8a300091;
constexpr DWORD JE_OPTIONMODULEDOCUMENT_NO_THUMBNAIL_SURFACE = 0x8a300092;
constexpr DWORD JE_OPTIONMODULEDOCUMENT_THUMBNAIL_NOT_COPIED = 0x8a300093;
constexpr DWORD JE_OPTIONMODULEDOCUMENT_THUMBNAIL_NOT_WRITTEN = 0x8a300094;

// The option screen: the panel of Save, Load, Title, music, sound and game
// speed, and the record list that hands saving and loading to the scripts.
// It writes the record thumbnail "TempRecord.bmp" of the frame below it each
// time it opens, and never sets a document event.
class JC_OptionModuleDocument : public JC_ModuleDocumentBase
{
public:
    enum JE_Mode
    {
        MODE_NONE,
        MODE_PANEL,
        MODE_SAVE,
        MODE_LOAD,
        MODE_SAVE_ONLY,
        MODE_LOAD_ONLY,
        MODE_COUNT
    };

    JC_OptionModuleDocument();

    // Opens in the panel.
    DWORD Initiation(XC_ModuleManager* pModuleManager, XC_MouseState* pMouseState, XC_Mouse* pMouse,
                     JC_ControlManager* pControlManager) override;
    // Opens in any mode; one outside the table fails the opening.
    virtual DWORD Initiation(XC_ModuleManager* pModuleManager, XC_MouseState* pMouseState, XC_Mouse* pMouse,
                             JC_ControlManager* pControlManager, int iDocumentMode);
    // Escape and the right button: one step back, or out of the screen.
    virtual DWORD BackDocumentMode(int iMode);
    DWORD DealViewEvent(int iViewIndex, DWORD dwViewEvent) override;
    // The 128 × 128 picture of the frame under the screen.
    virtual DWORD MakeRecordBMP();
    // "%sTempRecord.bmp" of the data manager's root.
    std::string GetRecordBMPName() const;

protected:
    JC_ModuleViewBase* NewView(int iViewIndex) override;
    JC_ControlModuleBase* GetLayoutControl() override;
    DWORD LoadDocumentData() override { return MakeRecordBMP(); }
    BOOL IsDocumentMessage(UINT uMsg) const override;
    void DealDocumentMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void PrepareViewsForMode(int iMode) override;
    DWORD GiveChildViews() override;

private:
    // F5 for the designers: the layouts read anew and the screen rebuilt.
    void ReloadLayout();
    // Hands the chosen record to "SaveGame" or "LoadGame".
    DWORD DealRecordChosen();
    JC_OptionModuleView1* GetRecordList() const;

    int m_iDealViewIndex = -1;
    DWORD m_dwDealEventId = 0;
};

// The option screen of whichever procedure runs; that procedure owns it.
extern JC_OptionModuleDocument* g_pOptionModuleDocument;
