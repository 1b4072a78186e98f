#include "GameProgram/Sprite/XC_Sprite.h"

#include "GameProgram/Sprite/XC_DeferredDeletion.h"
#include "tests/GameProgram/Sprite/SpriteTestWork.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Journal;

// The journal lines of each update, one update after another.
std::vector<Journal> RunFrames(XC_Sprite* pSprite, Journal* pJournal, int iFrames, float fStep)
{
    std::vector<Journal> frames;
    for (int i = 0; i < iFrames; ++i) {
        pJournal->clear();
        pSprite->UpdateWorks(fStep);
        frames.push_back(*pJournal);
    }
    return frames;
}

} // namespace

TEST(XC_Sprite, ZeroTimeWorkEndsInsideAddWorkAndIsNeverListed)
{
    Journal journal;
    XC_Sprite sprite;
    SpriteTestListener listener;
    std::vector<DWORD_PTR> messages;
    listener.m_OnMessage = [&](DWORD_PTR v1, DWORD_PTR v2, DWORD_PTR v3, DWORD_PTR v4) {
        messages = {v1, v2, v3, v4};
        journal.push_back("message");
    };
    SpriteTestWork* const pWork = new SpriteTestWork("Z", 0.0f, 0.0f, &journal);
    pWork->Connect(&listener, 11, 22);
    EXPECT_EQ(sprite.AddWork(pWork), S_OK);
    EXPECT_EQ(journal, (Journal{"Z:Begin", "Z:Step 0.0", "Z:End", "message", "Z:Deleted"}));
    EXPECT_EQ(messages, (std::vector<DWORD_PTR>{11, 22, 0, reinterpret_cast<DWORD_PTR>(pWork)}));
    EXPECT_EQ(sprite.GetWorkCount(), 0u);
    EXPECT_FALSE(sprite.IsRunning());
}

TEST(XC_Sprite, SideBySideDelaysAreCountedTwiceInTheFrameTheyRunOut)
{
    Journal journal;
    XC_Sprite sprite;
    sprite.AddWork(new SpriteTestWork("A", 1.0f, 2.0f, &journal));
    sprite.AddWork(new SpriteTestWork("B", 0.0f, 1.0f, &journal));
    EXPECT_EQ(journal, (Journal{"B:Begin", "B:Step 0.0"}));
    EXPECT_TRUE(sprite.IsRunning());

    const std::vector<Journal> frames = RunFrames(&sprite, &journal, 6, 0.5f);
    const std::vector<Journal> expected = {
        {"B:Step 0.5"},
        {"A:Begin", "A:Step 0.5", "B:Step 1.0", "B:End", "B:Deleted"},
        {"A:Step 1.0"},
        {"A:Step 1.5"},
        {"A:Step 2.0", "A:End", "A:Deleted"},
        {},
    };
    EXPECT_EQ(frames, expected);
    EXPECT_FALSE(sprite.IsRunning());
    EXPECT_EQ(sprite.GetTime(), 0.0f);
}

TEST(XC_Sprite, SequentialWorksHandTheRestOfTheFrameToTheNext)
{
    Journal journal;
    XC_Sprite sprite;
    sprite.SetSequential(TRUE);
    sprite.AddWork(new SpriteTestWork("A", 0.0f, 2.0f, &journal));
    sprite.AddWork(new SpriteTestWork("B", 0.0f, 2.0f, &journal));
    EXPECT_TRUE(journal.empty());

    const std::vector<Journal> frames = RunFrames(&sprite, &journal, 5, 0.5f);
    const std::vector<Journal> expected = {
        {"A:Begin", "A:Step 1.0"},
        {"A:Step 1.5"},
        {"A:Step 2.0", "A:End", "B:Begin", "B:Step 1.0", "A:Deleted"},
        {"B:Step 1.5"},
        {"B:Step 2.0", "B:End", "B:Deleted"},
    };
    EXPECT_EQ(frames, expected);
}

TEST(XC_Sprite, FindRemoveFinishAndIndex)
{
    ErrorLogCapture log;
    Journal journal;
    XC_Sprite sprite;
    SpriteTestWork* const pWaiting = new SpriteTestWork("W", 5.0f, 5.0f, &journal);
    SpriteTestWork* const pLong = new SpriteTestWork("L", 0.0f, 10.0f, &journal);
    sprite.AddWork(pWaiting);
    sprite.AddWork(pLong);
    EXPECT_EQ(sprite.FindWork("W"), pWaiting);
    EXPECT_EQ(sprite.FindWork("w"), nullptr);
    EXPECT_EQ(sprite.GetSpriteWork(1), pLong);
    EXPECT_EQ(sprite.GetSpriteWork(2), nullptr);
    EXPECT_TRUE(log.Contains("( dwIdx < m_SWList_List.size() ) failed"));

    sprite.FinishWork("nobody");
    journal.clear();
    sprite.UpdateWorks(0.1f);
    EXPECT_EQ(journal, (Journal{"L:Step 0.1"}));

    sprite.FinishWork("W");
    journal.clear();
    sprite.UpdateWorks(0.1f);
    // The waiting time counted so far stays the start of its own time.
    EXPECT_EQ(journal, (Journal{"W:Begin", "W:Step 0.3", "W:End", "L:Step 0.2", "W:Deleted"}));

    SpriteTestWork stranger("S", 0.0f, 1.0f, &journal);
    EXPECT_EQ(sprite.RemoveWork(&stranger), E_FAIL);
    journal.clear();
    EXPECT_EQ(sprite.RemoveWork(pLong), S_OK);
    EXPECT_EQ(journal, (Journal{"L:End"}));
    EXPECT_EQ(sprite.GetWorkCount(), 0u);
    delete pLong;
}

