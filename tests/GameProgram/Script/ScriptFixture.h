#pragma once

#include "GameProgram/Common/XC_TimerManager.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"
#include "GameProgram/Script/XC_Script.h"
#include "GameProgram/Script/XC_ScriptSet.h"
#include "tests/GameProgram/RenderingObject/DrawableFixture.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/ScopedTempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

// A data pack of in-memory files, put in place of the game's for its life.
class FakeDataPack : public XI_PackFile
{
public:
    FakeDataPack() : m_pOldPack(g_pPackFile_Data) { g_pPackFile_Data = this; }
    ~FakeDataPack() override { g_pPackFile_Data = m_pOldPack; }

    const char* GetPath() override { return "Fake\\"; }
    XS_FileData* GetData(const char* szFileName) override
    {
        const auto found = files.find(szFileName);
        if (found == files.end())
            return nullptr;
        XS_FileData* const pData = new XS_FileData;
        pData->dwSize = static_cast<DWORD>(found->second.size());
        pData->pData = new BYTE[pData->dwSize + 1];
        std::memcpy(pData->pData, found->second.data(), found->second.size());
        return pData;
    }

    std::map<std::string, std::string> files;

private:
    XI_PackFile* m_pOldPack;
};

// A drawable that is only a named node with a colour, for the scripts' objects.
class ScriptDrawable : public XC_RenderingObject
{
public:
    explicit ScriptDrawable(const char* szName) { SetName(szName); }
};

// A top-level script set in a fake render environment, loaded from text.
class ScriptTest : public ::testing::Test
{
protected:
    ScriptTest()
    {
        XC_ScriptSet::SetTraceFolder((m_TraceFolder.Path() + "\\").c_str());
        m_Set.Init(&m_Environment);
    }
    ~ScriptTest() override
    {
        m_Set.Fini();
        XC_ScriptSet::SetTraceFolder(nullptr);
    }

    // Loads the text as the pack's file "Script\\NAME" (traced as NAME.sdi).
    void Load(const std::string& strText, const std::string& strName = "Test.txt")
    {
        m_Pack.files["Script\\" + strName] = strText;
        ASSERT_EQ(m_Set.LoadScript(("Script\\" + strName).c_str()), S_OK);
    }

    // The trace lines so far, without the tree's root and with one blank
    // before Begin or End.
    std::vector<std::string> Trace(const std::string& strName = "Test.txt") const
    {
        const std::string strText = ReadTestFile(m_TraceFolder.File(strName + ".sdi"));
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t end = strText.find('\n'); end != std::string::npos; end = strText.find('\n', start)) {
            std::string strLine = strText.substr(start, end - start);
            if (strLine.rfind("[root] ", 0) == 0)
                strLine.erase(0, 7);
            const size_t blanks = strLine.find("     ");
            if (blanks != std::string::npos)
                strLine.replace(blanks, 5, "");
            lines.push_back(strLine);
            start = end + 1;
        }
        return lines;
    }

    // Adds a drawable to the script's objects and names, as "[Resource]" would.
    ScriptDrawable* AddObject(XC_Script* pScriptObj, const char* szName)
    {
        ScriptDrawable* const pObject = new ScriptDrawable(szName);
        pScriptObj->GetRenderObjManager()->AddRenderingObject(pObject);
        pScriptObj->GetScriptResource()->AddRenderObjToResource(pObject, nullptr);
        return pObject;
    }

    // Runs the frames of every sprite, as the timer manager would.
    void Frames(int iCount, float fStep)
    {
        for (int i = 0; i < iCount; ++i)
            g_pTimerManager->Update(fStep);
    }

    ScopedTempFolder m_TraceFolder;
    ErrorLogCapture m_Log;
    FakeEnvironment m_Environment;
    FakeDataPack m_Pack;
    XC_ScriptSet m_Set;
};
