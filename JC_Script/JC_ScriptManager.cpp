#include "JC_Script/JC_ScriptManager.h"

#include "GameProgram/Common/XF_InitOrder.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JC_NameValueMap.h"
#include "TemplateSystem/JF_NumberText.h"

#include <algorithm>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);
static const char* const s_szScriptFolder = "Script\\";

namespace {

JC_ScriptManager s_ScriptManager XM_INIT_ORDER(XE_INIT_SCRIPT_MANAGER);

template <typename T>
T LookUpExport(HMODULE hModule, const char* szName)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(hModule, szName)));
}

bool IsRunControl(DWORD dwResult)
{
    return dwResult >= JS_SCRIPT_ENDED && dwResult <= JS_SCRIPT_STOP;
}

bool StartsWith(const std::string& strText, const char* szPrefix)
{
    return strText.compare(0, std::strlen(szPrefix), szPrefix) == 0;
}

bool IsBlockLine(const std::string& strLine, const char* szKeyword)
{
    return strLine.size() > 1 && strLine.size() != 4 && StartsWith(strLine, szKeyword);
}

bool Compare(int iFlag, int iOperator, int iValue)
{
    switch (iOperator) {
    case JO_EQUAL:
        return iFlag == iValue;
    case JO_NOT_EQUAL:
        return iFlag != iValue;
    case JO_LESS_EQUAL:
        return iFlag <= iValue;
    case JO_GREATER_EQUAL:
        return iFlag >= iValue;
    case JO_LESS:
        return iFlag < iValue;
    case JO_GREATER:
        return iFlag > iValue;
    default:
        return false;
    }
}

// The flags that hold numbers, with their setters.
struct JS_NumberFlag
{
    const char* szName;
    DWORD (JC_ControlScriptFlag::*pfnSet)(DWORD, int);
    DWORD (JC_ControlScriptFlag::*pfnAdd)(DWORD, int);
};

const JS_NumberFlag g_NumberFlags[] = {
    {"FlagEvent", &JC_ControlScriptFlag::SetFlagEvent, &JC_ControlScriptFlag::AddFlagEvent},
    {"FlagTalk", &JC_ControlScriptFlag::SetFlagTalk, &JC_ControlScriptFlag::AddFlagTalk},
    {"FlagSystem", &JC_ControlScriptFlag::SetFlagSystem, &JC_ControlScriptFlag::AddFlagSystem},
};

const JS_NumberFlag* FindNumberFlag(const std::string& strName)
{
    for (const JS_NumberFlag& flag : g_NumberFlags) {
        if (strName == flag.szName)
            return &flag;
    }
    return nullptr;
}

} // namespace

JC_ScriptManager* gp_ScriptManagerObj = &s_ScriptManager;

JC_ScriptManager::~JC_ScriptManager()
{
    ReleaseArchive();
}

JC_DebugLog* JC_ScriptManager::Log() const
{
    // Registrations may come before the log is known.
    static JC_DebugLog s_UnopenedLog;
    return m_pErrorLog != nullptr ? m_pErrorLog : &s_UnopenedLog;
}

DWORD JC_ScriptManager::Initiation(const std::string& strPath, JC_DataManager* pDataManager)
{
    m_bInitiated = FALSE;
    m_strPath = strPath;
    m_pErrorLog = nullptr;
    m_pDataManager = nullptr;
    if (pDataManager == nullptr)
        return JE_SCRIPT_NO_DATA_MANAGER;
    if (!pDataManager->IsInitiated())
        return JE_SCRIPT_DATA_MANAGER_NOT_INITIATED;
    m_pDataManager = pDataManager;
    m_pErrorLog = pDataManager->GetErrorLog();

    BindArchiveLibrary();
    const DWORD dwResult = OpenArchive();
    if (dwResult != 0)
        return dwResult;
    return Initiation2();
}

