#include "TemplateSystem/JC_DataComponent.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_StrNumSwitch.h"
#include "TemplateSystem/JC_TextSplitter.h"
#include "TemplateSystem/JF_ItemTypeHandler.h"
#include "TemplateSystem/JF_ItemValueAccess.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// The element count a first growth of an array makes room for, at most.
constexpr DWORD SMALL_ARRAY = 16;

bool HasValue(const JC_ItemValue& value)
{
    return !std::holds_alternative<std::monostate>(value);
}

// The item's default as a constant of type T, or T's zero.
template <typename T>
T DefaultOf(const JC_TemplateItem& item)
{
    const T* pDefault = std::get_if<T>(&item.m_Default);
    return pDefault != nullptr ? *pDefault : T();
}

// The default element of an INT32 or UINT32 VECTOR as its bit pattern.
DWORD DefaultBits(const JC_TemplateItem& item)
{
    if (const int* pInt = std::get_if<int>(&item.m_Default))
        return static_cast<DWORD>(*pInt);
    return DefaultOf<DWORD>(item);
}

bool IsRadix(DWORD dwRadix)
{
    return dwRadix == 2 || dwRadix == 10 || dwRadix == 16;
}

std::string FormatBits64(ULONGLONG ullBits, DWORD dwRadix)
{
    switch (dwRadix) {
    case 2: return JC_StrNumSwitch::UInt64ToBinStr(ullBits);
    case 16: return JC_StrNumSwitch::Int64ToHexStr(static_cast<LONGLONG>(ullBits));
    default: return JC_StrNumSwitch::UInt64ToStr(ullBits);
    }
}

// The default of an array's new elements, in its element type.
DWORD ElementDefault(const JC_TemplateItem& item, const JC_DWordArray&)
{
    return DefaultBits(item);
}

template <typename T>
T ElementDefault(const JC_TemplateItem& item, const std::vector<T>&)
{
    return DefaultOf<T>(item);
}

// Whether an element lies within the item's bounds, INT32 elements compared
// signed.
bool ElementWithin(const JC_TemplateItem& item, DWORD dwBits)
{
    return item.m_dwTypeEx == ITEMTYPE_INT32 ? item.IsWithinBounds(static_cast<int>(dwBits))
                                             : item.IsWithinBounds(dwBits);
}

bool ElementWithin(const JC_TemplateItem& item, float fValue)
{
    return item.IsWithinBounds(fValue);
}

bool ElementWithin(const JC_TemplateItem&, const std::string&)
{
    return true;
}

// Replaces an array by a copy of the caller's. What the reader would refuse
// is refused here too, so every array set can be written and read back.
template <typename T>
DWORD AssignArray(const JC_TemplateItem& item, const std::vector<T>* pElements, JC_ItemValue* pValue,
                  DWORD dwWrongVariable)
{
    std::vector<T>* pHolder = std::get_if<std::vector<T>>(pValue);
    if (pElements == nullptr || pHolder == nullptr)
        return dwWrongVariable;
    if (pElements->size() > item.m_dwFirstBound)
        return JE_COMPONENT_INDEX_TOO_LARGE;
    for (const T& element : *pElements) {
        if (!ElementWithin(item, element))
            return JE_COMPONENT_OUTSIDE_RANGE;
    }
    *pHolder = *pElements;
    return 0;
}

// Hands a holder out to the caller's variable of its own type: arrays and
// sub-components as pointers to the component's own, the rest by value.
template <typename T>
DWORD HandOut(const T& holder, const JC_ValueOut& value)
{
    T* pOut = JF_OutAs<T>(value);
    if (pOut == nullptr)
        return JE_COMPONENT_NOT_FOR_TYPE;
    *pOut = holder;
    return 0;
}

template <typename T>
DWORD HandOut(std::vector<T>& elements, const JC_ValueOut& value)
{
    std::vector<T>** ppOut = JF_OutAs<std::vector<T>*>(value);
    if (ppOut == nullptr)
        return JE_COMPONENT_NOT_FOR_TYPE;
    *ppOut = &elements;
    return 0;
}

DWORD HandOut(const std::monostate&, const JC_ValueOut&)
{
    return JE_COMPONENT_GET_NO_ITEM;
}

DWORD HandOut(const std::unique_ptr<JC_DataComponent>& pSub, const JC_ValueOut& value)
{
    JC_DataComponent** ppOut = JF_OutAs<JC_DataComponent*>(value);
    if (ppOut == nullptr)
        return JE_COMPONENT_NOT_FOR_TYPE;
    *ppOut = pSub.get();
    return 0;
}

// One element of an array into the caller's variable; INT32 and UINT32
// elements go into an int or a DWORD alike.
DWORD HandOutElement(const JC_DWordArray& elements, DWORD dwIndex, const JC_ValueOut& value)
{
    if (dwIndex >= elements.size())
        return JE_COMPONENT_GET_INDEX_OUTSIDE;
    return JF_WriteOut32(value, elements[dwIndex]) ? 0 : JE_COMPONENT_NOT_FOR_TYPE;
}

template <typename T>
DWORD HandOutElement(const std::vector<T>& elements, DWORD dwIndex, const JC_ValueOut& value)
{
    if (dwIndex >= elements.size())
        return JE_COMPONENT_GET_INDEX_OUTSIDE;
    return HandOut(elements[dwIndex], value);
}

template <typename T>
DWORD HandOutElement(const T&, DWORD, const JC_ValueOut&)
{
    return JE_COMPONENT_GET_ELEMENT_TYPE;
}

// Sets an element to 0 or an empty text.
template <typename T>
DWORD ClearElement(std::vector<T>& elements, DWORD dwIndex)
{
    if (dwIndex >= elements.size())
        return JE_COMPONENT_CLEAR_OUTSIDE;
    elements[dwIndex] = T();
    return 0;
}

template <typename T>
DWORD ClearElement(T&, DWORD)
{
    return JE_COMPONENT_CLEAR_NOT_VECTOR;
}

template <typename T>
DWORD RemoveElement(std::vector<T>& elements, DWORD dwIndex)
{
    if (dwIndex >= elements.size())
        return JE_COMPONENT_REMOVE_OUTSIDE;
    elements.erase(elements.begin() + dwIndex);
    return 0;
}

template <typename T>
DWORD RemoveElement(T&, DWORD)
{
    return JE_COMPONENT_REMOVE_NOT_VECTOR;
}

