#include "JC_DataManager/Control/JC_ControlScriptInfo.h"

#include "TemplateSystem/JC_DataArrayManager.h"
#include "TemplateSystem/JC_TextSplitter.h"

#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

// Comments cut from "//", blanks trimmed at both ends, empty lines dropped.
constexpr DWORD SCRIPT_LINE_FLAGS =
    JC_TextSplitter::CUT_COMMENT | JC_TextSplitter::TRIM_LEFT | JC_TextSplitter::TRIM_RIGHT;

DWORD ScriptFileFailure(DWORD dwReadResult)
{
    switch (dwReadResult) {
    case JE_READER_CANNOT_OPEN:
        return JE_SCRIPTINFO_CANNOT_OPEN;
    case JE_READER_SHORT_READ:
        return JE_SCRIPTINFO_SHORT_READ;
    default:
        return JE_SCRIPTINFO_READ_FAILED;
    }
}

// A new script's lines, dealt from the first.
DWORD FillScriptRecord(JC_DataComponent& script, const JC_StringArray& lines)
{
    const int iTotalLine = static_cast<int>(lines.size());
    const int iFirstLine = 0;
    DWORD dwResult = script.SetItemValue("ScriptArray", &lines);
    if (dwResult == 0)
        dwResult = script.SetItemValue("TotalLine", &iTotalLine);
    if (dwResult == 0)
        dwResult = script.SetItemValue("WillDealLine", &iFirstLine);
    return dwResult;
}

} // namespace

DWORD JC_ControlScriptInfo::Initiation(const std::string& strScriptFolder, const std::string& strScriptSubfolder,
                                       JC_DataManager* pDataManager)
{
    m_bReady = FALSE;
    m_bHasCurrent = FALSE;
    const DWORD dwResult = JC_OperatorBase::Initiation(pDataManager);
    if (dwResult != 0)
        return dwResult;
    m_strScriptFolder = strScriptFolder;
    m_strScriptSubfolder = strScriptSubfolder;
    m_bReady = TRUE;
    return BindCurrentScript();
}

DWORD JC_ControlScriptInfo::BindCurrentScript()
{
    if (!m_bReady)
        return JE_SCRIPTINFO_NOT_READY;
    m_bReady = FALSE;
    const DWORD dwResult = BindTop();
    if (dwResult != 0)
        return dwResult;
    m_bReady = TRUE;
    return 0;
}