void JC_ScriptManager::BindArchiveLibrary()
{
    if (m_hQuorlinModule != nullptr)
        return;
    const std::string strLibrary = m_strPath + "Quorlin_R.dll";
    m_hQuorlinModule = LoadLibraryA(strLibrary.c_str());
    if (m_hQuorlinModule == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " LoadLibrary Fail(ScriptFromFolder). \r\n Library:%s \r\n",
                       strLibrary.c_str());
        return;
    }
    m_pfnGetQuorlinObj = LookUpExport<JD_GET_QUORLINOBJ>(m_hQuorlinModule, JD_GET_QUORLINOBJ_NAME);
    m_pfnDelQuorlinObj = LookUpExport<JD_DEL_QUORLINOBJ>(m_hQuorlinModule, JD_DEL_QUORLINOBJ_NAME);
    if (m_pfnGetQuorlinObj == nullptr || m_pfnDelQuorlinObj == nullptr)
        Log()->PrintAt(s_szSourceFile, __LINE__, " GetProcAddress Fail(ScriptFromFolder). \r\n Library:%s \r\n",
                       strLibrary.c_str());
}

// Without the library or its exports scripts come from the script folder;
// a library that answers but fails is a failure of the initiation.
DWORD JC_ScriptManager::OpenArchive()
{
    if (m_pQuorlin != nullptr || m_pfnGetQuorlinObj == nullptr || m_pfnDelQuorlinObj == nullptr)
        return 0;
    const std::int32_t iGet = m_pfnGetQuorlinObj(&IID_Quorlin_First, &IID_Quorlin_Second, &m_pQuorlin);
    if (iGet != 0 || m_pQuorlin == nullptr) {
        m_pQuorlin = nullptr;
        Log()->PrintAt(s_szSourceFile, __LINE__, " GetQuorlinObj From DLL Fail. \r\n HRESULT:0x%08x  \r\n",
                       static_cast<unsigned>(iGet));
        return static_cast<DWORD>(iGet != 0 ? iGet : QUORLIN_E_NO_MEMORY);
    }
    const std::int32_t iInit = m_pQuorlin->Initiation();
    if (iInit != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " Initiation QuorlinObj Fail. \r\n HRESULT:0x%08x  \r\n",
                       static_cast<unsigned>(iInit));
        return static_cast<DWORD>(iInit);
    }
    const std::string strArchive = m_strPath + s_szScriptFolder + "Script.jbf";
    m_bArchiveOpen = m_pQuorlin->ProjectOpen(strArchive.c_str()) == 0;
    return 0;
}

void JC_ScriptManager::ReleaseArchive()
{
    if (m_pQuorlin != nullptr) {
        if (m_bArchiveOpen)
            m_pQuorlin->ProjectClose();
        m_pfnDelQuorlinObj(&IID_Quorlin_First, &IID_Quorlin_Second, m_pQuorlin);
    }
    m_pQuorlin = nullptr;
    m_bArchiveOpen = FALSE;
    if (m_hQuorlinModule != nullptr)
        FreeLibrary(m_hQuorlinModule);
    m_hQuorlinModule = nullptr;
}

DWORD JC_ScriptManager::Initiation2()
{
    // A failed Initiation2 leaves the manager refusing scripts until the
    // next one succeeds, so it tests the first initiation's data manager.
    if (m_pDataManager == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " ScriptManager YouMustUseFirstInitiation When UseInitiation2. \r\n ");
        return JE_SCRIPT_NOT_INITIATED;
    }
    m_bInitiated = FALSE;
    DWORD dwResult = m_ScriptFlag.Initiation(m_pDataManager);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " Initiation ControlScriptFlagObj Fail. \r\n HRESULT:0x%08x  \r\n",
                       static_cast<unsigned>(dwResult));
        return dwResult;
    }
    dwResult = m_ScriptInfo.Initiation(m_strPath, s_szScriptFolder, m_pDataManager);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " Initiation ControlScriptInfoObj Fail. \r\n ScriptPath:%s%s \r\n HRESULT:0x%08x \r\n",
                       m_strPath.c_str(), s_szScriptFolder, static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ScriptManager::AddFunction(const std::string& strFunctionName, JI_ScriptNotify* pHandler)
{
    if (strFunctionName.empty()) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " AddFunction ButFunctionNameIsEmpty. \r\n ");
        return JE_SCRIPT_ADD_EMPTY_NAME;
    }
    if (pHandler == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " AddFunction ButScriptNotifyObjNULL. \r\n");
        return JE_SCRIPT_ADD_NO_HANDLER;
    }
    // The log carries the name table's own code, as a sorted table answers.
    if (!m_Functions.emplace(strFunctionName, pHandler).second) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " AddFunction SortKeyFail(MaybeFunctionNameRepeat). \r\n FunctionName:%s \r\n HRESULT:0x%08x \r\n",
                       strFunctionName.c_str(), static_cast<unsigned>(JE_NAMEMAP_NAME_PRESENT));
        return JE_SCRIPT_ADD_NAME_REPEAT;
    }
    return 0;
}

