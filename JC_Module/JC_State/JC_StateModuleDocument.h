#pragma once

#include "JC_DataManager/Control/JC_ControlPerson.h"
#include "JC_DataManager/Control/JC_ControlTeam.h"
#include "JC_Module/JC_ModuleDocumentBase.h"

class JC_DataComponent;
class JC_StateModuleViewBase;
class JC_StateModuleView4;
class JC_StateModuleView5;
class JC_StateModuleView6;
class JC_StateModuleView7;
class JC_StateModuleViewA;
class JC_StateModuleViewC;

constexpr DWORD JE_STATEMODULEDOCUMENT_NOT_INITIATED = 0x8a000031;
constexpr DWORD JE_STATEMODULEDOCUMENT_TEAM_NOT_SUPPORT = 0x8a000032;
constexpr DWORD JE_STATEMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT = 0x8a000061;
constexpr DWORD JE_STATEMODULEDOCUMENT_MODE_NOT_SUPPORT = 0x8a000091;
// Releasing the only person the walk finds would delete the shown record.
constexpr DWORD JE_STATEMODULEDOCUMENT_RELEASE_LAST_PERSON = 0x8a0000c1;

// The character state screen: one person of a team at a time with face,
// status, attributes and equipment. It turns its views' events into changes
// of the game data and never sets a document event.
class JC_StateModuleDocument : public JC_ModuleDocumentBase
{
public:
    enum JE_Mode
    {
        MODE_NONE,
        MODE_MAIN,
        MODE_EQUIPMENT,
        MODE_THING,
        MODE_INLAY,
        MODE_SKILL,
        MODE_COUNT
    };
    enum JE_View
    {
        VIEW_FRAME,
        VIEW_STATUS,
        VIEW_TAB,
        VIEW_ATTRIBUTE,
        VIEW_EQUIPMENT,
        VIEW_CANDIDATE,
        VIEW_EXPLANATION,
        VIEW_THING,
        VIEW_QUANTITY,
        VIEW_SELECTION,
        VIEW_INLAY,
        VIEW_INLAY_CONFIRM,
        VIEW_SKILL,
        VIEW_COUNT
    };
    static constexpr int COLUMN_COUNT = 6;
    static const int SHOWN_VIEWS[MODE_COUNT][COLUMN_COUNT];
    static const int INPUT_VIEWS[MODE_COUNT][COLUMN_COUNT];

    JC_StateModuleDocument();
    ~JC_StateModuleDocument() override;

    LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    // 1 the party or 3 the fight team.
    virtual DWORD SetOperateTeam(DWORD dwTeam);
    virtual DWORD SetOperatePerson(JC_DataComponent* pPerson);
    virtual DWORD NextOperatePerson();
    virtual DWORD PrevOperatePerson();
    DWORD SetDocumentMode(int iMode) override;
    // The right button: one step back to the main page, or out of the screen.
    virtual DWORD BackDocumentMode(int iMode);
    DWORD DealViewEvent(int iViewIndex, DWORD dwViewEvent) override;
    // Fills the explanation box from the selection of the mode's list.
    virtual void ShowExplanation();
    DWORD GetOperateTeam() const { return m_dwOperateTeam; }
    int GetOperateTeamIndex() const { return m_iOperateTeamIndex; }
    BOOL IsOperatePersonCapturePet() const { return m_bCapturePet; }
    JC_ControlPerson* GetControlPerson() { return &m_ControlPersonObj; }

protected:
    JC_ModuleViewBase* NewView(int iViewIndex) override;
    JC_ControlModuleBase* GetLayoutControl() override;
    DWORD GiveChildViews() override;
    BOOL IsDocumentMessage(UINT uMsg) const override;
    void DealDocumentMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

private:
    using JF_TeamWalk = DWORD (JC_ControlTeam::*)(TeamID, int&, JC_DataComponent*&);

    JC_StateModuleViewBase* StateView(int iViewIndex) const;
    DWORD WalkOperatePerson(JF_TeamWalk pfWalk, const char* szOperation, const char* szWalk);
    // Views 2 and 4 follow whether the person is a monster of the party.
    void SetPersonViewModes();
    DWORD ReleaseCapturePet();
    DWORD DealFrameEvent(DWORD dwViewEvent);
    DWORD DealEquipmentEvent(DWORD dwViewEvent);
    DWORD DealCandidateEvent(DWORD dwViewEvent);
    // The candidate chosen in view 5 put on at its slot.
    DWORD PutOnCandidate();
    JC_StateModuleView4* EquipmentView() const;
    JC_StateModuleView5* CandidateView() const;
    JC_StateModuleView6* ExplanationView() const;
    JC_StateModuleView7* ThingView() const;
    JC_StateModuleViewA* InlayView() const;
    JC_StateModuleViewC* SkillView() const;
    void DealThingEvent(DWORD dwViewEvent);
    void DealInlayEvent(DWORD dwViewEvent);
    // The designers' keys; a failing level-up is the message's result.
    DWORD DealDesignerKey(WPARAM wParam);
    void ReloadLayout();
    void RunScriptLine(const std::string& strLine);

    DWORD m_dwOperateTeam = 1;
    int m_iOperateTeamIndex = 0;
    BOOL m_bCapturePet = 0;
    JC_ControlPerson m_ControlPersonObj;
    int m_iDealViewIndex = -1;
    DWORD m_dwDealEventId = 0;
};

// The state screen of whichever procedure runs; that procedure owns it.
extern JC_StateModuleDocument* g_pStateModuleDocumentObj;
