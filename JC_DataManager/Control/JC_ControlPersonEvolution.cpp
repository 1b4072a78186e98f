#include "JC_DataManager/Control/JC_ControlPersonEvolution.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"
#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Control/JF_MergeBehavior.h"

#include <algorithm>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

const char* const s_aszEvolutionFields[] = {
    "MaxHP", "MaxSP", "ExtraNatureAttackRate", "ExtraMagicAttackRate", "ExtraNatureDefenseRate",
    "ExtraMagicDefenseRate", "ExtraHitRate", "ExtraDodgeRate", "ExtraFierceAttackRate",
};

bool IsEvolutionField(const std::string& strField)
{
    return std::find(std::begin(s_aszEvolutionFields), std::end(s_aszEvolutionFields), strField)
        != std::end(s_aszEvolutionFields);
}

} // namespace

JC_DebugLog& JC_ControlPersonEvolution::ErrorLog() const
{
    return m_pErrorLog != nullptr ? *m_pErrorLog : *gp_DebugInfoObj;
}

DWORD JC_ControlPersonEvolution::Initiation(JC_ControlPersonPower* pPowerControl)
{
    if (pPowerControl == nullptr)
        return JE_PERSONEVOLUTION_NULL_POWER;
    JC_DebugLog* pErrorLog = pPowerControl->GetErrorLog();
    if (pErrorLog == nullptr)
        return JE_PERSONEVOLUTION_NO_ERROR_LOG;
    m_pErrorLog = pErrorLog;
    JC_DataManager* pDataManager = pPowerControl->GetDataManager();
    if (pDataManager == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEvolution Initiation Fail. \r\n DataManagerObjNULLInControlPersonPowerObj \r\n ");
        return JE_PERSONEVOLUTION_NO_DATA_MANAGER;
    }
    JC_BehaviorAnalyser* pAnalyser = pPowerControl->GetBehaviorAnalyser();
    if (pAnalyser == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEvolution Initiation Fail. \r\n BehaviorAnalyserObjNULLInControlPersonPowerObj \r\n ");
        return JE_PERSONEVOLUTION_NO_ANALYSER;
    }
    const DWORD dwResult = m_ControlEvolutionObj.Initiation(pDataManager);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEquip Initiation Fail. \r\n Initiation ControlEvolutionObj Fail. \r\n "
                           "HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_pDataManager = pDataManager;
    m_pBehaviorAnalyser = pAnalyser;
    m_pPowerControl = pPowerControl;
    return 0;
}

DWORD JC_ControlPersonEvolution::SetEvolutionInfo(DWORD dwEvolutionID)
{
    if (dwEvolutionID == 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlPersonEvolution SetEvolutionInfo EvolutionIDIsZero. \r\n");
        return JE_EVOLUTION_ID_ZERO;
    }
    JC_DataComponent* pRecord = m_pDataManager != nullptr ? m_pDataManager->GetEvolutionObj(dwEvolutionID) : nullptr;
    if (pRecord == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEvolution SetEvolutionInfo GetEvolutionObjFail. \r\n EvolutionID:0x%08x \r\n",
                           static_cast<unsigned>(dwEvolutionID));
        return JE_EVOLUTION_NO_RECORD;
    }
    const DWORD dwResult = m_ControlEvolutionObj.SetDataConponent(pRecord);
    if (dwResult != 0)
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEvolution SetEvolutionInfo SetEvolutionDataConponent Fail. \r\n "
                           "HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_ControlPersonEvolution::BindEvolution(DWORD dwEvolutionID)
{
    const DWORD dwResult = SetEvolutionInfo(dwEvolutionID);
    if (dwResult != 0)
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEquip Devolution Fail. \r\n EvolutionID:0x%08x \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwEvolutionID), static_cast<unsigned>(dwResult));
    return dwResult;
}

