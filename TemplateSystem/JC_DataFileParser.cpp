#include "TemplateSystem/JC_DataFileParser.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_LineReader.h"
#include "TemplateSystem/JC_StrNumSwitch.h"

namespace {

// The head must be complete within this many lines.
constexpr DWORD MAX_HEAD_LINES = 150;
constexpr DWORD MIN_VERSION = 0x00080000;
constexpr DWORD MAX_VERSION = 0x0008FFFF;

bool Holds(const std::string& strLine, const char* szKeyword)
{
    return XF_FindText(strLine, szKeyword) != std::string::npos;
}

// The position of the last double quote, or npos.
size_t LastQuote(const std::string& strLine, size_t from)
{
    size_t last = std::string::npos;
    for (size_t at = XF_FindChar(strLine, '"', from); at != std::string::npos; at = XF_FindChar(strLine, '"', at + 1))
        last = at;
    return last;
}

// The text between the first double quote after the keyword and the next
// one (bLast: the last one of the line); false when a quote is missing.
bool QuotedValue(const std::string& strLine, const char* szKeyword, bool bLast, std::string& strValue)
{
    strValue.clear();
    const size_t at = XF_FindText(strLine, szKeyword);
    if (at == std::string::npos)
        return false;
    const size_t open = XF_FindChar(strLine, '"', at + std::char_traits<char>::length(szKeyword));
    if (open == std::string::npos)
        return false;
    const size_t close = bLast ? LastQuote(strLine, open + 1) : XF_FindChar(strLine, '"', open + 1);
    if (close == std::string::npos)
        return false;
    strValue = strLine.substr(open + 1, close - open - 1);
    return true;
}

// A head value: quotes missing read as an empty text.
std::string HeadValue(const std::string& strLine, const char* szKeyword)
{
    std::string strValue;
    QuotedValue(strLine, szKeyword, false, strValue);
    return strValue;
}

// "TRUE" 1, "FALSE" 0, anything else -1.
int ReadBool(const std::string& strText)
{
    if (strText == "TRUE")
        return 1;
    return strText == "FALSE" ? 0 : -1;
}

// A keyword of a block line: the line begins with "@" and holds it.
bool IsBlockKeyword(const std::string& strLine, const char* szKeyword)
{
    return strLine[0] == '@' && Holds(strLine, szKeyword);
}

} // namespace

JC_DataFileParser::JC_DataFileParser(JC_DataFile& dataFile, const char* pData, DWORD dwSize,
                                     JI_DataFileProgress* pProgress)
    : m_DataFile(dataFile)
    , m_pData(pData)
    , m_dwSize(dwSize)
    , m_pProgress(pProgress)
{
}

DWORD JC_DataFileParser::Run(JC_DataComponentMaker*& pManager, DWORD& dwLine)
{
    dwLine = 0;
    if (m_pProgress != nullptr) {
        DWORD dwCount = 0;
        JC_LineReader::CountLines(m_pData, m_dwSize, dwCount);
        m_pProgress->SetFirstSwitch(1);
        m_pProgress->SetSecondSwitch(1);
        m_pProgress->SetRange(dwCount, 0);
    }
    DWORD dwPosition = 0;
    std::string strLine;
    for (;;) {
        bool bEnd = false;
        DWORD dwResult = m_TextSplitter.ReadCleanLine(
            m_pData, m_dwSize, dwPosition, dwLine,
            JC_TextSplitter::CUT_NOTE | JC_TextSplitter::TRIM_LEFT | JC_TextSplitter::TRIM_RIGHT, strLine, bEnd);
        if (bEnd)
            return JE_DATAFILE_TRUNCATED;
        if (dwResult != 0)
            return dwResult;
        if (m_pProgress != nullptr)
            m_pProgress->SetPosition(dwLine, 0);
        const bool bInHead = m_dwHeadState != HEAD_DONE;
        if (bInHead && dwLine > MAX_HEAD_LINES)
            return JE_DATAFILE_HEAD_TOO_LONG;
        if (strLine.empty())
            continue;
        if (bInHead) {
            dwResult = ReadHeadLine(strLine);
            if (dwResult == 0 && m_dwHeadState == HEAD_DONE)
                dwResult = StartBody();
        } else if (Holds(strLine, "[FileEnd]")) {
            return FinishBody(pManager);
        } else {
            dwResult = ReadBodyLine(strLine);
        }
        if (dwResult != 0)
            return dwResult;
    }
}

