#include "TemplateSystem/JC_TemplateFileReader.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JC_DefineFileReader.h"
#include "TemplateSystem/JC_FileLister.h"
#include "TemplateSystem/JC_FileOpening.h"
#include "TemplateSystem/JC_StrNumSwitch.h"
#include "TemplateSystem/JF_ItemTypeHandler.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH_EXTENSION);

const char* const s_szFileEnd = "[FileEnd]";
const char* const s_szHeadEnd = "[HeadEnd]";
const char* const s_szTemplateID = "@TemplateID";
const char* const s_szTemplateName = "@TemplateName";
const char* const s_szTemplateExplain = "@TemplateExplain";
const char* const s_szIncludeDefine = "@IncludeDefine";

constexpr size_t MAX_NAME = 40;
constexpr DWORD LINE_FLAGS = JC_TextSplitter::CUT_COMMENT | JC_TextSplitter::TRIM_LEFT | JC_TextSplitter::TRIM_RIGHT;

// The text between the first double quote after the keyword at `at` and the
// next one; empty when either is missing.
std::string_view HeadValue(std::string_view line, size_t at, const char* szKeyword)
{
    std::string_view value;
    JC_FileOpening::QuotedText(line, at + std::char_traits<char>::length(szKeyword), value);
    return value;
}

// A radix letter: "B" 2, "D" 10, "H" 16, none 10; 0 for any other.
DWORD RadixOf(const std::string& strLetter)
{
    if (strLetter.empty() || strLetter == "D")
        return 10;
    if (strLetter == "B")
        return 2;
    if (strLetter == "H")
        return 16;
    return 0;
}

void LogFailure(int iSourceLine, const std::string& strSource, DWORD dwLine, DWORD dwResult)
{
    gp_DebugInfoObj->PrintAt(s_szSourceFile, iSourceLine, " LoadTemplate Fail. \r\n File:%s Line:%u Code:0x%08x ",
                             strSource.c_str(), static_cast<unsigned>(dwLine), static_cast<unsigned>(dwResult));
}

} // namespace

// The attributes of one item line, taken in their order: each keyword is
// searched after the value of the one taken before it.
class JC_TemplateFileReader::Attributes
{
public:
    explicit Attributes(std::string_view line)
        : m_Line(line)
    {
    }

    // The quoted value after the keyword; bFound false when the keyword is
    // absent, JE_TEMPLATEREADER_NO_QUOTES when a quote is missing.
    DWORD Take(const char* szKeyword, bool& bFound, std::string& strValue)
    {
        strValue.clear();
        const size_t at = XF_FindText(m_Line, szKeyword, m_point);
        bFound = at != std::string::npos;
        if (!bFound)
            return 0;
        const size_t open = XF_FindChar(m_Line, '"', at + std::char_traits<char>::length(szKeyword));
        const size_t close = open == std::string::npos ? open : XF_FindChar(m_Line, '"', open + 1);
        if (close == std::string::npos)
            return JE_TEMPLATEREADER_NO_QUOTES;
        strValue = m_Line.substr(open + 1, close - open - 1);
        m_point = close + 1;
        return 0;
    }

    // A required attribute: dwAbsent when the keyword is missing.
    DWORD TakeRequired(const char* szKeyword, DWORD dwAbsent, std::string& strValue)
    {
        bool bFound = false;
        const DWORD dwResult = Take(szKeyword, bFound, strValue);
        if (dwResult != 0)
            return dwResult;
        return bFound ? 0 : dwAbsent;
    }

    // A marker without a value.
    bool HasMarker(const char* szKeyword) const
    {
        return XF_FindText(m_Line, szKeyword, m_point) != std::string::npos;
    }

private:
    const std::string_view m_Line;
    size_t m_point = 0;
};

DWORD JC_TemplateFileReader::Initiation()
{
    m_bInitiated = false;
    m_TypeNames.Clear();
    for (DWORD i = 0; i < ITEMTYPE_COUNT; ++i) {
        const DWORD dwResult = m_TypeNames.Add(g_aszItemTypeNames[i], i);
        if (dwResult != 0)
            return dwResult;
    }
    m_bInitiated = true;
    return 0;
}

