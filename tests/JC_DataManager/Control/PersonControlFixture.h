#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"

#include "tests/JC_DataManager/GameDataFixture.h"

#include <cstdlib>
#include <memory>

// The person controls on the generated sample game: its templates, define
// files and fixed tables, and a fresh person of job 1 made from the person
// template for each test. The fixed records belong to this test's data
// manager, so a test may change them.
class PersonControlFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(LoadSampleGameData(m_DataManager, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_Analyser.Initiation(&m_DataManager), 0u);
        m_pPerson = NewPerson();
        Set(m_pPerson.get(), "JobID", 1);
    }

    std::unique_ptr<JC_DataComponent> NewPerson()
    {
        auto pPerson = std::make_unique<JC_DataComponent>();
        EXPECT_EQ(pPerson->CreateByTemplateID(m_DataManager.GetTemplateManager()->GetTemplateList(),
                                              DATACOMPONENTKIND_PERSON),
                  0u);
        return pPerson;
    }

    static void Set(JC_DataComponent* pRecord, const std::string& strName, int iValue, DWORD dwIndex = 0)
    {
        ASSERT_EQ(pRecord->SetItemValueAt(strName, dwIndex, &iValue), 0u) << strName;
    }
    static void SetText(JC_DataComponent* pRecord, const std::string& strName, const std::string& strText)
    {
        ASSERT_EQ(pRecord->SetItemValueText(strName, strText), 0u) << strName;
    }
    static int Get(JC_DataComponent* pRecord, const std::string& strName, DWORD dwIndex = 0)
    {
        int iValue = -12345;
        pRecord->GetItemValueAt(strName, dwIndex, &iValue);
        return iValue;
    }
    void Set(const std::string& strName, int iValue, DWORD dwIndex = 0) { Set(m_pPerson.get(), strName, iValue, dwIndex); }
    int Get(const std::string& strName, DWORD dwIndex = 0) { return Get(m_pPerson.get(), strName, dwIndex); }
    // The person's own record at an equipment position.
    JC_DataComponent* Worn(const std::string& strPosition)
    {
        JC_DataComponent* pItem = nullptr;
        m_pPerson->GetItemValue(strPosition, &pItem);
        return pItem;
    }
    // A behaviour-group item of a state with its part-5 and part-6 texts.
    void AddState(DWORD dwGroup, const std::string& strState, const std::string& strPart5 = "0",
                  const std::string& strRound = "DF_RoundType_Round", int iCount = 3, const std::string& strPart6 = "0")
    {
        JC_StringArray* pItems = m_Analyser.GetBehaviorGroupItems(m_pPerson.get(), dwGroup);
        ASSERT_NE(pItems, nullptr);
        pItems->push_back("DF_State_" + strState + "," + strRound + "," + std::to_string(iCount) + ",0,0," + strPart5 +
                          "," + strPart6);
    }
    JC_StringArray& Group(DWORD dwGroup) { return *m_Analyser.GetBehaviorGroupItems(m_pPerson.get(), dwGroup); }

    TestLog m_Log;
    JC_DataManager m_DataManager;
    JC_BehaviorAnalyser m_Analyser;
    std::unique_ptr<JC_DataComponent> m_pPerson;
};
