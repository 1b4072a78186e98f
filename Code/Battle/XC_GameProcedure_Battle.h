#pragma once

#include "Code/Battle/GamePerson/XC_GamePersonManager.h"
#include "Code/Battle/JumpString/XC_JumpStringManager.h"
#include "Code/Battle/XC_BattleDialogue.h"
#include "Code/Battle/XC_BattleSceneController.h"
#include "Code/Battle/XC_SceneTableManager.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "Code/XC_GameProcedure.h"
#include "GameProgram/Script/XC_ScriptSet.h"
#include "GameProgram/Scene/XC_Scene.h"
#include "JC_Script/JI_ScriptNotify.h"

#include <windows.h>

#include <string>

class JC_ControlScene;
class XC_ControlCampBase;
class XC_Strtok;

// Round steps of the battle; a saved battle resumes at its step.
constexpr DWORD XE_ROUND_DEPLOY = 0;
constexpr DWORD XE_ROUND_BEGIN = 10;
constexpr DWORD XE_ROUND_CAMP = 20;
constexpr DWORD XE_ROUND_END = 30;
constexpr DWORD XE_ROUND_FINISH = 40;

// Kinds of the procedure.
constexpr DWORD XE_BATTLE_FIGHT = 0;
constexpr DWORD XE_BATTLE_DIALOGUE = 1;

// One battle as a procedure of the game: it owns the battle's objects and
// publishes them as globals while it lives, runs rounds of camp turns from
// the deployment to the finish scene, and answers the "Battle" script
// function. A dialogue battle shows the same scene but plays no rounds.
class XC_GameProcedure_Battle : public XC_GameProcedure, public JI_ScriptNotify
{
public:
    explicit XC_GameProcedure_Battle(DWORD dwBattleType);
    ~XC_GameProcedure_Battle() override;

    void FrameMove(float fElapsedTime) override;
    HRESULT Init() override;
    HRESULT Fini() override;
    virtual HRESULT StartBattle();
    virtual HRESULT ContinueBattle();
    DWORD Deal(const std::string& strText) override;

    // Stores the step in the procedure and in the scene record.
    HRESULT SetRoundStep(DWORD dwRoundStep);
    DWORD GetRoundStep() const { return m_dwRoundStep; }
    DWORD GetFinishStep() const { return m_dwFinishStep; }
    DWORD GetBattleType() const { return m_dwBattleType; }
    BOOL IsVictory() const { return m_bVictory; }
    BOOL IsBattleFinished() const { return m_bBattleFinished; }
    DWORD GetMusicCamp() const { return m_dwMusicCamp; }
    const std::string& GetResultScript() const { return m_strResultScript; }
    XC_ControlCampBase* GetCampObject() const { return m_pCampObject; }
    XC_Scene* GetBattleScene() { return &m_BattleSceneObj; }

    // Procedures 30 and 40 in the shell's table.
    static void RegisterProcedures();

private:
    HRESULT RunNextFightScript();
    HRESULT LoadBattleScene();
    void PlaceCamera();
    void PublishGlobals();
    void ClearGlobals();
    void InitPersonStroke();
    void CreateScreenDocuments();
    void DeleteScreenDocuments();
    // The camp turn of the record; one out of range is reported and reset to 0.
    DWORD ReadCampTurn();

    void DealFunctionKeys();
    void FlipFloorRenderFlag();
    void FlipPersonStroke();
    void RoundDeploy();
    void RoundBegin();
    void RoundCamp(float fElapsedTime);
    void RoundEnd();
    void RoundFinish();
    // True when the side changed: the music switched and the banner started.
    bool ChangeMusicSide(DWORD dwCamp);
    void PlayCampMusic(const std::string& strMusic, const char* szCall);
    void AddBattleMusic(const std::string& strMusic, const char* szCall);
    void CreateCampObject(DWORD dwCamp);
    void EndCampTurn(DWORD dwCamp);
    bool IsFinishWorking();
    void StartFinishScene();
    void SetFinishPoses();
    void LeaveBattle();
    // The world position of the floor's centre cell.
    D3DXVECTOR3 SceneCenter();

    void DealEnd(XC_Strtok& words, BOOL bVictory);
    void DealMusic(XC_Strtok& words, BOOL bPlayerSide);
    void DealPerson(XC_Strtok& words, BOOL bAdd);
    void DealSceneElement(XC_Strtok& words, BOOL bAdd);

    DWORD m_dwBattleType;
    DWORD m_dwRoundStep = XE_ROUND_DEPLOY;
    DWORD m_dwFinishStep = 0;
    BOOL m_bContinueRoundBegin = 0;
    XC_ControlCampBase* m_pCampObject = nullptr;
    BOOL m_bVictory = 0;
    std::string m_strResultScript;
    XC_ScriptSet m_FinishScript;
    BOOL m_bBattleFinished = 0;
    JC_ControlScene* m_pControlSceneObj = nullptr;
    DWORD m_dwMusicCamp = 0;
    XC_Scene m_BattleSceneObj;
    XC_GamePersonManager m_PersonManager;
    XC_SceneTableManager m_SceneTableManager;
    XC_BattleMenuMenager m_BattleMenuMenager;
    XC_BattleSceneController m_BattleSceneController;
    XC_JumpStringManager m_JumpStringManager;
    XC_BattleDialogue m_BattleDialogue;
};

// The floor's grid lines: 0 drawn only where highlighted, 1 everywhere (F6).
extern DWORD g_dwFloorRenderFlag;
extern XC_Scene* g_pBattleSceneObj;
