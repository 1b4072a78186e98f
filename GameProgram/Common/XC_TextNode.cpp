#include "GameProgram/Common/XC_TextNode.h"

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_Cp950.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string TrimBlanks(const std::string& strText)
{
    size_t start = 0;
    while (start < strText.size() && IsBlank(strText[start]))
        ++start;
    size_t end = strText.size();
    while (end > start && IsBlank(strText[end - 1]))
        --end;
    return strText.substr(start, end - start);
}

std::string TrimRightBlanks(const std::string& strText)
{
    size_t end = strText.size();
    while (end > 0 && IsBlank(strText[end - 1]))
        --end;
    return strText.substr(0, end);
}

template <typename T>
int IndexOf(const std::vector<std::unique_ptr<T>>& items, const T* pItem)
{
    const auto found = std::find_if(items.begin(), items.end(),
                                    [pItem](const std::unique_ptr<T>& item) { return item.get() == pItem; });
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

template <typename T>
void InsertAt(std::vector<std::unique_ptr<T>>& items, T* pItem, int iIndex)
{
    if (iIndex < 0 || iIndex >= static_cast<int>(items.size()))
        items.emplace_back(pItem);
    else
        items.emplace(items.begin() + iIndex, pItem);
}

template <typename T>
T* ItemAt(const std::vector<std::unique_ptr<T>>& items, int iIndex)
{
    if (iIndex < 0 || iIndex >= static_cast<int>(items.size()))
        return nullptr;
    return items[iIndex].get();
}

} // namespace

XC_TextNode::~XC_TextNode()
{
    Clear();
}

void XC_TextNode::ReportUnknownChildren(const char* const* pszKnown, size_t uKnownCount, const char* szOwner) const
{
    for (const auto& pChild : m_ChildNodes) {
        const char* const szName = pChild->GetName() != nullptr ? pChild->GetName() : "";
        const bool bKnown = std::any_of(pszKnown, pszKnown + uKnownCount,
                                        [szName](const char* szKnown) { return std::strcmp(szName, szKnown) == 0; });
        if (!bKnown) {
            XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("%s : unknown node %s , ignored",
                                                                   szOwner != nullptr ? szOwner : "", szName));
        }
    }
}

void XC_TextNode::ReportTooDeep(const XC_IOTextFile& file)
{
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("( iDepth < MAX_DEPTH ) failed \r\n%s line %lu : nodes nested deeper than %d are "
                                 "dropped",
                                 *file.GetSourceName() != '\0' ? file.GetSourceName() : "(text block)",
                                 static_cast<unsigned long>(file.GetCurrentLineNumber()), MAX_DEPTH));
}

void XC_TextNode::ReportUnclosed(const XC_IOTextFile& file, int iOpen)
{
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("%s : the text ends inside %d node(s) ; a \"}\" is missing",
                                 *file.GetSourceName() != '\0' ? file.GetSourceName() : "(text block)", iOpen));
}

HRESULT XC_TextNode::Load(XC_IOTextFile* pFile)
{
    Clear();
    XC_TextNode* pCurrent = this;
    int iDepth = 0;
    int iSkippedDepth = 0; // levels below MAX_DEPTH that are being dropped
    while (const char* szLine = pFile->GetNextLine()) {
        std::string strLine(szLine);
        const size_t comment = XF_FindText(strLine, "//");
        if (comment != std::string::npos)
            strLine.erase(comment);

        const size_t equals = XF_FindChar(strLine, '=');
        const size_t bracket = XF_FindChar(strLine, '[');
        if (equals != std::string::npos) {
            if (iSkippedDepth == 0)
                pCurrent->AddLeaf(TrimBlanks(strLine.substr(0, equals)).c_str(),
                                  TrimBlanks(strLine.substr(equals + 1)).c_str());
        } else if (bracket != std::string::npos) {
            if (iSkippedDepth > 0 || iDepth >= MAX_DEPTH) {
                if (iSkippedDepth == 0)
                    ReportTooDeep(*pFile);
                ++iSkippedDepth;
            } else {
                pCurrent = pCurrent->AddNode(TrimRightBlanks(strLine.substr(bracket)).c_str());
                ++iDepth;
            }
        } else if (XF_FindChar(strLine, '}') != std::string::npos) {
            if (iSkippedDepth > 0) {
                --iSkippedDepth;
            } else {
                if (iDepth == 0)
                    return S_OK;
                pCurrent = pCurrent->GetParent();
                --iDepth;
            }
        }
    }
    if (iDepth + iSkippedDepth > 0)
        ReportUnclosed(*pFile, iDepth + iSkippedDepth);
    return S_OK;
}

