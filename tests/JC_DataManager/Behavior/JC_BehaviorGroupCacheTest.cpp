#include "JC_DataManager/Control/JC_ControlPersonPower.h"
#include "JC_DataManager/Operator/JC_OperatorPerson.h"

#include "tests/JC_DataManager/Control/PersonControlFixture.h"

#include <filesystem>
#include <functional>

namespace {

// Every write to a person's behaviour groups must be seen by the next read
// of every value derived from them, whatever the reads before it kept.
class BehaviorGroupCache : public PersonControlFixture
{
protected:
    void SetUp() override
    {
        PersonControlFixture::SetUp();
        if (IsSkipped())
            return;
        Bind();
    }
    void Bind()
    {
        ASSERT_EQ(m_Power.Initiation(&m_DataManager, &m_Analyser), 0u);
        ASSERT_EQ(m_Power.SetControlPerson(m_pPerson.get()), 0u) << m_Log.Text();
    }
    // A strength bonus used up by one use, a sleep that ends at the next
    // count-down and a blindness that an attack ends.
    void StartGroups()
    {
        for (DWORD dwGroup = 0; dwGroup < 3; ++dwGroup)
            Group(dwGroup).clear();
        Set("Strength", 100);
        Set("Dexterity", 40);
        Set("Level", 10);
        AddState(0, "Strength", "+10", "DF_RoundType_Use", 1);
        AddState(1, "Sleep", "0", "DF_RoundType_Round", 1);
        AddState(2, "Blind", "-50%", "DF_RoundType_Attacked", 2);
    }

    struct JS_Reads
    {
        int iStrength;
        int iHit;
        BOOL bCannotAct;
        std::string strText;
    };
    JS_Reads Read()
    {
        JS_Reads reads{m_Power.GetStrength(0), m_Power.GetHit(0), m_Power.IsCannotAct(), {}};
        m_Power.GetBehaviorStateText(reads.strText);
        return reads;
    }

    JC_ControlPersonPower m_Power;
};

} // namespace

TEST_F(BehaviorGroupCache, EveryWriteIsSeenByTheNextRead)
{
    const struct
    {
        const char* szWrite;
        std::function<void()> write;
        int iStrength;
        int iHit; // (Dexterity 40 + Level 10), halved while blind
        BOOL bCannotAct;
        const char* szText;
    } cases[] = {
        {"nothing", [] {}, 110, 25, 1, "眠盲"},
        {"an item added",
         [this] {
             m_Power.GetOperatorPerson()->AddBehaviorGroupLine(1, "DF_State_Strength,DF_RoundType_Round,3,0,0,+5,0");
         },
         115, 25, 1, "眠盲"},
        {"an item used up", [this] { m_Power.UseBehaviorState(JE_STATE_STRENGTH); }, 100, 25, 1,
         "眠盲"},
        {"the rounds counted down", [this] { m_Analyser.CountDownRoundBehaviors(m_pPerson.get()); },
         110, 25, 0, "盲"},
        {"an attack", [this] { m_Power.RemoveBehaviorsEndedByAttack(); }, 110, 50, 1, "眠"},
        {"a state removed", [this] { m_Power.ClearBehaviorState(JE_STATE_SLEEP); }, 110, 25, 0,
         "盲"},
        {"a group cleared", [this] { m_Analyser.ClearBehaviorGroup(m_pPerson.get(), 0); }, 100,
         25, 1, "眠盲"},
        {"the person fallen", [this] { m_Power.SetLifeState(2); }, 100, 50, 0, "正常"},
        {"an item's amount rewritten in place",
         [this] { Group(0)[0] = "DF_State_Strength,DF_RoundType_Use,1,0,0,+20,0"; }, 120, 25, 1,
         "眠盲"},
        // Same length, another state: only the texts tell the two apart.
        {"an item's state rewritten in place",
         [this] { Group(0)[0] = "DF_State_Vitality,DF_RoundType_Use,1,0,0,+10,0"; }, 100, 25, 1,
         "眠盲"},
        {"two groups swapped", [this] { Group(0).swap(Group(2)); }, 110, 25, 1, "眠盲"},
        {"the record copied from a person without states",
         [this] {
             const std::unique_ptr<JC_DataComponent> pOther = NewPerson();
             Set(pOther.get(), "Strength", 100);
             Set(pOther.get(), "Dexterity", 40);
             Set(pOther.get(), "Level", 10);
             ASSERT_EQ(m_pPerson->Copy(pOther.get(), JC_DataComponent::ADOPT_LAYOUT), 0u);
         },
         100, 50, 0, "正常"},
    };
    for (const auto& c : cases) {
        StartGroups();
        Read();
        c.write();
        const JS_Reads reads = Read();
        EXPECT_EQ(reads.iStrength, c.iStrength) << c.szWrite;
        EXPECT_EQ(reads.iHit, c.iHit) << c.szWrite;
        EXPECT_EQ(reads.bCannotAct, c.bCannotAct) << c.szWrite;
        EXPECT_EQ(reads.strText, c.szText) << c.szWrite;
    }
}

