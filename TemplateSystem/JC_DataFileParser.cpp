#include "TemplateSystem/JC_DataFileParser.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_LineReader.h"
#include "TemplateSystem/JC_StrNumSwitch.h"
#include "TemplateSystem/JC_TextSplitter.h"

#include <array>

namespace {

// The head must be complete within this many lines.
constexpr DWORD MAX_HEAD_LINES = 150;
constexpr DWORD HEAD_LINE_FLAGS =
    JC_TextSplitter::CUT_NOTE | JC_TextSplitter::TRIM_LEFT | JC_TextSplitter::TRIM_RIGHT;

bool Holds(std::string_view line, std::string_view keyword)
{
    return JC_FileOpening::Holds(line, keyword);
}

// A head value: quotes missing read as an empty text.
std::string_view HeadValue(std::string_view line, std::string_view keyword)
{
    std::string_view value;
    JC_FileOpening::QuotedValue(line, keyword, value);
    return value;
}

// "TRUE" 1, "FALSE" 0, anything else -1.
int ReadBool(std::string_view text)
{
    if (text == "TRUE")
        return 1;
    return text == "FALSE" ? 0 : -1;
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The bytes a body line's walk stops at: line ends, quotes, the starts of
// "[FileEnd]" and "//!", and lead bytes. Every other byte costs one lookup.
constexpr std::array<bool, 256> MakeBodyStops()
{
    std::array<bool, 256> stops{};
    for (const unsigned char cByte : {'\r', '\n', '"', '[', '/'})
        stops[cByte] = true;
    for (int cByte = 0; cByte < 256; ++cByte)
        stops[cByte] = stops[cByte] || XF_IsLeadByte(static_cast<unsigned char>(cByte));
    return stops;
}

constexpr std::array<bool, 256> BODY_STOPS = MakeBodyStops();

// A whole number as the item readers take it: a decimal with an optional
// sign, or a prefixed form ("0x", "H", "B", "F") whose digits they check.
// Anything else reads as the digits it starts with, silently.
bool IsWholeNumberText(std::string_view text)
{
    if (text.empty())
        return false;
    switch (text[0]) {
    case '0':
    case 'H':
    case 'h':
    case 'B':
    case 'b':
    case 'F':
    case 'f':
        return true;
    default:
        break;
    }
    size_t at = text[0] == '-' || text[0] == '+' ? 1 : 0;
    if (at == text.size())
        return false;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return false;
    }
    return true;
}

// The decimal element index an element line begins with ("[n],value");
// false for another form, which is not checked.
bool ReadElementIndex(std::string_view text, DWORD& dwIndex)
{
    dwIndex = 0;
    if (text.size() < 3 || text[0] != '[')
        return false;
    size_t at = 1;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && at < 10; ++at)
        dwIndex = dwIndex * 10 + static_cast<DWORD>(text[at] - '0');
    return at > 1 && at < text.size() && text[at] == ']';
}

// A keyword of a block line: the line begins with "@" and holds it.
bool IsBlockKeyword(std::string_view line, std::string_view keyword)
{
    return line[0] == '@' && Holds(line, keyword);
}

} // namespace

// A body line, read in one walk from its first byte: the walk trims its
// left, cuts it at a "//!" note, finds its end and what the body reader looks
// for: whether it holds "[FileEnd]", and its first and last double quote. The
// right is trimmed afterwards. The position moves to the next line.
struct JC_DataFileParser::JS_BodyLine
{
    JS_BodyLine(const char* pData, DWORD dwSize, DWORD& dwPosition)
    {
        const DWORD dwStart = dwPosition;
        DWORD dwAt = dwStart;
        while (dwAt < dwSize && pData[dwAt] == ' ')
            ++dwAt;
        const char* const pText = pData + dwAt;
        const size_t left = dwAt;
        for (; dwAt < dwSize; ++dwAt) {
            const unsigned char cByte = static_cast<unsigned char>(pData[dwAt]);
            if (!BODY_STOPS[cByte])
                continue;
            if (IsLineEnd(cByte))
                break;
            if (cByte == '"') {
                if (firstQuote == std::string::npos)
                    firstQuote = dwAt - left;
                lastQuote = dwAt - left;
            } else if (cByte == '[' && std::string_view(pData + dwAt, dwSize - dwAt).starts_with("[FileEnd]")) {
                bFileEnd = true;
            } else if (cByte == '/' && std::string_view(pData + dwAt, dwSize - dwAt).starts_with("//!")) {
                break;
            } else if (XF_IsLeadByte(cByte) && dwAt + 1 < dwSize && !IsLineEnd(pData[dwAt + 1])) {
                ++dwAt;
            }
        }
        line = std::string_view(pText, dwAt - left);
        line = line.substr(0, line.find_last_not_of(' ') + 1);
        DWORD dwEnd = 0;
        JC_LineReader::FindLineEnd(pData, dwSize, dwAt, dwEnd, dwPosition);
        bTooLong = dwEnd - dwStart >= JC_TextSplitter::LINE_CAPACITY;
    }

