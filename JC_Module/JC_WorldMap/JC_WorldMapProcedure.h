#pragma once

#include "Code/XC_GameProcedure.h"

#include <string>

class JC_ModuleDocumentBase;
class XC_ModuleManager;

// The game between battles (procedure 20): it owns the state, town and
// world-map screens, keeps the world map's music and opens the next screen
// from the event of the one that has just closed.
class JC_WorldMapProcedure : public XC_GameProcedure
{
public:
    enum JE_Screen
    {
        SCREEN_NONE,
        SCREEN_STATE,
        SCREEN_TOWN,
        SCREEN_WORLD_MAP
    };
    // Where the player came from; decides what the next return of the focus
    // does.
    enum JE_ReturnStep
    {
        STEP_NONE = 0,
        STEP_TOWN = 1,
        STEP_STATE_FROM_TOWN = 3,
        STEP_STATE_FROM_MAP = 4
    };

    JC_WorldMapProcedure() = default;
    ~JC_WorldMapProcedure() override = default;

    // Adds procedure 20 to the procedure switch's table.
    static void Register();

    HRESULT SetModuleManager(XC_ModuleManager* pModuleManager) override;
    HRESULT Init() override;
    HRESULT Fini() override;
    HRESULT OnSetFocus() override;
    virtual DWORD SwitchScreen(int iScreen, int iMode);

    int GetCurrentScreen() const { return m_iCurrentScreen; }
    DWORD GetReturnStep() const { return m_dwReturnStep; }
    void SetReturnStep(DWORD dwReturnStep) { m_dwReturnStep = dwReturnStep; }

private:
    // Creates and initiates one screen's document into its global, which no
    // other owner may hold now.
    template <class Document>
    void CreateDocument(Document*& pGlobal, const char* szName);
    template <class Document>
    static void DeleteDocument(Document*& pGlobal);
    // The document of a screen, or null.
    static JC_ModuleDocumentBase* ScreenDocument(int iScreen);
    void OpenStateScreen();
    void DealWorldMapEvent();
    void StartMusic();
    void RunMusicLine(const std::string& strLine);

    XC_ModuleManager* m_pManager = nullptr;
    DWORD m_dwReturnStep = STEP_NONE;
    int m_iCurrentScreen = SCREEN_NONE;
    // A switch closing an open screen pops it, which gives this procedure the
    // focus inside the switch: that nested focus must not open a screen too.
    BOOL m_bSwitching = 0;
};