DWORD JC_DataFileParser::ReadHeadLine(const std::string& strLine)
{
    switch (m_dwHeadState) {
    case HEAD_FILE:
        if (Holds(strLine, "[File]"))
            m_dwHeadState = HEAD_HEAD;
        return 0;
    case HEAD_HEAD:
        if (Holds(strLine, "[Head]"))
            m_dwHeadState = HEAD_VERSION;
        return 0;
    case HEAD_VERSION: {
        if (!Holds(strLine, "@Version"))
            return 0;
        DWORD dwVersion = 0;
        if (JC_StrNumSwitch::ParseHex(HeadValue(strLine, "@Version"), dwVersion) != 0)
            return JE_DATAFILE_VERSION_NOT_HEX;
        if (dwVersion < MIN_VERSION || dwVersion > MAX_VERSION)
            return JE_DATAFILE_VERSION_OUTSIDE;
        m_dwHeadState = HEAD_DISTRIBUTE;
        return 0;
    }
    case HEAD_DISTRIBUTE: {
        if (!Holds(strLine, "@Distribute"))
            return 0;
        const std::string strDistribute = HeadValue(strLine, "@Distribute");
        if (strDistribute == "ARRAY")
            m_dwDistributeType = JC_DataComponentMaker::DISTRIBUTE_ARRAY;
        else if (strDistribute == "TREE")
            m_dwDistributeType = JC_DataComponentMaker::DISTRIBUTE_TREE;
        else
            return JE_DATAFILE_BAD_DISTRIBUTE_TEXT;
        m_dwHeadState = HEAD_TEMPLATES;
        return 0;
    }
    case HEAD_TEMPLATES:
        if (Holds(strLine, "@UseTemplateID")) {
            DWORD dwTemplateID = 0;
            if (JC_StrNumSwitch::ParseHex(HeadValue(strLine, "@UseTemplateID"), dwTemplateID) != 0)
                return JE_DATAFILE_ID_NOT_HEX;
            m_TemplateIDs.push_back(dwTemplateID);
        } else if (Holds(strLine, "@SortItem")) {
            m_strSortItem = HeadValue(strLine, "@SortItem");
            m_dwHeadState = HEAD_SIMPLIFY_DEFAULT;
        }
        return 0;
    case HEAD_SIMPLIFY_DEFAULT:
        if (!Holds(strLine, "@IsSimplifyDefault"))
            return 0;
        if (ReadBool(HeadValue(strLine, "@IsSimplifyDefault")) < 0)
            return JE_DATAFILE_SIMPLIFY_DEFAULT_TEXT;
        m_dwHeadState = HEAD_SIMPLIFY_DEFINE;
        return 0;
    case HEAD_SIMPLIFY_DEFINE:
        if (!Holds(strLine, "@IsSimplifyDefine"))
            return 0;
        if (ReadBool(HeadValue(strLine, "@IsSimplifyDefine")) < 0)
            return JE_DATAFILE_SIMPLIFY_DEFINE_TEXT;
        m_dwHeadState = HEAD_END;
        return 0;
    case HEAD_END:
        if (Holds(strLine, "[HeadEnd]"))
            m_dwHeadState = HEAD_DONE;
        return 0;
    default:
        return 0;
    }
}