DWORD JC_ScriptManager::DelFunction(const std::string& strFunctionName)
{
    if (strFunctionName.empty()) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " DelFunction ButFunctionNameIsEmpty. \r\n ");
        return JE_SCRIPT_DEL_EMPTY_NAME;
    }
    if (m_Functions.erase(strFunctionName) == 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " DelFunction DeleteKeyFail(MaybeFunctionNameNotFind). \r\n FunctionName:%s \r\n HRESULT:0x%08x \r\n",
                       strFunctionName.c_str(), static_cast<unsigned>(JC_NameValueMap::ABSENT));
        return JE_SCRIPT_DEL_NOT_FOUND;
    }
    return 0;
}

DWORD JC_ScriptManager::LoadScript(const char* pBuffer, DWORD dwSize)
{
    const DWORD dwResult = m_ScriptInfo.PushScript(pBuffer, dwSize, "(InMemory)");
    if (dwResult != 0)
        Log()->PrintAt(s_szSourceFile, __LINE__, " ControlScriptInfoObj LoadScript Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_ScriptManager::LoadScript(const std::string& strName)
{
    if (strName.empty()) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ScriptManager LoadScript ScriptFileNameIsEmpty. \r\n OriginalScriptFileName:%s. \r\n ",
                       strName.c_str());
        return JE_SCRIPT_LOAD_EMPTY_NAME;
    }
    if (m_bArchiveOpen)
        return LoadScriptFromArchive(strName);
    const DWORD dwResult = m_ScriptInfo.OpenScript(strName);
    if (dwResult != 0)
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ScriptManager LoadScriptFail. \r\n ScriptFileName:%s \r\n HRESULT:0x%08x \r\n", strName.c_str(),
                       static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_ScriptManager::LoadScriptFromArchive(const std::string& strName)
{
    std::uint8_t* pBuffer = nullptr;
    std::uint32_t dwSize = 0;
    const std::int32_t iGet = m_pQuorlin->GetFile(strName.c_str(), &pBuffer, &dwSize);
    if (iGet != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " GetFileFromJBFFail. \r\n ScriptFileName:%s \r\n HRESULT:0x%08x \r\n",
                       strName.c_str(), static_cast<unsigned>(iGet));
        return static_cast<DWORD>(iGet);
    }
    const DWORD dwLoad = m_ScriptInfo.PushScript(reinterpret_cast<const char*>(pBuffer), dwSize, strName);
    if (dwLoad != 0)
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ControlScriptInfoObj LoadScriptFail. \r\n ScriptFileName:%s \r\n HRESULT:0x%08x \r\n",
                       strName.c_str(), static_cast<unsigned>(dwLoad));
    const std::int32_t iFree = m_pQuorlin->FreeFile(&pBuffer);
    if (iFree != 0)
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ReleaseMemory(LoadFromJBF)Fail. \r\n ScriptFileName:%s \r\n HRESULT:0x%08x \r\n",
                       strName.c_str(), static_cast<unsigned>(iFree));
    return dwLoad != 0 ? dwLoad : static_cast<DWORD>(iFree);
}

