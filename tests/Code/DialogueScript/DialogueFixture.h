#pragma once

#include "Code/DialogueScript/XC_DialogueScript.h"
#include "Code/DialogueScript/XC_DialogueScriptManager.h"
#include "Code/DialogueScript/XI_DialogueBattle.h"
#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Input/XC_MouseState.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Scene/XC_Mouse.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"
#include "tests/GameProgram/RenderingObject/FakeFont.h"
#include "tests/GameProgram/Resource/FakeMusicManager.h"
#include "tests/GameProgram/Script/ScriptFixture.h"
#include "tests/Support/FakeKeyboard.h"
#include "tests/Support/MemoryPackFile.h"

#include <dinput.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// The animation manager over a memory pack of the dialogue box's files, put
// in place of the game's for its life: the "next" marker, the portraits of
// two speakers (three and four pages) and a frame of two pages. No picture
// is ever drawn.
class DialogueAnimations
{
public:
    DialogueAnimations() : m_pOldManager(g_pAnimationManager)
    {
        m_Pack.Add("error.ant", AntFile(1));
        m_Pack.Add("menu\\TalkNext.ant", AntFile(2));
        m_Pack.Add("face\\Hero.ant", AntFile(3));
        m_Pack.Add("face\\Sage.ant", AntFile(4));
        m_Pack.Add("face\\Frame.ant", AntFile(2));
        m_Manager.Init(&m_Pack, &m_2DTextureManager, &m_MusicManager);
        g_pAnimationManager = &m_Manager;
    }
    ~DialogueAnimations()
    {
        g_pAnimationManager = m_pOldManager;
        m_Manager.Fini();
    }

    void Add(const std::string& strName, int iPages) { m_Pack.Add(strName, AntFile(iPages)); }

private:
    static std::string AntFile(int iPages)
    {
        std::string text = std::to_string(iPages) + "\nheader\n";
        for (int page = 0; page < iPages; ++page) {
            text += "100 0 0 -1 1 0 0 0 50\n";
            text += "pic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n";
        }
        return text;
    }

    MemoryPackFile m_Pack;
    XC_2DTextureManager m_2DTextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationManager m_Manager;
    XC_AnimationManager* m_pOldManager;
};

// The player's keyboard, mouse and cursor as the game object publishes them,
// driven by the test frame by frame.
class DialogueInput
{
public:
    DialogueInput() : m_Keyboard(&m_Device)
    {
        g_pInputOfKeyboardObj = &m_Keyboard;
        g_pMouseStateObj = &m_MouseState;
        g_pMouseObj = &m_Mouse;
    }
    ~DialogueInput()
    {
        g_pInputOfKeyboardObj = nullptr;
        g_pMouseStateObj = nullptr;
        g_pMouseObj = nullptr;
    }

    void HoldKey(DWORD dwKey, bool bDown) { m_Device.keys[dwKey] = bDown ? 0x80 : 0; }
    // The left button goes down in the next frame.
    void Click() { m_bClick = true; }

    // Reads the keys for a frame, as the game's frame does first.
    void BeginFrame()
    {
        m_Keyboard.Update();
        if (m_bClick)
            m_MouseState.OnWindowMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
        m_bClick = false;
    }
    void EndFrame() { m_MouseState.Clear(); }

    XC_Mouse* GetMouse() { return &m_Mouse; }

private:
    FakeKeyboardDevice m_Device;
    FakeKeyboard m_Keyboard;
    XC_MouseState m_MouseState;
    XC_Mouse m_Mouse;
    bool m_bClick = false;
};

// A battle of persons at the team indices the test places, each a drawable,
// registered with the dialogues for its life.
class FakeDialogueBattle : public XI_DialogueBattle
{
public:
    FakeDialogueBattle() { XC_DialogueScriptManager::SetBattle(this); }
    ~FakeDialogueBattle() { XC_DialogueScriptManager::SetBattle(nullptr); }

    void Place(int iTeamIndex)
    {
        persons[iTeamIndex].reset(new ScriptDrawable(("Person" + std::to_string(iTeamIndex)).c_str()));
    }

    std::vector<int> GetPersonTeamIndices() override
    {
        std::vector<int> indices;
        for (const auto& person : persons)
            indices.push_back(person.first);
        return indices;
    }
    XC_RenderingObject* FindPerson(int iTeamIndex) override
    {
        const auto found = persons.find(iTeamIndex);
        return found != persons.end() ? found->second.get() : nullptr;
    }
    XC_SpriteWorkBase* MovePersonToFloor(int iTeamIndex, int iFloor) override
    {
        moves.push_back({iTeamIndex, iFloor});
        return new XC_SpriteWorkBase;
    }

