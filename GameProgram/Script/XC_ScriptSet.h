#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"

#include <windows.h>

class XC_Script;
class XC_ScriptMessageAssigner;
class XC_ScriptParameter;
class XC_ScriptResource;
class XI_EnvironmentOfRender;

// The scripts of one script file: it parses the file into its own text tree
// (which the scripts point into), makes one script per child of the root,
// shares its render environment, message assigner, named values and
// resources with them, runs them and finds them by name.
class XC_ScriptSet
{
public:
    // A script file may call files below it this deep, no deeper: a file
    // that calls itself fails there instead of recursing without end.
    static constexpr DWORD MAX_CALL_DEPTH = 16;
    // All the calls below one top set load at most this many files: a file
    // that calls itself more than once would load exponentially many within
    // the depth limit.
    static constexpr DWORD MAX_CALLED_FILES = 4096;

    XC_ScriptSet();
    virtual ~XC_ScriptSet();
    XC_ScriptSet(const XC_ScriptSet&) = delete;
    XC_ScriptSet& operator=(const XC_ScriptSet&) = delete;

    // Below a running script, sharing its parts.
    virtual HRESULT InitFromScript(XC_Script* pScriptObj);
    // A top-level set with parts of its own.
    virtual HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual HRESULT Fini();
    virtual HRESULT Load(XC_TextNode* pTNode);
    virtual HRESULT LoadScriptFromMemory(const void* pData, DWORD dwSize);
    // Reads the file from the data pack and opens its trace file.
    virtual HRESULT LoadScript(const char* szFileName);
    virtual HRESULT Clear();
    virtual HRESULT RunAllScript();
    virtual DWORD GetAllWorkCount();
    virtual DWORD GetScriptCount() const;
    virtual XC_Script* FindScript(const char* szScriptName);
    virtual XC_Script* GetScript(DWORD dwIndex);
    virtual XI_EnvironmentOfRender* GetEnvironmentOfRender();
    virtual XC_ScriptMessageAssigner* GetScriptMessageAssigner();
    virtual XC_RenderNode* GetRenderNode();
    virtual XC_ScriptParameter* GetScriptParameter();
    virtual XC_ScriptResource* GetScriptResource();
    virtual HRESULT CreateScript(XC_TextNode* pTNodeScript);

    // The folder (ending in a separator) the trace files go to; null: no traces.
    static void SetTraceFolder(const char* szFolder);
    static const char* GetTraceFolder();

protected:
    // Links a new, loaded script to the set's node, values, resources, trace
    // and call count, and appends it; the set owns it from then on.
    void AdoptScript(XC_Script* pScriptObj);
    // The text into the tree, then Load; reports name the file when given.
    HRESULT LoadScriptText(const void* pData, DWORD dwSize, const char* szFileName);
    void OpenTraceFile(const char* szFileName);
    void CloseTraceFile();

    BOOL m_bInited = FALSE;
    XC_TextTree m_TTreeData;
    XC_TextNode* m_pTNodeScriptSet = nullptr;
    XC_PtrArrayList<XC_Script> m_PAL_Script;
    XC_RenderNode m_RenderNode;
    XI_EnvironmentOfRender* m_pEnvironmentOfRender = nullptr;
    XC_ScriptMessageAssigner* m_pScriptMessageAssigner = nullptr;
    XC_ScriptParameter* m_pScriptParameter = nullptr;
    XC_ScriptResource* m_pScriptResourceObj = nullptr;
    BOOL m_bOwnParts = FALSE;
    HANDLE m_hTraceFile = INVALID_HANDLE_VALUE;
    DWORD m_dwCallDepth = 0;
    // The files called below this set when it is a top set.
    DWORD m_dwCalledFiles = 0;
    // The count of the top set this one was called below, or its own.
    DWORD* m_pdwCalledFiles = &m_dwCalledFiles;
};
