#pragma once

#include "JC_Script/JI_ScriptNotify.h"

#include "ArchiveLibrary/JI_Quorlin.h"
#include "JC_DataManager/Control/JC_ControlScriptFlag.h"
#include "JC_DataManager/Control/JC_ControlScriptInfo.h"
#include "TemplateSystem/JC_StringSegment2.h"

#include <functional>
#include <map>

class JC_DataManager;
class JC_DebugLog;

constexpr DWORD JE_SCRIPT_NO_DATA_MANAGER = 0x89BF0001;
constexpr DWORD JE_SCRIPT_DATA_MANAGER_NOT_INITIATED = 0x89BF0002;
constexpr DWORD JE_SCRIPT_NOT_INITIATED = 0x89BF0003;
constexpr DWORD JE_SCRIPT_ADD_EMPTY_NAME = 0x89BF0111;
constexpr DWORD JE_SCRIPT_ADD_NO_HANDLER = 0x89BF0112;
constexpr DWORD JE_SCRIPT_ADD_NAME_REPEAT = 0x89BF0113;
constexpr DWORD JE_SCRIPT_DEL_EMPTY_NAME = 0x89BF0121;
constexpr DWORD JE_SCRIPT_DEL_NOT_FOUND = 0x89BF0122;
constexpr DWORD JE_SCRIPT_LOAD_EMPTY_NAME = 0x09BF0202;
constexpr DWORD JE_SCRIPT_LOAD_TOO_DEEP = 0x89BF0203;
constexpr DWORD JE_SCRIPT_LOAD_TOO_MANY = 0x89BF0204;
// Run-control statuses (top bit clear): they end a pass.
constexpr DWORD JS_SCRIPT_ENDED = 0x09BF0401;
constexpr DWORD JS_SCRIPT_NONE = 0x09BF0402;
constexpr DWORD JS_SCRIPT_HALT = 0x09BF0403;
constexpr DWORD JS_SCRIPT_STOP = 0x09BF0404;
constexpr DWORD JE_SCRIPT_BRACKET = 0x89BF0411;
constexpr DWORD JE_SCRIPT_ELSE_IN_FLOW = 0x89BF0412;
constexpr DWORD JE_SCRIPT_NO_ELSE = 0x89BF0413;
constexpr DWORD JE_SCRIPT_NO_ELSE_BLOCK = 0x89BF0414;
constexpr DWORD JE_SCRIPT_GET_REFUSED = 0x89BF0452;
constexpr DWORD JE_SCRIPT_DISTRIBUTE_EMPTY_NAME = 0x89BF0501;
constexpr DWORD JE_SCRIPT_DISTRIBUTE_UNKNOWN = 0x89BF0502;
constexpr DWORD JE_SCRIPT_SET_FLAG_NAME = 0x89BF0611;
constexpr DWORD JE_SCRIPT_SET_FLAG_INDEX = 0x89BF0612;
constexpr DWORD JE_SCRIPT_ADD_FLAG_NAME = 0x89BF0621;
constexpr DWORD JE_SCRIPT_ADD_FLAG_INDEX = 0x89BF0622;
constexpr DWORD JE_SCRIPT_GET_FLAG_NAME = 0x89BF0631;

// The game-script interpreter: a stack of running scripts kept in the save
// state, the script flags, a small block language (if, else, braces) and
// five built-in orders; every other line goes to the handler registered
// under its first field.
class JC_ScriptManager
{
public:
    // A script that loads itself, or a fan of loads, would grow the stack and
    // the work of a pass without end: "LoadScript" lines stack at most
    // MAX_SCRIPT_DEPTH scripts, and the lines of one top script load at most
    // MAX_CHAIN_LOADS scripts below it.
    static constexpr DWORD MAX_SCRIPT_DEPTH = 64;
    static constexpr DWORD MAX_CHAIN_LOADS = 4096;

    JC_ScriptManager() = default;
    JC_ScriptManager(const JC_ScriptManager&) = delete;
    JC_ScriptManager& operator=(const JC_ScriptManager&) = delete;
    virtual ~JC_ScriptManager();

    // Binds the script flags and the script stack to the current save state.
    virtual DWORD Initiation2();
    // The game folder (ending with its separator) and the data manager.
    virtual DWORD Initiation(const std::string& strPath, JC_DataManager* pDataManager);
    virtual BOOL IsInitiated() const { return m_bInitiated; }

    // The handlers are not owned.
    virtual DWORD AddFunction(const std::string& strFunctionName, JI_ScriptNotify* pHandler);
    virtual DWORD DelFunction(const std::string& strFunctionName);