DWORD JC_DataFileParser::StartBody()
{
    JC_DataComponentMaker* pManager = nullptr;
    DWORD dwResult = m_DataFile.CreateManager(m_dwDistributeType, pManager);
    if (dwResult != 0)
        return dwResult;
    m_pManagerObj.reset(pManager);
    const JC_TemplateList& templates = *m_DataFile.GetTemplateList();
    for (const DWORD dwTemplateID : m_TemplateIDs) {
        JC_Template* pTemplate = nullptr;
        dwResult = templates.FindTemplateByID(dwTemplateID, pTemplate);
        if (dwResult == 0)
            dwResult = m_pManagerObj->GetTemplateList().AddTemplate(pTemplate, true);
        if (dwResult != 0)
            return dwResult;
    }
    if (m_strSortItem.empty())
        return 0;
    std::vector<std::string> names;
    std::vector<DWORD> types;
    m_pManagerObj->GetTemplateList().GetCommonKeyItems(names, types);
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == m_strSortItem)
            return m_pManagerObj->GetKeyedIndex().Initiation(static_cast<int>(types[i]), m_strSortItem);
    }
    return JE_DATAFILE_BAD_SORT_ITEM;
}

DWORD JC_DataFileParser::FinishBody(JC_DataComponentMaker*& pManager)
{
    m_Block.reset();
    m_SavedBlocks.clear();
    if (!m_strSortItem.empty()) {
        const DWORD dwResult = m_pManagerObj->BuildKeyedIndex();
        if (dwResult != 0)
            return dwResult;
    }
    pManager = m_pManagerObj.release();
    return 0;
}

DWORD JC_DataFileParser::ReadBodyLine(const std::string& strLine)
{
    if (!m_Block)
        m_Block = JS_DataBlockState();
    switch (m_Block->dwState) {
    case BLOCK_START:
        if (Holds(strLine, "@Start"))
            m_Block->dwState = BLOCK_TEMPLATE;
        return 0;
    case BLOCK_TEMPLATE:
        return Holds(strLine, "@MainUseTemplateID") ? ReadBlockTemplate(strLine) : 0;
    case BLOCK_ORDER:
        return Holds(strLine, "@DataOrder") ? ReadBlockOrder(strLine) : 0;
    case BLOCK_ITEMS:
        if (IsBlockKeyword(strLine, "@End")) {
            m_Block.reset();
            return 0;
        }
        return IsBlockKeyword(strLine, "@StartSub") ? StartSubBlock(strLine) : ReadItemLine(strLine);
    case BLOCK_SUB_ITEMS:
        if (IsBlockKeyword(strLine, "@EndSub")) {
            EndSubBlock();
            return 0;
        }
        return IsBlockKeyword(strLine, "@StartSub") ? StartSubBlock(strLine) : ReadItemLine(strLine);
    default:
        return 0;
    }
}

DWORD JC_DataFileParser::ReadBlockTemplate(const std::string& strLine)
{
    std::string strValue;
    if (!QuotedValue(strLine, "@MainUseTemplateID", false, strValue))
        return JE_DATAFILE_NO_QUOTES;
    DWORD dwTemplateID = 0;
    if (JC_StrNumSwitch::ParseHex(strValue, dwTemplateID) != 0)
        return JE_DATAFILE_ID_NOT_HEX;
    JC_Template* pTemplate = nullptr;
    if (m_DataFile.GetTemplateList()->FindTemplateByID(dwTemplateID, pTemplate) != 0)
        return JE_DATAFILE_NO_TEMPLATE;
    m_Block->pTemplate = pTemplate;
    m_Block->dwState = BLOCK_ORDER;
    return 0;
}

DWORD JC_DataFileParser::ReadBlockOrder(const std::string& strLine)
{
    std::string strValue;
    if (!QuotedValue(strLine, "@DataOrder", false, strValue))
        return JE_DATAFILE_NO_QUOTES;
    JC_DataOrder order;
    if (m_pManagerObj->ParseOrder(strValue, order) != 0)
        return JE_DATAFILE_ORDER_REFUSED;
    const DWORD dwMissing = CountMissingNodes(order);
    if (!JC_DataTreeManager::IsWithinNodeBudget(m_dwNodesMade + dwMissing, m_dwSize))
        return JE_DATAFILE_NO_COMPONENT;
    m_dwNodesMade += dwMissing;
    JC_DataComponent* pComponent = nullptr;
    if (m_pManagerObj->GetOrCreateComponent(order, pComponent) != 0)
        return JE_DATAFILE_NO_COMPONENT;
    if (pComponent->Create(m_DataFile.GetTemplateList(), m_Block->pTemplate) != 0)
        return JE_DATAFILE_LAYOUT_FAILED;
    m_Block->pComponent = pComponent;
    m_Block->dwState = BLOCK_ITEMS;
    return 0;
}

