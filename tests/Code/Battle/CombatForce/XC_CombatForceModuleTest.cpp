#include "Code/Battle/CombatForce/XC_CombatForceModule.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Menu/BattleMenu/XC_ListMenu.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"

#include "tests/Code/Battle/CombatForce/DeploymentDriver.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/DebuggerOutput.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/TestOutput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

using Action = DeploymentDriver::Action;
using D = DeploymentDriver;

// The hero (0) stands on the first starting point by force; the others of
// the sample battlefield are free.
const DWORD HERO_CELL = 63;
const DWORD FREE_CELL = 64;

const XS_PersonOutfalInfo& Party(DWORD dwTeamIndex)
{
    return g_pCombatForceModule->GetPersonOutfalInfo().at(dwTeamIndex);
}

Action ExpectMode(DWORD dwMode)
{
    return D::Check([dwMode](BattleHost&) { EXPECT_EQ(g_pCombatForceModule->GetCombatForceMode(), dwMode); });
}

Action WaitForMode(DWORD dwMode)
{
    return D::WaitFor([dwMode] { return g_pCombatForceModule->GetCombatForceMode() == dwMode; });
}

Action ExpectCount(const char* szCount)
{
    return D::Check([szCount](BattleHost&) { EXPECT_STREQ(g_pCombatForceModule->GetCountText(), szCount); });
}

// The data pack with one file missing, while it lives.
class PackWithout : public XI_PackFile
{
public:
    explicit PackWithout(const char* szMissing) : m_pBase(g_pPackFile_Data), m_szMissing(szMissing)
    {
        g_pPackFile_Data = this;
    }
    ~PackWithout() override { g_pPackFile_Data = m_pBase; }
    const char* GetPath() override { return m_pBase->GetPath(); }
    XS_FileData* GetData(const char* szFileName) override
    {
        return _stricmp(szFileName, m_szMissing) == 0 ? nullptr : m_pBase->GetData(szFileName);
    }

private:
    XI_PackFile* m_pBase;
    const char* m_szMissing;
};

Action Screenshot(const char* szName)
{
    return D::Check([szName](BattleHost& host) { host.Screenshot(szName); });
}

std::uint32_t PixelOf(const char* szName, POINT point)
{
    BitmapFile picture;
    EXPECT_TRUE(picture.Load(TestOutputFile(szName))) << szName;
    return picture.Pixel(point.x, point.y);
}

} // namespace