// Whether a value, or element dwIndex of an array, equals its default.
template <typename T>
bool IsDefaultHolder(const T& holder, const JC_TemplateItem& item, DWORD)
{
    return holder == DefaultOf<T>(item);
}

template <typename T>
bool IsDefaultHolder(const std::vector<T>& elements, const JC_TemplateItem& item, DWORD dwIndex)
{
    return dwIndex < elements.size() && elements[dwIndex] == ElementDefault(item, elements);
}

bool IsDefaultHolder(const std::monostate&, const JC_TemplateItem&, DWORD)
{
    return false;
}

bool IsDefaultHolder(const std::unique_ptr<JC_DataComponent>&, const JC_TemplateItem&, DWORD)
{
    return false;
}

// Sets a value to its item's default; an array to its smallest count of
// default elements. Sub-components are laid out by their owner.
template <typename T>
void ResetHolder(T& holder, const JC_TemplateItem& item)
{
    holder = DefaultOf<T>(item);
}

template <typename T>
void ResetHolder(std::vector<T>& elements, const JC_TemplateItem& item)
{
    elements.assign(item.m_dwSecondBound, ElementDefault(item, elements));
}

void ResetHolder(std::monostate&, const JC_TemplateItem&)
{
}

void ResetHolder(std::unique_ptr<JC_DataComponent>&, const JC_TemplateItem&)
{
}

// The text of a FLOAT, STRING or SPACE64 value, or of one array element, in
// the radix given.
DWORD FormatHolder(float fValue, const JC_TemplateItem&, DWORD, DWORD, std::string& strText)
{
    strText = JC_StrNumSwitch::FloatToStr(fValue);
    return 0;
}

DWORD FormatHolder(const std::string& strValue, const JC_TemplateItem&, DWORD, DWORD, std::string& strText)
{
    strText = strValue;
    return 0;
}

DWORD FormatHolder(ULONGLONG ullBits, const JC_TemplateItem&, DWORD, DWORD dwRadix, std::string& strText)
{
    strText = FormatBits64(ullBits, dwRadix);
    return 0;
}

DWORD FormatHolder(const JC_DWordArray& elements, const JC_TemplateItem& item, DWORD dwIndex, DWORD dwRadix,
                   std::string& strText)
{
    if (dwIndex >= elements.size())
        return JE_COMPONENT_GET_INDEX_OUTSIDE;
    strText = JF_FormatBits32(elements[dwIndex], item.m_dwTypeEx == ITEMTYPE_INT32, dwRadix);
    return 0;
}

template <typename T>
DWORD FormatHolder(const std::vector<T>& elements, const JC_TemplateItem& item, DWORD dwIndex, DWORD dwRadix,
                   std::string& strText)
{
    if (dwIndex >= elements.size())
        return JE_COMPONENT_GET_INDEX_OUTSIDE;
    return FormatHolder(elements[dwIndex], item, 0, dwRadix, strText);
}

// 32-bit values are formatted by their item's type, not by their holder.
template <typename T>
DWORD FormatHolder(const T&, const JC_TemplateItem&, DWORD, DWORD, std::string&)
{
    return JE_COMPONENT_GET_TYPE_UNKNOWN;
}

// Whether the reader takes a text back as it is: it cuts "//!" notes, ends
// the file at "[FileEnd]" and splits lines at CR and LF.
bool IsFaithfulText(const std::string& strText)
{
    return XF_FindText(strText, "//!") == std::string::npos && XF_FindText(strText, "[FileEnd]") == std::string::npos
        && strText.find_first_of("\r\n") == std::string::npos;
}

// Appends a line and its CR LF; false for a line too long for the reader.
bool AppendLine(std::string& strFile, const std::string& strLine)
{
    if (strLine.size() >= JC_TextSplitter::LINE_CAPACITY)
        return false;
    strFile += strLine;
    strFile += "\r\n";
    return true;
}

std::string ItemLine(const std::string& strName, const std::string& strValue)
{
    return strName + '"' + strValue + '"';
}

// The element lines of a VECTOR: the array as the reader rebuilds it, padded
// to the smallest count with the default. With bSimplify, an element is left
// out when the reader gets it back without its line: the reader starts from
// the smallest count of defaults and grows the array with zero or empty
// elements. A last element the count needs is always written.
template <typename T, typename Format>
DWORD WriteElements(std::string& strFile, const JC_TemplateItem& item, std::vector<T> elements, const T& def,
                    bool bSimplify, Format format)
{
    const size_t smallest = item.m_dwSecondBound;
    if (elements.size() < smallest)
        elements.resize(smallest, def);
    for (size_t i = 0; i < elements.size(); ++i) {
        const bool bCarriesCount = i + 1 == elements.size() && elements.size() > smallest;
        const T& unwritten = i < smallest ? def : T{};
        if (bSimplify && elements[i] == unwritten && !bCarriesCount)
            continue;
        std::string strText;
        if (!format(elements[i], strText))
            return JE_COMPONENT_WRITE_UNFAITHFUL;
        char szIndex[24];
        std::snprintf(szIndex, sizeof(szIndex), "[%u],", static_cast<unsigned>(i));
        if (!AppendLine(strFile, ItemLine(item.m_strName, szIndex + strText)))
            return JE_COMPONENT_WRITE_UNFAITHFUL;
    }
    return 0;
}

// Sets element dwIndex of a VECTOR's array; new elements are zero or empty.
// A data file sets the elements one by one, so the first growth makes room
// for a small array's largest count at once.
template <typename T>
DWORD PlaceElement(const JC_TemplateItem& item, DWORD dwIndex, std::vector<T>& elements, const T& element)
{
    if (dwIndex >= item.m_dwFirstBound)
        return JE_COMPONENT_INDEX_TOO_LARGE;
    if (dwIndex >= elements.size()) {
        if (elements.capacity() == 0)
            elements.reserve(std::min<DWORD>(item.m_dwFirstBound, SMALL_ARRAY));
        elements.resize(dwIndex + 1);
    }
    elements[dwIndex] = element;
    return 0;
}

} // namespace

JC_DataComponent::JC_DataComponent() = default;

JC_DataComponent::~JC_DataComponent() = default;

DWORD JC_DataComponent::ResetToDefaults()
{
    return ResetValues(0);
}

