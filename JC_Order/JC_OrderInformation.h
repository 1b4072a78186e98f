#pragma once

#include "JC_Order/JC_OrderBehavior.h"
#include "JC_Order/JC_OrderInput.h"
#include "JC_Order/JC_OrderResultManager.h"

class JC_ControlGame;
class JC_ControlScene;
class JC_ControlTeam;
class JC_ControlTeamPerson;
class JC_ControlWarehouse;

constexpr DWORD JE_ORDERINFORMATION_NULL_CONTROL_MANAGER = 0x89611011;
constexpr DWORD JE_ORDERINFORMATION_CONTROL_MANAGER_NOT_INITIATED = 0x89611012;
constexpr DWORD JE_ORDERINFORMATION_TOOL_NOT_IN_WAREHOUSE = 0x89611101;
constexpr DWORD JE_ORDERINFORMATION_NO_ACTIVE = 0x89611201;
constexpr DWORD JE_ORDERINFORMATION_RESULT_COUNT_MISMATCH = 0x89611202;
constexpr DWORD JE_ORDERINFORMATION_OTHER_ACTIVE = 0x89611203;
constexpr DWORD JE_ORDERINFORMATION_SECOND_ACTION_SCRIPT = 0x89611204;
constexpr DWORD JE_ORDERINFORMATION_NO_WAREHOUSE = 0x89611205;

// One battle order as a whole: its input, its results and the walker over
// the effect's behaviour lines, with the bindings the deals need and which
// person and target are being dealt. At the end it pays for the effect and
// merges the per-target results into the final ones; a preview (predict
// mode) fills the results and changes no record.
class JC_OrderInformation
{
public:
    JC_OrderInformation() = default;
    virtual ~JC_OrderInformation() = default;
    JC_OrderInformation(const JC_OrderInformation&) = delete;
    JC_OrderInformation& operator=(const JC_OrderInformation&) = delete;

    DWORD Initiation(JC_ControlManager* pControlManager);

    BOOL IsInitiated() const { return m_bInitiated; }
    BOOL IsInputFinished() const { return m_OrderInputObj.IsFinished(); }
    JC_DebugLog* GetErrorLog() const { return Bound(m_pErrorLog); }
    JC_DataManager* GetDataManager() const { return Bound(m_pDataManager); }
    JC_BehaviorAnalyser* GetBehaviorAnalyser() const { return Bound(m_pBehaviorAnalyser); }
    JC_ControlGame* GetControlGame() const { return Bound(m_pControlGame); }
    JC_ControlScene* GetControlScene() const { return Bound(m_pControlScene); }
    JC_ControlTeam* GetControlTeam() const { return Bound(m_pControlTeam); }
    JC_ControlTeamPerson* GetControlTeamPerson() const { return Bound(m_pControlTeamPerson); }
    JC_ControlWarehouse* GetControlWarehouse() const { return Bound(m_pControlWarehouse); }
    JC_OrderInput* GetOrderInput() { return &m_OrderInputObj; }
    JC_OrderResultManager* GetOrderResultManager() { return &m_OrderResultManagerObj; }
    JC_OrderBehavior* GetOrderBehavior() { return &m_OrderBehaviorObj; }

    JC_ControlPersonPower* GetActiveControlPersonPower(DWORD dwIndex) const;
    JC_ControlPersonPower* GetPassiveControlPersonPower(DWORD dwIndex) const;
    JC_ControlPersonPower* GetFollowControlPersonPower(DWORD dwIndex) const;

    void SetActiveIndex(int iIndex) { m_iActiveIndex = iIndex; }
    void SetPassiveIndex(int iIndex) { m_iPassiveIndex = iIndex; }
    void SetFollowIndex(int iIndex) { m_iFollowIndex = iIndex; }
    int GetActiveIndex() const { return m_iActiveIndex; }
    int GetPassiveIndex() const { return m_iPassiveIndex; }
    int GetFollowIndex() const { return m_iFollowIndex; }
    // 1 a follow person, 0 a passive person, -1 none.
    int GetDealingTargetKind() const;
    JC_ControlPersonPower* GetDealingActiveControlPersonPower() const;
    JC_ControlPersonPower* GetDealingPassiveControlPersonPower() const;
    JC_OrderResultActive* GetDealingActiveResult() const;
    JC_OrderResultPassive* GetDealingPassiveResult() const;

    DWORD ConnectPassiveResoult(DWORD dwIndex);
    DWORD ConnectFollowResoult(DWORD dwIndex);
    // Takes the tool used or the skill's costs; real orders only.
    DWORD DealConsume();
    DWORD MergeResult();

private:
    template <typename T>
    T* Bound(T* pObject) const
    {
        return m_bInitiated ? pObject : nullptr;
    }
    bool IsPreview() const { return m_OrderInputObj.GetPredictMode() != 0; }
    DWORD ConsumeTool();
    void ConsumeSkill();
    DWORD GatherOther();
    void TakeActionScriptFromEffect();
    DWORD MergeActive();
    void SettleActorLife(JC_ControlPersonPower& power, JC_OrderFinalResultActive& final);
    DWORD GiveExperience(JC_ControlPersonPower& power, JC_OrderFinalResultActive& final);
    DWORD FindExperienceReceiver(JC_ControlPersonPower& power, JC_ControlPersonPower& summoner,
                                 JC_ControlPersonPower*& pReceiver);
    void MergePassive();
    DWORD GiveSpoils();
    DWORD StoreThings(const std::vector<DWORD>& kinds, const std::vector<DWORD>& ids);
    JC_OrderResultPassive* TargetResult(DWORD dwIndex) const;

    JC_OrderInput m_OrderInputObj;
    JC_OrderResultManager m_OrderResultManagerObj;
    BOOL m_bInitiated = FALSE;
    JC_ControlManager* m_pControlManager = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
    JC_DataManager* m_pDataManager = nullptr;
    JC_BehaviorAnalyser* m_pBehaviorAnalyser = nullptr;
    JC_ControlGame* m_pControlGame = nullptr;
    JC_ControlScene* m_pControlScene = nullptr;
    JC_ControlTeam* m_pControlTeam = nullptr;
    JC_ControlTeamPerson* m_pControlTeamPerson = nullptr;
    JC_ControlWarehouse* m_pControlWarehouse = nullptr;
    JC_OrderBehavior m_OrderBehaviorObj;
    int m_iActiveIndex = -1;
    int m_iPassiveIndex = -1;
    int m_iFollowIndex = -1;
};
