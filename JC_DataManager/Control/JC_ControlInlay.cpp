#include "JC_DataManager/Control/JC_ControlInlay.h"

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"

#include <algorithm>
#include <array>
#include <vector>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// Fields a gem may raise by a number text; the absorb rates only ever rise.
const std::array<const char*, 7> s_aszWeaponAddFields = {"ActionScriptID", "Attack",     "ScopeLV",  "DistanceNear",
                                                         "DistanceFar",    "HeightHigh", "HeightLow"};
const std::array<const char*, 2> s_aszRisingFields = {"HPAbsorbRate", "SPAbsorbRate"};
const std::array<const char*, 2> s_aszAbsorbValueFields = {"HPAbsorbValue", "SPAbsorbValue"};

template <size_t N>
bool IsOneOf(const std::array<const char*, N>& fields, const std::string& strField)
{
    return std::find(fields.begin(), fields.end(), strField) != fields.end();
}

} // namespace

DWORD JC_ControlInlay::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    DWORD dwResult = JC_ControlBase::Initiation(pDataManager, pBehaviorAnalyser);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = FALSE;
    dwResult = InitiateOperators(
        {{m_OperatorEquipmentBaseObj,
          "初始化操作物件時發生錯誤(m_OperatorEquipmentBaseObj) \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d)\n\n"},
         {m_OperatorGemObj, "初始化操作物件時發生錯誤(m_OperatorGemObj) \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d)\n\n"},
         {m_OperatorWeaponObj, "初始化操作物件時發生錯誤(m_OperatorWeaponObj) \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d)\n\n"},
         {m_OperatorWearingObj, "初始化操作物件時發生錯誤(m_OperatorWearingObj) \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d)\n\n"}},
        s_szSourceFile);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ControlInlay::ToInlay(JC_DataComponent* pGem, JC_DataComponent* pEquipment)
{
    if (!m_bInitiated)
        return JE_INLAY_NOT_INITIATED;
    JC_DataComponent inlaid;
    DWORD dwResult = pEquipment != nullptr ? inlaid.Copy(pEquipment, JC_DataComponent::ADOPT_LAYOUT) : 0;
    bool bWeapon = false;
    if (dwResult == 0)
        dwResult = CheckInlay(pGem, pEquipment != nullptr ? &inlaid : nullptr, bWeapon);
    if (dwResult != 0) {
        ErrorLog().Print("先前作業 動作失敗 \n錯誤代碼:0X%x \n 錯誤檔案:%s(Line:%d) \n\n", static_cast<unsigned>(dwResult),
                         s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = ApplyInlay(bWeapon);
    if (dwResult != 0)
        return dwResult;
    JC_DWordArray* pGems = m_OperatorEquipmentBaseObj.GetGemArray();
    if (pGems == nullptr)
        return JE_INLAY_NO_BEHAVIOR_LIST;
    pGems->push_back(m_OperatorGemObj.GetID());
    dwResult = CheckListSizes(inlaid, bWeapon);
    if (dwResult != 0)
        return dwResult;
    return pEquipment->Copy(&inlaid, JC_DataComponent::SAME_LAYOUT);
}

DWORD JC_ControlInlay::CheckInlay(JC_DataComponent* pGem, JC_DataComponent* pEquipment, bool& bWeapon)
{
    if (pGem == nullptr) {
        ErrorLog().Print("來源魂石物件不可以是NULL \n錯誤檔案:%s(Line:%d)\n\n", s_szSourceFile, __LINE__);
        return JE_INLAY_NULL_GEM;
    }
    if (pEquipment == nullptr) {
        ErrorLog().Print("目標裝備物件不可以是NULL \n錯誤檔案:%s(Line:%d)\n\n", s_szSourceFile, __LINE__);
        return JE_INLAY_NULL_EQUIPMENT;
    }
    DWORD dwResult = m_OperatorGemObj.SetDataConponent(pGem);
    if (dwResult != 0) {
        ErrorLog().Print("將魂石物件設定到操作者時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = m_OperatorEquipmentBaseObj.SetDataConponent(pEquipment);
    if (dwResult != 0) {
        ErrorLog().Print("將裝備物件設定到裝備操作者時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    if (m_OperatorGemObj.GetIsKeyItem() == 1) {
        ErrorLog().Print("魂石為關鍵物品(KeyItem) 不可以鑲嵌 \n錯誤檔案:%s(Line:%d)\n\n", s_szSourceFile, __LINE__);
        return JE_INLAY_GEM_IS_KEY_ITEM;
    }
    if (m_OperatorEquipmentBaseObj.GetIsKeyItem() == 1) {
        ErrorLog().Print("裝備為關鍵物品(KeyItem) 不可以鑲嵌 \n錯誤檔案:%s(Line:%d)\n\n", s_szSourceFile, __LINE__);
        return JE_INLAY_EQUIPMENT_IS_KEY_ITEM;
    }
    if (static_cast<int>(m_OperatorEquipmentBaseObj.GetGemCount()) >= m_OperatorEquipmentBaseObj.GetHoleCount()) {
        ErrorLog().Print("該樁被無足夠的魂石洞供鑲嵌魂石 \n錯誤檔案:%s(Line:%d)\n\n", s_szSourceFile, __LINE__);
        return JE_INLAY_NO_FREE_HOLE;
    }
    return BindByKind(m_OperatorGemObj.GetWearPosition(), bWeapon);
}

DWORD JC_ControlInlay::BindByKind(int iGemPosition, bool& bWeapon)
{
    const struct
    {
        DWORD dwKind;
        int iGemPosition;
        JC_OperatorBase& operatorObj;
        const char* szWrongGem;
        DWORD dwWrongGem;
        const char* szBindFailure;
    } targets[] = {
        {DATACOMPONENTKIND_WEAPON, JD_GEM_FOR_WEAPON, m_OperatorWeaponObj,
         "指定的魂石 不能鑲嵌到武器上 \n該魂石可以鑲嵌的位置:0X%x \n 錯誤檔案:%s(Line:%d) \n\n", JE_INLAY_NOT_A_WEAPON_GEM,
         "將裝備物件設定到武器操作者時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n"},
        {DATACOMPONENTKIND_WEARING, JD_GEM_FOR_WEARING, m_OperatorWearingObj,
         "指定的魂石 不能鑲嵌到防具上 \n該魂石可以鑲嵌的位置:0X%x \n 錯誤檔案:%s(Line:%d) \n\n", JE_INLAY_NOT_A_WEARING_GEM,
         "將裝備物件設定到防具操作者時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d)\n\n"},
    };
    const DWORD dwKind = m_OperatorEquipmentBaseObj.GetDataComponentKind();
    bWeapon = dwKind == DATACOMPONENTKIND_WEAPON;
    for (const auto& target : targets) {
        if (target.dwKind != dwKind)
            continue;
        if (iGemPosition != target.iGemPosition) {
            ErrorLog().Print(target.szWrongGem, static_cast<unsigned>(iGemPosition), s_szSourceFile, __LINE__);
            return target.dwWrongGem;
        }
        const DWORD dwResult = target.operatorObj.SetDataConponent(m_OperatorEquipmentBaseObj.GetDataComponent());
        if (dwResult != 0)
            ErrorLog().Print(target.szBindFailure, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    ErrorLog().Print("魂石鑲嵌的目標 不是裝備品 無法鑲嵌 \n 資料元件形態:0X%x \n 錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwKind), s_szSourceFile, __LINE__);
    return JE_INLAY_NOT_EQUIPMENT;
}

DWORD JC_ControlInlay::ApplyInlay(bool bWeapon)
{
    m_OperatorEquipmentBaseObj.SetName(m_OperatorGemObj.GetTitleName() + m_OperatorEquipmentBaseObj.GetName());
    DWORD dwResult = AppendLines(m_OperatorGemObj.GetInlayBehaviorEquipArray(),
                                 m_OperatorEquipmentBaseObj.GetEquipBehaviorArray());
    if (dwResult != 0)
        return dwResult;
    if (bWeapon) {
        dwResult = AppendLines(m_OperatorGemObj.GetInlayBehaviorFightArray(), m_OperatorWeaponObj.GetFightBehavior());
        if (dwResult != 0)
            return dwResult;
    }
    const JC_StringArray* pBehaviors = m_OperatorGemObj.GetInlayBehaviorArray();
    if (pBehaviors == nullptr)
        return JE_INLAY_NO_BEHAVIOR_LIST;
    for (const std::string& strBehavior : *pBehaviors) {
        dwResult = ApplyInlayBehavior(strBehavior, bWeapon);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_ControlInlay::CheckListSizes(const JC_DataComponent& inlaid, bool bWeapon)
{
    std::vector<const char*> lists = {"Gem", "EquipBehavior"};
    if (bWeapon)
        lists.push_back("FightBehavior");
    for (const char* szList : lists) {
        DWORD dwLargest = 0;
        DWORD dwSmallest = 0;
        DWORD dwCount = 0;
        if (inlaid.GetItemVectorInfo(szList, dwLargest, dwSmallest, dwCount) && dwCount <= dwLargest)
            continue;
        ErrorLog().Print("鑲嵌後的欄位超過範本的大小 \n欄位名稱:%s \n數量:%d \n錯誤檔案:%s(Line:%d) \n\n", szList,
                         static_cast<int>(dwCount), s_szSourceFile, __LINE__);
        return JE_INLAY_LIST_FULL;
    }
    return 0;
}

DWORD JC_ControlInlay::AppendLines(const JC_StringArray* pFrom, JC_StringArray* pTo)
{
    if (pFrom == nullptr || pTo == nullptr)
        return JE_INLAY_NO_BEHAVIOR_LIST;
    pTo->insert(pTo->end(), pFrom->begin(), pFrom->end());
    return 0;
}

DWORD JC_ControlInlay::ApplyInlayBehavior(const std::string& strBehavior, bool bWeapon)
{
    const std::string strType = m_pBehaviorAnalyser->GetType(strBehavior);
    const std::string strParameter = m_pBehaviorAnalyser->GetParameter(strBehavior);
    if (strType.empty() || strParameter.empty()) {
        ErrorLog().Print("完整行為分解時 無法取得 Type指令 或 Parameter指令 \n完整行為字串:%s \n錯誤檔案:%s(Line:%d) \n\n",
                         strBehavior.c_str(), s_szSourceFile, __LINE__);
        return JE_INLAY_NO_TYPE_OR_PARAMETER;
    }
    const DWORD dwType = m_pBehaviorAnalyser->GetDefineInfo(strType);
    JC_StringArray parts;
    m_pBehaviorAnalyser->DecomposeOrder(strParameter, parts);
    if (parts.size() < 3) {
        ErrorLog().Print("分解指令 (BehaviorParameter部分) 發生錯誤 \n行為字串:%s \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                         strBehavior.c_str(), static_cast<unsigned>(JE_INLAY_TOO_FEW_PARAMETERS), s_szSourceFile,
                         __LINE__);
        return JE_INLAY_TOO_FEW_PARAMETERS;
    }
    const std::string& strField = parts[0];
    const std::string& strValue = parts[2];
    JC_OperatorBase& target = bWeapon ? static_cast<JC_OperatorBase&>(m_OperatorWeaponObj) : m_OperatorWearingObj;
    if (dwType == JD_INLAY_SET_FIELD)
        return target.SetItemDataText(strField, strValue);
    if (dwType == JD_INLAY_ADD_TO_FIELD)
        return AddToField(strParameter, strField, strValue, bWeapon);
    if (bWeapon)
        ErrorLog().Print("魂石中有不支援的魂石行為型態 \n 完整的行為字串:%s \n不支援的魂石行為型態:0X%x \n 錯誤檔案:%s(Line:%d) \n\n",
                         strBehavior.c_str(), static_cast<unsigned>(dwType), s_szSourceFile, __LINE__);
    else
        ErrorLog().Print("魂石中有不支援的魂石行為型態 \n 不支援的魂石行為型態:0X%x \n 錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwType), s_szSourceFile, __LINE__);
    return JE_INLAY_UNSUPPORTED_TYPE;
}

DWORD JC_ControlInlay::AddToField(const std::string& strParameter, const std::string& strField,
                                  const std::string& strValue, bool bWeapon)
{
    const bool bAdded = bWeapon ? IsOneOf(s_aszWeaponAddFields, strField) || IsOneOf(s_aszAbsorbValueFields, strField)
                                : strField == "ActionScriptID";
    const bool bRising = bWeapon && IsOneOf(s_aszRisingFields, strField);
    if (!bAdded && !bRising) {
        ErrorLog().Print("ToInlay() 行為命令 控制了不允許變更的欄位(或不存在) \n 完整的行為字串:%s \n不變更的欄位名稱:%s \n 錯誤檔案:%s(Line:%d) \n\n",
                         strParameter.c_str(), strField.c_str(), s_szSourceFile, __LINE__);
        return 0;
    }
    // A text that is no number would otherwise set the field to 0.
    DWORD dwNumber = 0;
    bool bPlus = false;
    bool bMinus = false;
    bool bPercent = false;
    if (JC_StrNumSwitch::SplitNumber(strValue, dwNumber, bPlus, bMinus, bPercent) != 0) {
        ErrorLog().Print("魂石行為的數值無法分析 \n 完整的行為字串:%s \n 錯誤檔案:%s(Line:%d) \n\n", strParameter.c_str(),
                         s_szSourceFile, __LINE__);
        return JE_INLAY_BAD_VALUE;
    }
    JC_OperatorBase& target = bWeapon ? static_cast<JC_OperatorBase&>(m_OperatorWeaponObj) : m_OperatorWearingObj;
    int iCurrent = 0;
    DWORD dwResult = target.GetItemData(strField, 0, &iCurrent);
    if (dwResult != 0)
        return dwResult;
    const int iNew = static_cast<int>(JC_StrNumCalculate::AddValue(static_cast<DWORD>(iCurrent), strValue));
    if (bRising && iNew <= iCurrent)
        return 0;
    return target.SetItemData(strField, 0, &iNew);
}
