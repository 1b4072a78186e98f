#include "tests/Code/Battle/BattleHost.h"

#include "Code/Battle/BattleScript/XC_BattleScriptManager.h"
#include "Code/Battle/BattleWork/XC_PersonBattle.h"
#include "Code/Battle/GamePerson/XC_GamePerson.h"
#include "Code/Menu/BattleMenu/XC_BattleExplain.h"
#include "Code/Menu/BattleMenu/XC_BattleMenuMenager.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Control/JC_ControlWarehouse.h"

#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace {

const DWORD HERO = 0;
const DWORD FIGHTER = 1;
const DWORD BANDIT = 300;
const DWORD SECOND_BANDIT = 301;
const DWORD SORCERER = 302;
const DWORD FIREBALL = 0x00010001;
const DWORD HERB = 1;
// A battle work that has not ended after this many frames has hung.
const int MAX_ACTION_FRAMES = 3000;

void Play(const BattleHost::HostStep& step)
{
    std::unique_ptr<BattleHost> pHost(new BattleHost(step));
    ASSERT_EQ(pHost->Create(GetModuleHandleA(nullptr)), S_OK);
    ASSERT_TRUE(pHost->IsStarted());
    pHost->Pause(TRUE);
    EXPECT_EQ(pHost->Run(), 0u);
}

// What one action of the sample battle showed.
struct Seen
{
    DWORD dwScripts = 0;
    DWORD dwJumps = 0;
    int iFrames = 0;
    bool bEnded = false;
};

// Plays the actions one after another, each from its order to its last
// number, with the battle menus standing for the explain box.
class ActionPlayer
{
public:
    using MakeAction = std::function<XC_PersonBattle*(BattleHost&)>;

    void Add(const std::string& strName, MakeAction make) { m_Actions.push_back({strName, std::move(make), {}}); }

    bool Step(BattleHost& host)
    {
        if (host.Frames() < 4)
            return true;
        if (m_Menus == nullptr) {
            m_Menus = std::make_unique<XC_BattleMenuMenager>();
            EXPECT_EQ(m_Menus->Init(host.Scene().GetEnvironmentOfRender()), S_OK);
            g_pBattleMenuMenager = m_Menus.get();
        }
        if (m_iCurrent < 0 || Current().seen.bEnded)
            return StartNext(host);
        Action& action = Current();
        ++action.seen.iFrames;
        if (action.seen.iFrames == 2)
            action.seen.dwScripts = m_pWork != nullptr ? m_pWork->GetBattleScriptManager().GetScriptCount() : 0;
        if (action.seen.iFrames == 20)
            host.Screenshot("BattleAction" + action.strName + "Script.bmp");
        action.seen.dwJumps = std::max(action.seen.dwJumps, host.Jumps().GetWorkCount());
        if (m_pExplain == nullptr && g_pBattleMenuMenager->m_pBattleExplain->GetShow()) {
            m_pExplain = g_pBattleMenuMenager->m_pBattleExplain;
            host.Screenshot("BattleAction" + action.strName + "Found.bmp");
        }
        if (!host.Controller().IsBattleWorking() || action.seen.iFrames > MAX_ACTION_FRAMES) {
            action.seen.bEnded = !host.Controller().IsBattleWorking();
            host.Screenshot("BattleAction" + action.strName + "End.bmp");
            if (!action.seen.bEnded)
                return false;
        }
        return true;
    }

    void Finish()
    {
        g_pBattleMenuMenager = nullptr;
        if (m_Menus != nullptr)
            m_Menus->Fini();
    }

    const Seen& Result(size_t i) const { return m_Actions[i].seen; }
    bool ShowedExplain() const { return m_pExplain != nullptr; }

private:
    struct Action
    {
        std::string strName;
        MakeAction make;
        Seen seen;
    };

    Action& Current() { return m_Actions[static_cast<size_t>(m_iCurrent)]; }

    bool StartNext(BattleHost& host)
    {
        if (++m_iCurrent >= static_cast<int>(m_Actions.size()))
            return false;
        m_pWork = Current().make(host);
        host.Controller().AddBattleWork(m_pWork);
        return true;
    }

    std::vector<Action> m_Actions;
    int m_iCurrent = -1;
    XC_PersonBattle* m_pWork = nullptr;
    XC_BattleExplain* m_pExplain = nullptr;
    std::unique_ptr<XC_BattleMenuMenager> m_Menus;
};

XC_GamePerson* Person(BattleHost& host, DWORD dwTeamIndex)
{
    return host.Persons().GetPersonFromTeamIndex(dwTeamIndex);
}

} // namespace

TEST(BattleActionPlay, AnAttackTheEnemysSkillAndAToolPlayToTheirLastNumber)
{
    ErrorLogCapture errors;
    std::srand(3);
    ActionPlayer player;
    player.Add("Attack", [](BattleHost& host) {
        XC_PersonBattle* const pWork = new XC_PersonBattle;
        pWork->InitAttack(Person(host, HERO));
        pWork->AddPassivePerson(Person(host, BANDIT));
        pWork->SetTargetFloorIndex(Person(host, BANDIT)->GetFloorIndex());
        return pWork;
    });
    player.Add("Skill", [](BattleHost& host) {
        XC_PersonBattle* const pWork = new XC_PersonBattle;
        pWork->InitEffectSkill(Person(host, SORCERER), FIREBALL);
        pWork->AddPassivePerson(Person(host, HERO));
        pWork->SetTargetFloorIndex(Person(host, HERO)->GetFloorIndex());
        return pWork;
    });
    player.Add("Tool", [](BattleHost& host) {
        gp_ControlManagerObj->m_ControlWarehouseObj.AddThing(JC_ControlWarehouse::WAREHOUSE_TOOL, HERB, 1);
        XC_PersonBattle* const pWork = new XC_PersonBattle;
        pWork->InitEffectTool(Person(host, HERO), HERB);
        pWork->AddPassivePerson(Person(host, FIGHTER));
        pWork->SetTargetFloorIndex(Person(host, FIGHTER)->GetFloorIndex());
        return pWork;
    });
    // A bandit at its last breath falls to a fireball and leaves its money.
    player.Add("Kill", [](BattleHost& host) {
        Person(host, SECOND_BANDIT)->GetControlPersonPower()->SetHP(1);
        XC_PersonBattle* const pWork = new XC_PersonBattle;
        pWork->InitEffectSkill(Person(host, SORCERER), FIREBALL);
        pWork->AddPassivePerson(Person(host, SECOND_BANDIT));
        pWork->SetTargetFloorIndex(Person(host, SECOND_BANDIT)->GetFloorIndex());
        return pWork;
    });
    Play([&](BattleHost& host) {
        const bool bGoOn = player.Step(host);
        if (!bGoOn)
            player.Finish();
        return bGoOn;
    });
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(player.Result(i).bEnded);
        // The actor's script and the target's.
        EXPECT_EQ(player.Result(i).dwScripts, 3u);
        EXPECT_GT(player.Result(i).dwJumps, 0u);
    }
    EXPECT_TRUE(player.ShowedExplain());
    EXPECT_FALSE(errors.Contains("BattleScript")) << errors.Text();
}
