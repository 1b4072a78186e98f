#pragma once

#include "Code/DialogueScript/XC_DialogueScriptManager.h"
#include "GameProgram/Common/XC_String.h"

#include <windows.h>

#include <list>

class XI_EnvironmentOfRender;

// The one place that starts dialogues: queued dialogue files run one after
// the other. While one runs or waits, the game's procedures stand still.
class XC_DialogueController
{
public:
    XC_DialogueController();
    virtual ~XC_DialogueController();
    XC_DialogueController(const XC_DialogueController&) = delete;
    XC_DialogueController& operator=(const XC_DialogueController&) = delete;

    HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    HRESULT Fini();
    // Queues the file; it is loaded on a later frame. Hides the cursor.
    HRESULT AddDialogueScript(const char* szFileName);
    // Starts the next queued file once the running one has finished.
    HRESULT FrameMove(float fElapsedTime);
    BOOL IsDialogueActive() const;

    XC_DialogueScriptManager* GetDialogueScriptManager() { return &m_DialogueScriptManager; }

private:
    // The cursor may show (TRUE) or not while a dialogue runs.
    static void PermitCursor(BOOL bPermit);

    XC_DialogueScriptManager m_DialogueScriptManager;
    BOOL m_bActive = FALSE;
    std::list<XC_String> m_listDialogueScriptName;
};

// The game's dialogue controller, a static object.
extern XC_DialogueController* g_pDialogueController;
