#pragma once

#include "Code/Battle/BattleScript/XC_BattleResultInfo.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Sprite/XC_Sprite.h"

// The script of one person of a battle action, cut from a template of the
// battle-script file and fitted to what happened to that person: the hit or
// dodge branch, for a target the branch of its life, then the hit or dodge
// overlay. Its commands are the battle command set; the works of commands
// marked "bUseRealTime" run on a second sprite that ignores slow motion.
class XC_BattleScript : public XC_Script
{
public:
    XC_BattleScript();
    ~XC_BattleScript() override;

    // Loads a template node; E_FAIL when the node has no "[ActionList]" or
    // the person's hit or result has no branch.
    HRESULT Load(XC_TextNode* pTNodeScript) override;
    HRESULT Clear() override;
    DWORD GetWorkCount() const override;

    // Must come before Load.
    virtual HRESULT SetBattleResultPerson(const XS_BattleResultPerson& record);
    virtual const XS_BattleResultPerson* GetBattleResultPerson() const;
    virtual HRESULT PrepareResource();
    virtual HRESULT ChooseHitAndResult();
    virtual HRESULT PreparePersonPose(XC_TextNode* pTNode);

    LONG GetJumpResultCount() const { return m_lJumpResultCount; }
    void SetJumpResultCount(LONG lCount) { m_lJumpResultCount = lCount; }
    XC_Sprite* GetRealTimeSprite() { return &m_RealTimeSpriteObj; }
    // This script's own fitted action list.
    XC_TextNode* GetActionList() { return &m_TNodeActionList; }

protected:
    // Commands marked "bUseRealTime" keep their pace in slow motion.
    XC_Sprite* GetWorkSprite(const XC_TextNode* pTNodeCommand) override;
    std::vector<const char*> GetOwnSections() const override
    {
        return {"[ActionList_Hit]", "[ActionList_Dodge]"};
    }

private:
    // Puts the child chosen from the branch node in the branch's place under
    // the branch's name; false when the branch has no such child.
    bool ChooseBranch(XC_TextNode* pTNodeBranch, const char* szChild);
    HRESULT ChooseHit();
    HRESULT ChooseResult();
    // Lays the children of the template's hit or dodge overlay over the list.
    HRESULT LayOverlay(const XC_TextNode* pTNodeScript);
    void PreparePose(const XC_TextNode* pTNode);

    XS_BattleResultPerson m_sBattleResultPerson;
    XC_TextNode m_TNodeActionList;
    LONG m_lJumpResultCount = 0;
    XC_Sprite m_RealTimeSpriteObj;
};
