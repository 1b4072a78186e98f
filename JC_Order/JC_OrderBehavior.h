#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

class JC_OskelTemplateManager;

constexpr DWORD JE_ORDERBEHAVIOR_NULL_TEMPLATE_MANAGER = 0x89610001;
constexpr DWORD JE_ORDERBEHAVIOR_NOT_INITIATED = 0x89610101;
// Success: the walk has no further line.
constexpr DWORD JS_ORDERBEHAVIOR_END = 0x49610201;
constexpr DWORD JE_ORDERBEHAVIOR_UNBALANCED_QUOTES = 0x89610202;
constexpr DWORD JE_ORDERBEHAVIOR_UNKNOWN_TYPE = 0xCDCDCDCD;

// Walks an effect's behaviour lines for one target: blocks in braces run
// only when the behaviour before them took effect, and each line is split
// into its @key"value" pairs and its comma-separated parameters.
class JC_OrderBehavior
{
public:
    JC_OrderBehavior() = default;
    virtual ~JC_OrderBehavior() = default;
    JC_OrderBehavior(const JC_OrderBehavior&) = delete;
    JC_OrderBehavior& operator=(const JC_OrderBehavior&) = delete;

    DWORD Initiation(const JC_OskelTemplateManager* pTemplateManager);
    // Copies the lines (null: none) and starts a new walk at depth 0.
    DWORD SetOrderBehavior(const std::vector<std::string>* pLines);
    void ResetWalk();
    // 0 with a line current, JS_ORDERBEHAVIOR_END past the last one.
    DWORD DealNext();

    int GetDepth() const { return m_iDepth; }
    DWORD GetBehaviorType() const;
    // The type a line names, read as the walk reads it.
    DWORD GetLineType(const std::string& strLine) const;
    DWORD GetDefineValue(const std::string& strName) const;
    std::string GetBehaviorValue(const std::string& strKey) const;
    std::string GetBehaviorParameter(DWORD dwIndex) const;
    const std::string& GetBehaviorString() const { return m_strLine; }
    void SetDealSuccess(DWORD dwSuccess) { m_dwDealSuccess = dwSuccess; }
    // Lines that run right after the current one, in their order.
    void InsertAfterCurrent(const std::vector<std::string>& lines);
    DWORD GetDealSuccess() const { return m_dwDealSuccess; }

private:
    // False past the last line (the walk is reset then).
    bool Advance();
    // Steps over lines that only open or close blocks up to a plain line.
    DWORD Scan();
    // Steps over the rest of a block opened at depth iOuterDepth.
    DWORD SkipBlock(int iOuterDepth);
    // Follows the braces of the current line; true when it opened or closed a block.
    bool TrackBraces();
    DWORD ParseLine();
    // The line's @key"value" pairs; a repeated key keeps its last value.
    static DWORD SplitValues(const std::string& strLine, std::map<std::string, std::string>& values);
    DWORD TypeOf(const std::map<std::string, std::string>& values) const;

    const JC_OskelTemplateManager* m_pTemplateManager = nullptr;
    std::vector<std::string> m_Lines;
    int m_iDepth = 0;
    std::string m_strLine;
    int m_iIndex = -1;
    std::map<std::string, std::string> m_Values;
    std::vector<std::string> m_Parameters;
    DWORD m_dwDealSuccess = 0;
};
