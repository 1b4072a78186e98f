#include "TemplateSystem/JC_DataArrayManager.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JF_NumberText.h"

#include <cstdio>

JC_DataArrayManager::JC_DataArrayManager()
    : JC_DataComponentMaker(DISTRIBUTE_ARRAY)
{
}

JC_DataArrayManager::~JC_DataArrayManager() = default;

DWORD JC_DataArrayManager::ClearAll()
{
    GetKeyedIndex().RemoveAll();
    m_ComponentObjs.clear();
    return 0;
}

JC_DataComponent* JC_DataArrayManager::GetComponent(const JC_DataOrder& order) const
{
    if (order.size() < 2 || order[1] >= m_ComponentObjs.size())
        return nullptr;
    return m_ComponentObjs[order[1]].get();
}

JC_DataComponent* JC_DataArrayManager::GetValidComponent(const JC_DataOrder& order) const
{
    JC_DataComponent* pComponent = GetComponent(order);
    return pComponent != nullptr && !pComponent->HasNoLayout() ? pComponent : nullptr;
}

DWORD JC_DataArrayManager::GetOrCreateComponent(const JC_DataOrder& order, JC_DataComponent*& pComponent)
{
    pComponent = nullptr;
    DWORD dwPosition = 0;
    const DWORD dwResult = PositionOf(order, JE_ARRAY_ORDER_ENTRIES, dwPosition);
    if (dwResult != 0)
        return dwResult;
    if (dwPosition >= m_ComponentObjs.size())
        m_ComponentObjs.resize(dwPosition + 1);
    std::unique_ptr<JC_DataComponent>& pEntry = m_ComponentObjs[dwPosition];
    if (pEntry == nullptr)
        pEntry = std::make_unique<JC_DataComponent>();
    else if (pEntry->HasNoLayout())
        return JE_ARRAY_NO_LAYOUT;
    pComponent = pEntry.get();
    return 0;
}

DWORD JC_DataArrayManager::SetComponent(const JC_DataOrder& order, const JC_DataComponent* pSource)
{
    if (pSource == nullptr)
        return JE_ARRAY_SET_NULL_SOURCE;
    DWORD dwPosition = 0;
    DWORD dwResult = PositionOf(order, JE_ARRAY_SET_BAD_ORDER, dwPosition);
    if (dwResult != 0)
        return dwResult;
    JC_DataComponent* pComponent = nullptr;
    dwResult = GetOrCreateComponent(order, pComponent);
    if (dwResult != 0)
        return dwResult;
    return pComponent->Copy(pSource, JC_DataComponent::ADOPT_LAYOUT);
}

DWORD JC_DataArrayManager::GetComponentOrFail(const JC_DataOrder& order, JC_DataComponent*& pComponent) const
{
    pComponent = GetValidComponent(order);
    return pComponent != nullptr ? 0 : JE_ARRAY_NOT_FOUND;
}

DWORD JC_DataArrayManager::GetComponentOrFail2(const JC_DataOrder& order, JC_DataComponent*& pComponent) const
{
    pComponent = GetValidComponent(order);
    return pComponent != nullptr ? 0 : JE_ARRAY_NOT_FOUND2;
}

DWORD JC_DataArrayManager::DeleteComponent(const JC_DataOrder& order)
{
    const JC_DataComponent* pComponent = GetValidComponent(order);
    if (pComponent == nullptr)
        return JE_ARRAY_DELETE_ABSENT;
    ForgetComponent(pComponent);
    m_ComponentObjs[order[1]].reset();
    return 0;
}

DWORD JC_DataArrayManager::InsertComponent(const JC_DataOrder& order, const JC_DataComponent* pSource)
{
    DWORD dwPosition = 0;
    DWORD dwResult = PositionOf(order, JE_ARRAY_INSERT_BAD_ORDER, dwPosition);
    if (dwResult != 0)
        return dwResult;
    if (pSource == nullptr)
        return JE_ARRAY_INSERT_NULL_SOURCE;
    if (pSource->HasNoLayout())
        return JE_ARRAY_INSERT_NO_LAYOUT;
    auto pNew = std::make_unique<JC_DataComponent>();
    dwResult = pNew->Copy(pSource, JC_DataComponent::ADOPT_LAYOUT);
    if (dwResult != 0)
        return dwResult;
    return AdoptComponent(order, std::move(pNew));
}

DWORD JC_DataArrayManager::AdoptComponent(const JC_DataOrder& order, std::unique_ptr<JC_DataComponent> pComponent)
{
    DWORD dwPosition = 0;
    const DWORD dwResult = PositionOf(order, JE_ARRAY_INSERT_BAD_ORDER, dwPosition);
    if (dwResult != 0)
        return dwResult;
    if (pComponent == nullptr)
        return JE_ARRAY_INSERT_NULL_SOURCE;
    if (pComponent->HasNoLayout())
        return JE_ARRAY_INSERT_NO_LAYOUT;
    if (dwPosition > m_ComponentObjs.size())
        m_ComponentObjs.resize(dwPosition);
    m_ComponentObjs.insert(m_ComponentObjs.begin() + dwPosition, std::move(pComponent));
    return 0;
}