DWORD JC_ScriptManager::ExitScript()
{
    const DWORD dwResult = m_ScriptInfo.PopScript();
    if (dwResult != 0)
        Log()->PrintAt(s_szSourceFile, __LINE__, " ControlScriptInfoObj ExitScript Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_ScriptManager::TakeLine(std::string& strLine)
{
    const int iLine = m_ScriptInfo.GetWillDealLine();
    const DWORD dwResult = m_ScriptInfo.GetLine(static_cast<DWORD>(iLine), strLine);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ControlScriptInfoObj GetScript Fail. \r\n WillDealLine:%d \r\n HRESULT:0x%08x \r\n", iLine,
                       static_cast<unsigned>(dwResult));
        return dwResult;
    }
    // Past the line before it runs, so that what it calls sees the script
    // already moved on.
    m_ScriptInfo.SetWillDealLine(iLine + 1);
    ++m_iTaken;
    return 0;
}

// The end of the script is tested before the budget, so that a pass on a
// script whose last line has run pops it and lets the caller resume.
DWORD JC_ScriptManager::Update(int iLineCount)
{
    if (!m_bInitiated || !m_ScriptInfo.HasCurrentScript())
        return JS_SCRIPT_NONE;
    int iBudget = iLineCount >= 0 ? iLineCount : GetTotalLine() - GetWillDealLine();
    m_iTaken = 0;
    for (;;) {
        // A line may have loaded another save state ("InitGame"), and with it
        // a stack without this script.
        if (!m_ScriptInfo.HasCurrentScript())
            return JS_SCRIPT_NONE;
        if (GetWillDealLine() >= GetTotalLine()) {
            ExitScript();
            return m_ScriptInfo.HasCurrentScript() ? JS_SCRIPT_ENDED : JS_SCRIPT_NONE;
        }
        if (m_iTaken >= iBudget)
            return 0;
        std::string strLine;
        const DWORD dwTake = TakeLine(strLine);
        if (dwTake != 0)
            return dwTake;
        bool bEndsPass = false;
        const DWORD dwResult = DealLine(strLine, iBudget, bEndsPass);
        if (m_LineTrace)
            m_LineTrace(strLine, dwResult);
        if ((bEndsPass && dwResult != 0) || IsRunControl(dwResult))
            return dwResult;
    }
}

DWORD JC_ScriptManager::DealLine(const std::string& strLine, int& iBudget, bool& bEndsPass)
{
    // Block lines end the pass on failure; orders only on run control.
    bEndsPass = true;
    if (strLine == "{") {
        m_ScriptInfo.SetBracketCount(m_ScriptInfo.GetBracketCount() + 1);
        return 0;
    }
    if (strLine == "}")
        return CloseBracket();
    if (strLine == "else")
        return JE_SCRIPT_ELSE_IN_FLOW;
    if (IsBlockLine(strLine, "if"))
        return DealIf(strLine);
    bEndsPass = false;
    if (IsBlockLine(strLine, "while"))
        return 0;
    std::string strRest = strLine;
    std::string strFunctionName;
    m_Segment.PopSegment(strFunctionName, strRest);
    if (strFunctionName == "Update") {
        if (!strRest.empty() && !JF_IsWholeDecimalInt(strRest))
            Log()->PrintAt(s_szSourceFile, __LINE__, " ScriptOrder \"Update\" CountIsNotNumber. \r\n ScriptString:%s \r\n",
                           strLine.c_str());
        const int iCount = JF_DecimalToInt(strRest);
        const int iLeft = GetTotalLine() - GetWillDealLine();
        iBudget = iCount < 0 ? iLeft : static_cast<int>(std::min<long long>(static_cast<long long>(iBudget) + iCount, iLeft + 1LL));
        return 0;
    }
    if (strFunctionName == "Stop")
        return JS_SCRIPT_STOP;
    return DealScript(strFunctionName, strRest);
}

