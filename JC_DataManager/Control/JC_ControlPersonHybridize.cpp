#include "JC_DataManager/Control/JC_ControlPersonHybridize.h"

#include "JC_DataManager/Control/JC_ControlPersonTakeJob.h"
#include "JC_DataManager/Operator/JC_OperatorHybridize.h"

#include <algorithm>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

JC_DataComponent* JC_ControlPersonHybridize::FindRule(DWORD dwIDA, DWORD dwIDB) const
{
    if (m_pDataManager == nullptr)
        return nullptr;
    const DWORD dwLow = std::min(dwIDA, dwIDB);
    const DWORD dwHigh = std::max(dwIDA, dwIDB);
    JC_DataComponent* pRule = m_pDataManager->GetHybridizeObj(dwLow, dwHigh);
    return pRule != nullptr ? pRule : m_pDataManager->GetHybridizeObj(dwHigh, dwLow);
}

int JC_ControlPersonHybridize::GetTagPersonID(JC_DataComponent* pPersonA, JC_DataComponent* pPersonB)
{
    if (pPersonA == nullptr) {
        ErrorLog().Print("輸入的人物資料元件A是NULL \n錯誤檔案:%s(Line:%d) \n\n", s_szSourceFile, __LINE__);
        return -1;
    }
    if (pPersonB == nullptr) {
        ErrorLog().Print("輸入的人物資料元件B是NULL \n錯誤檔案:%s(Line:%d) \n\n", s_szSourceFile, __LINE__);
        return -1;
    }
    DWORD dwIDA = 0;
    DWORD dwResult = pPersonA->GetItemValueAt("ID", 0, &dwIDA);
    if (dwResult != 0) {
        ErrorLog().Print("取得輸入的人物資料元件A的ID時發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return -1;
    }
    DWORD dwIDB = 0;
    dwResult = pPersonB->GetItemValueAt("ID", 0, &dwIDB);
    if (dwResult != 0) {
        ErrorLog().Print("取得輸入的人物資料元件B的ID時發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return -1;
    }
    return GetTagPersonIDByID(dwIDA, dwIDB);
}

int JC_ControlPersonHybridize::GetTagPersonIDByID(DWORD dwIDA, DWORD dwIDB)
{
    JC_DataComponent* pRule = FindRule(dwIDA, dwIDB);
    if (pRule == nullptr)
        return -1;
    int iTag = -1;
    const DWORD dwResult = pRule->GetItemValueAt("TagPersonID", 0, &iTag);
    if (dwResult != 0) {
        ErrorLog().Print("取得合體欄位時(TagPersonID)發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return -1;
    }
    return iTag;
}

DWORD JC_ControlPersonHybridize::Hybridize(JC_DataComponent* pPersonA, JC_DataComponent* pPersonB,
                                           std::unique_ptr<JC_DataComponent>& pNewPerson)
{
    pNewPerson.reset();
    if (pPersonA == nullptr)
        return JE_HYBRIDIZE_NULL_PERSON_A;
    if (pPersonB == nullptr)
        return JE_HYBRIDIZE_NULL_PERSON_B;
    struct
    {
        JC_DataComponent* pPerson;
        const char* szField;
        const char* szLabel;
        DWORD dwValue;
    } reads[] = {
        {pPersonA, "ID", "PersonA:ID", 0},       {pPersonA, "Level", "PersonA:Level", 0},
        {pPersonA, "JobLevel", "PersonA:JobLevel", 0}, {pPersonB, "ID", "PersonB:ID", 0},
        {pPersonB, "Level", "PersonB:Level", 0}, {pPersonB, "JobLevel", "PersonB:JobLevel", 0},
    };
    for (auto& read : reads) {
        const DWORD dwResult = read.pPerson->GetItemValueAt(read.szField, 0, &read.dwValue);
        if (dwResult != 0) {
            ErrorLog().Print("取得人物物件欄位資料發生錯誤件 \n欄位名稱:%s \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n", read.szLabel,
                             static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
    }
    const DWORD dwIDA = reads[0].dwValue;
    const DWORD dwIDB = reads[3].dwValue;
    JC_DataComponent* pRule = FindRule(dwIDA, dwIDB);
    if (pRule == nullptr) {
        ErrorLog().Print("無法取得指定的合體表 \nPersonAID:%d \nPersonBID:%d \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<int>(std::min(dwIDA, dwIDB)), static_cast<int>(std::max(dwIDA, dwIDB)),
                         s_szSourceFile, __LINE__);
        return JE_HYBRIDIZE_NO_RULE;
    }
    JC_OperatorHybridize rule;
    DWORD dwResult = rule.Initiation(m_pDataManager);
    if (dwResult == 0)
        dwResult = rule.SetDataConponent(pRule);
    if (dwResult != 0)
        return dwResult;
    const int iSuccessRate = rule.GetSuccessRate();
    const int iTagPersonID = rule.GetTagPersonID();
    const int iFailTagPersonID = rule.GetFailTagPersonID();
    const int iTarget = Chance(iSuccessRate) ? iTagPersonID : iFailTagPersonID;
    if (iTarget == -1)
        return 0;
    const int iLevel = static_cast<int>((reads[1].dwValue + reads[4].dwValue) >> 1);
    const int iJobLevel = static_cast<int>((reads[2].dwValue + reads[5].dwValue) >> 1);

    JC_DataComponent* pFixed = m_pDataManager->GetPersonObj(static_cast<DWORD>(iTarget));
    if (pFixed == nullptr) {
        ErrorLog().Print("無法由資料庫中 取得指定的人物資料 \n人物ID:0x%X(%d) \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(iTarget), iTarget, static_cast<unsigned>(dwResult), s_szSourceFile,
                         __LINE__);
        return JE_HYBRIDIZE_NO_TARGET_PERSON;
    }
    // Until it is handed out, a failure takes the new person with it.
    auto pMade = std::make_unique<JC_DataComponent>();
    dwResult = pMade->Copy(pFixed, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult == 0)
        dwResult = SetControlPerson(pMade.get());
    if (dwResult != 0)
        return dwResult;

    const DWORD dwJobID = m_OperatorPersonObj.GetJobID();
    JC_ControlPersonTakeJob takeJob;
    dwResult = takeJob.Initiation(m_pDataManager, m_pBehaviorAnalyser);
    if (dwResult == 0)
        dwResult = takeJob.SetControlPerson(pMade.get());
    if (dwResult == 0)
        dwResult = takeJob.TakeJob(dwJobID);
    if (dwResult != 0) {
        ErrorLog().Print("人物合體後 無法設定該人物的職業 \nJobID:0X%08x(%u) \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwJobID), static_cast<unsigned>(dwJobID),
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        ForgetPerson();
        return dwResult;
    }
    if (dwJobID == 0)
        ErrorLog().Print("Warning : 魔獸合成後 JobID = 0 \n 檔案:%s(Line:%d) \n\n", s_szSourceFile, __LINE__);
    dwResult = SetLevel(iLevel, 1);
    if (dwResult != 0) {
        ErrorLog().Print("人物合體後 無法設定該人物的等級 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        ForgetPerson();
        return dwResult;
    }
    dwResult = SetJobLevel(iJobLevel, 1);
    if (dwResult != 0) {
        ErrorLog().Print("人物合體後 無法設定該人物的職業等級 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        ForgetPerson();
        return dwResult;
    }
    pNewPerson = std::move(pMade);
    return 0;
}