HRESULT XC_TextNode::Save(XC_IOTextFile* pFile, const char* szIndent) const
{
    const std::string strIndent(szIndent != nullptr ? szIndent : "");
    const char* szName = GetName();
    pFile->AddLine(("\n" + strIndent + (szName != nullptr ? szName : "")).c_str());
    pFile->AddLine((strIndent + "{").c_str());
    for (const auto& pLeaf : m_Leaves) {
        const char* szLeafName = pLeaf->GetName();
        const char* szValue = pLeaf->GetValue();
        pFile->AddLine((strIndent + "\t" + (szLeafName != nullptr ? szLeafName : "") + " = "
                        + (szValue != nullptr ? szValue : ""))
                           .c_str());
    }
    const std::string strChildIndent = strIndent + "\t";
    for (const auto& pChild : m_ChildNodes)
        pChild->Save(pFile, strChildIndent.c_str());
    pFile->AddLine((strIndent + "}").c_str());
    return S_OK;
}

XC_TextNode* XC_TextNode::Clone() const
{
    XC_TextNode* pTNodeNew = new (std::nothrow) XC_TextNode;
    if (pTNodeNew == nullptr) {
        XM_REPORT_FAILED("pTNodeNew");
        return nullptr;
    }
    if (FAILED(pTNodeNew->CopyFrom(this))) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        delete pTNodeNew;
        return nullptr;
    }
    return pTNodeNew;
}

HRESULT XC_TextNode::CopyFrom(const XC_TextNode* pSource)
{
    if (pSource == this)
        return S_OK;
    Clear();
    SetName(pSource->GetName());
    for (const auto& pLeaf : pSource->m_Leaves)
        AddLeaf(pLeaf->GetName(), pLeaf->GetValue());
    for (const auto& pChild : pSource->m_ChildNodes) {
        XC_TextNode* pTNode = pChild->Clone();
        if (pTNode == nullptr)
            return E_FAIL;
        AddChildNode(pTNode);
    }
    return S_OK;
}

void XC_TextNode::Clear()
{
    m_ChildNodes.clear();
    m_Leaves.clear();
}

void XC_TextNode::SetName(const char* szName)
{
    if (szName == nullptr)
        m_Name.reset();
    else
        m_Name = szName;
}

const char* XC_TextNode::GetName() const
{
    return m_Name ? m_Name->c_str() : nullptr;
}

void XC_TextNode::SetParent(XC_TextNode* pParent)
{
    m_pParent = pParent;
}

XC_TextNode* XC_TextNode::GetParent() const
{
    return m_pParent;
}

int XC_TextNode::GetChildNodeCount() const
{
    return static_cast<int>(m_ChildNodes.size());
}

void XC_TextNode::AddChildNode(XC_TextNode* pNode)
{
    InsertChildNode(pNode, GetChildNodeCount());
}

void XC_TextNode::InsertChildNode(XC_TextNode* pNode, int iIndex)
{
    if (pNode == nullptr) {
        XM_REPORT_FAILED("pNode");
        return;
    }
    InsertAt(m_ChildNodes, pNode, iIndex);
    pNode->SetParent(this);
}

void XC_TextNode::DeleteChildNode(XC_TextNode* pNode)
{
    if (pNode == nullptr) {
        XM_REPORT_FAILED("pNode");
        return;
    }
    const int iIndex = IndexOf(m_ChildNodes, pNode);
    if (iIndex >= 0)
        m_ChildNodes.erase(m_ChildNodes.begin() + iIndex);
}