DWORD JC_ScriptManager::DealIf(const std::string& strLine)
{
    // Blanks around the keyword do not count.
    const size_t open = strLine.find('(');
    std::string strCondition = strLine;
    if (open != std::string::npos) {
        std::string strKeyword;
        m_Segment.TrimCopy(strKeyword, strLine.substr(0, open));
        strCondition = strKeyword + strLine.substr(open);
    }
    std::string strLeft;
    int iOperator = -1;
    int iValue = 0;
    DWORD dwResult = m_Segment.ParseIfCondition(strCondition, strLeft, iOperator, iValue);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ScriptOrder \"if\" Format Fail. \r\n ScriptString:%s( Explain:if(VariableName (==,!=,<=,>=,<,>) "
                       "Value) ) \r\n HRESULT:0x%08x \r\n",
                       strLine.c_str(), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    std::string strFlagName;
    int iIndex = -1;
    dwResult = m_Segment.ParseIndexedName(strLeft, strFlagName, iIndex);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " ScriptOrder \"if\" Format(MaybeVariableName) Fail. \r\n ScriptString:%s( "
                       "Explain:VariableName[n] ) \r\n HRESULT:0x%08x \r\n",
                       strLine.c_str(), static_cast<unsigned>(dwResult));
        return dwResult;
    }
    int iFlag = 0;
    dwResult = GetFlag(strFlagName, iIndex, iFlag);
    if (dwResult != 0)
        return dwResult;
    const int iTaken = Compare(iFlag, iOperator, iValue) ? 1 : 0;
    m_ScriptInfo.SetIsUseOrderIf(1);
    m_ScriptInfo.PushOrderIfResult(iTaken);
    m_ScriptInfo.SetOrderIfLayer(static_cast<int>(m_ScriptInfo.GetOrderIfResultCount()));
    return iTaken == 1 ? 0 : SkipToElse();
}

// A scan that runs out of lines fails with the code given; one completed on
// the script's last line does not.
DWORD JC_ScriptManager::SkipToElse()
{
    int iDepth = 0;
    std::string strLine;
    for (;;) {
        if (GetWillDealLine() >= GetTotalLine())
            return JE_SCRIPT_BRACKET;
        const DWORD dwTake = TakeLine(strLine);
        if (dwTake != 0)
            return dwTake;
        if (strLine == "{")
            ++iDepth;
        else if (strLine == "}" && --iDepth < 0)
            return JE_SCRIPT_BRACKET;
        else if (strLine == "else" && iDepth == 0)
            return 0;
    }
}

DWORD JC_ScriptManager::SkipElsePart()
{
    const struct
    {
        const char* szLine;
        DWORD dwMissing;
    } marks[] = {{"else", JE_SCRIPT_NO_ELSE}, {"{", JE_SCRIPT_NO_ELSE_BLOCK}};
    std::string strLine;
    for (const auto& mark : marks) {
        do {
            if (GetWillDealLine() >= GetTotalLine())
                return mark.dwMissing;
            const DWORD dwTake = TakeLine(strLine);
            if (dwTake != 0)
                return dwTake;
        } while (strLine != mark.szLine);
    }
    int iDepth = 1;
    while (iDepth > 0) {
        if (GetWillDealLine() >= GetTotalLine())
            return JE_SCRIPT_BRACKET;
        const DWORD dwTake = TakeLine(strLine);
        if (dwTake != 0)
            return dwTake;
        if (strLine == "{")
            ++iDepth;
        else if (strLine == "}")
            --iDepth;
    }
    return 0;
}

DWORD JC_ScriptManager::CloseBracket()
{
    const int iBracketCount = m_ScriptInfo.GetBracketCount() - 1;
    m_ScriptInfo.SetBracketCount(iBracketCount);
    if (iBracketCount < 0)
        return JE_SCRIPT_BRACKET;
    if (m_ScriptInfo.GetIsUseOrderIf() != 1)
        return 0;
    if (m_ScriptInfo.GetLastOrderIfResult() == 1) {
        const DWORD dwResult = SkipElsePart();
        if (dwResult != 0)
            return dwResult;
    }
    m_ScriptInfo.DropOrderIfResult();
    const int iLayer = static_cast<int>(m_ScriptInfo.GetOrderIfResultCount());
    m_ScriptInfo.SetOrderIfLayer(iLayer);
    m_ScriptInfo.SetIsUseOrderIf(iLayer > 0 ? 1 : 0);
    return 0;
}