    virtual DWORD LoadScript(const char* pBuffer, DWORD dwSize);
    // From the script archive when it is open, else from the script folder.
    virtual DWORD LoadScript(const std::string& strName);
    virtual DWORD ExitScript();

    // One pass of at most iLineCount lines of the running script; a negative
    // count runs to its end.
    virtual DWORD Update(int iLineCount);
    virtual DWORD Update() { return Update(-1); }
    // Passes until the scripts stop, one per stacked script at most.
    virtual DWORD UpdateAll();

    virtual DWORD DealScript(const std::string& strFunctionName, const std::string& strRest);
    // One order line at once, outside the running script.
    virtual DWORD RealTimeScript(const std::string& strLine);
    virtual DWORD Distribute(const std::string& strFunctionName, const std::string& strRest);

    virtual BOOL IsScriptLoaded() const { return m_ScriptInfo.HasCurrentScript(); }
    virtual int GetTotalLine() { return m_ScriptInfo.GetTotalLine(); }
    virtual int GetWillDealLine() { return m_ScriptInfo.GetWillDealLine(); }
    virtual DWORD GetScriptLine(std::string& strLine, DWORD dwIndex) { return m_ScriptInfo.GetLine(dwIndex, strLine); }

    // The depth of the script stack.
    DWORD GetScriptCount() const { return m_ScriptInfo.GetScriptCount(); }
    JC_ControlScriptFlag* GetScriptFlag() { return &m_ScriptFlag; }
    // Both null until the manager is initiated.
    JC_DebugLog* GetErrorLog() const { return m_bInitiated ? m_pErrorLog : nullptr; }
    JC_DataManager* GetDataManager() const { return m_bInitiated ? m_pDataManager : nullptr; }
    // Called with every line a pass runs and its result, for tools that show
    // what a script does; empty to stop.
    void SetLineTrace(std::function<void(const std::string&, DWORD)> lineTrace) { m_LineTrace = std::move(lineTrace); }

private:
    void BindArchiveLibrary();
    DWORD OpenArchive();
    DWORD LoadScriptFromArchive(const std::string& strName);
    void ReleaseArchive();

    // Takes line WillDealLine and moves past it.
    DWORD TakeLine(std::string& strLine);
    // The line's result; a failed block line ends the pass.
    DWORD DealLine(const std::string& strLine, int& iBudget, bool& bEndsPass);
    DWORD DealIf(const std::string& strLine);
    DWORD CloseBracket();
    // Takes lines up to the "else" at depth 0 of a block not taken.
    DWORD SkipToElse();
    // Takes the else part of a taken block: "else", its "{" and its lines.
    DWORD SkipElsePart();
    // A "LoadScript" line: the stack's bounds, then the load.
    DWORD DealLoadScript(const std::string& strName);
    // Name, index and value of a flag order; the value ends at a comma.
    // False when the index is no whole number.
    bool SplitFlagFields(const std::string& strText, std::string& strName, DWORD& dwIndex,
                         std::string& strValue) const;
    int ReadFlagValue(const std::string& strText, const std::string& strValue) const;
    DWORD RefuseFlagIndex(const std::string& strText, DWORD dwResult) const;
    DWORD SetFlag(const std::string& strText);
    DWORD AddFlag(const std::string& strText);
    DWORD GetFlag(const std::string& strName, int iIndex, int& iValue);
    JC_DebugLog* Log() const;

    BOOL m_bInitiated = FALSE;
    std::string m_strPath;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataManager* m_pDataManager = nullptr;
    JC_ControlScriptFlag m_ScriptFlag;
    JC_ControlScriptInfo m_ScriptInfo;
    std::map<std::string, JI_ScriptNotify*> m_Functions;
    JC_StringSegment2 m_Segment;
    HMODULE m_hQuorlinModule = nullptr;
    JD_GET_QUORLINOBJ m_pfnGetQuorlinObj = nullptr;
    JD_DEL_QUORLINOBJ m_pfnDelQuorlinObj = nullptr;
    JI_Quorlin* m_pQuorlin = nullptr;
    BOOL m_bArchiveOpen = FALSE;
    // Lines taken in the running pass; skips inside a line count too.
    int m_iTaken = 0;
    // Scripts loaded by lines since a top script ran one.
    DWORD m_dwChainLoads = 0;
    std::function<void(const std::string&, DWORD)> m_LineTrace;
};

extern JC_ScriptManager* gp_ScriptManagerObj;