    std::map<int, std::unique_ptr<ScriptDrawable>> persons;
    std::vector<std::pair<int, int>> moves;
};

// The person data every dialogue test shares: two speakers of the second form
// and one of the player's team.
inline const char* const DIALOGUE_PERSON_DATA = "0xFFFFFFFF Hero face\\Hero.ant\r\n"
                                                "4294901760,Sage,face\\Sage.ant\r\n"
                                                "fromourteam 0x0A\r\n";

// The text of a dialogue script node: its file, a box for speakers A and B
// (name, talk, portrait, face and frame) and the given "[Run]" commands.
inline std::string DialogueNode(const std::string& strRun, const std::string& strFile = "Dialogue\\Test.txt")
{
    std::string text = "[Dialogue]\n{\n[Sys]\n{\nDialogueFile = " + strFile + "\n}\n[Resource]\n{\n";
    for (const char* szTarget : {"A", "B"}) {
        for (const char* szString : {"Name", "Talk"})
            text += std::string("[") + szString + szTarget + "]\n{\nType = string\nName = " + szString + szTarget +
                    "\nData = -\nCoordinateSystem = Screen\nfLineMaxLength = 300\nfLineInterval = 20\n}\n";
        for (const char* szAnimation : {"Portrait", "Face", "Frame"})
            text += std::string("[") + szAnimation + szTarget + "]\n{\nType = ani\nName = " + szAnimation + szTarget +
                    "\nAniName = " + (std::string(szAnimation) == "Frame" ? "face\\Frame.ant" : "face\\Hero.ant") +
                    "\nCoordinateSystem = Screen\nbPlay = 0\n}\n";
    }
    return text + "}\n[Run]\n{\n" + strRun + "}\n}\n";
}

// One command node of a "[Run]" list, from name and value pairs.
inline std::string Command(const std::string& strName, const std::vector<std::pair<std::string, std::string>>& leaves)
{
    std::string text = "[" + strName + "]\n{\n";
    for (const auto& leaf : leaves)
        text += leaf.first + " = " + leaf.second + "\n";
    return text + "}\n";
}

// A dialogue script manager in a fake render environment, with the shared
// person data, a dialogue file of four lines and the player's input.
class DialogueTest : public ::testing::Test
{
protected:
    DialogueTest()
    {
        m_Pack.files["Dialogue\\DialoguePersonData.txt"] = DIALOGUE_PERSON_DATA;
        m_Pack.files["Dialogue\\Test.txt"] = "Hello.\r\nAre you there?\r\nABCDE\r\nBye.\r\n";
        EXPECT_EQ(m_Manager.InitScriptManager(&m_Environment), S_OK);
    }
    ~DialogueTest() override { m_Manager.Fini(); }

    // Loads the text as the dialogue file "Dialogue\Script.txt" and runs it.
    HRESULT LoadAndRun(const std::string& strText)
    {
        m_Pack.files["Dialogue\\Script.txt"] = strText;
        const HRESULT hr = m_Manager.LoadScript("Dialogue\\Script.txt");
        if (FAILED(hr))
            return hr;
        return m_Manager.RunAllScript();
    }

    XC_DialogueScript* Script(DWORD dwIndex = 0)
    {
        return dynamic_cast<XC_DialogueScript*>(m_Manager.GetScript(dwIndex));
    }

    template <class T>
    T* Part(const char* szName, DWORD dwScript = 0)
    {
        return dynamic_cast<T*>(m_Manager.GetScript(dwScript)->GetScriptResource()->GetRenderObj(szName));
    }

    // One frame of dt seconds: the input is read, then every timer steps.
    void Frame(float fElapsedTime)
    {
        m_Input.BeginFrame();
        g_pTimerManager->Update(fElapsedTime);
        m_Input.EndFrame();
    }

    ErrorLogCapture m_Log;
    FakeEnvironment m_Environment;
    FakeFont m_Font;
    FakeDataPack m_Pack;
    DialogueAnimations m_Animations;
    DialogueInput m_Input;
    XC_DialogueScriptManager m_Manager;
};

// The page count of the animation the object shows; 0 for none.
inline DWORD PageCount(XC_RenderAnimation* pRenderAniObj)
{
    XC_AnimationObject* pAniObj = nullptr;
    if (pRenderAniObj == nullptr || FAILED(pRenderAniObj->GetAnimationObject(&pAniObj)))
        return 0;
    const DWORD dwCount = pAniObj->GetPageCount();
    pAniObj->Release();
    return dwCount;
}

// The characters a text object holds, for texts of single-byte characters.
inline DWORD Characters(const XC_RenderString* pRenderStringObj)
{
    return pRenderStringObj != nullptr ? pRenderStringObj->GetWordCount() : 0;
}
