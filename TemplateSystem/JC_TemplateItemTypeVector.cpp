#include "TemplateSystem/JC_TemplateItemTypeVector.h"

#include "TemplateSystem/JC_DataComponent.h"

namespace {

// "0" as the largest count means this many.
constexpr DWORD MAX_ELEMENTS = 9999;

} // namespace

DWORD JC_TemplateItemTypeVector::ParseMinMax(const std::string* pText, const JC_Template&,
                                             JC_TemplateItem& item) const
{
    DWORD dwResult = 0;
    switch (item.m_dwTypeEx) {
    case ITEMTYPE_INT32: dwResult = ReadIntRange(pText, item); break;
    case ITEMTYPE_UINT32: dwResult = ReadUIntRange(pText, 0xFFFFFFFF, item); break;
    case ITEMTYPE_FLOAT: dwResult = ReadFloatRange(pText, item); break;
    default: break;
    }
    return dwResult == 0 ? 0 : JE_VECTOR_BAD_RANGE;
}

DWORD JC_TemplateItemTypeVector::ParseArraySize(const std::string* pText, const JC_Template& tmpl,
                                                JC_TemplateItem& item) const
{
    if (!HasText(pText))
        return JE_VECTOR_NO_SIZE;
    if (GetSegmentCount(*pText) != 2)
        return JE_VECTOR_SIZE_NOT_TWO;
    std::string strCount;
    DWORD dwLargest = 0;
    if (!ReadDefineOrNumber(GetSegment(strCount, 0, *pText), tmpl, dwLargest))
        return JE_VECTOR_LARGEST_NOT_NUMBER;
    if (dwLargest == 0)
        dwLargest = MAX_ELEMENTS;
    if (dwLargest > MAX_ELEMENTS)
        return JE_VECTOR_LARGEST_TOO_LARGE;
    DWORD dwSmallest = 0;
    if (!ReadDefineOrNumber(GetSegment(strCount, 1, *pText), tmpl, dwSmallest))
        return JE_VECTOR_SMALLEST_NOT_NUMBER;
    if (dwSmallest > dwLargest)
        return JE_VECTOR_SMALLEST_ABOVE_LARGEST;
    item.m_dwFirstBound = dwLargest;
    item.m_dwSecondBound = dwSmallest;
    return 0;
}

DWORD JC_TemplateItemTypeVector::ParseDefault(const std::string* pText, const JC_Template& tmpl,
                                              JC_TemplateItem& item) const
{
    switch (item.m_dwTypeEx) {
    case ITEMTYPE_INT32:
    case ITEMTYPE_UINT32:
        return ReadNumberDefault(pText, tmpl, item.m_dwTypeEx == ITEMTYPE_INT32, JE_VECTOR_DEFAULT_NOT_NUMBER,
                                 JE_VECTOR_DEFAULT_OUTSIDE, item);
    case ITEMTYPE_FLOAT:
        return ReadFloatDefault(pText, JE_VECTOR_DEFAULT_NOT_NUMBER, JE_VECTOR_DEFAULT_OUTSIDE, item);
    case ITEMTYPE_STRING:
        item.m_Default = pText != nullptr ? *pText : std::string();
        return 0;
    default:
        return 0;
    }
}

JC_ItemValue JC_TemplateItemTypeVector::MakeValue(const JC_TemplateItem& item) const
{
    // An element type without a holder gets an empty entry.
    if (item.m_dwTypeEx == ITEMTYPE_FLOAT)
        return JC_FloatArray();
    if (item.m_dwTypeEx == ITEMTYPE_STRING)
        return JC_StringArray();
    if (JF_IsVectorElementType(item.m_dwTypeEx))
        return JC_DWordArray();
    return JC_ItemValue();
}

DWORD JC_TemplateItemTypeVector::SetValue(JC_DataComponent& component, const JC_TemplateItem& item, JC_ItemValue&,
                                          const JC_ValueIn& value) const
{
    return component.SetVector(item, value);
}

DWORD JC_TemplateItemTypeVector::SetValueText(JC_DataComponent& component, const JC_TemplateItem& item,
                                              std::string_view strText) const
{
    return component.SetVectorText(item, strText);
}

DWORD JC_TemplateItemTypeVector::GetValue(const JC_DataComponent&, const JC_TemplateItem&, JC_ItemValue& held,
                   const JC_ValueOut& value) const
{
    return JC_DataComponent::HandOutValue(held, value);
}

DWORD JC_TemplateItemTypeVector::FormatValue(const JC_DataComponent&, const JC_TemplateItem& item, const JC_ItemValue& held,
                      DWORD dwIndex, DWORD dwRadix, bool, std::string& strText) const
{
    return JC_DataComponent::FormatHeldValue(item, held, dwIndex, dwRadix, strText);
}