// The player's deployment on the sample battlefield, with screenshots of
// each screen: a person placed, taken off with yes, placed again, and Go.
TEST(DeploymentPlay, PlaceTakeOffPlaceAgainAndGo)
{
    const DebuggerOutput output;
    std::vector<Action> actions = {
        D::Open(), D::Settle(), ExpectMode(CF_Main), D::Check([](BattleHost&) {
            // The forced hero counts in both numbers; its starting point is
            // no longer free.
            EXPECT_STREQ(g_pCombatForceModule->GetCountText(), " 1/ 5");
            EXPECT_EQ(g_pCombatForceModule->GetCoerceOutfallCount(), 1u);
            EXPECT_GE(g_pCombatForceModule->GetPersonOutfalInfo().size(), 3u) << "the party of the sample's team 1";
            EXPECT_TRUE(Party(0).m_bIsCoerceOutfall);
            EXPECT_FALSE(Party(1).m_bIsCoerceOutfall);
            EXPECT_EQ(g_pCombatForceModule->GetStartingPointInfo().size(), 4u);
            EXPECT_EQ(g_pCombatForceModule->GetStartingPointInfo().count(HERO_CELL), 0u);
        }),
        Screenshot("DeploymentScreen.bmp")};
    // The forced hero's cell is no starting point to take it off from.
    D::Append(actions, D::ClickCell(HERO_CELL));
    actions.push_back(ExpectMode(CF_Main));
    // A free starting point lists the others; a right click leaves.
    D::Append(actions, D::ClickCell(FREE_CELL));
    actions.push_back(D::WaitFor([] { return g_pCombatForceModule->GetModeStep() == 1; }));
    actions.push_back(D::Check([](BattleHost&) {
        EXPECT_EQ(g_pCombatForceModule->GetCombatForceMode(), CF_Outfall);
        // Every party member but the forced hero, in team-index order.
        EXPECT_EQ(g_pCombatForceModule->GetListMenu()->GetItemCount(),
                  static_cast<int>(g_pCombatForceModule->GetPersonOutfalInfo().size()) - 1);
        XS_ListItem first;
        ASSERT_EQ(g_pCombatForceModule->GetListMenu()->GetItem(0, first), S_OK);
        EXPECT_EQ(first.dwData1, 1u);
    }));
    actions.push_back(Screenshot("DeploymentList.bmp"));
    D::Append(actions, D::Click([](BattleHost&) { return POINT{300, 200}; }, WM_RBUTTONDOWN));
    actions.push_back(ExpectMode(CF_Main));
    // Placed: the fighter stands on the cell.
    D::Append(actions, D::ClickCell(FREE_CELL));
    actions.push_back(D::WaitFor([] { return g_pCombatForceModule->GetModeStep() == 1; }));
    D::Append(actions, D::ClickListRow(0));
    actions.push_back(WaitForMode(CF_Main));
    actions.push_back(D::Check([](BattleHost& host) {
        EXPECT_STREQ(g_pCombatForceModule->GetCountText(), " 2/ 5");
        ASSERT_NE(host.Persons().GetPersonFromTeamIndex(1), nullptr);
        EXPECT_EQ(host.Persons().GetPersonFromTeamIndex(1)->GetFloorIndex(), FREE_CELL);
        EXPECT_TRUE(Party(1).m_bIsOutfall);
        EXPECT_TRUE(g_pCombatForceModule->GetStartingPointInfo().at(FREE_CELL).m_bHavePerson);
    }));
    // Taking off: no keeps the fighter, yes takes it off.
    D::Append(actions, D::ClickCell(FREE_CELL));
    actions.push_back(D::WaitFor([] { return g_pMessageBox != nullptr && g_pMessageBox->IsActive(); }));
    actions.push_back(Screenshot("DeploymentQuestion.bmp"));
    D::Append(actions, D::ClickIcon(false));
    actions.push_back(WaitForMode(CF_Main));
    actions.push_back(D::Check([](BattleHost& host) { EXPECT_NE(host.Persons().GetPersonFromTeamIndex(1), nullptr); }));
    D::Append(actions, D::ClickCell(FREE_CELL));
    actions.push_back(D::WaitFor([] { return g_pMessageBox->IsActive(); }));
    D::Append(actions, D::ClickIcon(true));
    actions.push_back(WaitForMode(CF_Main));
    actions.push_back(D::Check([](BattleHost& host) {
        EXPECT_EQ(host.Persons().GetPersonFromTeamIndex(1), nullptr);
        EXPECT_STREQ(g_pCombatForceModule->GetCountText(), " 1/ 5");
        EXPECT_FALSE(Party(1).m_bIsOutfall);
        EXPECT_FALSE(g_pCombatForceModule->GetStartingPointInfo().at(FREE_CELL).m_bHavePerson);
    }));
    // Placed again, then Go closes the screen.
    D::Append(actions, D::ClickCell(FREE_CELL));
    actions.push_back(D::WaitFor([] { return g_pCombatForceModule->GetModeStep() == 1; }));
    D::Append(actions, D::ClickListRow(0));
    actions.push_back(WaitForMode(CF_Main));
    actions.push_back(D::Check([](BattleHost& host) { D::MoveTo(host, POINT{695, 544}); }));
    actions.push_back(D::WaitFor([] { return g_pCombatForceModule->GetGoIcon()->GetCurrentPage() == 1; }));
    actions.push_back(Screenshot("DeploymentGoLit.bmp"));
    D::Append(actions, D::ClickGo());
    actions.push_back(D::Check([](BattleHost&) { EXPECT_FALSE(g_pCombatForceModule->IsActive()); }));
    actions.push_back(Screenshot("DeploymentClosed.bmp"));
    ASSERT_TRUE(D::Play(actions));
    // The lit icon is orange where the closed screen shows the field.
    const std::uint32_t dwLit = PixelOf("DeploymentGoLit.bmp", POINT{695, 544});
    EXPECT_GT((dwLit >> 16) & 0xFF, 180u) << std::hex << dwLit;
    EXPECT_LT(dwLit & 0xFF, 90u) << std::hex << dwLit;
    EXPECT_NE(PixelOf("DeploymentClosed.bmp", POINT{695, 544}), dwLit);
    // The top band reaches the screen's top edge: no part of the field shows above it.
    BitmapFile screen;
    ASSERT_TRUE(screen.Load(TestOutputFile("DeploymentScreen.bmp")));
    const std::uint32_t dwEdge = screen.Pixel(400, 0);
    int iOther = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 4; x < 796; ++x)
            iOther += screen.Pixel(x, y) != dwEdge ? 1 : 0;
    }
    EXPECT_EQ(iOther, 0) << std::hex << dwEdge;
    EXPECT_NE(output.Text().find("PersonIndex   0 "), std::string::npos) << output.Text();
    EXPECT_NE(output.Text().find("PersonIndex   1 "), std::string::npos);
    EXPECT_NE(output.Text().find("PersonIndex 300 "), std::string::npos);
}