DWORD JC_TemplateFileReader::LoadTemplateFile(const std::string& strFolder, const std::string& strFileName,
                                              JC_DefineTable* pSharedTable, JC_Template*& pTemplate, DWORD& dwLine)
{
    dwLine = 0;
    if (!m_bInitiated)
        return JE_TEMPLATEREADER_NOT_INITIATED;
    if (pTemplate != nullptr)
        return JE_TEMPLATEREADER_OUT_SET;
    const std::string strPath = strFolder + strFileName;
    std::vector<BYTE> text;
    const DWORD dwResult = JC_TextCodec::ReadText(m_Header, strPath, JE_TEMPLATEREADER_EMPTY_FILE, text);
    if (dwResult != 0)
        return dwResult;
    return LoadTemplateText(strFolder, strPath, std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                            pSharedTable, pTemplate, dwLine);
}

DWORD JC_TemplateFileReader::LoadTemplateFolder(const std::string& strFolder, JC_TemplateList* pList,
                                                JC_DefineTable* pSharedTable, DWORD& dwLine)
{
    dwLine = 0;
    if (!m_bInitiated)
        return JE_TEMPLATEREADER_NOT_INITIATED;
    if (pList == nullptr)
        return JE_TEMPLATEREADER_NO_LIST;
    pList->DeleteAll();
    if (strFolder.empty())
        return 0;
    std::vector<std::string> names;
    JC_FileLister().ListFiles(strFolder, "*.temp", names);
    if (names.empty())
        return JE_TEMPLATEREADER_NO_FILES;
    for (const std::string& strName : names) {
        JC_Template* pTemplate = nullptr;
        DWORD dwResult = LoadTemplateFile(strFolder, strName, pSharedTable, pTemplate, dwLine);
        if (dwResult != 0)
            return dwResult;
        dwResult = pList->AddTemplate(pTemplate, true);
        if (dwResult != 0) {
            LogFailure(__LINE__, strFolder + strName, 0, dwResult);
            delete pTemplate;
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_TemplateFileReader::LoadTemplateMemory(const std::string& strFolder, const BYTE* pData, DWORD dwSize,
                                                JC_DefineTable* pSharedTable, JC_Template*& pTemplate,
                                                DWORD& dwLine)
{
    dwLine = 0;
    if (!m_bInitiated)
        return JE_TEMPLATEREADER_MEMORY_NOT_INITIATED;
    if (pTemplate != nullptr)
        return JE_TEMPLATEREADER_MEMORY_OUT_SET;
    std::vector<BYTE> storage;
    std::string_view text;
    const DWORD dwResult =
        JC_TextCodec::DecodeView(m_Header, pData, dwSize, JE_TEMPLATEREADER_MEMORY_EMPTY, storage, text);
    if (dwResult != 0)
        return dwResult;
    return LoadTemplateText(strFolder, "(memory)", text, pSharedTable, pTemplate, dwLine);
}

DWORD JC_TemplateFileReader::LoadTemplateText(const std::string& strFolder, const std::string& strSource,
                                              std::string_view text, JC_DefineTable* pSharedTable,
                                              JC_Template*& pTemplate, DWORD& dwLine)
{
    auto pNew = std::make_unique<JC_Template>();
    if (pSharedTable != nullptr)
        pNew->SetDefineTable(pSharedTable);
    const DWORD dwResult =
        ReadTemplateHead(strFolder, text.data(), static_cast<DWORD>(text.size()), pNew.get(), dwLine);
    if (dwResult != 0) {
        LogFailure(__LINE__, strSource, dwLine, dwResult);
        return dwResult;
    }
    pTemplate = pNew.release();
    return 0;
}

DWORD JC_TemplateFileReader::ReadTemplateHead(const std::string& strFolder, const char* pText, DWORD dwSize,
                                              JC_Template* pTemplate, DWORD& dwLine)
{
    dwLine = 0;
    if (pText == nullptr)
        return JE_TEMPLATEREADER_NULL_TEXT;
    if (dwSize == 0)
        return JE_TEMPLATEREADER_EMPTY_TEXT;
    if (pTemplate == nullptr)
        return JE_TEMPLATEREADER_NULL_TEMPLATE;

    JC_FileOpening opening("", {JE_TEMPLATEREADER_VERSION_NOT_HEX, JE_TEMPLATEREADER_VERSION_OUTSIDE,
                                JE_TEMPLATEREADER_VERSION_OUTSIDE});
    HeadStep step = HeadStep::TemplateID;
    DWORD dwPosition = 0;
    // A line too long fails the whole template: it would drop the items after
    // it without a word.
    const DWORD dwResult = opening.ReadLines(pText, dwSize, LINE_FLAGS, dwPosition, dwLine, [&](std::string_view line) {
        if (step != HeadStep::Items)
            return ReadHeadLine(strFolder, line, step, *pTemplate);
        const DWORD dwItem = ReadTemplateItem(line, pTemplate);
        return dwItem == JE_TEMPLATEREADER_FILE_END ? JC_FileOpening::LINES_DONE : dwItem;
    });
    if (opening.IsRead())
        pTemplate->SetVersion(opening.GetVersion());
    return dwResult;
}

DWORD JC_TemplateFileReader::ReadHeadLine(const std::string& strFolder, std::string_view line, HeadStep& step,
                                          JC_Template& tmpl)
{
    switch (step) {
    case HeadStep::TemplateID: {
        const size_t at = XF_FindText(line, s_szTemplateID);
        if (at == std::string::npos)
            return 0;
        DWORD dwTemplateID = 0;
        if (JC_StrNumSwitch::ParseHex(HeadValue(line, at, s_szTemplateID), dwTemplateID) != 0)
            return JE_TEMPLATEREADER_ID_NOT_HEX;
        tmpl.SetTemplateID(dwTemplateID);
        step = HeadStep::TemplateName;
        return 0;
    }
    case HeadStep::TemplateName: {
        const size_t at = XF_FindText(line, s_szTemplateName);
        if (at == std::string::npos)
            return 0;
        tmpl.SetTemplateName(std::string(HeadValue(line, at, s_szTemplateName)));
        step = HeadStep::TemplateExplain;
        return 0;
    }
    case HeadStep::TemplateExplain: {
        const size_t at = XF_FindText(line, s_szTemplateExplain);
        if (at == std::string::npos)
            return 0;
        tmpl.SetTemplateExplain(std::string(HeadValue(line, at, s_szTemplateExplain)));
        step = HeadStep::HeadBody;
        return 0;
    }
    case HeadStep::HeadBody: {
        if (JC_FileOpening::Holds(line, s_szHeadEnd)) {
            step = HeadStep::Items;
            return 0;
        }
        const size_t at = XF_FindText(line, s_szIncludeDefine);
        if (at == std::string::npos)
            return 0;
        return IncludeDefine(strFolder, std::string(HeadValue(line, at, s_szIncludeDefine)), tmpl);
    }
    case HeadStep::Items:
        return 0;
    }
    return 0;
}

DWORD JC_TemplateFileReader::ReadTemplateItem(std::string_view line, JC_Template* pTemplate)
{
    if (JC_FileOpening::Holds(line, s_szFileEnd))
        return JE_TEMPLATEREADER_FILE_END;
    if (pTemplate == nullptr)
        return JE_TEMPLATEREADER_NULL_TEMPLATE;
    Attributes attributes(line);
    std::string strName;
    DWORD dwResult = attributes.TakeRequired("@Name", JE_TEMPLATEREADER_NO_NAME, strName);
    if (dwResult != 0)
        return dwResult;
    if (strName.empty())
        return JE_TEMPLATEREADER_EMPTY_NAME;
    if (strName.size() > MAX_NAME)
        return JE_TEMPLATEREADER_NAME_TOO_LONG;

    JC_TemplateItem* pItem = nullptr;
    dwResult = AddItem(attributes, strName, *pTemplate, pItem);
    if (dwResult == 0)
        dwResult = ReadType(attributes, *pItem);
    if (dwResult == 0)
        dwResult = ReadTypeEx(attributes, *pItem);
    if (dwResult == 0)
        dwResult = ReadRadixes(attributes, *pItem);
    if (dwResult == 0)
        dwResult = ReadRules(attributes, *JF_GetItemTypeHandler(pItem->m_dwType), *pTemplate, *pItem);
    if (dwResult == 0)
        dwResult = ReadEditShow(attributes, *pTemplate, *pItem);
    return dwResult;
}

DWORD JC_TemplateFileReader::DeleteTemplate(JC_Template*& pTemplate)
{
    delete pTemplate;
    pTemplate = nullptr;
    return 0;
}

DWORD JC_TemplateFileReader::IncludeDefine(const std::string& strFolder, const std::string& strFileName,
                                           JC_Template& tmpl)
{
    JC_DefineTable* pTable = tmpl.GetOwnDefineTable();
    if (pTable == nullptr)
        return JE_TEMPLATEREADER_INCLUDE_SHARED;
    DWORD dwDefineLine = 0;
    return JC_DefineFileReader().LoadFile(strFolder + strFileName, pTable, dwDefineLine);
}

DWORD JC_TemplateFileReader::AddItem(Attributes& attributes, const std::string& strName, JC_Template& tmpl,
                                     JC_TemplateItem*& pItem) const
{
    bool bRefer = false;
    std::string strReferred;
    DWORD dwResult = attributes.Take("@Refer", bRefer, strReferred);
    if (dwResult != 0)
        return dwResult;
    JC_TemplatePlainItem* pSpaceItem = nullptr;
    if (bRefer) {
        pSpaceItem = tmpl.GetPlainItem(strReferred);
        if (pSpaceItem == nullptr)
            return JE_TEMPLATEREADER_REFER_UNKNOWN;
        if (pSpaceItem->m_dwType != ITEMTYPE_SPACE32 && pSpaceItem->m_dwType != ITEMTYPE_SPACE64)
            return JE_TEMPLATEREADER_REFER_NOT_SPACE;
    }
    std::unique_ptr<JC_TemplateItem> pNew;
    if (bRefer)
        pNew = std::make_unique<JC_TemplateReferItem>();
    else
        pNew = std::make_unique<JC_TemplatePlainItem>();
    pNew->m_strName = strName;
    pItem = pNew.get();
    int iIndex = -1;
    dwResult = tmpl.AddItem(std::move(pNew), iIndex);
    if (dwResult != 0 || !bRefer)
        return dwResult;
    return BindReferItem(attributes, *pSpaceItem, static_cast<JC_TemplateReferItem&>(*pItem));
}

DWORD JC_TemplateFileReader::BindReferItem(Attributes& attributes, JC_TemplatePlainItem& spaceItem,
                                           JC_TemplateReferItem& referItem)
{
    std::string strBits;
    DWORD dwResult = attributes.TakeRequired("@ReferBit", JE_TEMPLATEREADER_NO_REFERBIT, strBits);
    if (dwResult != 0)
        return dwResult;
    DWORD dwLow = 0;
    DWORD dwHigh = 0;
    if (JC_StrNumSwitch::ParseUIntRange(strBits, dwLow, dwHigh) != 0)
        return JE_TEMPLATEREADER_REFERBIT_BAD;
    if (dwHigh > (spaceItem.m_dwType == ITEMTYPE_SPACE32 ? 31u : 63u))
        return JE_TEMPLATEREADER_REFERBIT_TOO_HIGH;
    if (dwHigh - dwLow > 31)
        return JE_TEMPLATEREADER_REFERBIT_TOO_WIDE;
    // Two ranges overlap when each begins before the other ends; this also
    // catches a new range that encloses an old one.
    for (const JC_TemplateReferItem* pBound : spaceItem.m_ReferItems) {
        if (dwLow <= pBound->m_dwSecondBound && pBound->m_dwFirstBound <= dwHigh)
            return JE_TEMPLATEREADER_REFERBIT_OVERLAP;
    }
    referItem.m_dwFirstBound = dwLow;
    referItem.m_dwSecondBound = dwHigh;
    spaceItem.m_ReferItems.push_back(&referItem);
    referItem.m_pReferredItem = &spaceItem;
    return 0;
}

DWORD JC_TemplateFileReader::ReadType(Attributes& attributes, JC_TemplateItem& item) const
{
    std::string strType;
    const DWORD dwResult = attributes.TakeRequired("@Type", JE_TEMPLATEREADER_NO_TYPE, strType);
    if (dwResult != 0)
        return dwResult;
    const DWORD_PTR dwType = m_TypeNames.Get(strType);
    if (dwType == JC_NameValueMap::ABSENT)
        return JE_TEMPLATEREADER_TYPE_UNKNOWN;
    if (item.IsRefer() && dwType != ITEMTYPE_UINT32 && dwType != ITEMTYPE_COMBO)
        return JE_TEMPLATEREADER_REFER_TYPE;
    item.m_dwType = static_cast<DWORD>(dwType);
    return 0;
}

DWORD JC_TemplateFileReader::ReadTypeEx(Attributes& attributes, JC_TemplateItem& item) const
{
    std::string strTypeEx;
    const DWORD dwResult = attributes.TakeRequired("@TypeEx", JE_TEMPLATEREADER_NO_TYPEEX, strTypeEx);
    if (dwResult != 0 || item.IsRefer())
        return dwResult;
    if (item.m_dwType == ITEMTYPE_VECTOR) {
        const DWORD_PTR dwElement = m_TypeNames.Get(strTypeEx);
        if (dwElement == JC_NameValueMap::ABSENT)
            return JE_TEMPLATEREADER_ELEMENT_UNKNOWN;
        if (!JF_IsVectorElementType(static_cast<DWORD>(dwElement)))
            return JE_TEMPLATEREADER_ELEMENT_TYPE;
        item.m_dwTypeEx = static_cast<DWORD>(dwElement);
    } else if (item.m_dwType == ITEMTYPE_TEMPLATE) {
        if (JC_StrNumSwitch::ParseHex(strTypeEx, item.m_dwTypeEx) != 0)
            return JE_TEMPLATEREADER_SUBTEMPLATE_NOT_HEX;
    }
    return 0;
}

DWORD JC_TemplateFileReader::ReadRadixes(Attributes& attributes, JC_TemplateItem& item)
{
    std::string strRadixes;
    const DWORD dwResult = attributes.TakeRequired("@Radix", JE_TEMPLATEREADER_NO_RADIX, strRadixes);
    if (dwResult != 0)
        return dwResult;
    const JC_StringSegment1 segments;
    if (segments.GetSegmentCount(strRadixes) != 2)
        return JE_TEMPLATEREADER_RADIX_NOT_TWO;
    std::string strLetter;
    const DWORD dwFirst = RadixOf(segments.GetSegment(strLetter, 0, strRadixes));
    if (dwFirst == 0)
        return JE_TEMPLATEREADER_FIRST_RADIX;
    const DWORD dwSecond = RadixOf(segments.GetSegment(strLetter, 1, strRadixes));
    if (dwSecond == 0)
        return JE_TEMPLATEREADER_SECOND_RADIX;
    item.SetFirstRadix(dwFirst);
    item.SetSecondRadix(dwSecond);
    return 0;
}

DWORD JC_TemplateFileReader::ReadRules(Attributes& attributes, const JC_TemplateItemType& handler,
                                       JC_Template& tmpl, JC_TemplateItem& item)
{
    std::string strValue;
    DWORD dwResult = attributes.TakeRequired("@MinMax", JE_TEMPLATEREADER_NO_MINMAX, strValue);
    if (dwResult == 0)
        dwResult = handler.ParseMinMax(&strValue, tmpl, item);
    if (dwResult != 0)
        return dwResult;

    bool bFound = false;
    if (!item.IsRefer()) {
        dwResult = attributes.Take("@ArraySize", bFound, strValue);
        if (dwResult == 0)
            dwResult = handler.ParseArraySize(bFound ? &strValue : nullptr, tmpl, item);
        if (dwResult != 0)
            return dwResult;
    }
    dwResult = attributes.Take("@Combos", bFound, strValue);
    if (dwResult == 0)
        dwResult = handler.ParseCombos(bFound ? &strValue : nullptr, tmpl, item);
    if (dwResult != 0)
        return dwResult;

    dwResult = attributes.TakeRequired("@Default", JE_TEMPLATEREADER_NO_DEFAULT, strValue);
    if (dwResult == 0)
        dwResult = handler.ParseDefault(&strValue, tmpl, item);
    if (dwResult != 0)
        return dwResult;

    dwResult = attributes.Take("@Explain", bFound, strValue);
    if (dwResult == 0 && bFound)
        dwResult = handler.SetItemExplain(strValue, tmpl, item);
    return dwResult;
}

DWORD JC_TemplateFileReader::ReadEditShow(Attributes& attributes, JC_Template& tmpl, const JC_TemplateItem& item)
{
    if (!attributes.HasMarker("@EditShow"))
        return 0;
    if (tmpl.HasEditShowItem())
        return JE_TEMPLATEREADER_EDITSHOW_TWICE;
    if (item.IsRefer())
        return JE_TEMPLATEREADER_EDITSHOW_REFER;
    if (item.m_dwType != ITEMTYPE_UINT32 && item.m_dwType != ITEMTYPE_STRING)
        return JE_TEMPLATEREADER_EDITSHOW_TYPE;
    return tmpl.SetEditShowItem(item.m_strName);
}
