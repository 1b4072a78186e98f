#pragma once

#include "Code/XI_GameMedia.h"
#include "GameProgram/Common/XC_WindowMessagesToString.h"
#include "GameProgram/D3DCommon/XC_MyD3DApplication.h"
#include "GameProgram/DirectShow/XC_ShowAudio.h"
#include "GameProgram/DirectShow/XC_ShowVideo.h"
#include "GameProgram/Input/XC_InputObject.h"
#include "GameProgram/Input/XC_InputOfKeyboard.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/Module/XC_ModuleManager.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Scene/XC_Mouse.h"

#include <windows.h>

class XC_D3DTextFont;
class XC_EnvironmentOfRender;
class XC_GameProcedure;
class XC_RenderAnimation;
class XC_TextureManager;

// Result of the frame step when a requested procedure switch failed.
const HRESULT XC_GAME_E_CHANGE_PROCEDURE = E_FAIL;

// The game object: the application frame filled with the game's start-up,
// frame step, drawing and window messages. It owns the input, the cursor,
// the video and music players, the painter and the module stack that holds
// the one running game procedure, which it switches by id between frames.
class XC_Game : public XC_MyD3DApplication, public XI_GameMedia
{
public:
    XC_Game();
    ~XC_Game() override;

    LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    HRESULT InitGlobal(XC_TextTree* pTextTree) override;
    HRESULT GetGlobalObjectIni(XC_TextTree* pTextTree) override;
    HRESULT InitPackFile(const char* szPath) override;
    HRESULT InitD3DFont(XC_TextNode* pTNode) override;
    HRESULT FiniPackFile() override;
    HRESULT FiniD3DFont() override;

    // 0, or E_FAIL while videos are enabled and one already plays or the
    // video cannot be loaded.
    HRESULT PlayVideo(const char* szVideoName) override;
    virtual HRESULT StopVideo();
    virtual XC_Painter* GetPainter() { return &m_Painter; }
    virtual XC_EnvironmentOfRender* GetEnvironmentOfRender();
    virtual XC_ModuleManager* GetModuleManager() { return &m_ModuleManager; }
    virtual HRESULT SaveBackBuffer();
    // Presents one frame of the now-loading picture.
    virtual HRESULT RenderNowLonging();

    XC_InputOfKeyboard* GetInputOfKeyboard() { return &m_InputOfKeyboard; }
    XC_MouseState* GetMouseState() { return &m_MouseState; }
    XC_ShowAudio* GetBackgroundMusicObj() override { return &m_BackgroundMusicObj; }
    XC_GameProcedure* GetProcedureObj() const { return m_pProcedureObj; }
    int GetProcedureID() const { return m_iProcedureID; }
    DWORD GetVersion() const { return m_dwGameVersion; }
    float GetGameSpeed() const { return m_fGameSpeed; }
    // A negative speed counts as 0.
    void SetGameSpeed(float fGameSpeed);

    // Records a switch for the start of the next frame; a second request in
    // the same frame replaces the first.
    HRESULT ChangeProcedure(int iProcedureID);
    // Switches at once: finishes the running procedure, builds the next.
    HRESULT _ChangeProcedure(int iProcedureID);
    // False while a dialogue runs: the module stack then gets no frame steps.
    BOOL CanUpdateModules() const;
    // The file-name table, the tuning parameters and the texts.
    HRESULT LoadGameParameter();
    // The floor colours, the person pose list and the person state scripts.
    HRESULT LoadGameFloorColor();
    HRESULT LoadPersonPoseList();
    HRESULT LoadPersonStateScriptList();
    // The step the game advances by: the elapsed time, at most 0.04 s, times
    // the game speed.
    static float GetStepTime(float fElapsedTime, float fGameSpeed);

protected:
    HRESULT OneTimeSceneInit() override;
    HRESULT InitDeviceObjects() override;
    HRESULT RestoreDeviceObjects() override;
    HRESULT FrameMove() override;
    HRESULT Render() override;
    HRESULT InvalidateDeviceObjects() override;
    HRESULT DeleteDeviceObjects() override;
    HRESULT FinalCleanup() override;

private:
    void ApplySettings();
    void OpenDebugLog();
    void SetMusicFromSeting();
    HRESULT CreateGameTextureManager();
    HRESULT CreateNowLonging();
    HRESULT BuildDataLayer();
    HRESULT CloseRunningProcedure();
    HRESULT StartProcedure(int iProcedureID);
    HRESULT AbortChangeProcedure(HRESULT hr);
    void MoveCameras(float fStepTime);
    void DealDeveloperKeys();
    void DealCommandKeys();
    void DealOverlayKeys();
    void DealRenderCountKeys();
    void DealGameSpeedKeys();
    void DealDebugCamera();
    void DealFlagKeys();
    void ToggleSystemFlag(DWORD dwIndex);
    void ToggleScriptTrace();
    void RunTestScript();
    HRESULT ShowInformation();
    void ShowMemoryPage(float& fY);
    void ShowRenderCountPage(float& fY);
    void Show2DTexturePage(float& fY);
    void ShowMessagePage(float& fY);
    void ShowMusicAndCameraPage(float& fY);
    void DrawOverlayLine(float& fY, const char* szText);

    XC_D3DTextFont* m_pDebugFont = nullptr;
    XC_InputObject m_InputObject;
    XC_InputOfKeyboard m_InputOfKeyboard;
    XC_MouseState m_MouseState;
    XC_Mouse m_MouseObj;
    XC_ShowVideo m_ShowVideoObj;
    XC_ShowAudio m_BackgroundMusicObj;
    BOOL m_bVideoPlaying = 0;
    BOOL bVideoEnable = 0;
    XC_Painter m_Painter;
    XC_EnvironmentOfRender* m_pEnvironmentOfRender = nullptr;
    XC_ModuleManager m_ModuleManager;
    BOOL m_bRenderCountKeysEnable = 1;
    BOOL m_bGameSpeedKeysEnable = 1;
    BOOL m_bShowInformation = 0;
    DWORD m_dwInformationPage = 0;
    DWORD m_dw2DTextureBufferIndex = 0;
    XC_WindowMessagesToString m_WindowMessages;
    XC_RenderAnimation* m_pRA_NowLonging = nullptr;
    XC_GameProcedure* m_pProcedureObj = nullptr;
    int m_iProcedureID = 0;
    BOOL m_bChangeProcedure = 0;
    int m_iChangeProcedureID = 0;
    DWORD m_dwStartTextureMemory = 0;
    MEMORYSTATUS m_StartMemoryStatus = {};
    DWORD m_dwInformationColor = 0xFF00FFFF;
    HMODULE m_QuorlinModule = nullptr;
    DWORD m_dwEngineVersion = 200;
    DWORD m_dwGameVersion = 0;
    float m_fGameSpeed = 1.0f;
    float m_fLastWorldZoom = 0.0f;
    DWORD m_dwFrameCount = 0;
    float m_fFrameTime = 0.0f;
    float m_fFramesPerSecond = 0.0f;
};

extern XC_Game* g_pGame;
// The game's second texture manager, for pictures the screens swap often.
extern XC_TextureManager* g_pGameTextureManager;
// Debug mode: on from the keyboard (B, T and Enter), on for the rest of the run.
extern BOOL g_bDebugMode;