DWORD JC_ScriptManager::UpdateAll()
{
    if (!m_ScriptInfo.HasCurrentScript())
        return JS_SCRIPT_NONE;
    const DWORD dwPasses = m_ScriptInfo.GetScriptCount();
    DWORD dwResult = 0;
    for (DWORD i = 0; i < dwPasses; ++i) {
        dwResult = Update(-1);
        if (dwResult == JS_SCRIPT_HALT || dwResult == JS_SCRIPT_STOP)
            return dwResult;
    }
    return dwResult;
}

DWORD JC_ScriptManager::DealScript(const std::string& strFunctionName, const std::string& strRest)
{
    if (strFunctionName == "LoadScript") {
        const DWORD dwResult = DealLoadScript(strRest);
        if (dwResult != 0)
            Log()->PrintAt(s_szSourceFile, __LINE__,
                           " DealScript \"LoadScript\" Fail. \r\n Parameter:%s \r\n HRESULT:0x%08x \r\n", strRest.c_str(),
                           static_cast<unsigned>(dwResult));
        return dwResult;
    }
    if (strFunctionName == "Return") {
        if (m_ScriptInfo.GetBracketCount() != 0)
            Log()->PrintAt(s_szSourceFile, __LINE__, " 劇本中有未成對出現的括號. \r\n");
        ExitScript();
        return m_ScriptInfo.HasCurrentScript() ? JS_SCRIPT_ENDED : JS_SCRIPT_NONE;
    }
    if (strFunctionName == "Set")
        return SetFlag(strRest);
    if (strFunctionName == "Add")
        return AddFlag(strRest);
    if (strFunctionName == "Get") {
        Log()->PrintAt(s_szSourceFile, __LINE__, " YouCanNotUseProtectScriptOrder \"Get\". \r\n");
        return JE_SCRIPT_GET_REFUSED;
    }
    return Distribute(strFunctionName, strRest);
}

DWORD JC_ScriptManager::DealLoadScript(const std::string& strName)
{
    const DWORD dwDepth = m_ScriptInfo.GetScriptCount();
    if (dwDepth <= 1)
        m_dwChainLoads = 0;
    if (dwDepth >= MAX_SCRIPT_DEPTH) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " DealScript \"LoadScript\" ScriptStackTooDeep. \r\n ScriptFileName:%s \r\n Depth:%d(Max:%d) \r\n",
                       strName.c_str(), static_cast<int>(dwDepth), static_cast<int>(MAX_SCRIPT_DEPTH));
        return JE_SCRIPT_LOAD_TOO_DEEP;
    }
    if (m_dwChainLoads >= MAX_CHAIN_LOADS) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       " DealScript \"LoadScript\" TooManyScriptsLoaded. \r\n ScriptFileName:%s \r\n Loads:%d(Max:%d) \r\n",
                       strName.c_str(), static_cast<int>(m_dwChainLoads), static_cast<int>(MAX_CHAIN_LOADS));
        return JE_SCRIPT_LOAD_TOO_MANY;
    }
    ++m_dwChainLoads;
    return LoadScript(strName);
}

DWORD JC_ScriptManager::RealTimeScript(const std::string& strLine)
{
    std::string strRest = strLine;
    std::string strFunctionName;
    m_Segment.PopSegment(strFunctionName, strRest);
    return DealScript(strFunctionName, strRest);
}

DWORD JC_ScriptManager::Distribute(const std::string& strFunctionName, const std::string& strRest)
{
    if (strFunctionName.empty()) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " ScriptManager Distribute Fail FunctionNameIsEmpty. \r\n");
        return JE_SCRIPT_DISTRIBUTE_EMPTY_NAME;
    }
    const auto found = m_Functions.find(strFunctionName);
    if (found == m_Functions.end()) {
        Log()->PrintAt(s_szSourceFile, __LINE__,
                       "  ScriptManager Distribute Fail FunctionNameNotSupport. \r\n FunctionName:%s \r\n",
                       strFunctionName.c_str());
        return JE_SCRIPT_DISTRIBUTE_UNKNOWN;
    }
    return found->second->Deal(strRest);
}

