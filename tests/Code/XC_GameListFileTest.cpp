#include "Code/XC_GameListFile.h"

#include "Code/XS_GameFloorColor.h"
#include "GameProgram/RenderingObject/XC_Person.h"

#include "tests/GameProgram/Scene/SceneTestText.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

TEST(GameListFile, NumbersAreHexadecimalAfter0xElseDecimal)
{
    struct Case
    {
        const char* szText;
        DWORD dwValue;
    };
    const Case cases[] = {
        {"0xFF00FF00", 0xFF00FF00}, {"4278255360", 0xFF00FF00}, {"0X10", 16}, {"red", 0}, {"", 0},
        {"0x", 0}, {"17", 17}, {nullptr, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XC_GameListFile::ParseNumber(c.szText), c.dwValue) << (c.szText ? c.szText : "(null)");
}

TEST(GameListFile, AReloadReplacesEachListAndAMissingSectionKeepsItsColours)
{
    XS_GameFloorColor colors;
    colors.Load(*ParseTree("[FloorColor]\n{\ndwStartingPoint = 0x7F00FF00\ndwMoveTarget = 255\n}\n"
                           "[MoveScope]\n{\na = 0x10\nb = 0x20\nc = 0x30\n}\n"
                           "[AttackDistance]\n{\nx = 1\n}\n[AttackScope]\n{\n}\n"));
    EXPECT_EQ(colors.dwStartingPoint, 0x7F00FF00u);
    EXPECT_EQ(colors.dwMoveTarget, 255u);
    EXPECT_EQ(colors.MoveScope, (std::vector<DWORD>{0x10, 0x20, 0x30}));
    EXPECT_EQ(XS_GameFloorColor::CycleColor(colors.MoveScope, 4), 0x20u);
    EXPECT_EQ(XS_GameFloorColor::CycleColor(colors.AttackScope, 0), 0xFFFFFFFFu);

    ErrorLogCapture log;
    colors.Load(*ParseTree("[FloorColor]\n{\n}\n[MoveScope]\n{\na = 7\n}\n[AttackScope]\n{\nq = junk\n}\n"));
    EXPECT_EQ(colors.dwStartingPoint, 0u);
    EXPECT_EQ(colors.MoveScope, (std::vector<DWORD>{7}));
    EXPECT_EQ(colors.AttackDistance, (std::vector<DWORD>{1}));
    EXPECT_EQ(colors.AttackScope, (std::vector<DWORD>{0}));
    EXPECT_TRUE(log.Contains("( pTNode ) failed")) << log.Text();
}

TEST(GameListFile, TheLaterPoseOfOneNameWins)
{
    XC_GameListFile::LoadPoseList(*ParseTree("ListTestWalk = 1\nListTestJump = 0x12\nListTestWalk = 3\n"));
    EXPECT_EQ(XC_Person::GetPersonPoseIndex("ListTestWalk"), 3u);
    EXPECT_EQ(XC_Person::GetPersonPoseIndex("ListTestJump"), 18u);
}

TEST(GameListFile, DamagedListsOnlyReportAndKeepTheirShape)
{
    const std::string strColors = "[FloorColor]\n{\ndwStartingPoint = 0x9000C0FF\ndwMoveTarget = 12\n}\n"
                                  "[MoveScope]\n{\nA = 0x9000A0FF\nB = 7\n}\n[AttackDistance]\n{\nC = 1\n}\n"
                                  "[AttackScope]\n{\nD = 0xFFFFFFFF\n}\n";
    const std::string strPoses = "ListDamageA = 0\nListDamageB = 0x13\nListDamageC = 21\n";
    ErrorLogCapture log;
    for (unsigned uSeed = 1; uSeed <= 200; ++uSeed) {
        std::mt19937 random(uSeed);
        for (const std::string* pText : {&strColors, &strPoses}) {
            std::string strText = *pText;
            for (int i = 0; i < 1 + static_cast<int>(random() % 6); ++i) {
                const size_t at = random() % strText.size();
                if (random() % 2 == 0)
                    strText[at] = "{}[]=\n x"[random() % 8];
                else
                    strText.erase(at, 1 + random() % 8);
                if (strText.empty())
                    break;
            }
            const auto pTree = ParseTree(strText);
            XS_GameFloorColor colors;
            colors.Load(*pTree);
            EXPECT_LE(colors.MoveScope.size(), strText.size());
            XC_GameListFile::LoadPoseList(*pTree);
        }
    }
}
