#pragma once

#include "Code/Battle/BattleScript/XC_BattleResultInfo.h"
#include "GameProgram/D3DCommon/XC_RenderNode.h"
#include "GameProgram/Script/XC_ScriptSet.h"

class XC_RenderingObject;

// Turns one battle result into the scripts that show it: it loads the
// battle-script file the result names, makes a battle script of the file's
// person templates for every person of the result, and publishes the
// persons, their positions, the target floor and the skill level to all
// scripts of the file. "[BattleScriptSys]" holds the last link of every
// lookup; other root nodes become scripts of the battle command set.
class XC_BattleScriptManager : public XC_ScriptSet
{
public:
    XC_BattleScriptManager();
    ~XC_BattleScriptManager() override;

    using XC_ScriptSet::Load;
    // Copies the result and loads the file it names; failures are reported.
    HRESULT LoadBattleScript(const XC_BattleResultInfo& rBattleResultInfoObj);
    // The file, a script per result person, then the shared names.
    HRESULT Load(const char* szFileName);
    HRESULT Clear() override;
    HRESULT CreateScript(XC_TextNode* pTNodeScript) override;
    HRESULT AddBattleResultPerson(const XS_BattleResultPerson& rcBattleResultPerson);

    const XC_BattleResultInfo& GetBattleResultInfo() const { return m_BattleResultInfoObj; }

private:
    HRESULT CreateSysScript(XC_TextNode* pTNodeScript);
    // The template of a person kind, publishing the person; null when the file has none.
    XC_TextNode* PublishActivePerson(const XS_BattleResultPerson& rcBattleResultPerson);
    XC_TextNode* PublishPassivePerson(const XS_BattleResultPerson& rcBattleResultPerson);
    XC_TextNode* PublishCallPerson(const XS_BattleResultPerson& rcBattleResultPerson);
    XC_TextNode* FindTemplate(const char* szName) const;
    void AddResource(XC_RenderingObject* pRenderObj, const char* szName);
    void SetPosition(const char* szName, const D3DXVECTOR3& vPosition);
    void CreateBattleScript(XC_TextNode* pTNodeScript, const XS_BattleResultPerson& rcBattleResultPerson);
    void PublishTargetFloor();

    XC_BattleResultInfo m_BattleResultInfoObj;
    XC_RenderNode m_RenderNodeTargetFloor;
    DWORD m_dwActivePersonCount = 0;
    DWORD m_dwPassivePersonCount = 0;
};