DWORD JC_DataComponent::Create(const JC_TemplateList* pList, const JC_Template* pTemplate)
{
    return LayOut(pList, pTemplate, 0);
}

DWORD JC_DataComponent::CreateByTemplateID(const JC_TemplateList* pList, DWORD dwTemplateID)
{
    if (pList == nullptr || dwTemplateID == 0)
        return Create(nullptr, nullptr);
    JC_Template* pTemplate = nullptr;
    const DWORD dwResult = pList->FindTemplateByID(dwTemplateID, pTemplate);
    if (dwResult != 0)
        return dwResult;
    return Create(pList, pTemplate);
}

DWORD JC_DataComponent::SetItemDefault(const JC_TemplateItem* pItem)
{
    if (pItem == nullptr)
        return JE_COMPONENT_SET_NO_ITEM;
    if (pItem->m_dwType == ITEMTYPE_VECTOR || pItem->m_dwType == ITEMTYPE_TEMPLATE)
        return 0;
    return std::visit(
        [&](const auto& def) -> DWORD {
            using T = std::decay_t<decltype(def)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return JE_COMPONENT_SET_WRONG_VARIABLE;
            else
                return SetItemValue(pItem, &def);
        },
        pItem->m_Default);
}

const JC_TemplateList* JC_DataComponent::GetTemplateList() const
{
    return m_pTemplateList;
}

const JC_Template* JC_DataComponent::GetTemplate() const
{
    return m_pTemplate;
}

bool JC_DataComponent::HasNoLayout() const
{
    return m_pTemplateList == nullptr || m_pTemplate == nullptr;
}

int JC_DataComponent::GetItemType(const std::string& strName) const
{
    const JC_TemplateItem* pItem = GetItem(strName);
    return pItem != nullptr ? static_cast<int>(pItem->m_dwType) : -1;
}

int JC_DataComponent::GetItemIndex(const std::string& strName) const
{
    const JC_TemplateItem* pItem = GetItem(strName);
    return pItem != nullptr ? static_cast<int>(pItem->m_dwIndex) : -1;
}

DWORD JC_DataComponent::GetValueSlot(DWORD dwIndex, JC_ItemValue** ppValue, const JC_TemplateItem** ppItem)
{
    if (dwIndex >= m_Values.size())
        return JE_COMPONENT_SLOT_OUTSIDE;
    if (ppItem != nullptr)
        *ppItem = m_pTemplate != nullptr ? m_pTemplate->GetPlainItemAt(dwIndex) : nullptr;
    if (ppValue != nullptr)
        *ppValue = HasValue(m_Values[dwIndex]) ? &m_Values[dwIndex] : nullptr;
    return 0;
}

DWORD JC_DataComponent::SetValueSlot(DWORD dwIndex, std::unique_ptr<JC_ItemValue> pValue)
{
    // An entry only for an item of the template: the array never grows
    // without bound.
    if (m_pTemplate == nullptr || dwIndex >= m_pTemplate->GetPlainItemCount())
        return JE_COMPONENT_SLOT_OUTSIDE;
    if (dwIndex >= m_Values.size())
        m_Values.resize(dwIndex + 1);
    if (pValue != nullptr)
        m_Values[dwIndex] = std::move(*pValue);
    else
        m_Values[dwIndex] = std::monostate();
    return 0;
}

DWORD JC_DataComponent::FormatEditShowValue(std::string& strText) const
{
    strText.clear();
    if (m_pTemplate == nullptr || !m_pTemplate->HasEditShowItem())
        return 0;
    const JC_TemplateItem* pItem = m_pTemplate->GetItem(m_pTemplate->GetEditShowItemName());
    if (pItem == nullptr)
        return JE_COMPONENT_FORMAT_NO_ITEM;
    const DWORD dwResult = FormatValue(*pItem, 0, strText, pItem->GetSecondRadix(), false);
    if (dwResult != 0)
        strText.clear();
    return dwResult;
}

DWORD JC_DataComponent::SetItemValue(const JC_TemplateItem* pItem, JC_ValueIn value)
{
    if (pItem == nullptr)
        return JE_COMPONENT_SET_NO_ITEM;
    if (pItem->m_dwType == ITEMTYPE_VECTOR && !JF_IsVectorElementType(pItem->m_dwTypeEx))
        return JE_COMPONENT_SET_ELEMENT_TYPE;
    JC_ItemValue* pValue = ValueOf(*pItem);
    if (pValue == nullptr)
        return JE_COMPONENT_SET_NO_ITEM;
    const JC_TemplateItemType* pType = JF_GetItemTypeHandler(pItem->m_dwType);
    if (pType == nullptr)
        return JE_COMPONENT_SET_TYPE_UNKNOWN;
    return pType->SetValue(*this, *pItem, *pValue, value);
}

DWORD JC_DataComponent::SetItemValueAt(const JC_TemplateItem* pItem, DWORD dwIndex, JC_ValueIn value)
{
    if (pItem != nullptr && pItem->m_dwType == ITEMTYPE_VECTOR)
        return SetElement(*pItem, dwIndex, value);
    return SetItemValue(pItem, value);
}

DWORD JC_DataComponent::SetItemValue(const std::string& strName, JC_ValueIn value)
{
    return SetItemValue(GetItem(strName), value);
}

DWORD JC_DataComponent::SetItemValueAt(const std::string& strName, DWORD dwIndex, JC_ValueIn value)
{
    return SetItemValueAt(GetItem(strName), dwIndex, value);
}

DWORD JC_DataComponent::SetVectorElement(const std::string& strName, DWORD dwIndex, JC_ValueIn value)
{
    const JC_TemplateItem* pItem = GetItem(strName);
    if (pItem == nullptr)
        return JE_COMPONENT_SETELEMENT_NO_ITEM;
    if (pItem->m_dwType != ITEMTYPE_VECTOR)
        return JE_COMPONENT_SETELEMENT_NOT_VECTOR;
    if (!JF_IsVectorElementType(pItem->m_dwTypeEx))
        return JE_COMPONENT_SETELEMENT_TYPE;
    return SetElement(*pItem, dwIndex, value);
}

