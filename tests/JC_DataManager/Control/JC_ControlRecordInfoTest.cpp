#include "JC_DataManager/Control/JC_ControlRecordInfo.h"

#include "tests/JC_DataManager/GameDataFixture.h"

namespace {

using ControlRecordInfo = GameDataTest;

} // namespace

TEST_F(ControlRecordInfo, EverySummaryBindsTheSlotItAsksAbout)
{
    m_Folder.WriteSlot(3, 1, 50);
    m_Folder.WriteSlot(5, 1, 70);
    JC_ControlRecordInfo control;
    ASSERT_EQ(control.Initiation(&m_DataManager), 0u);
    ASSERT_EQ(control.LoadRecordData(0, 60000, 0), 0u) << m_Log.Text();
    EXPECT_EQ(control.HaveRecord(3), 1);
    EXPECT_EQ(control.HaveRecord(4), 0);
    EXPECT_EQ(control.HaveRecord(5), 1);
    EXPECT_EQ(control.GetLatestRecordIndex(), 5);

    EXPECT_EQ(control.HaveRecord(100), 0);
    EXPECT_EQ(control.GetDate(100), "");
    EXPECT_EQ(m_Log.Count("將 RecordInfo 資料元件 設定給自己初始化時 發生錯誤"), 2u);
    // A failed binding leaves no slot bound: the next summary reads its own.
    EXPECT_EQ(control.HaveRecord(3), 1);

    JC_ControlRecordInfo unbound;
    EXPECT_EQ(unbound.HaveRecord(3), 0);
    EXPECT_EQ(unbound.InitRecordData(), JE_OPERATOR_NULL_DATA_MANAGER);
    EXPECT_EQ(unbound.GetLatestRecordIndex(), -1);
}
