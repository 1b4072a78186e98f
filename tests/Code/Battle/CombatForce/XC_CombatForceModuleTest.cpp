#include "Code/Battle/CombatForce/XC_CombatForceModule.h"

#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Menu/BattleMenu/XC_ListMenu.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XI_PackFileManager.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Resource/Music/XI_MusicManager.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"

#include "tests/Code/Battle/CombatForce/DeploymentDriver.h"
#include "tests/Support/BitmapFile.h"
#include "tests/Support/DebuggerOutput.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/TestOutput.h"
#include "tests/Support/TextMutations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

// The animation pack with the deployment screen's layout files served from
// memory, the rest read from the game's own pack.
class LayoutPack : public XI_PackFile
{
public:
    explicit LayoutPack(XI_PackFile* pBase) : m_pBase(pBase) {}
    void Set(const std::string& strName, const std::string& strText) { m_Layouts.Add(strName, strText); }
    const char* GetPath() override { return m_pBase->GetPath(); }
    XS_FileData* GetData(const char* szFileName) override
    {
        XS_FileData* const pData = m_Layouts.GetData(szFileName);
        return pData != nullptr ? pData : m_pBase->GetData(szFileName);
    }

private:
    XI_PackFile* m_pBase;
    MemoryPackFile m_Layouts;
};

std::string PackText(XI_PackFile* pPack, const char* szName)
{
    const std::unique_ptr<XS_FileData> pData(pPack->GetData(szName));
    return pData != nullptr ? std::string(reinterpret_cast<const char*>(pData->pData), pData->dwSize) : std::string();
}

DWORD GoIconPages()
{
    XC_AnimationObject* pAni = nullptr;
    if (FAILED(g_pCombatForceModule->GetGoIcon()->GetAnimationObject(&pAni)))
        return 0;
    const DWORD dwPages = pAni->GetPageCount();
    pAni->Release();
    return dwPages;
}

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

// Damaged copies of the screen's two layout files, each read anew by an
// animation manager that keeps nothing released, drawn for a frame with the
// mouse on the Go icon: reports, never a crash; the intact files read after.
TEST(CombatForce, DamagedLayoutFilesOnlyReport)
{
    const char* const LAYOUTS[] = {"Menu\\Go\\GoIcon.ant", "Menu\\Go\\GoMenu.ant"};
    const ErrorLogCapture log;
    std::unique_ptr<LayoutPack> pPack;
    std::unique_ptr<XC_AnimationManager> pManager;
    XC_AnimationManager* pGameManager = nullptr;
    std::string seeds[2];
    std::vector<std::pair<int, std::string>> cases;
    std::vector<Action> actions = {D::Open(), D::Check([&](BattleHost&) {
                                       XI_PackFile* const pAniPack = g_pPackFileManager->OpenPackFile("Ani");
                                       ASSERT_NE(pAniPack, nullptr);
                                       pPack = std::make_unique<LayoutPack>(pAniPack);
                                       for (int i = 0; i < 2; ++i) {
                                           seeds[i] = PackText(pPack.get(), LAYOUTS[i]);
                                           ASSERT_FALSE(seeds[i].empty()) << LAYOUTS[i];
                                           pPack->Set(LAYOUTS[i], seeds[i]);
                                           std::vector<std::string> texts;
                                           AddTruncations(seeds[i], &texts);
                                           AddMutations(seeds[i], 150, &texts);
                                           for (std::string& strText : texts)
                                               cases.emplace_back(i, std::move(strText));
                                       }
                                       pManager = std::make_unique<XC_AnimationManager>();
                                       ASSERT_EQ(pManager->Init(pPack.get(), g_p2DTextureManager, g_pMusicManager), S_OK);
                                       pGameManager = g_pAnimationManager;
                                       g_pAnimationManager = pManager.get();
                                   })};
    size_t uCase = 0;
    int iIconCases = 0;
    int iIconsRead = 0;
    const Action nextCase = [&](BattleHost& host) {
        if (pPack == nullptr)
            return true;
        if (uCase > 0)
            pPack->Set(LAYOUTS[cases[uCase - 1].first], seeds[cases[uCase - 1].first]);
        if (uCase == cases.size())
            return true;
        pPack->Set(LAYOUTS[cases[uCase].first], cases[uCase].second);
        EXPECT_EQ(g_pCombatForceModule->BuildResource(), S_OK) << uCase;
        if (cases[uCase].first == 0) {
            ++iIconCases;
            iIconsRead += GoIconPages() == 2 ? 1 : 0;
        }
        D::MoveTo(host, POINT{695, 544});
        ++uCase;
        return false;
    };
    actions.push_back(nextCase);
    actions.push_back(D::Check([&](BattleHost&) {
        if (pGameManager == nullptr)
            return;
        // The game's own manager reads the intact files again.
        g_pAnimationManager = pGameManager;
        EXPECT_EQ(g_pCombatForceModule->BuildResource(), S_OK);
        EXPECT_EQ(GoIconPages(), 2u);
        // Nothing of the batch is held any more.
        EXPECT_EQ(pManager->GetResourceCount(), 0u);
        EXPECT_EQ(pManager->Fini(), S_OK);
    }));
    ASSERT_TRUE(D::Play(actions));
    // Each copy was read anew: some damaged icons still read whole, not all.
    EXPECT_GT(cases.size(), 400u);
    EXPECT_GT(iIconsRead, 0);
    EXPECT_LT(iIconsRead, iIconCases);
    std::printf("%d of %d damaged icon layouts read whole\n", iIconsRead, iIconCases);
    EXPECT_TRUE(log.Contains("LoadAnimation")) << log.Text();
}