TEST(XC_Sprite, ClearAllWorkDeletesWithoutEndOrMessage)
{
    Journal journal;
    XC_Sprite sprite;
    SpriteTestListener listener;
    int iMessages = 0;
    listener.m_OnMessage = [&](DWORD_PTR, DWORD_PTR, DWORD_PTR, DWORD_PTR) { ++iMessages; };
    SpriteTestWork* const pWork = new SpriteTestWork("A", 0.0f, 1.0f, &journal);
    pWork->Connect(&listener, 0, 0);
    sprite.AddWork(pWork);
    sprite.AddWork(new SpriteTestWork("B", 1.0f, 1.0f, &journal));
    journal.clear();
    sprite.ClearAllWork();
    EXPECT_EQ(journal, (Journal{"A:Deleted", "B:Deleted"}));
    EXPECT_EQ(iMessages, 0);
    EXPECT_EQ(sprite.GetWorkCount(), 0u);
}

// Works that end in a pass are deleted when the pass is over.
// The end message of a work reaches code that changes the sprite whose list
// is being walked: nothing is touched after it is freed, and the walk keeps
// its order.
TEST(XC_Sprite, EndMessagesMayChangeTheListBeingWalked)
{
    Journal journal;
    XC_Sprite sprite;
    SpriteTestListener listener;
    SpriteTestWork* const pFirst = new SpriteTestWork("A", 0.0f, 0.5f, &journal);
    pFirst->Connect(&listener, 0, 0);
    listener.m_OnMessage = [&](DWORD_PTR, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
        journal.push_back("clear");
        sprite.ClearAllWork();
        journal.push_back("add");
        sprite.AddWork(new SpriteTestWork("N", 0.0f, 1.0f, &journal));
    };
    sprite.AddWork(pFirst);
    sprite.AddWork(new SpriteTestWork("B", 0.0f, 1.0f, &journal));
    sprite.AddWork(new SpriteTestWork("C", 0.0f, 1.0f, &journal));
    journal.clear();
    sprite.UpdateWorks(0.5f);
    // B and C are deleted only when the pass is over; N, added in the pass,
    // is stepped in it.
    const Journal expected = {"A:Step 0.5", "A:End", "clear", "add", "N:Begin", "N:Step 0.0",
                              "N:Step 0.5", "B:Deleted", "C:Deleted", "A:Deleted"};
    EXPECT_EQ(journal, expected);
    EXPECT_EQ(sprite.GetWorkCount(), 1u);
    EXPECT_EQ(sprite.GetSpriteWork(0)->GetName(), std::string("N"));
}

TEST(XC_Sprite, AWorkMayFinishOrRemoveOthersFromItsOwnStep)
{
    Journal journal;
    XC_Sprite sprite;
    SpriteTestWork* const pA = new SpriteTestWork("A", 0.0f, 5.0f, &journal);
    SpriteTestWork* const pB = new SpriteTestWork("B", 0.0f, 5.0f, &journal);
    SpriteTestWork* const pC = new SpriteTestWork("C", 0.0f, 5.0f, &journal);
    sprite.AddWork(pA);
    sprite.AddWork(pB);
    sprite.AddWork(pC);
    bool bDone = false;
    pA->m_OnStep = [&] {
        if (bDone)
            return;
        bDone = true;
        sprite.FinishWork("B");
        sprite.RemoveWork(pC);
        journal.push_back("C removed");
    };
    journal.clear();
    sprite.UpdateWorks(0.5f);
    EXPECT_EQ(journal, (Journal{"A:Step 0.5", "C:End", "C removed", "B:Step 0.5", "B:End", "B:Deleted"}));
    EXPECT_EQ(sprite.GetWorkCount(), 1u);
    delete pC;
}

TEST(XC_Sprite, DeletionsWaitForTheOutermostScope)
{
    Journal journal;
    {
        const XC_DeferredDeletion scope;
        XC_DeferredDeletion::DeleteWork(new SpriteTestWork("A", 0.0f, 0.0f, &journal));
        {
            const XC_DeferredDeletion inner;
        }
        EXPECT_TRUE(journal.empty());
    }
    EXPECT_EQ(journal, (Journal{"A:Deleted"}));
}