    std::string_view line;
    bool bFileEnd = false;
    bool bTooLong = false;
    size_t firstQuote = std::string::npos;
    size_t lastQuote = std::string::npos;
};

JC_DataFileParser::JC_DataFileParser(JC_DataFile& dataFile, const char* pData, DWORD dwSize,
                                     JI_DataFileProgress* pProgress)
    : m_DataFile(dataFile)
    , m_pData(pData)
    , m_dwSize(dwSize)
    , m_pProgress(pProgress)
    , m_Opening("", {JE_DATAFILE_VERSION_NOT_HEX, JE_DATAFILE_VERSION_OUTSIDE, JE_DATAFILE_VERSION_OUTSIDE})
{
}

DWORD JC_DataFileParser::Run(JC_DataComponentMaker*& pManager, DWORD& dwLine)
{
    dwLine = 0;
    StartProgress();
    DWORD dwPosition = 0;
    const DWORD dwHead = ReadHead(dwPosition, dwLine);
    if (dwHead != 0)
        return dwHead;
    for (;;) {
        const DWORD dwResult = ReadNextBodyLine(dwPosition, dwLine, pManager);
        if (dwResult != 0 || pManager != nullptr)
            return dwResult;
    }
}

DWORD JC_DataFileParser::ReadHead(DWORD& dwPosition, DWORD& dwLine)
{
    const DWORD dwResult = m_Opening.ReadLines(
        m_pData, m_dwSize, HEAD_LINE_FLAGS, JE_DATAFILE_TRUNCATED, dwPosition, dwLine,
        [this](std::string_view line) {
            const DWORD dwHeadLine = ReadHeadLine(line);
            return dwHeadLine == 0 && m_dwHeadState == HEAD_DONE ? JC_FileOpening::LINES_DONE : dwHeadLine;
        },
        [this](DWORD dwTaken) { return TakeHeadLine(dwTaken); });
    return dwResult != 0 ? dwResult : StartBody();
}

DWORD JC_DataFileParser::TakeHeadLine(DWORD dwLine) const
{
    if (m_pProgress != nullptr)
        m_pProgress->SetPosition(dwLine, 0);
    return dwLine > MAX_HEAD_LINES ? JE_DATAFILE_HEAD_TOO_LONG : 0;
}

DWORD JC_DataFileParser::ReadNextBodyLine(DWORD& dwPosition, DWORD& dwLine, JC_DataComponentMaker*& pManager)
{
    if (dwPosition >= m_dwSize)
        return JE_DATAFILE_TRUNCATED;
    m_dwLine = ++dwLine;
    const JS_BodyLine body(m_pData, m_dwSize, dwPosition);
    if (body.bTooLong)
        return JE_LINE_TOO_LONG;
    if (m_pProgress != nullptr)
        m_pProgress->SetPosition(dwLine, 0);
    if (body.bFileEnd)
        return FinishBody(pManager);
    return body.line.empty() ? 0 : ReadBodyLine(body);
}

void JC_DataFileParser::StartProgress()
{
    if (m_pProgress == nullptr)
        return;
    DWORD dwCount = 0;
    JC_LineReader::CountLines(m_pData, m_dwSize, dwCount);
    m_pProgress->SetFirstSwitch(1);
    m_pProgress->SetSecondSwitch(1);
    m_pProgress->SetRange(dwCount, 0);
}