TEST_F(BehaviorGroupCache, AReloadWithOtherDefineNumbersIsSeen)
{
    // The same texts in a game whose define file gives strength and vitality
    // each other's numbers, as "InitGame" would load it.
    const char* szSample = std::getenv("OSKEL_SAMPLE_GAME");
    ASSERT_NE(szSample, nullptr);
    ScopedTempFolder folder;
    std::filesystem::copy(std::string(szSample) + "Template", folder.Path() + "\\Template",
                          std::filesystem::copy_options::recursive);
    const std::string strDefines = folder.Path() + "\\Template\\Template\\TemplateDefine\\State.h";
    std::string strText = ReadTestFile(strDefines);
    for (const auto& [szFrom, szTo] : {std::pair{"DF_State_Strength 2 ", "DF_State_Strength 3 "},
                                       std::pair{"DF_State_Vitality 3 ", "DF_State_Vitality 2 "}}) {
        const size_t at = strText.find(szFrom);
        ASSERT_NE(at, std::string::npos) << szFrom;
        strText.replace(at, std::string(szFrom).size(), szTo);
    }
    ASSERT_TRUE(WriteTestFile(strDefines, strText));

    const std::string strItem = "DF_State_Strength,DF_RoundType_Round,3,0,0,+10,0";
    // Arrays that outlive the reload, read through one cache: one it keeps
    // and one too long to keep.
    const JC_StringArray kept{strItem};
    const JC_StringArray passing(JC_BehaviorGroupCache::MAX_KEPT_ITEMS + 1, strItem);
    JC_BehaviorGroupCache cache;
    using JS_States = std::pair<DWORD, DWORD>;
    const auto States = [&] {
        const DWORD dwGeneration = m_DataManager.GetDefineGeneration();
        const DWORD dwKept = cache.IndexOf(kept, dwGeneration).index[0].State(kept[0], m_Analyser);
        const DWORD dwPassing = cache.IndexOf(passing, dwGeneration).index[0].State(passing[0], m_Analyser);
        return JS_States(dwKept, dwPassing);
    };
    EXPECT_EQ(States(), JS_States(JE_STATE_STRENGTH, JE_STATE_STRENGTH));
    Set("Strength", 100);
    Set("Vitality", 100);
    Group(0).push_back(strItem);
    EXPECT_EQ(m_Power.GetStrength(0), 110);
    EXPECT_EQ(m_Power.GetVitality(0), 100);

    // Records die with their templates: the person is made again, most
    // likely where the last one stood.
    m_pPerson.reset();
    ASSERT_EQ(m_DataManager.Initiation(folder.Path() + "\\", m_Log.Get()), 0u) << m_Log.Text();
    ASSERT_EQ(m_DataManager.InitFixedData(1), 0u) << m_Log.Text();
    m_pPerson = NewPerson();
    Set("JobID", 1);
    Set("Strength", 100);
    Set("Vitality", 100);
    Group(0).push_back(strItem);
    Bind();
    EXPECT_EQ(m_Power.GetStrength(0), 100);
    EXPECT_EQ(m_Power.GetVitality(0), 110);
    EXPECT_EQ(States(), JS_States(JE_STATE_VITALITY, JE_STATE_VITALITY));
}