DWORD JC_DataComponent::ClearVectorElement(const std::string& strName, DWORD dwIndex)
{
    const JC_TemplateItem* pItem = GetItem(strName);
    if (pItem == nullptr)
        return JE_COMPONENT_CLEAR_NO_ITEM;
    if (pItem->m_dwType != ITEMTYPE_VECTOR)
        return JE_COMPONENT_CLEAR_NOT_VECTOR;
    JC_ItemValue* pValue = ValueOf(*pItem);
    if (pValue == nullptr)
        return JE_COMPONENT_CLEAR_OUTSIDE;
    return std::visit([&](auto& holder) { return ClearElement(holder, dwIndex); }, *pValue);
}

DWORD JC_DataComponent::RemoveVectorElement(const std::string& strName, DWORD dwIndex)
{
    const JC_TemplateItem* pItem = GetItem(strName);
    if (pItem == nullptr)
        return JE_COMPONENT_REMOVE_NO_ITEM;
    if (pItem->m_dwType != ITEMTYPE_VECTOR)
        return JE_COMPONENT_REMOVE_NOT_VECTOR;
    JC_ItemValue* pValue = ValueOf(*pItem);
    if (pValue == nullptr)
        return JE_COMPONENT_REMOVE_OUTSIDE;
    return std::visit([&](auto& holder) { return RemoveElement(holder, dwIndex); }, *pValue);
}

DWORD JC_DataComponent::SetItemValueText(std::string_view strName, std::string_view strText)
{
    return SetItemValueText(GetItem(strName), strText);
}

DWORD JC_DataComponent::SetItemValueText(const JC_TemplateItem* pItem, const std::string_view& strText)
{
    if (pItem == nullptr)
        return JE_COMPONENT_TEXT_NO_ITEM;
    const JC_TemplateItemType* pType = JF_GetItemTypeHandler(pItem->m_dwType);
    return pType != nullptr ? pType->SetValueText(*this, *pItem, strText) : 0;
}

DWORD JC_DataComponent::SetItemValueTextByPath(const std::string& strLine)
{
    const size_t open = XF_FindChar(strLine, '"');
    const size_t dot = XF_FindChar(strLine.substr(0, open), '.');
    if (dot == std::string::npos) {
        const size_t close = open == std::string::npos ? open : XF_FindChar(strLine, '"', open + 1);
        const std::string strText = close == std::string::npos ? std::string()
                                                                : strLine.substr(open + 1, close - open - 1);
        return SetItemValueText(strLine.substr(0, open), strText);
    }
    const JC_TemplateItem* pItem = GetItem(strLine.substr(0, dot));
    if (pItem == nullptr)
        return JE_COMPONENT_TEXT_NO_ITEM;
    if (pItem->m_dwType != ITEMTYPE_TEMPLATE)
        return JE_COMPONENT_TEXT_PATH_NOT_TEMPLATE;
    const auto* pHolder = std::get_if<std::unique_ptr<JC_DataComponent>>(ValueOf(*pItem));
    if (pHolder == nullptr || *pHolder == nullptr)
        return JE_COMPONENT_TEXT_NO_ITEM;
    return (*pHolder)->SetItemValueTextByPath(strLine.substr(dot + 1));
}

DWORD JC_DataComponent::GetItemValue(const JC_TemplateItem* pItem, JC_ValueOut value)
{
    if (pItem == nullptr)
        return JE_COMPONENT_GET_NO_ITEM;
    if (pItem->m_dwType == ITEMTYPE_VECTOR && !JF_IsVectorElementType(pItem->m_dwTypeEx))
        return JE_COMPONENT_GET_ELEMENT_TYPE;
    JC_ItemValue* pValue = ValueOf(*pItem);
    if (pValue == nullptr)
        return JE_COMPONENT_GET_NO_ITEM;
    const JC_TemplateItemType* pType = JF_GetItemTypeHandler(pItem->m_dwType);
    if (pType == nullptr)
        return JE_COMPONENT_GET_TYPE_UNKNOWN;
    return pType->GetValue(*this, *pItem, *pValue, value);
}

DWORD JC_DataComponent::HandOutValue(JC_ItemValue& held, const JC_ValueOut& value)
{
    // The holder's own type decides which variable fits.
    return std::visit([&](auto& holder) { return HandOut(holder, value); }, held);
}

DWORD JC_DataComponent::GetItemValueAt(const JC_TemplateItem* pItem, DWORD dwIndex, JC_ValueOut value)
{
    if (pItem == nullptr || pItem->m_dwType != ITEMTYPE_VECTOR)
        return GetItemValue(pItem, value);
    if (!JF_IsVectorElementType(pItem->m_dwTypeEx))
        return JE_COMPONENT_GET_ELEMENT_TYPE;
    JC_ItemValue* pValue = ValueOf(*pItem);
    if (pValue == nullptr)
        return JE_COMPONENT_GET_NO_ITEM;
    return std::visit([&](const auto& holder) { return HandOutElement(holder, dwIndex, value); }, *pValue);
}

DWORD JC_DataComponent::GetItemValueAt(const std::string& strName, DWORD dwIndex, JC_ValueOut value)
{
    return GetItemValueAt(GetItem(strName), dwIndex, value);
}

DWORD JC_DataComponent::GetVectorElement(DWORD dwItemIndex, DWORD dwElementIndex, JC_ValueOut value)
{
    const JC_TemplateItem* pItem = m_pTemplate != nullptr ? m_pTemplate->GetPlainItemAt(dwItemIndex) : nullptr;
    if (pItem == nullptr)
        return JE_COMPONENT_GET_NO_ITEM;
    if (pItem->m_dwType != ITEMTYPE_VECTOR)
        return JE_COMPONENT_GET_ELEMENT_TYPE;
    return GetItemValueAt(pItem, dwElementIndex, value);
}

bool JC_DataComponent::GetItemVectorInfo(const std::string& strName, DWORD& dwLargest, DWORD& dwSmallest,
                                         DWORD& dwCount) const
{
    dwLargest = 0;
    dwSmallest = 0;
    dwCount = 0;
    const JC_TemplateItem* pItem = m_pTemplate != nullptr ? m_pTemplate->GetPlainItem(strName) : nullptr;
    if (pItem == nullptr || pItem->m_dwType != ITEMTYPE_VECTOR || !JF_IsVectorElementType(pItem->m_dwTypeEx))
        return false;
    const JC_ItemValue* pValue = ValueOf(*pItem);
    if (pValue == nullptr)
        return false;
    dwLargest = pItem->m_dwFirstBound;
    dwSmallest = pItem->m_dwSecondBound;
    std::visit(
        [&](const auto& holder) {
            using T = std::decay_t<decltype(holder)>;
            if constexpr (std::is_same_v<T, JC_DWordArray> || std::is_same_v<T, JC_FloatArray>
                          || std::is_same_v<T, JC_StringArray>)
                dwCount = static_cast<DWORD>(holder.size());
        },
        *pValue);
    return true;
}

