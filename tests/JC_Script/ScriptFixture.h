#pragma once

#include "JC_Script/JC_ScriptManager.h"

#include "tests/JC_DataManager/Control/ControlFixture.h"

#include <vector>

// A handler that keeps the texts it is given and answers with a set code.
class RecordingHandler : public JI_ScriptNotify
{
public:
    DWORD Deal(const std::string& strText) override
    {
        m_Texts.push_back(strText);
        return m_dwAnswer;
    }

    std::vector<std::string> m_Texts;
    DWORD m_dwAnswer = 0;
};

// A script manager on a small game folder with a script flag record and an
// empty script stack; "Rec" lines go to a recording handler.
class ScriptFixture : public ControlFixture
{
protected:
    ScriptFixture()
    {
        Load();
        CreateDirectoryA(Path("Script").c_str(), nullptr);
        EXPECT_EQ(m_Scripts.Initiation(Root(), &m_DataManager), 0u) << LogText();
        EXPECT_EQ(m_Scripts.AddFunction("Rec", &m_Recorder), 0u);
    }

    DWORD Push(const std::string& strScript)
    {
        return m_Scripts.LoadScript(strScript.data(), static_cast<DWORD>(strScript.size()));
    }

    JC_ScriptManager m_Scripts;
    RecordingHandler m_Recorder;
};
