#pragma once

#include <windows.h>

class XC_Script;
class XC_SpriteWorkBase;
class XC_TextNode;

// Turns one command node of a script into a sprite work.
class XI_ScriptCommand
{
public:
    virtual ~XI_ScriptCommand() = default;
    // The new work, owned by the caller, goes to rpSpriteWorkObj; it stays
    // null for a command that acts at once.
    virtual HRESULT AnalyzeCommand(XC_Script* pScriptObj, XC_TextNode* pTNodeCommand,
                                   XC_SpriteWorkBase** rpSpriteWorkObj) = 0;
};