DWORD JC_DataComponent::IsItemDefault(const std::string& strName, DWORD dwIndex) const
{
    const JC_TemplateItem* pItem = GetItem(strName);
    if (pItem == nullptr || pItem->IsRefer() || pItem->m_dwType == ITEMTYPE_TEMPLATE)
        return 0;
    if (pItem->m_dwType == ITEMTYPE_VECTOR && !JF_IsVectorElementType(pItem->m_dwTypeEx))
        return JE_COMPONENT_COPY_ELEMENT_TYPE;
    const JC_ItemValue* pValue = ValueOf(*pItem);
    if (pValue == nullptr)
        return 0;
    const bool bDefault =
        std::visit([&](const auto& holder) { return IsDefaultHolder(holder, *pItem, dwIndex); }, *pValue);
    return bDefault ? 1 : 0;
}

DWORD JC_DataComponent::FormatItemValue(const std::string& strName, DWORD dwIndex, std::string& strText,
                                        DWORD dwRadix, bool bUseNumbers) const
{
    const JC_TemplateItem* pItem = GetItem(strName);
    if (pItem == nullptr)
        return JE_COMPONENT_FORMAT_NO_ITEM;
    return FormatValue(*pItem, dwIndex, strText, dwRadix, bUseNumbers);
}

DWORD JC_DataComponent::FormatItemValueByPath(const std::string& strPath, std::string& strText, DWORD dwRadix,
                                              bool bUseNumbers) const
{
    const size_t dot = XF_FindChar(strPath, '.');
    if (dot != std::string::npos) {
        const JC_TemplateItem* pItem = GetItem(strPath.substr(0, dot));
        if (pItem == nullptr)
            return JE_COMPONENT_FORMAT_NO_ITEM;
        if (pItem->m_dwType != ITEMTYPE_TEMPLATE)
            return JE_COMPONENT_PATH_NOT_TEMPLATE;
        const auto* pHolder = std::get_if<std::unique_ptr<JC_DataComponent>>(ValueOf(*pItem));
        if (pHolder == nullptr || *pHolder == nullptr)
            return JE_COMPONENT_FORMAT_NO_ITEM;
        return (*pHolder)->FormatItemValueByPath(strPath.substr(dot + 1), strText, dwRadix, bUseNumbers);
    }
    const size_t open = XF_FindChar(strPath, '[');
    const std::string strName = strPath.substr(0, open);
    const JC_TemplateItem* pItem = GetItem(strName);
    if (pItem == nullptr)
        return JE_COMPONENT_FORMAT_NO_ITEM;
    DWORD dwIndex = 0;
    if (pItem->m_dwType == ITEMTYPE_VECTOR) {
        if (open == std::string::npos)
            return JE_COMPONENT_PATH_NO_INDEX;
        const size_t close = XF_FindChar(strPath, ']', open + 1);
        if (close == std::string::npos)
            return JE_COMPONENT_PATH_NO_CLOSE;
        if (close == open + 1)
            return JE_COMPONENT_PATH_EMPTY_INDEX;
        const DWORD dwResult = JC_StrNumSwitch::StrToUInt(strPath.substr(open + 1, close - open - 1), dwIndex);
        if (dwResult != 0)
            return dwResult;
    }
    return FormatValue(*pItem, dwIndex, strText, dwRadix, bUseNumbers);
}

DWORD JC_DataComponent::Copy(const JC_DataComponent* pSource, DWORD dwMode)
{
    if (pSource == nullptr)
        return JE_COMPONENT_COPY_NULL;
    if (HasNoLayout()) {
        if (pSource->HasNoLayout())
            return 0;
        const DWORD dwResult = Create(pSource->m_pTemplateList, pSource->m_pTemplate);
        if (dwResult != 0)
            return dwResult;
    }
    if (dwMode == SAME_LAYOUT) {
        if (pSource->HasNoLayout() || pSource->m_pTemplate->GetTemplateID() != m_pTemplate->GetTemplateID())
            return JE_COMPONENT_COPY_OTHER_TEMPLATE;
    } else {
        if (pSource->HasNoLayout())
            return Create(nullptr, nullptr);
        if (pSource->m_pTemplate != m_pTemplate) {
            const DWORD dwResult = Create(pSource->m_pTemplateList, pSource->m_pTemplate);
            if (dwResult != 0)
                return dwResult;
        }
    }
    return CopyValues(*pSource);
}

DWORD JC_DataComponent::WriteComponent(std::string& strFile, bool bSub, const std::string& strOrderText,
                                       bool bSimplifyDefault, bool bSimplifyDefine) const
{
    if (HasNoLayout())
        return 0;
    if (!bSub) {
        if (strOrderText.empty())
            return JE_COMPONENT_WRITE_NO_ORDER;
        char szTemplateID[16];
        std::snprintf(szTemplateID, sizeof(szTemplateID), "H%08x", static_cast<unsigned>(m_pTemplate->GetTemplateID()));
        strFile += "@Start\r\n";
        strFile += ItemLine("@MainUseTemplateID", szTemplateID) + "\r\n";
        if (!AppendLine(strFile, ItemLine("@DataOrder", strOrderText)))
            return JE_COMPONENT_WRITE_UNFAITHFUL;
    }
    const DWORD dwResult = WriteItems(strFile, bSimplifyDefault, bSimplifyDefine);
    if (dwResult != 0 || bSub)
        return dwResult;
    strFile += bSimplifyDefault ? "@End\r\n" : "@End\r\n\r\n\r\n";
    return 0;
}

DWORD JC_DataComponent::LayOut(const JC_TemplateList* pList, const JC_Template* pTemplate, DWORD dwNesting)
{
    if (pList == nullptr || pTemplate == nullptr) {
        ReleaseValues();
        return 0;
    }
    if (pTemplate == m_pTemplate) {
        m_pTemplateList = pList;
        return ResetValues(dwNesting);
    }
    ReleaseValues();
    m_pTemplateList = pList;
    m_pTemplate = pTemplate;
    const DWORD dwCount = pTemplate->GetPlainItemCount();
    m_Values.reserve(dwCount);
    for (DWORD i = 0; i < dwCount; ++i) {
        const JC_TemplateItem& item = *pTemplate->GetPlainItemAt(i);
        const JC_TemplateItemType* pType = JF_GetItemTypeHandler(item.m_dwType);
        if (pType == nullptr)
            return JE_COMPONENT_TYPE_UNKNOWN;
        m_Values.push_back(pType->MakeValue(item));
    }
    return ResetValues(dwNesting);
}

