#include "JC_Order/DealOrder/JC_OrderDealUseWeaponAttack.h"

#include "JC_DataManager/Operator/JC_OperatorWeapon.h"
#include "JC_Order/JC_OrderInformation.h"
#include "JC_Order/JF_OrderLog.h"
#include "TemplateSystem/JC_StrNumCalculate.h"

#include <cstdlib>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

constexpr DWORD BEHAVIOR_TYPE_USE_WEAPON_ATTACK = 0x30002;
constexpr DWORD PARAMETER_COUNT = 10;

DWORD JC_OrderDealUseWeaponAttack::DealOrder()
{
    JC_OperatorWeapon* pWeapon = m_pOrderInput->GetActiveWeaponOperator(0);
    const JC_StringArray* pWeaponLines =
        pWeapon != nullptr && pWeapon->GetDataComponent() != nullptr ? pWeapon->GetFightBehavior() : nullptr;
    std::vector<std::string> lines;
    if (pWeaponLines != nullptr)
    {
        for (std::string strLine : *pWeaponLines)
        {
            // A weapon that calls on itself would splice its lines forever.
            if (m_pOrderBehavior->GetLineType(strLine) == BEHAVIOR_TYPE_USE_WEAPON_ATTACK)
                continue;
            if (strLine.find("DF_BehaviorType_Attack") != std::string::npos)
            {
                const DWORD dwResult = MergeParameters(strLine);
                if (dwResult != 0)
                    return dwResult;
            }
            lines.push_back(strLine);
        }
    }
    m_pOrderBehavior->InsertAfterCurrent(lines);
    m_pOrderBehavior->SetDealSuccess(1);
    return ORDERDEAL_NEXT_LINE;
}


DWORD JC_OrderDealUseWeaponAttack::MergeParameters(std::string& strLine) const
{
    const size_t key = strLine.find("@Parameter");
    const size_t open = key == std::string::npos ? std::string::npos : strLine.find('"', key);
    const size_t close = open == std::string::npos ? std::string::npos : strLine.find('"', open + 1);
    if (close == std::string::npos)
        return JF_OrderFail(m_pErrorLog, s_szSourceFile, __LINE__, JE_ORDERDEAL_USEWEAPONATTACK_NO_PARAMETER,
                            " UseWeaponAttack ParameterNotFound. \r\n Behavior:%s \r\n", strLine.c_str());
    const std::string strWeapon = strLine.substr(open + 1, close - open - 1) + ",";
    std::string strMerged;
    size_t start = 0;
    for (DWORD dwField = 0; dwField < PARAMETER_COUNT; ++dwField)
    {
        const size_t comma = start < strWeapon.size() ? strWeapon.find(',', start) : std::string::npos;
        const std::string strField = comma == std::string::npos ? std::string() : strWeapon.substr(start, comma - start);
        start = comma == std::string::npos ? strWeapon.size() : comma + 1;
        strMerged += MergeField(dwField, strField);
    }
    strLine.replace(open + 1, close - open - 1, strMerged);
    return 0;
}

std::string JC_OrderDealUseWeaponAttack::MergeField(DWORD dwField, const std::string& strWeapon) const
{
    const std::string strLine = m_pOrderBehavior->GetBehaviorParameter(dwField);
    const bool bEitherOne = strWeapon == "1" || strLine == "1";
    switch (dwField)
    {
    case 0:
        return strWeapon == "0" || strLine == "0" ? "0," : "1,";
    case 1:
    case 2:
        return bEitherOne ? "1," : "0,";
    case 8:
        return (strLine == "DF_Element_None" ? strWeapon : strLine) + ",";
    case 9:
        return bEitherOne ? "1" : "0";
    default:
    {
        DWORD dwValue = 0;
        bool bPlus = false;
        bool bMinus = false;
        bool bPercent = false;
        if (JC_StrNumSwitch::SplitNumber(strWeapon, dwValue, bPlus, bMinus, bPercent) != 0)
            dwValue = 0;
        const long long llMerged = static_cast<int>(JC_StrNumCalculate::AddValue(dwValue, strLine));
        std::string strMerged(1, llMerged < 0 ? '-' : '+');
        strMerged += std::to_string(std::llabs(llMerged));
        strMerged += bPercent ? "%," : ",";
        return strMerged;
    }
    }
}
