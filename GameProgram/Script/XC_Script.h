#pragma once

#include "GameProgram/Common/XC_Addressee.h"
#include "GameProgram/Common/XC_String.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"
#include "GameProgram/Script/XC_ScriptParameter.h"
#include "GameProgram/Script/XC_ScriptResource.h"
#include "GameProgram/Sprite/XC_Sprite.h"

#include <windows.h>

#include <vector>

class XC_ScriptMessageAssigner;
class XC_TextNode;
class XI_EnvironmentOfRender;
class XI_ScriptCommand;

// One script node of a script file: its drawables, its named values and its
// command nodes, run as timed works of its own sprite. A work's end message
// starts the command nodes that wait for it.
class XC_Script : public XC_Addressee
{
public:
    // Starts called from within the commands of starts (a message, a call)
    // nested deeper than this wait for the start below them instead.
    static constexpr int MAX_EVENT_NESTING = 48;
    // Starts one pass may make before the rest is dropped with a report: a
    // script that restarts itself at once, or twice, would loop for ever.
    static constexpr int MAX_STARTS_PER_PASS = 10000;

    XC_Script();
    ~XC_Script() override;

    // The message of a linked work: dwValue1 is its command node, dwValue3
    // the message (0 when the work has ended).
    DWORD OnCallBack(DWORD_PTR dwValue1, DWORD_PTR dwValue2, DWORD_PTR dwValue3, DWORD_PTR dwValue4) override;
    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender, XC_ScriptMessageAssigner* pScriptMessageAssigner);
    virtual HRESULT Fini();
    virtual HRESULT Load(XC_TextNode* pTNodeScript);
    virtual HRESULT Clear();
    virtual const char* GetName() const;
    virtual void SetName(const char* szScriptName);
    virtual HRESULT RunScript();
    virtual HRESULT RunAction(const char* szActionName);
    virtual DWORD GetWorkCount() const;
    virtual HRESULT SetScriptCommand(XI_ScriptCommand* pScriptCommandObj);
    virtual XC_RenderObjManager* GetRenderObjManager();
    virtual XC_Sprite* GetSpriteObj();
    virtual XI_EnvironmentOfRender* GetEnvironmentOfRender();
    virtual XC_ScriptMessageAssigner* GetScriptMessageAssigner();
    virtual XC_RenderNode* GetRootRenderNode();
    virtual XC_ScriptParameter* GetScriptParameter();
    virtual XC_ScriptResource* GetScriptResource();
    virtual void CheckStart(XC_TextNode* pTNode, DWORD dwCondition);
    virtual void RunEvent();
    virtual void DoEvent(XC_TextNode* pTNode);

    void SetTraceFile(HANDLE hTraceFile);
    // Whether the action list has an entry of exactly that name.
    bool HasAction(const char* szActionName) const;
    // How many called script files lie between this script and the top.
    void SetCallDepth(DWORD dwCallDepth) { m_dwCallDepth = dwCallDepth; }
    DWORD GetCallDepth() const { return m_dwCallDepth; }
    // The count of files called below the top set of this script's calls.
    void SetCalledFiles(DWORD* pdwCalledFiles) { m_pdwCalledFiles = pdwCalledFiles; }
    DWORD* GetCalledFiles() const { return m_pdwCalledFiles; }

    // The names of the nodes from the tree's root down to the node, each
    // followed by one blank; E_FAIL for a null node.
    static HRESULT BuildNodePath(const XC_TextNode* pTNode, XC_String* pstrPath);

protected:
    // The sprite the work of a command node runs on.
    virtual XC_Sprite* GetWorkSprite(const XC_TextNode*) { return &m_SpriteObj; }
    // The child sections a derived script reads beside the engine's.
    virtual std::vector<const char*> GetOwnSections() const { return {}; }
    void WriteTrace(const XC_TextNode* pTNode, const char* szEvent) const;
    void LeaveRunEvent();
    // Starts the followers of a node whose command has just ended (writing
    // its End trace first when asked) once the step that ended it returns.
    void StartFollowers(XC_TextNode* pTNode, DWORD dwCondition, bool bTraceEnd);
    bool PushStart(XC_TextNode* pTNode, DWORD dwCondition, bool bTraceEnd);
    static void DriveStarts(size_t uBase);
    static void StepStart();

    XC_String m_szScriptName;
    XC_Sprite m_SpriteObj;
    XC_TextNode* m_pTNodeActionList = nullptr;
    XC_TextNode* m_pTNodeRun = nullptr;
    DWORD m_dwRunIndex = 0;
    XC_RenderObjManager m_RenderObjManager;
    XC_ScriptParameter m_ScriptParameterObj;
    XC_ScriptResource m_ScriptResourceObj;
    XI_ScriptCommand* m_pScriptCommandObj = nullptr;
    XI_EnvironmentOfRender* m_pEnvironmentOfRender = nullptr;
    XC_ScriptMessageAssigner* m_pScriptMessageAssigner = nullptr;
    LONG iRunEvent = 0;
    HANDLE m_hTraceFile = INVALID_HANDLE_VALUE;
    DWORD m_dwCallDepth = 0;
    DWORD* m_pdwCalledFiles = nullptr;
};
