#include "JC_DataManager/Control/JC_ControlTeamPerson.h"

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"
#include "JC_DataManager/Manager/JC_OskelTemplateManager.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JC_StrNumCalculate.h"

#include <cstdlib>

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

constexpr DWORD LVUPTYPE_VALUE = 1;
constexpr DWORD LVUPTYPE_FIGHT_AVERAGE = 2;
constexpr DWORD LVUPTYPE_FIGHT_MAX = 3;
constexpr DWORD LVUPTYPE_FIGHT_AT = 4;
constexpr DWORD LVUPTYPE_OUR_MAX = 5;

// A wear position and what is said when taking off there, or storing what
// came off, fails.
struct JS_TakeOffStep
{
    int iPosition;
    const char* szTakeOffFailure;
    const char* szStoreFailure;
};

const JS_TakeOffStep s_aTakeOffSteps[] = {
    {JD_WEARPOSITION_BODY, "卸下身體裝備時 發生錯誤", "將卸下的身體裝備 送去倉庫時 發生錯誤"},
    {JD_WEARPOSITION_HANDLEFT, "卸下左手裝備時 發生錯誤", "將卸下的左手裝備 送去倉庫時 發生錯誤"},
    {JD_WEARPOSITION_HANDRIGHT, "卸下右手裝備時 發生錯誤", "將卸下的右手裝備 送去倉庫時 發生錯誤"},
    {JD_WEARPOSITION_FOOT, "卸下腳裝備時 發生錯誤", "將卸下的腳裝備 送去倉庫時 發生錯誤"},
    {JD_WEARPOSITION_ACCESSARY0, "卸下飾品裝備時 發生錯誤", "將卸下的飾品裝備 送去倉庫時 發生錯誤"},
    {JD_WEARPOSITION_ACCESSARY1, "卸下飾品裝備時 發生錯誤", "將卸下的飾品裝備 送去倉庫時 發生錯誤"},
};

// A relative number text: a sign before it or a "%" after it.
bool IsRelative(const std::string& strText)
{
    return !strText.empty() && (strText.front() == '+' || strText.front() == '-' || strText.back() == '%');
}

// The number of a text, its sign and "%" stripped.
DWORD PlainNumber(const std::string& strText)
{
    DWORD dwValue = 0;
    bool bPlus = false;
    bool bMinus = false;
    bool bPercent = false;
    return JC_StrNumSwitch::SplitNumber(strText, dwValue, bPlus, bMinus, bPercent) == 0 ? dwValue : 0;
}

} // namespace

