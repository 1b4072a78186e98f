#include "JC_DataManager/Manager/JC_Oskel3UnfixedDataManager.h"

#include "JC_DataManager/Manager/JC_Oskel3Envelope.h"
#include "JC_DataManager/Operator/JC_Oskel3OperatorBase.h"
#include "TemplateSystem/JC_DataArrayManager.h"
#include "TemplateSystem/JC_LineReader.h"

#include "tests/JC_DataManager/Import/Oskel3SaveFolder.h"

namespace {

// The envelope with its first key byte changed: the text decodes wrong.
std::string WithWrongKey(std::string strFile)
{
    strFile[16] = static_cast<char>(strFile[16] + 1);
    return strFile;
}

// A previous-title save manager on the sample game's previous-title
// templates and a folder of saves.
class Oskel3UnfixedDataManager : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(LoadOskel3Templates(m_Templates, m_Log.Get()), 0u) << m_Log.Text();
        ASSERT_EQ(m_Manager.Initiation(m_Saves.Path(), &m_Templates), 0u) << m_Log.Text();
        m_Save.iMoney = 4321;
        m_Save.iEventFlag = 2;
        m_Save.gems = {{5, 250}, {0, 0}, {7, 3}};
        m_Save.weapons = {9};
    }

    JC_DataComponent* Record(DWORD dwKind, DWORD dwPosition) const
    {
        const JC_DataComponentMaker* pManager = m_Manager.GetUnfixedDataObj(dwKind);
        return pManager != nullptr ? pManager->GetComponent(JC_DataOrder{0, dwPosition}) : nullptr;
    }

    TestLog m_Log;
    JC_OskelTemplateManager m_Templates;
    Oskel3SaveFolder m_Saves;
    Oskel3Save m_Save;
    JC_Oskel3UnfixedDataManager m_Manager;
};

} // namespace

TEST_F(Oskel3UnfixedDataManager, LoadsTheFiveFilesOfASlot)
{
    m_Saves.WriteSlot(96, m_Save);
    ASSERT_EQ(m_Manager.LoadOskel3UnfixedData(96), 0u) << m_Log.Text();

    JC_Oskel3OperatorBase game;
    ASSERT_EQ(game.Initiation(m_Log.Get(), Record(OSKEL3UNFIXEDDATAKIND_GAME, 0)), 0u);
    int iValue = 0;
    EXPECT_EQ(game.GetItemData("EventFlag", 450, &iValue), 0u);
    EXPECT_EQ(iValue, 2);
    EXPECT_EQ(game.GetItemData("Money", 0, &iValue), 0u);
    EXPECT_EQ(iValue, 4321);

    const auto* pGems = static_cast<const JC_DataArrayManager*>(m_Manager.GetUnfixedDataObj(OSKEL3UNFIXEDDATAKIND_WAREHOUSEGEM));
    ASSERT_NE(pGems, nullptr);
    EXPECT_EQ(pGems->GetComponentCount(), 3u);
    JC_Oskel3OperatorBase gem;
    ASSERT_EQ(gem.Initiation(m_Log.Get(), Record(OSKEL3UNFIXEDDATAKIND_WAREHOUSEGEM, 0)), 0u);
    DWORD dwValue = 0;
    EXPECT_EQ(gem.GetItemData("ThingCount", 0, &dwValue), 0u);
    EXPECT_EQ(dwValue, 250u);
    EXPECT_NE(m_Manager.GetUnfixedDataObj(OSKEL3UNFIXEDDATAKIND_WAREHOUSEWEARING), nullptr);
    EXPECT_EQ(m_Manager.GetUnfixedDataObj(OSKEL3UNFIXEDDATAKIND_LIMIT), nullptr);
    EXPECT_EQ(m_Log.Text(), "");
}

TEST_F(Oskel3UnfixedDataManager, RefusesBeforeInitiationAndAfterReset)
{
    JC_Oskel3UnfixedDataManager manager;
    EXPECT_EQ(manager.LoadOskel3UnfixedData(0), JE_OSKEL3DATA_NOT_INITIATED);
    EXPECT_EQ(manager.Initiation(m_Saves.Path(), nullptr), JE_OSKEL3DATA_NULL_TEMPLATE_MANAGER);
    JC_OskelTemplateManager notLoaded;
    EXPECT_EQ(manager.Initiation(m_Saves.Path(), &notLoaded), JE_OSKEL3DATA_TEMPLATE_MANAGER_NOT_INITIATED);

    m_Saves.WriteSlot(3, m_Save);
    ASSERT_EQ(m_Manager.LoadOskel3UnfixedData(3), 0u) << m_Log.Text();
    EXPECT_EQ(m_Manager.Reset(), 0u);
    EXPECT_EQ(m_Manager.GetUnfixedDataObj(OSKEL3UNFIXEDDATAKIND_GAME), nullptr);
    EXPECT_EQ(m_Manager.LoadOskel3UnfixedData(3), JE_OSKEL3DATA_NOT_INITIATED);
}