DWORD JC_DataFileParser::ReadHeadLine(std::string_view line)
{
    switch (m_dwHeadState) {
    case HEAD_DISTRIBUTE: {
        if (!Holds(line, "@Distribute"))
            return 0;
        const std::string_view distribute = HeadValue(line, "@Distribute");
        if (distribute == "ARRAY")
            m_dwDistributeType = JC_DataComponentMaker::DISTRIBUTE_ARRAY;
        else if (distribute == "TREE")
            m_dwDistributeType = JC_DataComponentMaker::DISTRIBUTE_TREE;
        else
            return JE_DATAFILE_BAD_DISTRIBUTE_TEXT;
        m_dwHeadState = HEAD_TEMPLATES;
        return 0;
    }
    case HEAD_TEMPLATES:
        if (Holds(line, "@UseTemplateID")) {
            DWORD dwTemplateID = 0;
            if (JC_StrNumSwitch::ParseHex(HeadValue(line, "@UseTemplateID"), dwTemplateID) != 0)
                return JE_DATAFILE_ID_NOT_HEX;
            m_TemplateIDs.push_back(dwTemplateID);
        } else if (Holds(line, "@SortItem")) {
            m_strSortItem = HeadValue(line, "@SortItem");
            m_dwHeadState = HEAD_SIMPLIFY_DEFAULT;
        }
        return 0;
    case HEAD_SIMPLIFY_DEFAULT:
        if (!Holds(line, "@IsSimplifyDefault"))
            return 0;
        if (ReadBool(HeadValue(line, "@IsSimplifyDefault")) < 0)
            return JE_DATAFILE_SIMPLIFY_DEFAULT_TEXT;
        m_dwHeadState = HEAD_SIMPLIFY_DEFINE;
        return 0;
    case HEAD_SIMPLIFY_DEFINE:
        if (!Holds(line, "@IsSimplifyDefine"))
            return 0;
        if (ReadBool(HeadValue(line, "@IsSimplifyDefine")) < 0)
            return JE_DATAFILE_SIMPLIFY_DEFINE_TEXT;
        m_dwHeadState = HEAD_END;
        return 0;
    case HEAD_END:
        if (Holds(line, "[HeadEnd]"))
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
    if (m_Block && m_Block->dwState != BLOCK_START)
        Note("BlockWithoutEnd(@End missing before [FileEnd])");
    if (m_NotesLeftOut > 0)
        m_Notes.push_back({m_dwLine, "MoreNotesLeftOut:" + std::to_string(m_NotesLeftOut)});
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

DWORD JC_DataFileParser::ReadBodyLine(const JS_BodyLine& body)
{
    const std::string_view line = body.line;
    if (!m_Block)
        m_Block = JS_DataBlockState();
    switch (m_Block->dwState) {
    case BLOCK_START:
        if (Holds(line, "@Start"))
            m_Block->dwState = BLOCK_TEMPLATE;
        return 0;
    case BLOCK_TEMPLATE:
        return Holds(line, "@MainUseTemplateID") ? ReadBlockTemplate(line) : 0;
    case BLOCK_ORDER:
        return Holds(line, "@DataOrder") ? ReadBlockOrder(line) : 0;
    case BLOCK_ITEMS:
        if (IsBlockKeyword(line, "@End")) {
            // The keyword matches anywhere, so "@EndSub" ends the record too.
            if (IsBlockKeyword(line, "@EndSub"))
                Note("EndSubOutsideSubRecord(the record ends here)");
            m_Block.reset();
            return 0;
        }
        return IsBlockKeyword(line, "@StartSub") ? StartSubBlock(line) : ReadItemLine(body);
    case BLOCK_SUB_ITEMS:
        if (IsBlockKeyword(line, "@EndSub")) {
            EndSubBlock(line);
            return 0;
        }
        return IsBlockKeyword(line, "@StartSub") ? StartSubBlock(line) : ReadItemLine(body);
    default:
        return 0;
    }
}

DWORD JC_DataFileParser::ReadBlockTemplate(std::string_view line)
{
    std::string_view value;
    if (!JC_FileOpening::QuotedValue(line, "@MainUseTemplateID", value))
        return JE_DATAFILE_NO_QUOTES;
    DWORD dwTemplateID = 0;
    if (JC_StrNumSwitch::ParseHex(value, dwTemplateID) != 0)
        return JE_DATAFILE_ID_NOT_HEX;
    JC_Template* pTemplate = nullptr;
    if (m_DataFile.GetTemplateList()->FindTemplateByID(dwTemplateID, pTemplate) != 0)
        return JE_DATAFILE_NO_TEMPLATE;
    m_Block->pTemplate = pTemplate;
    m_Block->dwState = BLOCK_ORDER;
    return 0;
}

DWORD JC_DataFileParser::ReadBlockOrder(std::string_view line)
{
    std::string_view value;
    if (!JC_FileOpening::QuotedValue(line, "@DataOrder", value))
        return JE_DATAFILE_NO_QUOTES;
    JC_DataOrder& order = m_Order;
    if (m_pManagerObj->ParseOrder(std::string(value), order) != 0)
        return JE_DATAFILE_ORDER_REFUSED;
    const DWORD dwMissing = CountMissingNodes(order);
    if (!JC_DataTreeManager::IsWithinNodeBudget(m_dwNodesMade + dwMissing, m_dwSize))
        return JE_DATAFILE_NO_COMPONENT;
    m_dwNodesMade += dwMissing;
    // Placeholders a TREE made for deeper orders have no layout yet.
    if (m_pManagerObj->GetValidComponent(order) != nullptr)
        return JE_DATAFILE_ORDER_REPEATED;
    JC_DataComponent* pComponent = nullptr;
    if (m_pManagerObj->GetOrCreateComponent(order, pComponent) != 0)
        return JE_DATAFILE_NO_COMPONENT;
    if (pComponent->Create(m_DataFile.GetTemplateList(), m_Block->pTemplate) != 0)
        return JE_DATAFILE_LAYOUT_FAILED;
    m_Block->pComponent = pComponent;
    m_Block->dwState = BLOCK_ITEMS;
    return 0;
}

DWORD JC_DataFileParser::StartSubBlock(std::string_view line)
{
    if (m_SavedBlocks.size() + 1 >= JC_DataComponent::MAX_NESTING)
        return JE_DATAFILE_NESTED_TOO_DEEP;
    // The name runs to the last quote of the line.
    const size_t at = XF_FindText(line, "@StartSub");
    const size_t open = XF_FindChar(line, '"', at + std::char_traits<char>::length("@StartSub"));
    const size_t close = XF_FindLastChar(line, '"');
    if (open == std::string::npos || close == open)
        return JE_DATAFILE_NO_QUOTES;
    const JC_TemplatePlainItem* pItem = m_Block->pTemplate->GetPlainItem(line.substr(open + 1, close - open - 1));
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
    m_Block = JS_DataBlockState{BLOCK_SUB_ITEMS, pSubTemplate, pHolder->get(), nullptr, pItem->m_strName};
    return 0;
}

void JC_DataFileParser::EndSubBlock(std::string_view line)
{
    std::string_view name;
    if (JC_FileOpening::QuotedValue(line, "@EndSub", name) && name != m_Block->strSubName)
        Note("EndSubNameMismatch:" + std::string(name) + "(open:" + m_Block->strSubName + ")");
    m_Block = m_SavedBlocks.back();
    m_SavedBlocks.pop_back();
}

DWORD JC_DataFileParser::ReadItemLine(const JS_BodyLine& body)
{
    const std::string_view line = body.line;
    if (body.firstQuote == body.lastQuote)
        return JE_DATAFILE_NO_QUOTES;
    const std::string_view text = line.substr(body.firstQuote + 1, body.lastQuote - body.firstQuote - 1);
    const std::string_view name = line.substr(0, body.firstQuote);
    const JC_TemplateItem* pItem = FindBlockItem(name);
    DWORD dwResult = m_Block->pComponent->SetItemValueText(pItem, text);
    if (dwResult == JE_COMPONENT_TEXT_NO_ITEM && m_DataFile.GetDistributeType() == 2) {
        Note("ItemNotInTemplate:" + std::string(name));
        return 0;
    }
    if (dwResult == 0 && pItem != nullptr && (pItem->m_dwType == ITEMTYPE_INT32 || pItem->m_dwType == ITEMTYPE_UINT32)
        && !IsWholeNumberText(text))
        Note("ValueNotNumber:" + std::string(line));
    if (dwResult == 0 && pItem != nullptr && pItem->m_dwType == ITEMTYPE_VECTOR)
        NoteElementOrder(*pItem, text, line);
    // A code without the failure bit must not read as success to callers
    // that test the sign.
    if (dwResult != 0 && (dwResult & 0x80000000) == 0)
        dwResult = JE_DATAFILE_VALUE_REFUSED;
    return dwResult;
}

const JC_TemplateItem* JC_DataFileParser::FindBlockItem(const std::string_view& name)
{
    // Item lines follow the template's order: the item of the line before
    // (a VECTOR's elements) and the one after it are tried before the name
    // index.
    const JC_Template* pTemplate = m_Block->pComponent->GetTemplate();
    if (pTemplate == nullptr)
        return nullptr;
    const JC_TemplateItem*& pLastItem = m_Block->pLastItem;
    if (pLastItem != nullptr && JC_ItemNameIndex::SameName(pLastItem->m_strName, name))
        return pLastItem;
    const JC_TemplateItem* pNextItem = pTemplate->GetPlainItemAt(pLastItem != nullptr ? pLastItem->m_dwIndex + 1 : 0);
    if (pNextItem == nullptr || !JC_ItemNameIndex::SameName(pNextItem->m_strName, name))
        pNextItem = pTemplate->GetItem(name);
    if (pNextItem != nullptr && !pNextItem->IsRefer())
        pLastItem = pNextItem;
    return pNextItem;
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

void JC_DataFileParser::Note(std::string strText)
{
    if (m_Notes.size() >= MAX_NOTES) {
        ++m_NotesLeftOut;
        return;
    }
    m_Notes.push_back({m_dwLine, std::move(strText)});
}

void JC_DataFileParser::NoteElementOrder(const JC_TemplateItem& item, std::string_view text, std::string_view line)
{
    DWORD dwIndex = 0;
    if (!ReadElementIndex(text, dwIndex))
        return;
    if (m_Block->pVectorItem == &item && dwIndex <= m_Block->dwVectorIndex)
        Note("ElementRepeatedOrOutOfOrder:" + std::string(line));
    m_Block->pVectorItem = &item;
    m_Block->dwVectorIndex = dwIndex;
}