TEST(CombatForce, GoNeedsOnePersonOnTheField)
{
    std::vector<Action> actions = {
        D::Check([](BattleHost& host) { EXPECT_EQ(host.Persons().DelPersonFromTeamIndex(0), S_OK); }), D::Open(),
        D::Settle(), ExpectCount(" 0/ 5")};
    D::Append(actions, D::ClickGo());
    actions.push_back(D::Check([](BattleHost&) {
        EXPECT_TRUE(g_pCombatForceModule->IsActive());
        EXPECT_EQ(g_pCombatForceModule->GetGoIcon()->GetCurrentPage(), 0u) << "not lit without a person";
        EXPECT_EQ(g_pCombatForceModule->GetStartingPointInfo().size(), 5u);
    }));
    ASSERT_TRUE(D::Play(actions));
}

// The placing script cannot be read: the person stays placed, counted, and
// the screen goes back to its main mode, so the cell is not offered again.
TEST(CombatForce, FailedOutfallScriptKeepsThePersonPlaced)
{
    const ErrorLogCapture log;
    std::unique_ptr<PackWithout> pPack;
    std::vector<Action> actions = {D::Check([&](BattleHost&) { pPack = std::make_unique<PackWithout>("Battle\\Outfall.txt"); }),
                                   D::Open()};
    D::Append(actions, D::ClickCell(FREE_CELL));
    actions.push_back(D::WaitFor([] { return g_pCombatForceModule->GetModeStep() == 1; }));
    D::Append(actions, D::ClickListRow(1));
    actions.push_back(WaitForMode(CF_Main));
    actions.push_back(D::Check([&](BattleHost& host) {
        pPack.reset();
        ASSERT_NE(host.Persons().GetPersonFromTeamIndex(2), nullptr);
        EXPECT_EQ(host.Persons().GetPersonFromTeamIndex(2)->GetFloorIndex(), FREE_CELL);
        EXPECT_STREQ(g_pCombatForceModule->GetCountText(), " 2/ 5");
    }));
    // The occupied cell asks to take the healer off instead of listing.
    D::Append(actions, D::ClickCell(FREE_CELL));
    actions.push_back(ExpectMode(CF_Cancel));
    ASSERT_TRUE(D::Play(actions));
    EXPECT_TRUE(log.Contains("ExecuteOutfallScript")) << log.Text();
}