TEST_F(Oskel3UnfixedDataManager, SlotAbove99KeepsWhatIsLoaded)
{
    m_Saves.WriteSlot(99, m_Save);
    ASSERT_EQ(m_Manager.LoadOskel3UnfixedData(99), 0u) << m_Log.Text();
    EXPECT_EQ(m_Manager.LoadOskel3UnfixedData(100), JE_OSKEL3DATA_INDEX_OVERLOAD);
    EXPECT_EQ(m_Manager.LoadOskel3UnfixedData(0xFFFFFFFF), JE_OSKEL3DATA_INDEX_OVERLOAD);
    EXPECT_EQ(m_Log.Count(" LoadOskel3UnfixedData IndexOverload. \r\n Index:100(MaxIndex:99) \r\n "), 1u);
    EXPECT_NE(Record(OSKEL3UNFIXEDDATAKIND_GAME, 0), nullptr);
}

// A bad file stops the load at its kind with a report naming it; the kinds
// before it stay loaded, the failing one and those after it stay empty.
TEST_F(Oskel3UnfixedDataManager, BadFilesAreReportedByName)
{
    const struct
    {
        const char* szName;
        DWORD dwKind;
        std::string strBytes;
        DWORD dwResult;
        const char* szReport;
    } cases[] = {
        {"Missing", OSKEL3UNFIXEDDATAKIND_WAREHOUSETOOL, "", JE_READER_CANNOT_OPEN, " LoadOskel3UnfixedData Decode Fail."},
        {"Method4", OSKEL3UNFIXEDDATAKIND_GAME, Oskel3Envelope(Oskel3GameText(1, 2), 4), JE_ENVELOPE_METHOD,
         " LoadOskel3UnfixedData Decode Fail."},
        {"KeyLength13", OSKEL3UNFIXEDDATAKIND_WAREHOUSEGEM, Oskel3Envelope(Oskel3GameText(1, 2), 3, std::string(13, '\x01')),
         JE_ENVELOPE_KEY_LENGTH, " LoadOskel3UnfixedData Decode Fail."},
        {"WrongKey", OSKEL3UNFIXEDDATAKIND_WAREHOUSEWEARING, WithWrongKey(Oskel3Envelope(Oskel3GameText(1, 2), 3)),
         0, " AnalyzeOskel3UnfixedDataFile Fail."},
        {"CutShort", OSKEL3UNFIXEDDATAKIND_WAREHOUSEWEAPON, Oskel3Envelope(Oskel3GameText(1, 2).substr(0, 150), 1), 0,
         " AnalyzeOskel3UnfixedDataFile Fail."},
        {"PlainEmpty", OSKEL3UNFIXEDDATAKIND_GAME, "FEFE", 0, " AnalyzeOskel3UnfixedDataFile Fail."},
    };
    for (const auto& c : cases) {
        m_Log.Clear();
        m_Saves.WriteSlot(12, m_Save);
        if (c.strBytes.empty())
            std::filesystem::remove(m_Saves.SlotFile(12, c.dwKind));
        else
            m_Saves.WriteFile(12, c.dwKind, c.strBytes);
        const DWORD dwResult = m_Manager.LoadOskel3UnfixedData(12);
        if (c.dwResult != 0)
            EXPECT_EQ(dwResult, c.dwResult) << c.szName;
        else
            EXPECT_TRUE(dwResult & 0x80000000) << c.szName << std::hex << dwResult;
        const std::string strLog = m_Log.Text();
        EXPECT_NE(strLog.find(c.szReport), std::string::npos) << c.szName << strLog;
        EXPECT_NE(strLog.find("DataFileName:" + m_Saves.SlotFile(12, c.dwKind)), std::string::npos) << c.szName << strLog;
        for (DWORD dwKind = 0; dwKind < OSKEL3UNFIXEDDATAKIND_LIMIT; ++dwKind)
            EXPECT_EQ(m_Manager.GetUnfixedDataObj(dwKind) != nullptr, dwKind < c.dwKind) << c.szName << dwKind;
    }
}

TEST_F(Oskel3UnfixedDataManager, OperatorReportsWhatItCannotRead)
{
    JC_Oskel3OperatorBase reader;
    int iValue = 7;
    EXPECT_EQ(reader.GetItemData("Money", 0, &iValue), JE_OSKEL3OPERATOR_NULL_RECORD);
    EXPECT_EQ(reader.Initiation(nullptr, nullptr), JE_OSKEL3OPERATOR_NULL_LOG);
    EXPECT_EQ(reader.Initiation(m_Log.Get(), nullptr), JE_OSKEL3OPERATOR_NULL_RECORD);
    EXPECT_EQ(m_Log.Count(" Initiation DataComponentObj NULL. \r\n "), 1u);

    m_Saves.WriteSlot(0, m_Save);
    ASSERT_EQ(m_Manager.LoadOskel3UnfixedData(0), 0u) << m_Log.Text();
    ASSERT_EQ(reader.Initiation(m_Log.Get(), Record(OSKEL3UNFIXEDDATAKIND_GAME, 0)), 0u);
    EXPECT_NE(reader.GetItemData("EventFlag", 512, &iValue), 0u);
    EXPECT_NE(reader.GetItemData("ThingID", 0, &iValue), 0u);
    EXPECT_EQ(iValue, 7);
    EXPECT_EQ(m_Log.Count(" Get DataComponent ItemData Fail. \r\n ItemName:EventFlag  \r\n Index:512 \r\n HRESULT:0x"), 1u);
    EXPECT_EQ(m_Log.Count(" Get DataComponent ItemData Fail. \r\n ItemName:ThingID  \r\n Index:0 \r\n HRESULT:0x"), 1u);
}
