#include "tests/JC_DataManager/GameDataFixture.h"

#include <random>

namespace {

class SaveSlots : public GameDataTest
{
protected:
    // Sets a file's last-write time to the base time plus some seconds.
    void Touch(const std::string& strRelativePath, int iSeconds) const
    {
        const HANDLE hFile = CreateFileA((m_Folder.Root() + strRelativePath).c_str(), FILE_WRITE_ATTRIBUTES,
                                         FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << strRelativePath;
        const ULONGLONG ullTime = 132000000000000000ULL + static_cast<ULONGLONG>(iSeconds) * 10000000ULL;
        FILETIME time = {static_cast<DWORD>(ullTime), static_cast<DWORD>(ullTime >> 32)};
        EXPECT_TRUE(SetFileTime(hFile, nullptr, nullptr, &time));
        CloseHandle(hFile);
    }

    // A slot with its entry and a second ".data" file written seconds apart.
    void WriteTimedSlot(DWORD dwSlot, int iSecondsApart) const
    {
        m_Folder.WriteSlot(dwSlot, 1, 40 + dwSlot);
        m_Folder.Write(GameDataFolder::SlotFolder(dwSlot) + "Team.data", "team");
        Touch(GameDataFolder::SlotFolder(dwSlot) + g_szRecordDataFileName, 0);
        Touch(GameDataFolder::SlotFolder(dwSlot) + "Team.data", iSecondsApart);
    }

    DWORD Slot(DWORD dwSlot, const char* szItem) { return ReadID(m_DataManager.GetRecordInfoObj(dwSlot), szItem); }
    void MarkSaved(DWORD dwSlot)
    {
        const int iHaveRecord = 1;
        ASSERT_EQ(m_DataManager.GetRecordInfoObj(dwSlot)->SetItemValue("HaveRecord", &iHaveRecord), 0u);
    }
};

TEST_F(SaveSlots, WithoutSaveFolderEverySlotIsReset)
{
    MarkSaved(3);
    EXPECT_EQ(m_DataManager.LoadRecordData(1, 60000, 0), 0u);
    EXPECT_EQ(Slot(3, "HaveRecord"), 0u);
    EXPECT_EQ(m_DataManager.GetLatestRecordIndex(), -1);
}

TEST_F(SaveSlots, FilesWrittenFurtherApartThanTheToleranceAreSkipped)
{
    WriteTimedSlot(4, 5);
    WriteTimedSlot(5, 7);
    WriteTimedSlot(6, -7);
    EXPECT_EQ(m_DataManager.LoadRecordData(1, 60000, 0), 0u);
    EXPECT_EQ(Slot(4, "DateForCheck"), 44u);
    EXPECT_EQ(Slot(5, "HaveRecord"), 0u);
    EXPECT_EQ(Slot(6, "HaveRecord"), 0u);
    // A huge tolerance holds instead of wrapping round.
    EXPECT_EQ(m_DataManager.LoadRecordData(1, 0xFFFFFFFF, 0xFFFFFFFF), 0u);
    EXPECT_EQ(Slot(5, "DateForCheck"), 45u);
    // Unchecked, every slot with an entry is read.
    ASSERT_EQ(m_DataManager.InitRecordData(), 0u);
    EXPECT_EQ(m_DataManager.LoadRecordData(0, 0, 0), 0u);
    EXPECT_EQ(Slot(6, "DateForCheck"), 46u);
}

TEST_F(SaveSlots, LatestIgnoresTheLastFiveSlotsAndTiesGoToTheLowerSlot)
{
    m_Folder.WriteSlot(3, 1, 50);
    m_Folder.WriteSlot(7, 1, 50);
    m_Folder.WriteSlot(10, 1, 20);
    m_Folder.WriteSlot(12, 0, 100);
    m_Folder.WriteSlot(95, 1, 99);
    m_Folder.WriteSlot(99, 1, 98);
    ASSERT_EQ(m_DataManager.LoadRecordData(0, 60000, 0), 0u);
    EXPECT_EQ(Slot(97, "DateForCheck"), 0u);
    EXPECT_EQ(Slot(95, "DateForCheck"), 99u);
    EXPECT_EQ(m_DataManager.GetLatestRecordIndex(), 3);
}

TEST_F(SaveSlots, DamagedEntriesReadAsEmptySlots)
{
    m_Folder.WriteSlot(2, 1, 30);
    m_Folder.Write(GameDataFolder::SlotFolder(6) + g_szRecordDataFileName, "[File]\r\n[Head]\r\n@Version\"H0008");
    // An entry of another layout cannot stand in the directory.
    m_Folder.Write(GameDataFolder::SlotFolder(8) + g_szRecordDataFileName,
                   DataFileText({DATACOMPONENTKIND_GAME}, BlockText(DATACOMPONENTKIND_GAME, 0)));
    MarkSaved(6);
    MarkSaved(8);
    EXPECT_EQ(m_DataManager.LoadRecordData(0, 60000, 0), 0u);
    EXPECT_EQ(Slot(2, "DateForCheck"), 30u);
    EXPECT_EQ(Slot(6, "HaveRecord"), 0u);
    EXPECT_EQ(Slot(8, "HaveRecord"), 0u);
    EXPECT_EQ(m_Log.Count(" AnalyzeRecordDataFile Fail."), 1u) << m_Log.Text();
    EXPECT_EQ(m_Log.Count(" CopyDataComponent Fail. \r\n DataOrder:8 \r\n"), 1u) << m_Log.Text();
}

TEST_F(SaveSlots, ThousandsOfMalformedEntriesNeverStopTheScan)
{
    m_Folder.WriteSlot(0, 1, 1);
    const std::string strValid = ReadTestFile(m_Folder.Root() + GameDataFolder::SlotFolder(0) + g_szRecordDataFileName);
    std::mt19937 random(1234);
    const int iRounds = 40;
    for (int iRound = 0; iRound < iRounds; ++iRound) {
        for (DWORD dwSlot = 0; dwSlot < RECORD_SLOT_COUNT; ++dwSlot) {
            std::string strText = strValid;
            const int iEdits = 1 + static_cast<int>(random() % 8);
            for (int i = 0; i < iEdits && !strText.empty(); ++i) {
                const size_t at = random() % strText.size();
                switch (random() % 4) {
                case 0: strText[at] = static_cast<char>(random()); break;
                case 1: strText.erase(at, 1 + random() % 16); break;
                case 2: strText.insert(at, strText.substr(random() % strText.size(), random() % 64)); break;
                default: strText.resize(at); break;
                }
            }
            m_Folder.Write(GameDataFolder::SlotFolder(dwSlot) + g_szRecordDataFileName, strText);
        }
        m_Log.Clear();
        ASSERT_EQ(m_DataManager.LoadRecordData(0, 60000, 0), 0u) << "round " << iRound;
        const int iLatest = m_DataManager.GetLatestRecordIndex();
        EXPECT_GE(iLatest, -1);
        EXPECT_LT(iLatest, 95);
    }
}

} // namespace
