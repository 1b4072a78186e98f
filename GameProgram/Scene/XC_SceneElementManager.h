#pragma once

#include "GameProgram/Common/XC_String.h"
#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

#include <windows.h>

#include <memory>
#include <vector>

class XC_TextNode;
class XC_TextTree;
class XI_PackFile;

// The scene elements: each is a description file of the pack file whose
// nodes become rendering objects through the factory. The file names are
// kept in load order, so the scene can be saved again and a single element
// removed.
class XC_SceneElementManager : public XC_RenderObjManager
{
public:
    XC_SceneElementManager() = default;

    virtual HRESULT Init(XI_PackFile* pPackFile);
    virtual HRESULT Fini();
    // One leaf "SE%02d" per recorded file name.
    virtual HRESULT SaveToNode(XC_TextNode* pTNode) const;
    // Adds the elements the leaves name, in leaf order, to those present;
    // stops at the first that fails.
    virtual HRESULT LoadFromNode(const XC_TextNode* pTNode);
    virtual HRESULT AddSceneElement(const char* szFileName);
    // Forgets the first record of the name, then loads every remaining
    // element again from the pack file.
    virtual HRESULT DelSceneElement(const char* szFileName);
    // The empty text past the list.
    virtual const char* GetSceneElementFileName(DWORD Idx) const;
    virtual DWORD GetSceneElementFileNameCount() const;
    // The file names go first, then the objects.
    HRESULT ClearAll() override;

private:
    // The parsed file, or null with a report.
    std::unique_ptr<XC_TextTree> ReadElementFile(const char* szFileName) const;
    HRESULT AddElementTree(const char* szFileName, XC_TextTree* pTree);

    std::vector<XC_String> m_SceneElementFileName;
    XI_PackFile* m_pPackFile = nullptr;
};