DWORD JC_ControlTeamPerson::Initiation(JC_ControlTeam* pControlTeam, JC_ControlWarehouse* pControlWarehouse)
{
    m_bInitiated = FALSE;
    if (pControlTeam == nullptr)
        return JE_CONTROLTEAMPERSON_NULL_TEAM_CONTROL;
    if (!pControlTeam->IsInitiated())
        return JE_CONTROLTEAMPERSON_TEAM_CONTROL_NOT_INITIATED;
    if (pControlWarehouse == nullptr)
        return JE_CONTROLTEAMPERSON_NULL_WAREHOUSE_CONTROL;
    if (!pControlWarehouse->IsInitiated())
        return JE_CONTROLTEAMPERSON_WAREHOUSE_CONTROL_NOT_INITIATED;
    m_pControlTeam = pControlTeam;
    m_pControlWarehouse = pControlWarehouse;
    m_pErrorLog = pControlTeam->GetErrorLog();
    m_pDataManager = pControlTeam->GetDataManager();
    m_pBehaviorAnalyser = pControlTeam->GetBehaviorAnalyser();
    DWORD dwResult = m_ControlPersonObj.Initiation(m_pDataManager, m_pBehaviorAnalyser);
    if (dwResult != 0) {
        m_pErrorLog->Print("初始化 人物控制者失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                           static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = m_AccessorialTeamPersonObj.Initiation(pControlTeam);
    if (dwResult != 0) {
        m_pErrorLog->Print("初始化 JC_AccessorialTeamPerson 失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                           static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    m_bInitiated = TRUE;
    return 0;
}

std::string JC_ControlTeamPerson::MethodName(const std::string& strMethod) const
{
    std::string strName;
    return m_StringSegmentObj.GetFirstSegment(strName, strMethod);
}

std::string JC_ControlTeamPerson::Arguments(const std::string& strMethod) const
{
    std::string strArguments = strMethod;
    std::string strName;
    m_StringSegmentObj.PopSegment(strName, strArguments);
    return strArguments;
}

std::string JC_ControlTeamPerson::Argument(const std::string& strMethod, DWORD dwIndex) const
{
    std::string strArgument;
    return m_StringSegmentObj.GetSegment(strArgument, dwIndex + 1, strMethod);
}

DWORD JC_ControlTeamPerson::Define(const std::string& strKey) const
{
    return m_pDataManager->GetDefineInfo(strKey);
}

void JC_ControlTeamPerson::LogUnknownMethod(const std::string& strMethod, DWORD dwResult) const
{
    m_pErrorLog->Print("劇本指令 ControlPerson 無法識別功能名稱 \nScript:%s \nMethod:%s \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                       strMethod.c_str(), MethodName(strMethod).c_str(), static_cast<unsigned>(dwResult),
                       s_szSourceFile, __LINE__);
}

DWORD JC_ControlTeamPerson::ScriptNotify(const std::string& strText)
{
    if (!m_bInitiated)
        return JE_CONTROLTEAMPERSON_NULL_TEAM_CONTROL;
    std::string strRest = strText;
    std::string strTeam;
    std::string strTeamIndex;
    std::string strClass;
    m_StringSegmentObj.PopSegment(strTeam, strRest);
    m_StringSegmentObj.PopSegment(strTeamIndex, strRest);
    m_StringSegmentObj.PopSegment(strClass, strRest);
    return ScriptNotify(static_cast<TeamID>(Define(strTeam)), std::atoi(strTeamIndex.c_str()), strClass, strRest);
}

DWORD JC_ControlTeamPerson::ScriptNotify(TeamID teamID, int iTeamIndex, const std::string& strClass,
                                         const std::string& strMethod)
{
    if (!m_bInitiated)
        return JE_CONTROLTEAMPERSON_NULL_TEAM_CONTROL;
    DWORD dwResult = DealControlPerson(teamID, iTeamIndex);
    if (dwResult != 0)
        return dwResult;
    const struct
    {
        const char* szClass;
        DWORD (JC_ControlTeamPerson::*pfnDeal)(const std::string&);
        const char* szFailure;
    } classes[] = {
        {"Equip", &JC_ControlTeamPerson::DealEquip,
         "劇本指令 DealEquip 處理時發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
        {"Hybridize", &JC_ControlTeamPerson::DealHybridize, nullptr},
        {"LevelUp", &JC_ControlTeamPerson::DealLevelUp,
         "劇本指令 DealLevelUp 處理時發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
        {"Power", &JC_ControlTeamPerson::DealPower,
         "劇本指令 DealPower 處理時發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
        {"TakeJob", &JC_ControlTeamPerson::DealTakeJob,
         "劇本指令 DealTakeJob 處理時發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
    };
    for (const auto& handler : classes) {
        if (strClass != handler.szClass)
            continue;
        dwResult = (this->*handler.pfnDeal)(strMethod);
        if (dwResult != 0 && handler.szFailure != nullptr)
            m_pErrorLog->Print(handler.szFailure, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return 0;
    }
    m_pErrorLog->Print("劇本指令 ControlPerson 無法識別功能分類 \nScript:%s \nScriptType:%s \n錯誤檔案:%s(Line:%d) \n\n",
                       strMethod.c_str(), strClass.c_str(), s_szSourceFile, __LINE__);
    return JE_CONTROLTEAMPERSON_UNKNOWN_CLASS;
}

DWORD JC_ControlTeamPerson::DealControlPerson(TeamID teamID, int iTeamIndex)
{
    JC_DataComponent* pPerson = nullptr;
    DWORD dwResult = m_pControlTeam->GetPersonFromTeam(teamID, iTeamIndex, pPerson);
    if (dwResult != 0) {
        const DWORD dwTeam = static_cast<DWORD>(teamID);
        m_pErrorLog->Print("劇本指令 DealControlPerson 無法由指定隊伍中 取出指定的人物 \nTeamID:0x%08x(%d) \nTeamIndex:%d "
                           "\n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                           static_cast<unsigned>(dwTeam), static_cast<int>(dwTeam), iTeamIndex,
                           static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = m_ControlPersonObj.SetControlPerson(pPerson);
    if (dwResult != 0) {
        m_pErrorLog->Print("劇本指令 DealControlPerson 無法將資料元件 設定給人物控制者 \nTeamIndex:%d \n錯誤代碼:0x%x "
                           "\n錯誤檔案:%s(Line:%d) \n\n",
                           iTeamIndex, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return dwResult;
}

DWORD JC_ControlTeamPerson::DealEquip(const std::string& strMethod)
{
    const std::string strName = MethodName(strMethod);
    if (strName == "TakeOffAllEquipment")
        return TakeOffAllEquipment(strMethod, std::atoi(Argument(strMethod, 0).c_str()));
    if (strName == "TakeOffEquipment")
        return TakeOffEquipment(strMethod, Argument(strMethod, 0), std::atoi(Argument(strMethod, 1).c_str()));
    if (strName == "PutOnEquipment") {
        return PutOnEquipment(strMethod, Argument(strMethod, 0),
                              static_cast<DWORD>(std::atoi(Argument(strMethod, 1).c_str())), Argument(strMethod, 2),
                              std::atoi(Argument(strMethod, 3).c_str()));
    }
    LogUnknownMethod(strMethod, JE_CONTROLTEAMPERSON_UNKNOWN_EQUIP);
    return JE_CONTROLTEAMPERSON_UNKNOWN_EQUIP;
}

DWORD JC_ControlTeamPerson::DealHybridize(const std::string&)
{
    return 0;
}

DWORD JC_ControlTeamPerson::DealLevelUp(const std::string& strMethod)
{
    const std::string strName = MethodName(strMethod);
    if (strName == "SetLevel") {
        return SetLevel(strMethod, Argument(strMethod, 0), Argument(strMethod, 1),
                        std::atoi(Argument(strMethod, 2).c_str()), std::atoi(Argument(strMethod, 3).c_str()));
    }
    if (strName == "SetJobLevel")
        return SetJobLevel(strMethod, Argument(strMethod, 0), Argument(strMethod, 1));
    LogUnknownMethod(strMethod, JE_CONTROLTEAMPERSON_UNKNOWN_LEVELUP);
    return JE_CONTROLTEAMPERSON_UNKNOWN_LEVELUP;
}

DWORD JC_ControlTeamPerson::DealPower(const std::string& strMethod)
{
    const std::string strName = MethodName(strMethod);
    if (strName == "Change")
        return ChangeItem(Arguments(strMethod));
    if (strName == "Merge" || strName == "MergeEx")
        return MergeItem(Arguments(strMethod), strName == "MergeEx");
    LogUnknownMethod(strMethod, JE_CONTROLTEAMPERSON_UNKNOWN_POWER);
    return JE_CONTROLTEAMPERSON_UNKNOWN_POWER;
}

DWORD JC_ControlTeamPerson::DealTakeJob(const std::string& strMethod)
{
    if (MethodName(strMethod) != "SetPersonJob") {
        LogUnknownMethod(strMethod, JE_CONTROLTEAMPERSON_UNKNOWN_TAKEJOB);
        return JE_CONTROLTEAMPERSON_UNKNOWN_TAKEJOB;
    }
    JC_ControlPersonTakeJob* pTakeJob = m_ControlPersonObj.GetControlPersonTakeJob();
    if (pTakeJob == nullptr)
        return JE_TAKEJOB_NOT_BOUND;
    return pTakeJob->TakeJob(static_cast<DWORD>(std::atoi(Argument(strMethod, 0).c_str())));
}

DWORD JC_ControlTeamPerson::SendToWarehouse(std::unique_ptr<JC_DataComponent>& pTaken, int iSendToWarehouse) const
{
    DWORD dwResult = 0;
    if (iSendToWarehouse != 0 && pTaken != nullptr)
        dwResult = m_pControlWarehouse->AddThingObj(pTaken.get());
    pTaken.reset();
    return dwResult;
}

DWORD JC_ControlTeamPerson::TakeOffAllEquipment(const std::string& strMethod, int iSendToWarehouse)
{
    JC_ControlPersonEquip* pEquip = m_ControlPersonObj.GetControlPersonEquip();
    if (pEquip == nullptr)
        return JE_TAKEOFF_NOT_BOUND;
    for (const JS_TakeOffStep& step : s_aTakeOffSteps) {
        std::unique_ptr<JC_DataComponent> pTaken;
        DWORD dwResult = pEquip->TakeOffEquipment(step.iPosition, pTaken);
        const char* szStep = step.szTakeOffFailure;
        if (dwResult == 0) {
            dwResult = SendToWarehouse(pTaken, iSendToWarehouse);
            szStep = step.szStoreFailure;
        }
        if (dwResult != 0) {
            m_pErrorLog->Print("劇本指令 ControlPerson,TakeOffAllEquipment 動作錯誤 \n%s \nScript:%s \n錯誤代碼:0x%x "
                               "\n錯誤檔案:%s(Line:%d) \n\n",
                               szStep, strMethod.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_ControlTeamPerson::TakeOffEquipment(const std::string& strMethod, const std::string& strPositionKey,
                                             int iSendToWarehouse)
{
    JC_ControlPersonEquip* pEquip = m_ControlPersonObj.GetControlPersonEquip();
    if (pEquip == nullptr)
        return JE_TAKEOFF_NOT_BOUND;
    std::unique_ptr<JC_DataComponent> pTaken;
    DWORD dwResult = pEquip->TakeOffEquipment(static_cast<int>(Define(strPositionKey)), pTaken);
    if (dwResult != 0) {
        m_pErrorLog->Print("劇本指令 ControlPerson,TakeOffEquipment 動作錯誤 \nScript:%s \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) "
                           "\n\n",
                           strMethod.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = SendToWarehouse(pTaken, iSendToWarehouse);
    if (dwResult != 0) {
        m_pErrorLog->Print("劇本指令 ControlPerson,TakeOffEquipment 將卸下的裝備 送去倉庫時 發生錯誤 \nScript:%s \n錯誤代碼:0x%x "
                           "\n錯誤檔案:%s(Line:%d) \n\n",
                           strMethod.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return dwResult;
}

DWORD JC_ControlTeamPerson::PutOnEquipment(const std::string& strMethod, const std::string& strThingKindKey,
                                           DWORD dwThingID, const std::string& strPositionKey, int iSendToWarehouse)
{
    const DWORD dwThingKind = Define(strThingKindKey);
    if (dwThingKind != THINGKIND_WEAPON && dwThingKind != THINGKIND_WEARING) {
        m_pErrorLog->Print("劇本指令 ControlPerson,PutOnEquipment 發生錯誤(指定的物品種類不支援) \nScript:%s \n錯誤代碼:0x%x "
                           "\n錯誤檔案:%s(Line:%d) \n\n",
                           strMethod.c_str(), 0u, s_szSourceFile, __LINE__);
        return JE_CONTROLTEAMPERSON_PUTON_BAD_KIND;
    }
    JC_DataComponent* pThing = m_pControlWarehouse->GetFixedThingObj(dwThingKind, dwThingID);
    if (pThing == nullptr) {
        m_pErrorLog->Print("劇本指令 ControlPerson,PutOnEquipment 發生錯誤(無法去得指定的物品) \nScript:%s \n錯誤代碼:0x%x "
                           "\n錯誤檔案:%s(Line:%d) \n\n",
                           strMethod.c_str(), static_cast<unsigned>(JE_CONTROLTEAMPERSON_PUTON_NO_THING),
                           s_szSourceFile, __LINE__);
        return JE_CONTROLTEAMPERSON_PUTON_NO_THING;
    }
    JC_ControlPersonEquip* pEquip = m_ControlPersonObj.GetControlPersonEquip();
    if (pEquip == nullptr)
        return JE_PUTON_NOT_BOUND;
    std::unique_ptr<JC_DataComponent> pTakenFirst;
    std::unique_ptr<JC_DataComponent> pTakenSecond;
    DWORD dwResult = pEquip->PutOnEquipment(static_cast<int>(Define(strPositionKey)), pThing, pTakenFirst, pTakenSecond);
    if (dwResult != 0) {
        m_pErrorLog->Print("劇本指令 ControlPerson,PutOnEquipment 為人物裝備時 發生錯誤 \nScript:%s \n錯誤代碼:0x%x "
                           "\n錯誤檔案:%s(Line:%d) \n\n",
                           strMethod.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = SendToWarehouse(pTakenFirst, iSendToWarehouse);
    if (dwResult == 0)
        dwResult = SendToWarehouse(pTakenSecond, iSendToWarehouse);
    if (dwResult != 0) {
        m_pErrorLog->Print("劇本指令 ControlPerson,PutOnEquipment 將卸下的裝備 送去倉庫時 發生錯誤 \nScript:%s \n錯誤代碼:0x%x "
                           "\n錯誤檔案:%s(Line:%d) \n\n",
                           strMethod.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return dwResult;
}

bool JC_ControlTeamPerson::ReferenceLevel(DWORD dwLvUpType, int iTeamIndex, DWORD& dwLevel)
{
    switch (dwLvUpType) {
    case LVUPTYPE_FIGHT_AVERAGE: {
        const int iOwnTeamIndex = m_ControlPersonObj.GetControlPersonPower()->GetTeamID();
        // Alone in the fight team the average is 0, below every level.
        dwLevel = static_cast<DWORD>(m_AccessorialTeamPersonObj.GetFightAverageLevelExcept(iOwnTeamIndex));
        return true;
    }
    case LVUPTYPE_FIGHT_MAX:
        dwLevel = static_cast<DWORD>(m_AccessorialTeamPersonObj.GetFightMaxLevel());
        return true;
    case LVUPTYPE_FIGHT_AT:
        dwLevel = static_cast<DWORD>(m_AccessorialTeamPersonObj.GetFightLevelAt(iTeamIndex));
        return true;
    case LVUPTYPE_OUR_MAX:
        dwLevel = static_cast<DWORD>(m_AccessorialTeamPersonObj.GetOurMaxLevel());
        return true;
    default:
        return false;
    }
}

DWORD JC_ControlTeamPerson::SetLevel(const std::string& strMethod, const std::string& strLvUpTypeKey,
                                     const std::string& strLevel, int iPointFlag, int iTeamIndex)
{
    JC_ControlPersonLevelUp* pLevelUp = m_ControlPersonObj.GetControlPersonLevelUp();
    if (pLevelUp == nullptr)
        return JE_LEVELUP_SET_NOT_BOUND;
    const DWORD dwLvUpType = Define(strLvUpTypeKey);
    DWORD dwLevel = 0;
    if (dwLvUpType == LVUPTYPE_VALUE) {
        dwLevel = PlainNumber(strLevel);
    } else if (ReferenceLevel(dwLvUpType, iTeamIndex, dwLevel)) {
        if (IsRelative(strLevel))
            dwLevel = JC_StrNumCalculate::AddValue(dwLevel, strLevel);
    } else {
        m_pErrorLog->Print("劇本指令 ControlPerson,SetLevel 無法識別 等級提升方式 \nScript:%s \nLvUpType:%s \n錯誤代碼:0x%x "
                           "\n錯誤檔案:%s(Line:%d) \n\n",
                           strMethod.c_str(), strLvUpTypeKey.c_str(),
                           static_cast<unsigned>(JE_CONTROLTEAMPERSON_UNKNOWN_LVUPTYPE), s_szSourceFile, __LINE__);
        return JE_CONTROLTEAMPERSON_UNKNOWN_LVUPTYPE;
    }
    const DWORD dwResult = pLevelUp->SetLevel(static_cast<int>(dwLevel), iPointFlag != 0 ? TRUE : FALSE);
    if (dwResult != 0) {
        m_pErrorLog->Print("劇本指令 ControlPerson 設定人物新等級時 發生錯誤 \nScript:%s \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                           strMethod.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return dwResult;
}

DWORD JC_ControlTeamPerson::SetJobLevel(const std::string& strMethod, const std::string& strLvUpTypeKey,
                                        const std::string& strJobLevel)
{
    JC_ControlPersonLevelUp* pLevelUp = m_ControlPersonObj.GetControlPersonLevelUp();
    if (pLevelUp == nullptr)
        return JE_JOBLEVEL_SET_NOT_BOUND;
    const DWORD dwLvUpType = Define(strLvUpTypeKey);
    if (dwLvUpType == LVUPTYPE_VALUE) {
        const DWORD dwResult = pLevelUp->SetJobLevel(static_cast<int>(PlainNumber(strJobLevel)), FALSE);
        if (dwResult != 0) {
            m_pErrorLog->Print("劇本指令 ControlPerson 設定人物新職業等級時 發生錯誤 \nScript:%s \n錯誤代碼:0x%x "
                               "\n錯誤檔案:%s(Line:%d) \n\n",
                               strMethod.c_str(), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        }
        return dwResult;
    }
    if (dwLvUpType >= LVUPTYPE_FIGHT_AVERAGE && dwLvUpType <= LVUPTYPE_FIGHT_AT) {
        m_pErrorLog->Print("劇本指令 ControlPerson,SetJobLevel 該等級提升方式 目前不使用\nScript:%s \nLvUpType:%s \n錯誤代碼:0x%x "
                           "\n錯誤檔案:%s(Line:%d) \n\n",
                           strMethod.c_str(), strLvUpTypeKey.c_str(),
                           static_cast<unsigned>(JE_CONTROLTEAMPERSON_JOBLEVEL_UNUSED_LVUPTYPE), s_szSourceFile,
                           __LINE__);
        return JE_CONTROLTEAMPERSON_JOBLEVEL_UNUSED_LVUPTYPE;
    }
    m_pErrorLog->Print("劇本指令 ControlPerson,SetJobLevel 無法識別 等級提升方式 \nScript:%s \nLvUpType:%s \n錯誤代碼:0x%x "
                       "\n錯誤檔案:%s(Line:%d) \n\n",
                       strMethod.c_str(), strLvUpTypeKey.c_str(),
                       static_cast<unsigned>(JE_CONTROLTEAMPERSON_JOBLEVEL_UNKNOWN_LVUPTYPE), s_szSourceFile, __LINE__);
    return JE_CONTROLTEAMPERSON_JOBLEVEL_UNKNOWN_LVUPTYPE;
}

DWORD JC_ControlTeamPerson::SplitFieldCommand(const std::string& strArguments, std::string& strItemName,
                                              DWORD& dwItemIndex, std::string& strValue) const
{
    // Short commands are refused, never read past their end.
    if (m_StringSegmentObj.GetSegmentCount(strArguments) < 3) {
        m_pErrorLog->Print("分解 指令分解時 發生錯誤 \n指令字串:%s \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                           strArguments.c_str(), static_cast<unsigned>(JE_CONTROLTEAMPERSON_SHORT_COMMAND),
                           s_szSourceFile, __LINE__);
        return JE_CONTROLTEAMPERSON_SHORT_COMMAND;
    }
    std::string strItemIndex;
    m_StringSegmentObj.GetSegment(strItemName, 0, strArguments);
    m_StringSegmentObj.GetSegment(strItemIndex, 1, strArguments);
    m_StringSegmentObj.GetSegment(strValue, 2, strArguments);
    dwItemIndex = static_cast<DWORD>(std::atoi(strItemIndex.c_str()));
    return 0;
}

DWORD JC_ControlTeamPerson::ChangeItem(const std::string& strArguments)
{
    std::string strItemName;
    DWORD dwItemIndex = 0;
    std::string strDefine;
    const DWORD dwSplit = SplitFieldCommand(strArguments, strItemName, dwItemIndex, strDefine);
    if (dwSplit != 0)
        return dwSplit;
    const DWORD dwValue = Define(strDefine);
    if (dwValue == JE_DEFINE_NOT_FOUND) {
        m_pErrorLog->Print("發現不明的範本定義 \n不明的範本定義字串:%s \n錯誤檔案:%s(Line:%d) \n\n", strDefine.c_str(),
                           s_szSourceFile, __LINE__);
        return JE_CONTROLTEAMPERSON_UNKNOWN_DEFINE;
    }
    JC_OperatorPerson* pPerson = m_ControlPersonObj.GetOperatorPerson();
    const DWORD dwResult = pPerson != nullptr
                               ? pPerson->SetItemData(strItemName, dwItemIndex, &dwValue)
                               : JE_CONTROLPERSON_NOT_INITIATED;
    if (dwResult != 0) {
        m_pErrorLog->Print("設定欄位資料時 發生錯誤 \n 錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                           static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    }
    return dwResult;
}

DWORD JC_ControlTeamPerson::MergeItem(const std::string& strArguments, bool bAnyNumberText)
{
    std::string strItemName;
    DWORD dwItemIndex = 0;
    std::string strNumber;
    const DWORD dwSplit = SplitFieldCommand(strArguments, strItemName, dwItemIndex, strNumber);
    if (dwSplit != 0)
        return dwSplit;
    const bool bSigned = !strNumber.empty() && (strNumber.front() == '+' || strNumber.front() == '-');
    if (!bAnyNumberText && (!bSigned || strNumber.back() == '%')) {
        m_pErrorLog->Print("指令的 參數3 格式不合規定 格式為 \"(+,-)n\" \n指令字串:%s \n 錯誤檔案:%s(Line:%d) \n\n",
                           strArguments.c_str(), s_szSourceFile, __LINE__);
        return 0;
    }
    JC_ControlPersonPower* pPower = m_ControlPersonObj.GetControlPersonPower();
    if (pPower == nullptr)
        return 0;
    DWORD dwCurrent = 0;
    pPower->GetItemDataAt(strItemName, dwItemIndex, &dwCurrent);
    const int iValue = static_cast<int>(JC_StrNumCalculate::AddValue(dwCurrent, strNumber));
    // These four have their maxima: the power control holds them there.
    if (strItemName == "HP")
        pPower->SetHP(iValue);
    else if (strItemName == "SP")
        pPower->SetSP(iValue);
    else if (strItemName == "RAP")
        pPower->SetRAP(iValue);
    else if (strItemName == "Morale")
        pPower->SetMorale(iValue);
    else
        pPower->SetItemDataAt(strItemName, dwItemIndex, &iValue);
    return 0;
}
