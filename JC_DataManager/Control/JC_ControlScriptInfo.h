#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

class JC_DataArrayManager;

constexpr DWORD JE_SCRIPTINFO_NOT_READY = 0x89366011;
constexpr DWORD JE_SCRIPTINFO_CANNOT_OPEN = 0x89366031;
constexpr DWORD JE_SCRIPTINFO_READ_FAILED = 0x89366032;
constexpr DWORD JE_SCRIPTINFO_SHORT_READ = 0x89366033;
constexpr DWORD JE_SCRIPTINFO_NO_LIST = 0x89366041;
constexpr DWORD JE_SCRIPTINFO_NO_CURRENT_SCRIPT = 0x89366101;
constexpr DWORD JE_SCRIPTINFO_LINE_OUTSIDE = 0x89366131;
constexpr DWORD JE_SCRIPTINFO_READ_NO_CURRENT_SCRIPT = 0x89366161;
constexpr DWORD JE_SCRIPTINFO_NO_IF_RESULT = 0x89366181;
constexpr DWORD JE_SCRIPTINFO_SEEK_NO_CURRENT_SCRIPT = 0x89366201;
constexpr DWORD JE_SCRIPTINFO_SEEK_OUTSIDE = 0x89366202;
constexpr DWORD JE_SCRIPTINFO_SEEK_BAD_ORIGIN = 0x89366203;

// The game scripts' running state in the save data: a stack of script
// records, the current (innermost) script at position 0 and its callers
// after it, each with its lines, the next line to deal and the nesting of
// its If and While orders.
class JC_ControlScriptInfo : public JC_OperatorBase
{
public:
    static constexpr DWORD SCRIPT_INFO_TEMPLATE = 0x190003;
    // Scripts are read whole; no script file is larger.
    static constexpr DWORD MAX_SCRIPT_SIZE = 16 * 1024 * 1024;
    // Seek origins.
    static constexpr int SEEK_FIRST = 0;
    static constexpr int SEEK_RELATIVE = 1;
    static constexpr int SEEK_LAST = 2;

    // Keeps the folders (the script folder and its subfolder, each ending
    // with its separator) and binds the current script, if any.
    DWORD Initiation(const std::string& strScriptFolder, const std::string& strScriptSubfolder,
                     JC_DataManager* pDataManager);
    // Binds position 0 of the stack, when the stack is not empty.
    DWORD BindCurrentScript();

    // Pushes a script read from a text, or from a file of the script folder;
    // the name is the one its reports give.
    DWORD PushScript(const char* pBuffer, DWORD dwSize, const std::string& strName);
    DWORD OpenScript(const std::string& strFileName);
    // Ends the current script; its caller becomes current again.
    DWORD PopScript();
    BOOL HasCurrentScript() const { return m_bHasCurrent; }
    // The depth of the stack.
    DWORD GetScriptCount() const;

    // Fields of the current script; 0 or an empty text without one.
    int GetTotalLine() { return GetField("TotalLine"); }
    int GetWillDealLine() { return GetField("WillDealLine"); }
    int GetIsUseOrderIf() { return GetField("IsUseOrderIf"); }
    int GetOrderIfLayer() { return GetField("OrderIfLayer"); }
    int GetBracketCount() { return GetField("BracketCount"); }
    int GetIsUseOrderWhile() { return GetField("IsUseOrderWhile"); }
    int GetMarkWhilePosition() { return GetField("MarkWhilePosition"); }
    DWORD SetWillDealLine(int iLine) { return SetField("WillDealLine", iLine); }
    DWORD SetBracketCount(int iCount) { return SetField("BracketCount", iCount); }
    DWORD SetIsUseOrderIf(int iFlag) { return SetField("IsUseOrderIf", iFlag); }
    DWORD SetOrderIfLayer(int iLayer) { return SetField("OrderIfLayer", iLayer); }
    DWORD SetIsUseOrderWhile(int iFlag) { return SetField("IsUseOrderWhile", iFlag); }
    void SetPosition(int iPosition) { SetField("Position", iPosition); }
    std::string GetScriptArrayLine(DWORD dwIndex);

    DWORD GetLine(DWORD dwIndex, std::string& strLine);
    DWORD GetCurrentLine(std::string& strLine);
    // The line to deal, and on to the next; after the last line the script
    // is popped and the pop's result returned.
    DWORD ReadNextLine(std::string& strLine);
    // Moves the line to deal to the first line, by an offset, or to the last
    // line; the new line, or a failure code. Nothing moves outside the
    // script.
    int SeekLine(int iOffset, int iOrigin);

    // The results of the open If orders, innermost last.
    int GetOrderIfResult(DWORD dwIndex);
    DWORD GetOrderIfResultCount();
    // 0 when there is none.
    int GetLastOrderIfResult();
    DWORD PushOrderIfResult(int iValue);
    // Refused when there is none.
    DWORD PopOrderIfResult(int& iValue);
    DWORD DropOrderIfResult();

private:
    // The stack; null when the data manager has none.
    JC_DataArrayManager* GetScriptList() const;
    // Binds position 0; has-current follows whether one is bound.
    DWORD BindTop();
    int GetField(const char* szItemName);
    DWORD SetField(const char* szItemName, int iValue);
    JC_DWordArray* GetOrderIfResults();

    std::string m_strScriptFolder;
    std::string m_strScriptSubfolder;
    BOOL m_bReady = FALSE;
    BOOL m_bHasCurrent = FALSE;
};
