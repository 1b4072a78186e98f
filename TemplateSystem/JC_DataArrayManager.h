#pragma once

#include "TemplateSystem/JC_DataComponentMaker.h"

constexpr DWORD JE_ARRAY_NO_LAYOUT = 0x88136011;
constexpr DWORD JE_ARRAY_SET_BAD_ORDER = 0x88136041;
constexpr DWORD JE_ARRAY_SET_NULL_SOURCE = 0x88136042;
constexpr DWORD JE_ARRAY_NOT_FOUND = 0x88136081;
constexpr DWORD JE_ARRAY_NOT_FOUND2 = 0x88136091;
constexpr DWORD JE_ARRAY_DELETE_ABSENT = 0x881360B1;
constexpr DWORD JE_ARRAY_INSERT_BAD_ORDER = 0x88136111;
constexpr DWORD JE_ARRAY_INSERT_NULL_SOURCE = 0x88136112;
constexpr DWORD JE_ARRAY_INSERT_NO_LAYOUT = 0x88136113;
constexpr DWORD JE_ARRAY_REMOVE_ABSENT = 0x88136141;
constexpr DWORD JE_ARRAY_ORDER_EMPTY = 0x88136181;
constexpr DWORD JE_ARRAY_ORDER_NOT_ZERO = 0x88136183;
constexpr DWORD JE_ARRAY_ORDER_PARTS = 0x88136184;
constexpr DWORD JE_ARRAY_POSITION_TOO_LARGE = 0x88136185;
constexpr DWORD JE_ARRAY_ORDER_ENTRIES = 0x88136186;
constexpr DWORD JE_ARRAY_FILE_NOT_WRITTEN = 0x881361A1;

// The components of an ARRAY data file, at positions 0 to 32768 of one
// array; a position may be empty.
class JC_DataArrayManager : public JC_DataComponentMaker
{
public:
    static constexpr DWORD MAX_POSITION = 32768;

    JC_DataArrayManager();
    ~JC_DataArrayManager() override;

    DWORD ClearAll() override;
    JC_DataComponent* GetComponent(const JC_DataOrder& order) const override;
    JC_DataComponent* GetValidComponent(const JC_DataOrder& order) const override;
    DWORD GetOrCreateComponent(const JC_DataOrder& order, JC_DataComponent*& pComponent) override;
    DWORD SetComponent(const JC_DataOrder& order, const JC_DataComponent* pSource) override;
    DWORD GetComponentOrFail(const JC_DataOrder& order, JC_DataComponent*& pComponent) const override;
    DWORD GetComponentOrFail2(const JC_DataOrder& order, JC_DataComponent*& pComponent) const override;
    // Deletes the component and leaves its position empty.
    DWORD DeleteComponent(const JC_DataOrder& order) override;
    DWORD InsertComponent(const JC_DataOrder& order, const JC_DataComponent* pSource) override;
    // The later components move down one position.
    DWORD RemoveComponent(const JC_DataOrder& order, JC_DataComponent* pDestination) override;
    DWORD OrderToText(const JC_DataOrder& order, std::string& strText) const override;
    DWORD ParseOrder(const std::string& strText, JC_DataOrder& order) const override;
    bool GetOrderOf(const JC_DataComponent* pComponent, JC_DataOrder& order) const override;
    bool GetOrderTextOf(const JC_DataComponent* pComponent, std::string& strText) const override;
    DWORD WriteDataFile(const std::string& strPath, bool bSimplifyDefault, bool bSimplifyDefine) const override;
    DWORD BuildKeyedIndex() override;

    // InsertComponent of a component the array takes over instead of a copy.
    DWORD AdoptComponent(const JC_DataOrder& order, std::unique_ptr<JC_DataComponent> pComponent);

    // Positions, empty ones included.
    DWORD GetComponentCount() const;
    int GetLastPosition() const;
    bool IsEmpty() const;

private:
    // The position of an order of two entries that lies within the array's
    // reach; dwBadOrder for any other order.
    static DWORD PositionOf(const JC_DataOrder& order, DWORD dwBadOrder, DWORD& dwPosition);
    int FindPosition(const JC_DataComponent* pComponent) const;

    std::vector<std::unique_ptr<JC_DataComponent>> m_ComponentObjs;
};
