#pragma once

#include "GameProgram/Script/XC_ScriptParameterAnalyzer.h"
#include "GameProgram/Script/XI_ScriptCommand.h"

#include <map>

class XC_ScriptCommand;

// A command handler: reads the current node through the dispatcher's getters
// and stores a new work in *rpSpriteWorkObj, or leaves it null.
typedef HRESULT (*XF_AnalyzeCommand)(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj);

// The command dispatcher: the parameter analyzer of the node being
// dispatched, and the table from command name to handler. Derived
// dispatchers add rows in their constructors.
class XC_ScriptCommand : public XI_ScriptCommand, public XC_ScriptParameterAnalyzer
{
public:
    // Delays and work times past this many seconds are refused: a game clock
    // adding frames of a few milliseconds to a float stops moving near there.
    static constexpr float MAX_TIME = 10000.0f;

    XC_ScriptCommand();
    ~XC_ScriptCommand() override;

    HRESULT AnalyzeCommand(XC_Script* pScriptObj, XC_TextNode* pTNodeCommand,
                           XC_SpriteWorkBase** rpSpriteWorkObj) override;
    virtual XC_Script* GetScriptObj();

protected:
    // Points the analyzer at the script's values and the node.
    void Select(XC_Script* pScriptObj, XC_TextNode* pTNodeCommand);
    HRESULT Dispatch(XC_SpriteWorkBase** rpSpriteWorkObj);
    void SetCommonFields(XC_SpriteWorkBase* pWork);
    // A delay or work time of the node, or 0 with a report when it is not a
    // finite time of 0 to MAX_TIME.
    float ReadTime(const char* szName);
    // Reports the followers of the node that wait for a
    // message its command never sends: they would never start.
    void ReportUnsentConditions(const XC_SpriteWorkBase* pWork);
    bool CanSendMessage(const XC_SpriteWorkBase* pWork, DWORD dwMessage);

    XC_Script* m_pScriptObj = nullptr;
    XF_AnalyzeCommand m_fpAnalyzeCommand = nullptr;
    std::map<XC_String, XF_AnalyzeCommand> m_CommandTable;
};

// The process-wide dispatcher every new script takes.
extern XC_ScriptCommand* g_pScriptCommandObj;