DWORD JC_DataComponent::ResetValues(DWORD dwNesting)
{
    if (m_pTemplate == nullptr)
        return 0;
    for (size_t i = 0; i < m_Values.size(); ++i) {
        const JC_TemplateItem* pItem = m_pTemplate->GetPlainItemAt(static_cast<DWORD>(i));
        if (pItem == nullptr || !HasValue(m_Values[i]))
            continue;
        const DWORD dwResult = ResetValue(*pItem, m_Values[i], dwNesting);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_DataComponent::ResetValue(const JC_TemplateItem& item, JC_ItemValue& value, DWORD dwNesting)
{
    if (auto* pSub = std::get_if<std::unique_ptr<JC_DataComponent>>(&value)) {
        if (DefaultOf<DWORD>(item) != 0)
            return LayOutSubComponent(item, *pSub, dwNesting);
        pSub->reset();
        return 0;
    }
    std::visit([&](auto& holder) { ResetHolder(holder, item); }, value);
    return 0;
}

DWORD JC_DataComponent::LayOutSubComponent(const JC_TemplateItem& item, std::unique_ptr<JC_DataComponent>& pSub,
                                           DWORD dwNesting) const
{
    if (dwNesting + 1 > MAX_NESTING)
        return JE_COMPONENT_NESTED_TOO_DEEP;
    JC_Template* pSubTemplate = nullptr;
    const DWORD dwFound = m_pTemplateList->FindTemplateByID(item.m_dwTypeEx, pSubTemplate);
    if (dwFound != 0)
        return dwFound;
    if (pSub == nullptr)
        pSub = std::make_unique<JC_DataComponent>();
    const DWORD dwResult = pSub->LayOut(m_pTemplateList, pSubTemplate, dwNesting + 1);
    if (dwResult != 0)
        pSub.reset();
    return dwResult;
}

void JC_DataComponent::ReleaseValues()
{
    m_Values.clear();
    m_pTemplateList = nullptr;
    m_pTemplate = nullptr;
}

const JC_ItemValue* JC_DataComponent::ValueOf(const JC_TemplateItem& item) const
{
    const JC_TemplateItem* pPlain =
        item.IsRefer() ? static_cast<const JC_TemplateReferItem&>(item).m_pReferredItem : &item;
    // An item of another template has no value here.
    if (pPlain == nullptr || m_pTemplate == nullptr || pPlain->m_dwIndex >= m_Values.size()
        || m_pTemplate->GetPlainItemAt(pPlain->m_dwIndex) != pPlain)
        return nullptr;
    const JC_ItemValue& value = m_Values[pPlain->m_dwIndex];
    return HasValue(value) ? &value : nullptr;
}

JC_ItemValue* JC_DataComponent::ValueOf(const JC_TemplateItem& item)
{
    return const_cast<JC_ItemValue*>(std::as_const(*this).ValueOf(item));
}

DWORD JC_DataComponent::SetNumber32(const JC_TemplateItem& item, DWORD dwBits)
{
    JC_ItemValue* pValue = ValueOf(item);
    if (pValue == nullptr)
        return JE_COMPONENT_SET_NO_ITEM;
    if (int* pInt = std::get_if<int>(pValue)) {
        if (!item.IsWithinBounds(static_cast<int>(dwBits)))
            return JE_COMPONENT_OUTSIDE_RANGE;
        *pInt = static_cast<int>(dwBits);
        return 0;
    }
    if (item.m_dwType != ITEMTYPE_COMBO && !item.IsWithinBounds(dwBits))
        return JE_COMPONENT_OUTSIDE_RANGE;
    if (!item.IsRefer()) {
        DWORD* pDWord = std::get_if<DWORD>(pValue);
        if (pDWord == nullptr)
            return JE_COMPONENT_SET_NO_ITEM;
        *pDWord = dwBits;
        return 0;
    }
    const JC_TemplateReferItem& refer = static_cast<const JC_TemplateReferItem&>(item);
    if (!refer.HasBits())
        return JE_COMPONENT_SET_NO_ITEM;
    const ULONGLONG ullMask = static_cast<ULONGLONG>(refer.GetMask()) << refer.m_dwFirstBound;
    const ULONGLONG ullBits = static_cast<ULONGLONG>(dwBits & refer.GetMask()) << refer.m_dwFirstBound;
    if (DWORD* pSpace = std::get_if<DWORD>(pValue))
        *pSpace = static_cast<DWORD>((*pSpace & ~ullMask) | ullBits);
    else if (ULONGLONG* pSpace64 = std::get_if<ULONGLONG>(pValue))
        *pSpace64 = (*pSpace64 & ~ullMask) | ullBits;
    return 0;
}

DWORD JC_DataComponent::SetVector(const JC_TemplateItem& item, JC_ValueIn value)
{
    JC_ItemValue* pValue = ValueOf(item);
    switch (item.m_dwTypeEx) {
    case ITEMTYPE_INT32:
    case ITEMTYPE_UINT32:
        return AssignArray(item, JF_InAs<JC_DWordArray>(value), pValue, JE_COMPONENT_SET_NOT_DWORD_ARRAY);
    case ITEMTYPE_FLOAT:
        return AssignArray(item, JF_InAs<JC_FloatArray>(value), pValue, JE_COMPONENT_SET_WRONG_VARIABLE);
    case ITEMTYPE_STRING:
        return AssignArray(item, JF_InAs<JC_StringArray>(value), pValue, JE_COMPONENT_SET_NOT_STRING_ARRAY);
    default:
        return JE_COMPONENT_SET_ELEMENT_TYPE;
    }
}

DWORD JC_DataComponent::SetSubComponent(const JC_TemplateItem& item, const JC_DataComponent* pSource)
{
    auto* pHolder = std::get_if<std::unique_ptr<JC_DataComponent>>(ValueOf(item));
    if (pHolder == nullptr)
        return JE_COMPONENT_SET_NO_ITEM;
    if (pSource == nullptr) {
        pHolder->reset();
        return 0;
    }
    if (*pHolder == nullptr) {
        const DWORD dwResult = LayOutSubComponent(item, *pHolder, 0);
        if (dwResult != 0)
            return dwResult;
    }
    return (*pHolder)->Copy(pSource, SAME_LAYOUT);
}

DWORD JC_DataComponent::SetElement(const JC_TemplateItem& item, DWORD dwIndex, JC_ValueIn value)
{
    JC_ItemValue* pValue = ValueOf(item);
    switch (item.m_dwTypeEx) {
    case ITEMTYPE_INT32:
    case ITEMTYPE_UINT32: {
        DWORD dwBits = 0;
        JC_DWordArray* pArray = std::get_if<JC_DWordArray>(pValue);
        if (!JF_ReadIn32(value, dwBits) || pArray == nullptr)
            return JE_COMPONENT_SET_WRONG_VARIABLE;
        if (!ElementWithin(item, dwBits))
            return JE_COMPONENT_OUTSIDE_RANGE;
        return PlaceElement(item, dwIndex, *pArray, dwBits);
    }
    case ITEMTYPE_FLOAT: {
        const float* pFloat = JF_InAs<float>(value);
        JC_FloatArray* pArray = std::get_if<JC_FloatArray>(pValue);
        if (pFloat == nullptr || pArray == nullptr)
            return JE_COMPONENT_SET_WRONG_VARIABLE;
        if (!ElementWithin(item, *pFloat))
            return JE_COMPONENT_OUTSIDE_RANGE;
        return PlaceElement(item, dwIndex, *pArray, *pFloat);
    }
    case ITEMTYPE_STRING: {
        const std::string* pText = JF_InAs<std::string>(value);
        JC_StringArray* pArray = std::get_if<JC_StringArray>(pValue);
        if (pText == nullptr || pArray == nullptr)
            return JE_COMPONENT_SET_WRONG_VARIABLE;
        return PlaceElement(item, dwIndex, *pArray, *pText);
    }
    default:
        return JE_COMPONENT_SET_ELEMENT_TYPE;
    }
}

bool JC_DataComponent::ReadNumber32(const JC_TemplateItem& item, DWORD& dwBits) const
{
    const JC_ItemValue* pValue = ValueOf(item);
    if (pValue == nullptr)
        return false;
    if (item.IsRefer()) {
        const JC_TemplateReferItem& refer = static_cast<const JC_TemplateReferItem&>(item);
        if (!refer.HasBits())
            return false;
        ULONGLONG ullSpace = 0;
        if (const DWORD* pSpace = std::get_if<DWORD>(pValue))
            ullSpace = *pSpace;
        else if (const ULONGLONG* pSpace64 = std::get_if<ULONGLONG>(pValue))
            ullSpace = *pSpace64;
        else
            return false;
        dwBits = static_cast<DWORD>(ullSpace >> refer.m_dwFirstBound) & refer.GetMask();
        return true;
    }
    if (const int* pInt = std::get_if<int>(pValue)) {
        dwBits = static_cast<DWORD>(*pInt);
        return true;
    }
    if (const DWORD* pDWord = std::get_if<DWORD>(pValue)) {
        dwBits = *pDWord;
        return true;
    }
    return false;
}

DWORD JC_DataComponent::SetString(const JC_TemplateItem& item, const std::string_view& strText)
{
    std::string* pHolder = std::get_if<std::string>(ValueOf(item));
    if (pHolder == nullptr)
        return JE_COMPONENT_SET_WRONG_VARIABLE;
    pHolder->assign(strText);
    return 0;
}

DWORD JC_DataComponent::SetVectorText(const JC_TemplateItem& item, const std::string_view& strText)
{
    const size_t open = XF_FindChar(strText, '[');
    const size_t close = open == std::string::npos ? open : XF_FindChar(strText, ']', open + 1);
    if (close == std::string::npos)
        return JE_COMPONENT_TEXT_NO_BRACKETS;
    if (close == open + 1)
        return JE_COMPONENT_TEXT_EMPTY_INDEX;
    DWORD dwIndex = 0;
    DWORD dwResult = JC_StrNumSwitch::StrToUInt(strText.substr(open + 1, close - open - 1), dwIndex);
    if (dwResult != 0)
        return dwResult;
    const size_t comma = XF_FindChar(strText, ',', close + 1);
    const std::string_view strValue = comma == std::string::npos ? std::string_view() : strText.substr(comma + 1);
    switch (item.m_dwTypeEx) {
    case ITEMTYPE_INT32:
    case ITEMTYPE_UINT32: {
        DWORD dwBits = 0;
        dwResult = JC_StrNumSwitch::StrToUInt(strValue, dwBits);
        return dwResult != 0 ? dwResult : SetElement(item, dwIndex, &dwBits);
    }
    case ITEMTYPE_FLOAT: {
        float fValue = 0.0f;
        dwResult = JC_StrNumSwitch::StrToFloat(strValue, fValue);
        return dwResult != 0 ? dwResult : SetElement(item, dwIndex, &fValue);
    }
    case ITEMTYPE_STRING: {
        const std::string strElement(strValue);
        return SetElement(item, dwIndex, &strElement);
    }
    default:
        return 0;
    }
}

DWORD JC_DataComponent::SetComboText(const JC_TemplateItem& item, const std::string_view& strText)
{
    DWORD dwValue = 0;
    if (strText.compare(0, 2, "DF") == 0) {
        if (m_pTemplate->GetDefineValue(strText, dwValue) != 0)
            return JE_COMPONENT_TEXT_NO_DEFINE;
    } else {
        const DWORD dwResult = JC_StrNumSwitch::StrToUInt(strText, dwValue);
        if (dwResult != 0)
            return dwResult;
    }
    return SetNumber32(item, dwValue);
}

DWORD JC_DataComponent::FormatValue(const JC_TemplateItem& item, DWORD dwIndex, std::string& strText,
                                    DWORD dwRadix, bool bUseNumbers) const
{
    const DWORD dwUseRadix = IsRadix(dwRadix) ? dwRadix : item.GetFirstRadix();
    const JC_ItemValue* pValue = ValueOf(item);
    if (pValue == nullptr)
        return JE_COMPONENT_FORMAT_NO_ITEM;
    const JC_TemplateItemType* pType = JF_GetItemTypeHandler(item.m_dwType);
    if (pType == nullptr)
        return JE_COMPONENT_GET_TYPE_UNKNOWN;
    return pType->FormatValue(*this, item, *pValue, dwIndex, dwUseRadix, bUseNumbers, strText);
}

DWORD JC_DataComponent::FormatHeldValue(const JC_TemplateItem& item, const JC_ItemValue& held, DWORD dwIndex,
                                        DWORD dwRadix, std::string& strText)
{
    return std::visit([&](const auto& holder) { return FormatHolder(holder, item, dwIndex, dwRadix, strText); },
                      held);
}

DWORD JC_DataComponent::CopyValues(const JC_DataComponent& source)
{
    for (size_t i = 0; i < m_Values.size(); ++i) {
        const JC_TemplateItem* pItem = m_pTemplate->GetPlainItemAt(static_cast<DWORD>(i));
        if (pItem == nullptr)
            return JE_COMPONENT_COPY_OTHER_TEMPLATE;
        if (pItem->m_dwType == ITEMTYPE_VECTOR && !JF_IsVectorElementType(pItem->m_dwTypeEx))
            return JE_COMPONENT_COPY_ELEMENT_TYPE;
        if (i >= source.m_Values.size() || !HasValue(m_Values[i]) || !HasValue(source.m_Values[i]))
            return JE_COMPONENT_COPY_OTHER_TEMPLATE;
        const JC_ItemValue& from = source.m_Values[i];
        const DWORD dwResult = std::visit(
            [&](auto& holder) -> DWORD {
                using T = std::decay_t<decltype(holder)>;
                const T* pFrom = std::get_if<T>(&from);
                if (pFrom == nullptr)
                    return JE_COMPONENT_COPY_OTHER_TEMPLATE;
                if constexpr (std::is_same_v<T, std::unique_ptr<JC_DataComponent>>)
                    return SetSubComponent(*pItem, pFrom->get());
                else
                    holder = *pFrom;
                return 0;
            },
            m_Values[i]);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_DataComponent::WriteItems(std::string& strFile, bool bSimplifyDefault, bool bSimplifyDefine) const
{
    for (DWORD i = 0; i < m_pTemplate->GetPlainItemCount(); ++i) {
        const JC_TemplateItem& item = *m_pTemplate->GetPlainItemAt(i);
        if (item.m_dwType == ITEMTYPE_VECTOR) {
            const DWORD dwResult = WriteVector(strFile, item, bSimplifyDefault);
            if (dwResult != 0)
                return dwResult;
            continue;
        }
        if (item.m_dwType == ITEMTYPE_TEMPLATE) {
            const DWORD dwResult = WriteSubComponent(strFile, item, bSimplifyDefault, bSimplifyDefine);
            if (dwResult != 0)
                return dwResult;
            continue;
        }
        if (bSimplifyDefault && IsItemDefault(item.m_strName, 0) == 1)
            continue;
        const bool bSpace = item.m_dwType == ITEMTYPE_SPACE32 || item.m_dwType == ITEMTYPE_SPACE64;
        const DWORD dwRadix = bSpace && bSimplifyDefault ? 16 : item.GetSecondRadix();
        std::string strText;
        const DWORD dwResult = FormatValue(item, 0, strText, dwRadix, bSimplifyDefine);
        if (dwResult != 0)
            return dwResult;
        if (!IsFaithfulText(strText) || !AppendLine(strFile, ItemLine(item.m_strName, strText)))
            return JE_COMPONENT_WRITE_UNFAITHFUL;
    }
    return 0;
}

DWORD JC_DataComponent::WriteVector(std::string& strFile, const JC_TemplateItem& item, bool bSimplifyDefault) const
{
    const JC_ItemValue* pValue = ValueOf(item);
    if (pValue == nullptr)
        return JE_COMPONENT_COPY_ELEMENT_TYPE;
    const DWORD dwRadix = item.GetFirstRadix();
    if (const JC_DWordArray* pArray = std::get_if<JC_DWordArray>(pValue)) {
        const bool bSigned = item.m_dwTypeEx == ITEMTYPE_INT32;
        return WriteElements(strFile, item, *pArray, DefaultBits(item), bSimplifyDefault,
                             [&](DWORD dwBits, std::string& strText) {
                                 strText = JF_FormatBits32(dwBits, bSigned, dwRadix);
                                 return true;
                             });
    }
    if (const JC_FloatArray* pArray = std::get_if<JC_FloatArray>(pValue)) {
        return WriteElements(strFile, item, *pArray, DefaultOf<float>(item), bSimplifyDefault,
                             [](float fValue, std::string& strText) {
                                 strText = JC_StrNumSwitch::FloatToStr(fValue);
                                 return true;
                             });
    }
    if (const JC_StringArray* pArray = std::get_if<JC_StringArray>(pValue)) {
        return WriteElements(strFile, item, *pArray, DefaultOf<std::string>(item), bSimplifyDefault,
                             [](const std::string& strElement, std::string& strText) {
                                 strText = strElement;
                                 return IsFaithfulText(strElement);
                             });
    }
    return JE_COMPONENT_COPY_ELEMENT_TYPE;
}

DWORD JC_DataComponent::WriteSubComponent(std::string& strFile, const JC_TemplateItem& item, bool bSimplifyDefault,
                                          bool bSimplifyDefine) const
{
    const auto* pHolder = std::get_if<std::unique_ptr<JC_DataComponent>>(ValueOf(item));
    const JC_DataComponent* pSub = pHolder != nullptr ? pHolder->get() : nullptr;
    if (pSub == nullptr || pSub->HasNoLayout()) {
        if (!AppendLine(strFile, ItemLine(item.m_strName, "NULL")))
            return JE_COMPONENT_WRITE_UNFAITHFUL;
        return 0;
    }
    if (!AppendLine(strFile, ItemLine("@StartSub", item.m_strName)))
        return JE_COMPONENT_WRITE_UNFAITHFUL;
    const DWORD dwResult = pSub->WriteItems(strFile, bSimplifyDefault, bSimplifyDefine);
    if (dwResult != 0)
        return dwResult;
    if (!bSimplifyDefault)
        strFile += "\r\n\r\n";
    return AppendLine(strFile, ItemLine("@EndSub", item.m_strName)) ? 0 : JE_COMPONENT_WRITE_UNFAITHFUL;
}