bool JC_ScriptManager::SplitFlagFields(const std::string& strText, std::string& strName, DWORD& dwIndex,
                                       std::string& strValue) const
{
    std::string strRest = strText;
    std::string strIndex;
    m_Segment.PopSegment(strName, strRest);
    m_Segment.PopSegment(strIndex, strRest);
    m_Segment.PopSegment(strValue, strRest);
    dwIndex = static_cast<DWORD>(JF_DecimalToInt(strIndex));
    return JF_IsWholeDecimalInt(strIndex);
}

// By atoi rules, as the orders read it; a value that is no whole number is
// reported, not refused.
int JC_ScriptManager::ReadFlagValue(const std::string& strText, const std::string& strValue) const
{
    const int iValue = JF_DecimalToInt(strValue);
    if (!JF_IsWholeDecimalInt(strValue))
        Log()->PrintAt(s_szSourceFile, __LINE__, " FlagValueIsNotNumber(ReadAs:%d). \r\n Parameter:%s \r\n", iValue,
                       strText.c_str());
    return iValue;
}

// An index that is no number would address element 0.
DWORD JC_ScriptManager::RefuseFlagIndex(const std::string& strText, DWORD dwResult) const
{
    Log()->PrintAt(s_szSourceFile, __LINE__, " FlagIndexIsNotNumber. \r\n Parameter:%s \r\n", strText.c_str());
    return dwResult;
}

// The flag record refuses an element outside its array and logs it; the
// order answers that refusal.
DWORD JC_ScriptManager::SetFlag(const std::string& strText)
{
    std::string strName;
    DWORD dwIndex = 0;
    std::string strValue;
    const bool bIndexRead = SplitFlagFields(strText, strName, dwIndex, strValue);
    const JS_NumberFlag* pFlag = FindNumberFlag(strName);
    if (pFlag == nullptr && strName != "FlagString") {
        Log()->PrintAt(s_szSourceFile, __LINE__, " FlagNameNotSupport. \r\n Parameter:%s \r\n", strText.c_str());
        return JE_SCRIPT_SET_FLAG_NAME;
    }
    if (!bIndexRead)
        return RefuseFlagIndex(strText, JE_SCRIPT_SET_FLAG_INDEX);
    if (pFlag == nullptr)
        return m_ScriptFlag.SetFlagString(dwIndex, strValue);
    return (m_ScriptFlag.*pFlag->pfnSet)(dwIndex, ReadFlagValue(strText, strValue));
}

DWORD JC_ScriptManager::AddFlag(const std::string& strText)
{
    std::string strName;
    DWORD dwIndex = 0;
    std::string strValue;
    const bool bIndexRead = SplitFlagFields(strText, strName, dwIndex, strValue);
    const JS_NumberFlag* pFlag = FindNumberFlag(strName);
    if (pFlag == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " FlagNameNotSupport. \r\n Parameter:%s \r\n", strText.c_str());
        return JE_SCRIPT_ADD_FLAG_NAME;
    }
    if (!bIndexRead)
        return RefuseFlagIndex(strText, JE_SCRIPT_ADD_FLAG_INDEX);
    return (m_ScriptFlag.*pFlag->pfnAdd)(dwIndex, ReadFlagValue(strText, strValue));
}

DWORD JC_ScriptManager::GetFlag(const std::string& strName, int iIndex, int& iValue)
{
    const DWORD dwIndex = static_cast<DWORD>(iIndex);
    iValue = 0;
    if (strName == "FlagEvent")
        iValue = m_ScriptFlag.GetFlagEvent(dwIndex);
    else if (strName == "FlagTalk")
        iValue = m_ScriptFlag.GetFlagTalk(dwIndex);
    else if (strName == "FlagSystem")
        iValue = m_ScriptFlag.GetFlagSystem(dwIndex);
    else {
        Log()->PrintAt(s_szSourceFile, __LINE__, " FlagNameNotSupport. \r\n Parameter:%s,%d \r\n", strName.c_str(), iIndex);
        return JE_SCRIPT_GET_FLAG_NAME;
    }
    return 0;
}
