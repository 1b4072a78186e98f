#include "ArchiveLibrary/JC_QuorlinModule.h"

#include "tests/JC_Script/ScriptFixture.h"

#include <filesystem>
#include <memory>

namespace {

using Texts = std::vector<std::string>;

// A game folder with the archive library beside its data, scripts in the
// "Script" folder and, when a test makes it, the archive "Script\Script.jbf".
class ScriptArchive : public ControlFixture
{
protected:
    ScriptArchive()
    {
        Load();
        char szProgram[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
        std::string strLibrary = szProgram;
        strLibrary = strLibrary.substr(0, strLibrary.find_last_of('\\') + 1) + "Quorlin_R.dll";
        EXPECT_TRUE(CopyFileA(strLibrary.c_str(), Path("Quorlin_R.dll").c_str(), FALSE)) << strLibrary;
        CreateDirectoryA(Path("Script").c_str(), nullptr);
        Write("Script\\A.txt", "Rec,folder\r\n");
        Write("Script\\OnlyInFolder.txt", "Rec,only in the folder\r\n");
    }

    ~ScriptArchive() override
    {
        // The library stays loaded while the manager lives.
        m_Scripts.reset();
    }

    // The archive of the given files (paths inside it, contents).
    void MakeArchive(const std::vector<std::pair<std::string, std::string>>& files)
    {
        const std::string strSource = Path("ArchiveSource");
        for (const auto& [strName, strText] : files) {
            std::filesystem::create_directories(std::filesystem::path(strSource + "\\" + strName).parent_path());
            Write("ArchiveSource\\" + strName, strText);
        }
        JC_QuorlinModule module(Path("Quorlin_R.dll").c_str());
        JC_Quorlin* pManager = module.NewManager();
        ASSERT_NE(pManager, nullptr);
        EXPECT_EQ(JC_QuorlinModule::AddFolderContents(*pManager, strSource, ""), 0);
        EXPECT_EQ(pManager->BuildFromFolder(Path("Script\\Script.jbf").c_str(), nullptr), 0);
        module.DeleteManager(pManager);
    }

    void Initiate()
    {
        m_Scripts = std::make_unique<JC_ScriptManager>();
        ASSERT_EQ(m_Scripts->Initiation(Root(), &m_DataManager), 0u) << LogText();
        ASSERT_EQ(m_Scripts->AddFunction("Rec", &m_Recorder), 0u);
    }

    // The texts a script of that name gives when run to its end.
    Texts Run(const std::string& strName, DWORD dwLoadResult = 0)
    {
        m_Recorder.m_Texts.clear();
        EXPECT_EQ(m_Scripts->LoadScript(strName), dwLoadResult) << strName;
        for (int iPass = 0; iPass < 10 && m_Scripts->IsScriptLoaded(); ++iPass)
            m_Scripts->UpdateAll();
        return m_Recorder.m_Texts;
    }

    std::unique_ptr<JC_ScriptManager> m_Scripts;
    RecordingHandler m_Recorder;
};

} // namespace

TEST_F(ScriptArchive, ScriptsComeFromTheArchiveWhenItOpens)
{
    MakeArchive({{"A.txt", "Rec,archive\r\nLoadScript,Story\\B.txt\r\nRec,archive again\r\n"},
                 {"Story\\B.txt", "Rec,nested\nRec,with, commas\n"}});
    Initiate();
    EXPECT_FALSE(Logged("Quorlin_R.dll"));
    EXPECT_EQ(Run("A.txt"), (Texts{"archive", "nested", "with, commas", "archive again"}));
    // The folder is not looked at while the archive is open.
    EXPECT_EQ(Run("OnlyInFolder.txt", static_cast<DWORD>(QUORLIN_E_GETFILE_NOT_FOUND)), Texts{});
    EXPECT_TRUE(Logged("GetFileFromJBFFail. \r\n ScriptFileName:OnlyInFolder.txt"));
    EXPECT_FALSE(m_Scripts->IsScriptLoaded());
}

TEST_F(ScriptArchive, ScriptsComeFromTheFolderWithoutAnArchive)
{
    const struct
    {
        const char* szCase;
        const char* szArchive;
    } cases[] = {{"no archive", nullptr}, {"damaged archive", "JBF damaged beyond reading"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.szCase);
        if (c.szArchive != nullptr)
            Write("Script\\Script.jbf", c.szArchive);
        Initiate();
        EXPECT_EQ(Run("A.txt"), Texts{"folder"});
        EXPECT_EQ(Run("Missing.txt", JE_SCRIPTINFO_CANNOT_OPEN), Texts{});
        EXPECT_TRUE(Logged("ScriptManager LoadScriptFail. \r\n ScriptFileName:Missing.txt"));
    }
}
