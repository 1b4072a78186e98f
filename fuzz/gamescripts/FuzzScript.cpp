// Any bytes as an in-memory game script: the interpreter cuts it into lines,
// parses its if-lines and blocks and runs it to its end, never faulting.
// The first byte chooses the line budget of each pass. Every pass takes a
// line or ends the script, so a script of n lines ends within n + 1 passes.

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DataFile.h"
#include "TemplateSystem/JC_TemplateFileReader.h"

#include <algorithm>

namespace {

// Takes every order line and answers with a failure for some.
class AnyHandler : public JI_ScriptNotify
{
public:
    DWORD Deal(const std::string& strText) override { return strText.empty() ? 0 : 0x89000001; }
};

void Require(bool bHolds)
{
    if (!bHolds)
        __builtin_trap();
}

struct Context
{
    Context()
    {
        DWORD dwLine = 0;
        Require(reader.Initiation() == 0);
        Require(reader.LoadTemplateFolder(FUZZ_FOLDER "templates/", &templates, nullptr, dwLine) == 0);
        Require(dataFile.Initiation(&templates) == 0);
        Require(dataFile.LoadDataFile(FUZZ_FOLDER "data/UnfixedData_ScriptInfo.DATA", dataManager.m_pScriptInfo,
                                      dwLine, nullptr) == 0);
        Require(dataFile.LoadDataFile(FUZZ_FOLDER "data/UnfixedData_ScriptFlag.DATA", dataManager.m_pScriptFlag,
                                      dwLine, nullptr) == 0);
        // No "Script" folder: a LoadScript by name fails and the pass goes on.
        Require(scripts.Initiation(FUZZ_FOLDER "no-game/", &dataManager) == 0);
        for (const char* szName : {"Rec", "ControlGame", "a"})
            Require(scripts.AddFunction(szName, &handler) == 0);
    }

    JC_TemplateFileReader reader;
    JC_TemplateList templates;
    JC_DataFile dataFile;
    JC_DataManager dataManager;
    JC_ScriptManager scripts;
    AnyHandler handler;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t size)
{
    static Context context;
    JC_ScriptManager& scripts = context.scripts;
    if (size == 0)
        return 0;
    const int iBudget = pData[0] % 7 == 0 ? -1 : pData[0] % 7;
    const char* pScript = reinterpret_cast<const char*>(pData + 1);
    const std::string strScript(pScript, size - 1);
    const std::string strFirstLine = strScript.substr(0, strScript.find_first_of("\r\n"));
    scripts.RealTimeScript(strFirstLine);
    if (scripts.LoadScript(pScript, static_cast<DWORD>(size - 1)) != 0)
        return 0;
    const long long lineEnds = std::count_if(strScript.begin(), strScript.end(), [](char c) { return c == '\r' || c == '\n'; });
    for (long long pass = 0; scripts.IsScriptLoaded(); ++pass) {
        Require(pass <= lineEnds + 1);
        scripts.Update(iBudget);
        Require(!scripts.IsScriptLoaded() || scripts.GetWillDealLine() <= scripts.GetTotalLine());
    }
    Require(scripts.GetScriptCount() == 0);
    return 0;
}