void XC_TextNode::RemoveChildNode(XC_TextNode* pNode)
{
    if (pNode == nullptr) {
        XM_REPORT_FAILED("pNode");
        return;
    }
    const int iIndex = IndexOf(m_ChildNodes, pNode);
    if (iIndex < 0)
        return;
    m_ChildNodes[iIndex].release();
    m_ChildNodes.erase(m_ChildNodes.begin() + iIndex);
    pNode->SetParent(nullptr);
}

XC_TextNode* XC_TextNode::AddNode(const char* pName)
{
    if (pName == nullptr) {
        XM_REPORT_FAILED("pName");
        return nullptr;
    }
    XC_TextNode* pTNode = new (std::nothrow) XC_TextNode;
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return nullptr;
    }
    pTNode->SetName(pName);
    AddChildNode(pTNode);
    return pTNode;
}

XC_TextNode* XC_TextNode::FindChildNode(int iIndex) const
{
    return ItemAt(m_ChildNodes, iIndex);
}

XC_TextNode* XC_TextNode::FindChildNode(const char* szName) const
{
    if (szName == nullptr)
        return nullptr;
    for (const auto& pChild : m_ChildNodes) {
        const char* szChildName = pChild->GetName();
        if (szChildName != nullptr && std::string(szChildName) == szName)
            return pChild.get();
    }
    return nullptr;
}

int XC_TextNode::GetLeafCount() const
{
    return static_cast<int>(m_Leaves.size());
}

XC_TextLeaf* XC_TextNode::AddLeaf(const char* szName, float fValue)
{
    char szValue[64];
    std::snprintf(szValue, sizeof(szValue), "%f", fValue);
    return AddLeaf(szName, szValue);
}

XC_TextLeaf* XC_TextNode::AddLeaf(const char* szName, int iValue)
{
    return AddLeaf(szName, std::to_string(iValue).c_str());
}

XC_TextLeaf* XC_TextNode::AddLeaf(const char* szName, unsigned int uValue)
{
    // Written as signed, as the integer overload; GetDword reads it back.
    return AddLeaf(szName, static_cast<int>(uValue));
}

XC_TextLeaf* XC_TextNode::AddLeaf(const char* szName, const char* szValue, const char* szComment)
{
    XC_TextLeaf* pTLeaf = AddLeaf(szName, szValue);
    if (pTLeaf != nullptr)
        pTLeaf->SetComment(szComment);
    return pTLeaf;
}

XC_TextLeaf* XC_TextNode::AddLeaf(const char* szName, const char* szValue)
{
    XC_TextLeaf* pTLeaf = new (std::nothrow) XC_TextLeaf;
    if (pTLeaf == nullptr) {
        XM_REPORT_FAILED("pTLeaf");
        return nullptr;
    }
    pTLeaf->SetName(szName);
    pTLeaf->SetValue(szValue);
    return AddLeaf(pTLeaf);
}

XC_TextLeaf* XC_TextNode::AddLeaf(XC_TextLeaf* pTLeaf)
{
    InsertLeaf(pTLeaf, GetLeafCount());
    return pTLeaf;
}

void XC_TextNode::InsertLeaf(XC_TextLeaf* pTLeaf, int iIndex)
{
    if (pTLeaf == nullptr) {
        XM_REPORT_FAILED("pTLeaf");
        return;
    }
    InsertAt(m_Leaves, pTLeaf, iIndex);
}

void XC_TextNode::DeleteLeaf(XC_TextLeaf* pTLeaf)
{
    if (pTLeaf == nullptr) {
        XM_REPORT_FAILED("pTLeaf");
        return;
    }
    const int iIndex = IndexOf(m_Leaves, pTLeaf);
    if (iIndex >= 0)
        m_Leaves.erase(m_Leaves.begin() + iIndex);
}

void XC_TextNode::RemoveLeaf(XC_TextLeaf* pTLeaf)
{
    if (pTLeaf == nullptr) {
        XM_REPORT_FAILED("pTLeaf");
        return;
    }
    const int iIndex = IndexOf(m_Leaves, pTLeaf);
    if (iIndex < 0)
        return;
    m_Leaves[iIndex].release();
    m_Leaves.erase(m_Leaves.begin() + iIndex);
}

