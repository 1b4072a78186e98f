#pragma once

#include "Code/Menu/XC_MessageSignboard.h"
#include "Code/XC_GameProcedure.h"
#include "GameProgram/Scene/XC_SceneElementManager.h"

#include <memory>
#include <string>
#include <vector>

class XC_RenderAnimation;
class XC_RenderString;
class XC_TextNode;

// The title screen: resets the game data, shows the title animation with the
// version and its music, then a menu of buttons (new game, load, exit) and,
// for a new game, the level buttons with an explanation sign that follows
// the cursor. A chosen level starts the new-game script, which asks for the
// next procedure. Its look comes from "GameBeginConfig.txt".
class XC_GameProcedure_Begin : public XC_GameProcedure
{
public:
    enum XE_State
    {
        BS_TitleAnimation = 0,
        BS_OpenMainMenu = 1,
        BS_MainMenu = 2,
        BS_Command = 3,
        BS_OpenLevelMenu = 4,
        BS_LevelMenu = 5,
        BS_LevelChosen = 6,
        BS_CarryOverAnswer = 7,
        BS_StartNewGame = 8,
        BS_LoadGame = 9,
        BS_BackToMenu = 10,
        BS_ExitGame = 11,
    };

    XC_GameProcedure_Begin();
    ~XC_GameProcedure_Begin() override;

    HRESULT OnOpen() override;
    void FrameMove(float fElapsedTime) override;
    HRESULT Init() override;
    HRESULT Fini() override;

    int GetState() const { return m_iState; }
    const std::string& GetNewGameScriptName() const { return m_strNewGameScirptName; }

private:
    struct XS_Button
    {
        ~XS_Button();
        XC_RenderAnimation* pAnimation = nullptr;
        std::string strCommand;
    };
    struct XS_LevelButton
    {
        ~XS_LevelButton();
        XC_RenderAnimation* pAnimation = nullptr;
        DWORD dwLevel = 0;
        DWORD bCanTransformOskel3 = 1;
        std::string strExplain;
    };

    HRESULT ResetGameData();
    HRESULT LoadConfig();
    HRESULT InitBaseMap(XC_TextNode* pTNode);
    HRESULT InitButton(XC_TextNode* pTNode);
    HRESULT InitLevelButton(XC_TextNode* pTNode);
    XC_RenderAnimation* CreateButtonAnimation(const XC_TextNode* pTNode, float fLowerZ);
    HRESULT ClearBaseMap();
    HRESULT ClearButton();
    HRESULT ClearLevelButton();

    void StepTitleAnimation();
    void StepOpenMainMenu();
    void StepMainMenu();
    void StepCommand();
    void StepOpenLevelMenu();
    void StepLevelMenu();
    void StepLevelChosen();
    void StepCarryOverAnswer();
    void StepStartNewGame();
    void StepLoadGame();
    void StepExitGame();

    // The record whose animation is under the cursor, the first in list
    // order, or null; the cursor is placed at the mouse.
    template <class TRecord>
    TRecord* HitTest(const std::vector<std::unique_ptr<TRecord>>& records);
    // Whether the animation's picture is under the mouse.
    bool IsUnderMouse(XC_RenderAnimation* pAnimation);
    void CentreMouse();
    void ShowCursor(BOOL bShow);
    bool AskCarryOver(const XS_LevelButton& level);
    static void StopOnFirstPage(XC_RenderAnimation* pAnimation);
    static void PlayFromFirstPage(XC_RenderAnimation* pAnimation);
    static bool HasReachedLastPage(const XC_RenderAnimation* pAnimation);

    int m_iState = BS_TitleAnimation;
    std::string m_strNewGameScirptName;
    std::vector<std::unique_ptr<XS_Button>> m_ButtonList;
    std::vector<std::unique_ptr<XS_LevelButton>> m_LevelButtonList;
    XC_RenderAnimation* m_pRA_Begin = nullptr;
    XS_Button* m_pHitButton = nullptr;
    XS_LevelButton* m_pHitLevelButton = nullptr;
    XC_RenderString* m_pRS_Version = nullptr;
    XC_MessageSignboard m_MessageSignboard;
    XC_SceneElementManager m_SceneElementManager;
    // The new-game script starts once, however long the switch takes.
    bool m_bNewGameStarted = false;
};
