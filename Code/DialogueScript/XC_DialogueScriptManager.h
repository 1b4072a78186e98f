#pragma once

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Script/XC_ScriptSet.h"

class XI_DialogueBattle;

// The scripts of one dialogue file: "[Dialogue]" nodes become dialogue
// scripts that share the person data file read once here, any other node an
// ordinary script. Before they run, every battle person is named by its team
// index ("%04d") so the scripts can address it.
class XC_DialogueScriptManager : public XC_ScriptSet
{
public:
    // The person data of every dialogue, in the data pack.
    static constexpr const char* PERSON_DATA_FILE = "Dialogue\\DialoguePersonData.txt";

    XC_DialogueScriptManager();
    ~XC_DialogueScriptManager() override;

    // Sets the set up on the environment and reads the person data file.
    virtual HRESULT InitScriptManager(XI_EnvironmentOfRender* pEnvironmentOfRender);
    HRESULT RunAllScript() override;
    HRESULT CreateScript(XC_TextNode* pTNodeScript) override;

    // The running battle; null outside a battle.
    static void SetBattle(XI_DialogueBattle* pBattle) { s_pBattle = pBattle; }
    static XI_DialogueBattle* GetBattle() { return s_pBattle; }

private:
    // Names every battle person in the shared resources by its team index.
    void AddBattlePersons();

    XC_IOTextFile m_DialoguePersonData;

    static XI_DialogueBattle* s_pBattle;
};