XC_TextLeaf* XC_TextNode::GetLeaf(int iIndex) const
{
    return ItemAt(m_Leaves, iIndex);
}

XC_TextLeaf* XC_TextNode::FindLeaf(const char* szName) const
{
    if (szName == nullptr)
        return nullptr;
    for (const auto& pLeaf : m_Leaves) {
        const char* szLeafName = pLeaf->GetName();
        if (szLeafName != nullptr && std::string(szLeafName) == szName)
            return pLeaf.get();
    }
    return nullptr;
}

const char* XC_TextNode::GetStr(const char* szName, const char* szDefault) const
{
    const XC_TextLeaf* pLeaf = FindLeaf(szName);
    return pLeaf != nullptr ? pLeaf->GetStr() : szDefault;
}

int XC_TextNode::GetInt(const char* szName, int iDefault) const
{
    const XC_TextLeaf* pLeaf = FindLeaf(szName);
    return pLeaf != nullptr ? pLeaf->GetInt() : iDefault;
}

DWORD XC_TextNode::GetDword(const char* szName, DWORD dwDefault) const
{
    const XC_TextLeaf* pLeaf = FindLeaf(szName);
    return pLeaf != nullptr ? pLeaf->GetDword() : dwDefault;
}

float XC_TextNode::GetFloat(const char* szName, float fDefault) const
{
    const XC_TextLeaf* pLeaf = FindLeaf(szName);
    return pLeaf != nullptr ? pLeaf->GetFloat() : fDefault;
}

BOOL XC_TextNode::GetBool(const char* szName, BOOL bDefault) const
{
    const XC_TextLeaf* pLeaf = FindLeaf(szName);
    if (pLeaf == nullptr)
        return bDefault;
    // A flag written as a word ("yes", "True") reads as FALSE: say so.
    static const char* const FLAG_TEXTS[] = {"1", "0", "TRUE", "FALSE", "true", "false"};
    const char* const szValue = pLeaf->GetValue() != nullptr ? pLeaf->GetValue() : "";
    if (std::none_of(std::begin(FLAG_TEXTS), std::end(FLAG_TEXTS),
                     [szValue](const char* szFlag) { return std::strcmp(szValue, szFlag) == 0; })) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("%s %s = %s : not TRUE or FALSE ; FALSE is read",
                                     GetName() != nullptr ? GetName() : "", szName, szValue));
    }
    return pLeaf->GetBool();
}

bool XC_TextNode::GetVector3(const char* szName, float* pfX, float* pfY, float* pfZ) const
{
    const XC_TextLeaf* pLeaf = FindLeaf(szName);
    if (pLeaf != nullptr)
        return pLeaf->GetVector3(pfX, pfY, pfZ);
    *pfX = *pfY = *pfZ = 0.0f;
    return false;
}

DWORD XC_TextNode::GetColor(const char* szName, DWORD dwDefault) const
{
    const XC_TextLeaf* pLeaf = FindLeaf(szName);
    return pLeaf != nullptr ? pLeaf->GetColor(dwDefault) : dwDefault;
}

bool XC_TextNode::GetInt4(const char* szName, int* piA, int* piB, int* piC, int* piD) const
{
    const XC_TextLeaf* pLeaf = FindLeaf(szName);
    if (pLeaf != nullptr)
        return pLeaf->GetInt4(piA, piB, piC, piD);
    *piA = *piB = *piC = *piD = 255;
    return false;
}

DWORD XC_TextNode::GetUserValue1() const
{
    return m_dwUserValue1;
}

void XC_TextNode::SetUserValue1(DWORD dwValue)
{
    m_dwUserValue1 = dwValue;
}

DWORD XC_TextNode::GetUserValue2() const
{
    return m_dwUserValue2;
}

void XC_TextNode::SetUserValue2(DWORD dwValue)
{
    m_dwUserValue2 = dwValue;
}