DWORD JC_DataArrayManager::RemoveComponent(const JC_DataOrder& order, JC_DataComponent* pDestination)
{
    if (GetValidComponent(order) == nullptr)
        return JE_ARRAY_REMOVE_ABSENT;
    std::unique_ptr<JC_DataComponent> pComponent = std::move(m_ComponentObjs[order[1]]);
    m_ComponentObjs.erase(m_ComponentObjs.begin() + order[1]);
    ForgetComponent(pComponent.get());
    return pDestination != nullptr ? pDestination->Copy(pComponent.get(), JC_DataComponent::ADOPT_LAYOUT) : 0;
}

DWORD JC_DataArrayManager::OrderToText(const JC_DataOrder& order, std::string& strText) const
{
    strText.clear();
    if (order.size() != 2)
        return JE_ARRAY_ORDER_ENTRIES;
    if (order[0] != 0)
        return JE_ARRAY_ORDER_NOT_ZERO;
    if (order[1] > MAX_POSITION)
        return JE_ARRAY_POSITION_TOO_LARGE;
    char szText[32];
    std::snprintf(szText, sizeof(szText), "%u,%u", static_cast<unsigned>(order[0]), static_cast<unsigned>(order[1]));
    strText = szText;
    return 0;
}

DWORD JC_DataArrayManager::ParseOrder(const std::string& strText, JC_DataOrder& order) const
{
    order.assign(2, 0);
    if (strText.empty())
        return JE_ARRAY_ORDER_EMPTY;
    const size_t comma = XF_FindChar(strText, ',');
    if (comma == std::string::npos) {
        order[1] = static_cast<DWORD>(JF_DecimalToInt(strText));
    } else {
        if (JF_DecimalToInt(strText.substr(0, comma)) != 0)
            return JE_ARRAY_ORDER_NOT_ZERO;
        const std::string strRest = strText.substr(comma + 1);
        if (XF_FindChar(strRest, ',') != std::string::npos)
            return JE_ARRAY_ORDER_PARTS;
        order[1] = static_cast<DWORD>(JF_DecimalToInt(strRest));
    }
    return order[1] > MAX_POSITION ? JE_ARRAY_POSITION_TOO_LARGE : 0;
}

bool JC_DataArrayManager::GetOrderOf(const JC_DataComponent* pComponent, JC_DataOrder& order) const
{
    order.clear();
    const int iPosition = FindPosition(pComponent);
    if (iPosition < 0)
        return false;
    order = {0, static_cast<DWORD>(iPosition)};
    return true;
}

bool JC_DataArrayManager::GetOrderTextOf(const JC_DataComponent* pComponent, std::string& strText) const
{
    strText.clear();
    const int iPosition = FindPosition(pComponent);
    if (iPosition < 0)
        return false;
    strText = "0," + std::to_string(iPosition);
    return true;
}

DWORD JC_DataArrayManager::WriteDataFile(const std::string& strPath, bool bSimplifyDefault,
                                         bool bSimplifyDefine) const
{
    std::vector<const JC_DataComponent*> components;
    std::vector<std::string> orderTexts;
    for (DWORD i = 0; i < m_ComponentObjs.size(); ++i) {
        if (m_ComponentObjs[i] == nullptr || m_ComponentObjs[i]->HasNoLayout())
            continue;
        // A position the reader would refuse fails before the file is touched.
        std::string strOrder;
        const DWORD dwResult = OrderToText({0, i}, strOrder);
        if (dwResult != 0)
            return dwResult;
        components.push_back(m_ComponentObjs[i].get());
        orderTexts.push_back(strOrder);
    }
    std::string strFile;
    const DWORD dwResult = ComposeFile(bSimplifyDefault, bSimplifyDefine, components, orderTexts, strFile);
    return dwResult != 0 ? dwResult : WriteFile(strPath, strFile, JE_ARRAY_FILE_NOT_WRITTEN);
}

DWORD JC_DataArrayManager::BuildKeyedIndex()
{
    for (const auto& pComponent : m_ComponentObjs) {
        if (pComponent == nullptr || pComponent->HasNoLayout())
            continue;
        const DWORD dwResult = GetKeyedIndex().AddComponent(pComponent.get());
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}

DWORD JC_DataArrayManager::GetComponentCount() const
{
    return static_cast<DWORD>(m_ComponentObjs.size());
}

int JC_DataArrayManager::GetLastPosition() const
{
    return static_cast<int>(m_ComponentObjs.size()) - 1;
}

bool JC_DataArrayManager::IsEmpty() const
{
    return m_ComponentObjs.empty();
}

DWORD JC_DataArrayManager::PositionOf(const JC_DataOrder& order, DWORD dwBadOrder, DWORD& dwPosition)
{
    if (order.size() < 2)
        return dwBadOrder;
    dwPosition = order[1];
    // Nothing past the last position a data file can name is made.
    return dwPosition > MAX_POSITION ? JE_ARRAY_POSITION_TOO_LARGE : 0;
}

int JC_DataArrayManager::FindPosition(const JC_DataComponent* pComponent) const
{
    if (pComponent == nullptr)
        return -1;
    for (size_t i = 0; i < m_ComponentObjs.size(); ++i) {
        if (m_ComponentObjs[i].get() == pComponent)
            return static_cast<int>(i);
    }
    return -1;
}