BOOL JC_ControlPersonEvolution::CanEvolution()
{
    if (m_pPowerControl == nullptr)
        return 0;
    const DWORD dwEvolutionID = m_pPowerControl->GetEvolutionID();
    if (dwEvolutionID == 0)
        return 0;
    if (BindEvolution(dwEvolutionID) != 0)
        return 0;
    // A person without a maximum cannot be measured against it.
    const int iMaxHP = m_pPowerControl->GetMaxHP();
    if (iMaxHP == 0)
        return 0;
    const long long llPercent = static_cast<long long>(m_pPowerControl->GetHP()) * 100 / iMaxHP;
    if (m_ControlEvolutionObj.GetEvolutionHP() < llPercent)
        return 0;
    return m_pPowerControl->GetMorale() >= m_ControlEvolutionObj.GetEvolutionMorale() ? 1 : 0;
}

DWORD JC_ControlPersonEvolution::Evolution()
{
    if (m_pPowerControl == nullptr)
        return JE_EVOLUTION_NO_PERSON;
    const DWORD dwEvolutionID = m_pPowerControl->GetEvolutionID();
    if (dwEvolutionID == 0 || m_pPowerControl->GetEvolutionFlag() == 1)
        return 0;
    DWORD dwResult = BindEvolution(dwEvolutionID);
    if (dwResult != 0)
        return dwResult;
    if (m_pPowerControl->GetOperatorPerson() == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlPersonEvolution Evolution GetOperatorPersonObjFail. \r\n");
        return JE_EVOLUTION_NO_PERSON;
    }
    dwResult = WalkBehaviors(true);
    if (dwResult != 0)
        return dwResult;
    m_pPowerControl->SetEvolutionFlag(1);
    return 0;
}

DWORD JC_ControlPersonEvolution::Devolution()
{
    if (m_pPowerControl == nullptr)
        return JE_DEVOLUTION_NO_PERSON;
    if (m_pPowerControl->GetEvolutionFlag() == 0)
        return 0;
    const DWORD dwEvolutionID = m_pPowerControl->GetEvolutionID();
    if (dwEvolutionID == 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " ControlPersonEquip Devolution Fail. \r\n HaveEvolutionFlagButNoEvolutionID. \r\n ");
        return JE_DEVOLUTION_NO_EVOLUTION_ID;
    }
    DWORD dwResult = BindEvolution(dwEvolutionID);
    if (dwResult != 0)
        return dwResult;
    if (m_pPowerControl->GetOperatorPerson() == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " ControlPersonEvolution Devolution GetOperatorPersonObjFail. \r\n");
        return JE_DEVOLUTION_NO_PERSON;
    }
    dwResult = WalkBehaviors(false);
    if (dwResult != 0)
        return dwResult;
    m_pPowerControl->SetEvolutionFlag(0);
    return 0;
}

DWORD JC_ControlPersonEvolution::WalkBehaviors(bool bEvolve)
{
    JC_OperatorPerson& person = *m_pPowerControl->GetOperatorPerson();
    std::vector<std::string> behaviors;
    const DWORD dwCount = m_ControlEvolutionObj.GetEvolutionBehaviorCount();
    for (DWORD i = 0; i < dwCount; ++i)
        behaviors.push_back(m_ControlEvolutionObj.GetEvolutionBehavior(i));
    const char* szRefused = bEvolve
                                ? " Evolution YouCannotChangeThisItem. \r\n BehaviorParameter:%s \r\n ItemName:%s \r\n"
                                : " Devolution YouCannotChangeThisItem. \r\n BehaviorParameter:%s \r\n ItemName:%s \r\n";
    return JF_WalkMergeBehaviors(
        *m_pBehaviorAnalyser, ErrorLog(), s_szSourceFile, behaviors,
        bEvolve ? JE_EVOLUTION_BEHAVIOR_EMPTY : JE_DEVOLUTION_BEHAVIOR_EMPTY, true, [&](JS_MergeBehavior& merge) {
            // A field evolution may not change ends the walk.
            if (!IsEvolutionField(merge.strField)) {
                ErrorLog().PrintAt(s_szSourceFile, __LINE__, szRefused, merge.strParameter.c_str(),
                                   merge.strField.c_str());
                return false;
            }
            merge.dwIndex = 0;
            JF_MergePersonField(person, merge, bEvolve);
            return true;
        });
}
