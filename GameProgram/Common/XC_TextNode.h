#pragma once

#include "GameProgram/Common/XC_TextLeaf.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class XC_IOTextFile;

// A node of a text tree: a name in brackets ("[Sys]"), child nodes and
// leaves in document order. A node owns its children and leaves.
class XC_TextNode
{
public:
    // Nesting deeper than this is dropped when a document is read, so a
    // damaged file cannot exhaust the stack.
    static constexpr int MAX_DEPTH = 256;

    XC_TextNode() = default;
    XC_TextNode(const XC_TextNode&) = delete;
    XC_TextNode& operator=(const XC_TextNode&) = delete;
    virtual ~XC_TextNode();

    // Replaces the content with the node read from the line store's cursor on.
    virtual HRESULT Load(XC_IOTextFile* pFile);
    // Reports each child whose name is none of the known ones (a misspelling
    // that would leave its reader without the node in silence), naming szOwner.
    void ReportUnknownChildren(const char* const* pszKnown, size_t uKnownCount, const char* szOwner) const;
    // Appends the lines of this node and its subtree, indented by szIndent.
    virtual HRESULT Save(XC_IOTextFile* pFile, const char* szIndent) const;
    // A new deep copy, or null.
    virtual XC_TextNode* Clone() const;
    virtual HRESULT CopyFrom(const XC_TextNode* pSource);
    virtual void Clear();
    virtual void SetName(const char* szName);
    virtual const char* GetName() const;
    virtual void SetParent(XC_TextNode* pParent);
    virtual XC_TextNode* GetParent() const;

    virtual int GetChildNodeCount() const;
    virtual void AddChildNode(XC_TextNode* pNode);
    virtual void InsertChildNode(XC_TextNode* pNode, int iIndex);
    virtual void DeleteChildNode(XC_TextNode* pNode);
    // Takes the node out without deleting it; the caller owns it then.
    virtual void RemoveChildNode(XC_TextNode* pNode);
    virtual XC_TextNode* AddNode(const char* pName);
    virtual XC_TextNode* FindChildNode(int iIndex) const;
    // The first child whose name equals the text byte for byte.
    virtual XC_TextNode* FindChildNode(const char* szName) const;

    virtual int GetLeafCount() const;
    virtual XC_TextLeaf* AddLeaf(const char* szName, float fValue);
    virtual XC_TextLeaf* AddLeaf(const char* szName, int iValue);
    virtual XC_TextLeaf* AddLeaf(const char* szName, unsigned int uValue);
    virtual XC_TextLeaf* AddLeaf(const char* szName, const char* szValue, const char* szComment);
    virtual XC_TextLeaf* AddLeaf(const char* szName, const char* szValue);
    virtual XC_TextLeaf* AddLeaf(XC_TextLeaf* pTLeaf);
    virtual void InsertLeaf(XC_TextLeaf* pTLeaf, int iIndex);
    virtual void DeleteLeaf(XC_TextLeaf* pTLeaf);
    // Takes the leaf out without deleting it; the caller owns it then.
    virtual void RemoveLeaf(XC_TextLeaf* pTLeaf);
    virtual XC_TextLeaf* GetLeaf(int iIndex) const;
    virtual XC_TextLeaf* FindLeaf(const char* szName) const;

    // Typed values of the leaf of that name, or the default without it.
    virtual const char* GetStr(const char* szName, const char* szDefault) const;
    virtual int GetInt(const char* szName, int iDefault) const;
    virtual DWORD GetDword(const char* szName, DWORD dwDefault) const;
    virtual float GetFloat(const char* szName, float fDefault) const;
    virtual BOOL GetBool(const char* szName, BOOL bDefault) const;
    virtual bool GetVector3(const char* szName, float* pfX, float* pfY, float* pfZ) const;
    virtual DWORD GetColor(const char* szName, DWORD dwDefault) const;
    virtual bool GetInt4(const char* szName, int* piA, int* piB, int* piC, int* piD) const;

    virtual DWORD GetUserValue1() const;
    virtual void SetUserValue1(DWORD dwValue);
    virtual DWORD GetUserValue2() const;
    virtual void SetUserValue2(DWORD dwValue);

private:
    static void ReportTooDeep(const XC_IOTextFile& file);
    static void ReportUnclosed(const XC_IOTextFile& file, int iOpen);
    DWORD m_dwUserValue1 = 0;
    DWORD m_dwUserValue2 = 0;
    std::vector<std::unique_ptr<XC_TextNode>> m_ChildNodes;
    std::vector<std::unique_ptr<XC_TextLeaf>> m_Leaves;
    std::optional<std::string> m_Name;
    XC_TextNode* m_pParent = nullptr;
};
