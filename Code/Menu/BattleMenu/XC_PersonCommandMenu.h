#pragma once

#include "GameProgram/Common/XC_Timer.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

class XC_AnimationObject;
class XC_RenderAnimation;
class XC_TextNode;

enum ePersonCommandId
{
    PCI_Move = 0,
    PCI_Attack,
    PCI_Skill,
    PCI_Tools,
    PCI_Evolution,
    PCI_Devolution,
    PCI_CoordinatedAttack,
    PCI_Wait,
    XD_PersonCommandIdCount
};

// The ring of a person's commands: discs with labels that fly from a rest
// angle onto an arc beside the person when the ring opens, and gather on the
// chosen command (or back at the rest angle) when it closes.
class XC_PersonCommandMenu : public XC_RenderObjManager, public XC_Timer
{
public:
    static constexpr DWORD NO_COMMAND = 99;
    enum { RING_OPENING = 0, RING_OPEN = 1, RING_CLOSING = 2, RING_CLOSED = 3 };
    enum { COMMAND_ENABLED = 0, COMMAND_DISABLED = 1, COMMAND_HIDDEN = 2 };

    XC_PersonCommandMenu();
    ~XC_PersonCommandMenu() override;

    HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    HRESULT Fini();
    void EnableAllCommands();
    void DisableCommand(DWORD ePersonCommandId);
    void HideCommand(DWORD ePersonCommandId);
    // Opens (1) or closes (0) the ring.
    void SetShow(BOOL bShow) override;
    BOOL HitTestCommand(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, float* pfDistance,
                        DWORD* pdwIndex);
    void SetFocusCommand(DWORD dwIndex);
    void ResetCommandArc();
    // The ring's animation step.
    void Update(float fDelta) override;
    using XC_RenderNode::Update;

    DWORD GetRingPhase() const { return m_iRingPhase; }
    DWORD GetFocusCommand() const { return m_iFocusCommand; }
    float GetCommandAngle(DWORD dwIndex) const { return m_Commands[dwIndex].fAngle; }
    DWORD GetCommandState(DWORD dwIndex) const { return m_Commands[dwIndex].iCommandState; }

private:
    struct Command
    {
        XC_RenderAnimation* pDisc = nullptr;
        XC_RenderAnimation* pLabel = nullptr;
        DWORD iCommandState = COMMAND_ENABLED;
        float fAngle = 0.0f;
        float fStartAngle = 0.0f;
        float fEndAngle = 0.0f;
    };

    void Build(const XC_TextNode* pTNodeSys);
    void BuildCommand(DWORD dwIndex, const XC_TextNode* pTNodeCommand);
    void SetCommandState(DWORD ePersonCommandId, DWORD dwState);
    void ResetAngles();
    void PlaceDisc(const Command& command) const;
    void Open();
    void Close();

    XC_RenderAnimation* m_pRA_Arc = nullptr;
    XC_RenderAnimation* m_pRA_Action = nullptr;
    DWORD m_dwOpen = 0;
    XC_AnimationObject* m_pAniObj_Enable = nullptr;
    XC_AnimationObject* m_pAniObj_Disable = nullptr;
    float m_fRadius = 0.0f;
    float m_fRestAngle = 0.0f;
    float m_fWorkTime = 0.0f;
    Command m_Commands[XD_PersonCommandIdCount];
    DWORD m_dwResetArc = 0;
    DWORD m_iRingPhase = RING_CLOSED;
    DWORD m_iFocusCommand = NO_COMMAND;
    float m_fElapsed = 0.0f;
};
