#pragma once

#include "TemplateSystem/JC_ComponentIndex.h"

// Where a component stands in its manager: the depth first, then the
// position (ARRAY: 0 and the position) or the child index at each level
// (TREE).
using JC_DataOrder = std::vector<DWORD>;

constexpr DWORD JE_MAKER_NO_TEMPLATE = 0x88135101;

// The holder of the components of one data file, addressed by their order.
// It owns its components; its template list only refers to the templates
// its data file names, and its keyed index finds components by the
// "@SortItem" item.
class JC_DataComponentMaker
{
public:
    static constexpr DWORD DISTRIBUTE_ARRAY = 1;
    static constexpr DWORD DISTRIBUTE_TREE = 2;

    virtual ~JC_DataComponentMaker();
    JC_DataComponentMaker(const JC_DataComponentMaker&) = delete;
    JC_DataComponentMaker& operator=(const JC_DataComponentMaker&) = delete;

    // Empties the template list and the keyed index, then deletes every
    // component.
    virtual DWORD Reset();
    virtual DWORD ClearAll() = 0;
    virtual JC_DataComponent* GetComponent(const JC_DataOrder& order) const = 0;
    // As GetComponent, but null also for a component without layout.
    virtual JC_DataComponent* GetValidComponent(const JC_DataOrder& order) const = 0;
    virtual DWORD GetOrCreateComponent(const JC_DataOrder& order, JC_DataComponent*& pComponent) = 0;
    // The component at the order, made when missing, takes a copy of the
    // source and its layout.
    virtual DWORD SetComponent(const JC_DataOrder& order, const JC_DataComponent* pSource) = 0;
    virtual DWORD GetComponentOrFail(const JC_DataOrder& order, JC_DataComponent*& pComponent) const = 0;
    virtual DWORD GetComponentOrFail2(const JC_DataOrder& order, JC_DataComponent*& pComponent) const = 0;
    virtual DWORD DeleteComponent(const JC_DataOrder& order) = 0;
    // Inserts a copy of the source at the order; the components from there on
    // move one place on.
    virtual DWORD InsertComponent(const JC_DataOrder& order, const JC_DataComponent* pSource) = 0;
    // Takes the component out, copies it into the destination when one is
    // given, and deletes it.
    virtual DWORD RemoveComponent(const JC_DataOrder& order, JC_DataComponent* pDestination) = 0;
    virtual DWORD OrderToText(const JC_DataOrder& order, std::string& strText) const = 0;
    virtual DWORD ParseOrder(const std::string& strText, JC_DataOrder& order) const = 0;
    virtual bool GetOrderOf(const JC_DataComponent* pComponent, JC_DataOrder& order) const = 0;
    virtual bool GetOrderTextOf(const JC_DataComponent* pComponent, std::string& strText) const = 0;
    // Writes the components as a data file; nothing is written unless the
    // whole file can be, and the old file stays until the new one is whole.
    virtual DWORD WriteDataFile(const std::string& strPath, bool bSimplifyDefault, bool bSimplifyDefine) const = 0;
    // Adds every component with a layout to the keyed index.
    virtual DWORD BuildKeyedIndex() = 0;

    DWORD GetDistributeType() const;
    // A new component without layout, which the caller owns.
    DWORD NewComponent(JC_DataComponent*& pComponent) const;
    // A new component laid out by a template of the manager's list, which
    // the caller owns.
    DWORD CreateComponent(DWORD dwTemplateID, JC_DataComponent*& pComponent) const;
    DWORD FreeComponent(JC_DataComponent*& pComponent) const;
    JC_TemplateList& GetTemplateList();
    const JC_TemplateList& GetTemplateList() const;
    JC_ComponentIndex& GetKeyedIndex();
    const JC_ComponentIndex& GetKeyedIndex() const;

protected:
    explicit JC_DataComponentMaker(DWORD dwDistributeType);

    // Takes a component the manager is about to delete out of the keyed
    // index, which must never hand out a deleted one.
    void ForgetComponent(const JC_DataComponent* pComponent);
    // The text of a data file: the head, then the block of each component
    // with its order text.
    DWORD ComposeFile(bool bSimplifyDefault, bool bSimplifyDefine,
                      const std::vector<const JC_DataComponent*>& components,
                      const std::vector<std::string>& orderTexts, std::string& strFile) const;
    // dwCannotWrite when the file cannot be written.
    static DWORD WriteFile(const std::string& strPath, const std::string& strFile, DWORD dwCannotWrite);

private:
    std::string HeadText(bool bSimplifyDefault, bool bSimplifyDefine) const;

    const DWORD m_dwDistributeType;
    JC_TemplateList m_TemplateList;
    JC_ComponentIndex m_KeyedIndex;
};
