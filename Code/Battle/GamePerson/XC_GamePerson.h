#pragma once

#include "GameProgram/DirectState/XC_SetDirectState.h"
#include "GameProgram/RenderingObject/XC_Person.h"
#include "GameProgram/Script/XC_ScriptSet.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class JC_DataComponent;
class XC_AnimationObject;
class XC_Floorer;
class XC_TextNode;

// Life states of a person record.
constexpr DWORD DF_LifeState_Live = 1;
constexpr DWORD DF_LifeState_Dead = 2;

// Poses the person itself chooses.
constexpr DWORD XE_POSE_STAND = 0;
constexpr DWORD XE_POSE_WEAK = 12;
constexpr DWORD XE_POSE_DEAD = 13;
constexpr DWORD XE_PERSON_STATE_NONE = 0xFFFFFFFF;

// One person on the battle floor: the animated figure joined to its record
// in the game data. It reads life state, cell, facing and shown status from
// the record, writes cell and facing back, chooses the standing pose
// (normal, weak or dead) and runs the externals script and the script of
// its current status.
class XC_GamePerson : public XC_Person
{
public:
    // A usable skill: id and level.
    using SkillList = std::vector<std::pair<DWORD, DWORD>>;

    XC_GamePerson();
    ~XC_GamePerson() override;

    virtual HRESULT Init(JC_DataComponent* pDataComponentPerson, XC_Floorer* pFloorer);
    virtual HRESULT Fini();
    virtual HRESULT GetUsableSkillList(SkillList& skillList);
    virtual BOOL CanUseSkill(DWORD dwSkillID, DWORD dwSkillLevel);
    virtual BOOL CanUseSkillPower(DWORD dwSkillPowerID);
    virtual HRESULT UpdatePersonStateFromData();
    virtual HRESULT SetPersonState(DWORD dwStateId);
    virtual HRESULT UpdateLifeState();
    virtual DWORD GetLifeState() const { return m_dwLifeState; }
    virtual HRESULT SetFloorIndex(DWORD dwFloorIndex, BOOL bSetPosition);
    virtual DWORD GetFloorIndex();
    virtual HRESULT LookTarget(DWORD dwTargetFloorIdx, BOOL bSaveDirection);
    virtual HRESULT RestoreDirectionFromDataComponent();
    virtual HRESULT BackupPersonState();
    virtual HRESULT RestorePersonState();
    HRESULT SetPose(DWORD dwPose) override;

    JC_ControlPersonPower* GetControlPersonPower() { return &m_ControlPersonPowerObj; }
    JC_DataComponent* GetDataComponentPersonObj() const;
    DWORD GetTeamIndex();
    DWORD GetPersonID();
    DWORD GetAnimationID();
    BOOL IsWeak() const { return m_bWeak; }
    DWORD GetPersonState() const { return m_dwPersonState; }
    XC_AnimationObject* GetFaceAnimation() const { return m_pFaceAniObj; }

    // Fills the table of status ids to state scripts from the list's nodes.
    static HRESULT LoadStateScriptName(const XC_TextNode* pTNode);
    // The state script of a status; null when it has none.
    static const std::string* FindStateScriptName(DWORD dwStateId);

private:
    // Loads and runs a script on the person, registered as "Person".
    void RunScriptOnPerson(XC_ScriptSet& scriptSet, const std::string& strScriptName);
    void BindRecord(JC_DataComponent* pDataComponentPerson);
    void PlaceOnRecordFloor();
    void PreparePoses();

    XC_Floorer* m_pFloorer = nullptr;
    JC_ControlPersonPower m_ControlPersonPowerObj;
    JC_DataComponent* m_pDataComponentPersonObj = nullptr;
    DWORD m_dwLifeState = DF_LifeState_Live;
    BOOL m_bWeak = FALSE;
    XC_SetDirectState m_BackupSetDirectStateObj;
    DWORD m_dwPersonState = XE_PERSON_STATE_NONE;
    XC_ScriptSet m_StateScript;
    XC_ScriptSet m_ExternalsScript;
    XC_AnimationObject* m_pFaceAniObj = nullptr;
};