DWORD JC_ControlScriptInfo::PushScript(const char* pBuffer, DWORD dwSize, const std::string& strName)
{
    JC_DataArrayManager* pList = GetScriptList();
    if (!m_bReady || pList == nullptr)
        return !m_bReady ? JE_SCRIPTINFO_NOT_READY : JE_SCRIPTINFO_NO_LIST;
    // The lines first, so that a script that cannot be read leaves the stack
    // as it was.
    JC_StringArray lines;
    std::vector<DWORD> numbers;
    DWORD dwResult = JC_TextSplitter().SplitAndFilter(pBuffer, dwSize, SCRIPT_LINE_FLAGS, lines, numbers);
    if (dwResult != 0) {
        Log()->Print("將劇本 從記憶體中 分析成字串陣列時 發生錯誤 \n錯誤檔案:%s(Line:%d) \n劇本檔案:%s \n\n", s_szSourceFile,
                     __LINE__, strName.c_str());
        return dwResult;
    }
    JC_DataComponent* pCreated = nullptr;
    dwResult = pList->CreateComponent(SCRIPT_INFO_TEMPLATE, pCreated);
    const std::unique_ptr<JC_DataComponent> pScript(pCreated);
    if (dwResult == 0)
        dwResult = FillScriptRecord(*pScript, lines);
    if (dwResult == 0)
        dwResult = pList->InsertComponent({0, 0}, pScript.get());
    if (dwResult == 0)
        dwResult = BindTop();
    if (dwResult != 0) {
        Log()->Print("推入新的劇本資訊 發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n劇本檔案:%s \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__, strName.c_str());
        return dwResult;
    }
    return 0;
}

DWORD JC_ControlScriptInfo::OpenScript(const std::string& strFileName)
{
    const std::string strPath = m_strScriptFolder + m_strScriptSubfolder + strFileName;
    std::vector<BYTE> buffer;
    const DWORD dwResult = JC_LineReader::ReadWholeFile(strPath, buffer, MAX_SCRIPT_SIZE);
    if (dwResult != 0) {
        Log()->Print("開啟指定的劇本檔時 發生錯誤 \n錯誤檔案:%s \n錯誤檔案:%s(Line:%d) \n\n", strPath.c_str(), s_szSourceFile,
                     __LINE__);
        return ScriptFileFailure(dwResult);
    }
    return PushScript(reinterpret_cast<const char*>(buffer.data()), static_cast<DWORD>(buffer.size()), strPath);
}

DWORD JC_ControlScriptInfo::PopScript()
{
    JC_DataArrayManager* pList = GetScriptList();
    const DWORD dwResult = pList != nullptr ? pList->RemoveComponent({0, 0}, nullptr) : JE_SCRIPTINFO_NO_LIST;
    if (dwResult != 0) {
        Log()->Print("移除目前的劇本資訊 發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n", static_cast<unsigned>(dwResult),
                     s_szSourceFile, __LINE__);
        return dwResult;
    }
    return BindTop();
}

DWORD JC_ControlScriptInfo::GetScriptCount() const
{
    const JC_DataArrayManager* pList = GetScriptList();
    return pList != nullptr ? pList->GetComponentCount() : 0;
}

std::string JC_ControlScriptInfo::GetScriptArrayLine(DWORD dwIndex)
{
    return m_bHasCurrent ? GetValue<std::string>("ScriptArray", dwIndex) : std::string();
}

DWORD JC_ControlScriptInfo::GetLine(DWORD dwIndex, std::string& strLine)
{
    strLine.clear();
    if (!m_bHasCurrent)
        return JE_SCRIPTINFO_NO_CURRENT_SCRIPT;
    if (static_cast<int>(dwIndex) < 0 || static_cast<int>(dwIndex) >= GetTotalLine())
        return JE_SCRIPTINFO_LINE_OUTSIDE;
    strLine = GetScriptArrayLine(dwIndex);
    return 0;
}

DWORD JC_ControlScriptInfo::GetCurrentLine(std::string& strLine)
{
    strLine.clear();
    if (!m_bHasCurrent)
        return JE_SCRIPTINFO_NO_CURRENT_SCRIPT;
    strLine = GetScriptArrayLine(static_cast<DWORD>(GetWillDealLine()));
    return 0;
}

DWORD JC_ControlScriptInfo::ReadNextLine(std::string& strLine)
{
    strLine.clear();
    if (!m_bHasCurrent)
        return JE_SCRIPTINFO_READ_NO_CURRENT_SCRIPT;
    const int iLine = GetWillDealLine();
    strLine = GetScriptArrayLine(static_cast<DWORD>(iLine));
    if (static_cast<long long>(iLine) + 1 >= GetTotalLine())
        return PopScript();
    return SetWillDealLine(iLine + 1);
}

int JC_ControlScriptInfo::SeekLine(int iOffset, int iOrigin)
{
    if (!m_bHasCurrent)
        return static_cast<int>(JE_SCRIPTINFO_SEEK_NO_CURRENT_SCRIPT);
    const long long llTotalLine = GetTotalLine();
    long long llLine = 0;
    switch (iOrigin) {
    case SEEK_FIRST:
        llLine = 0;
        break;
    case SEEK_RELATIVE:
        llLine = static_cast<long long>(GetWillDealLine()) + iOffset;
        break;
    case SEEK_LAST:
        llLine = llTotalLine - 1;
        break;
    default:
        return static_cast<int>(JE_SCRIPTINFO_SEEK_BAD_ORIGIN);
    }
    if (llLine < 0 || llLine >= llTotalLine)
        return static_cast<int>(JE_SCRIPTINFO_SEEK_OUTSIDE);
    SetWillDealLine(static_cast<int>(llLine));
    return static_cast<int>(llLine);
}

int JC_ControlScriptInfo::GetOrderIfResult(DWORD dwIndex)
{
    return static_cast<int>(JF_EntryOf(GetOrderIfResults(), dwIndex));
}

DWORD JC_ControlScriptInfo::GetOrderIfResultCount()
{
    const JC_DWordArray* pResults = GetOrderIfResults();
    return pResults != nullptr ? static_cast<DWORD>(pResults->size()) : 0;
}

int JC_ControlScriptInfo::GetLastOrderIfResult()
{
    const JC_DWordArray* pResults = GetOrderIfResults();
    return pResults != nullptr && !pResults->empty() ? static_cast<int>(pResults->back()) : 0;
}

DWORD JC_ControlScriptInfo::PushOrderIfResult(int iValue)
{
    if (!m_bHasCurrent)
        return JE_SCRIPTINFO_NO_CURRENT_SCRIPT;
    return SetItemData("OrderIfResult", GetOrderIfResultCount(), &iValue);
}

DWORD JC_ControlScriptInfo::PopOrderIfResult(int& iValue)
{
    iValue = 0;
    JC_DWordArray* pResults = GetOrderIfResults();
    if (pResults == nullptr || pResults->empty())
        return JE_SCRIPTINFO_NO_IF_RESULT;
    iValue = static_cast<int>(pResults->back());
    pResults->pop_back();
    return 0;
}

DWORD JC_ControlScriptInfo::DropOrderIfResult()
{
    int iValue = 0;
    return PopOrderIfResult(iValue);
}

JC_DataArrayManager* JC_ControlScriptInfo::GetScriptList() const
{
    const JC_DataManager* pDataManager = GetDataManager();
    if (pDataManager == nullptr)
        return nullptr;
    return dynamic_cast<JC_DataArrayManager*>(pDataManager->GetUnfixedDataObj(UNFIXEDDATAKIND_SCRIPTINFO));
}

DWORD JC_ControlScriptInfo::BindTop()
{
    m_bHasCurrent = FALSE;
    const JC_DataArrayManager* pList = GetScriptList();
    if (pList == nullptr) {
        Log()->Print("無法取得 ScriptInfo 資料元件 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(JE_SCRIPTINFO_NO_LIST), s_szSourceFile, __LINE__);
        return JE_SCRIPTINFO_NO_LIST;
    }
    if (pList->IsEmpty())
        return 0;
    JC_DataComponent* pScript = nullptr;
    DWORD dwResult = pList->GetComponentOrFail({0, 0}, pScript);
    if (dwResult != 0) {
        Log()->Print("無法取得 ScriptInfo 資料元件 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n", static_cast<unsigned>(dwResult),
                     s_szSourceFile, __LINE__);
        return dwResult;
    }
    dwResult = SetDataConponent(pScript);
    if (dwResult != 0) {
        Log()->Print("將 ScriptInfo 資料元件 設定給自己初始化時 發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    m_bHasCurrent = TRUE;
    return 0;
}

int JC_ControlScriptInfo::GetField(const char* szItemName)
{
    return m_bHasCurrent ? GetValue<int>(szItemName) : 0;
}

DWORD JC_ControlScriptInfo::SetField(const char* szItemName, int iValue)
{
    if (!m_bHasCurrent)
        return JE_SCRIPTINFO_NO_CURRENT_SCRIPT;
    return SetItemData(szItemName, 0, &iValue);
}

JC_DWordArray* JC_ControlScriptInfo::GetOrderIfResults()
{
    if (!m_bHasCurrent)
        return nullptr;
    DWORD dwResult = 0;
    return GetSpace<JC_DWordArray>("OrderIfResult", dwResult);
}