DWORD JC_DataFileParser::StartSubBlock(const std::string& strLine)
{
    if (m_SavedBlocks.size() + 1 >= JC_DataComponent::MAX_NESTING)
        return JE_DATAFILE_NESTED_TOO_DEEP;
    std::string strName;
    if (!QuotedValue(strLine, "@StartSub", true, strName))
        return JE_DATAFILE_NO_QUOTES;
    const JC_TemplatePlainItem* pItem = m_Block->pTemplate->GetPlainItem(strName);
    if (pItem == nullptr || pItem->m_dwType != ITEMTYPE_TEMPLATE)
        return JE_DATAFILE_NO_SUB_ITEM;
    JC_ItemValue* pValue = nullptr;
    const DWORD dwResult = m_Block->pComponent->GetValueSlot(pItem->m_dwIndex, &pValue, nullptr);
    if (dwResult != 0)
        return dwResult;
    auto* pHolder = std::get_if<std::unique_ptr<JC_DataComponent>>(pValue);
    if (pHolder == nullptr)
        return JE_DATAFILE_NO_SUB_ITEM;
    JC_Template* pSubTemplate = nullptr;
    if (m_DataFile.GetTemplateList()->FindTemplateByID(pItem->m_dwTypeEx, pSubTemplate) != 0)
        return JE_DATAFILE_NO_TEMPLATE;
    if (*pHolder == nullptr) {
        auto pSub = std::make_unique<JC_DataComponent>();
        if (pSub->Create(m_DataFile.GetTemplateList(), pSubTemplate) != 0)
            return JE_DATAFILE_LAYOUT_FAILED;
        *pHolder = std::move(pSub);
    }
    m_SavedBlocks.push_back(*m_Block);
    m_Block = JS_DataBlockState{BLOCK_SUB_ITEMS, pSubTemplate, pHolder->get()};
    return 0;
}

void JC_DataFileParser::EndSubBlock()
{
    m_Block = m_SavedBlocks.back();
    m_SavedBlocks.pop_back();
}

DWORD JC_DataFileParser::ReadItemLine(const std::string& strLine)
{
    const size_t open = XF_FindChar(strLine, '"');
    const size_t close = open == std::string::npos ? open : LastQuote(strLine, open + 1);
    if (close == std::string::npos)
        return JE_DATAFILE_NO_QUOTES;
    DWORD dwResult = m_Block->pComponent->SetItemValueText(strLine.substr(0, open),
                                                           strLine.substr(open + 1, close - open - 1));
    if (dwResult == JE_COMPONENT_TEXT_NO_ITEM && m_DataFile.GetDistributeType() == 2)
        return 0;
    // A code without the failure bit must not read as success to callers
    // that test the sign.
    if (dwResult != 0 && (dwResult & 0x80000000) == 0)
        dwResult = JE_DATAFILE_VALUE_REFUSED;
    return dwResult;
}

DWORD JC_DataFileParser::CountMissingNodes(const JC_DataOrder& order) const
{
    if (m_pManagerObj->GetDistributeType() != JC_DataComponentMaker::DISTRIBUTE_TREE)
        return 0;
    const JC_DataTreeManager& tree = static_cast<const JC_DataTreeManager&>(*m_pManagerObj);
    DWORD dwMissing = 0;
    const JC_DataComponent* pNode = nullptr;
    for (size_t k = 1; k < order.size(); ++k) {
        const DWORD dwCount = pNode != nullptr || dwMissing == 0 ? tree.GetChildCount(pNode) : 0;
        if (dwMissing == 0 && order[k] < dwCount) {
            pNode = tree.GetChild(pNode, static_cast<int>(order[k]));
            continue;
        }
        dwMissing += order[k] + 1 - dwCount;
        pNode = nullptr;
    }
    return dwMissing;
}
