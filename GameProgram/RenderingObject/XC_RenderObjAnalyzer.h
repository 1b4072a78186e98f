#pragma once

#include "GameProgram/Common/XC_String.h"

#include <windows.h>

#include <map>

class XC_RenderingObject;
class XC_TextNode;

// Builds a new object from a description node; the caller owns what it returns.
typedef XC_RenderingObject* (*fpAnalyzeRenderObj)(XC_TextNode* pTNode);

// The factory of rendering objects: the description's "Type" leaf, lower-cased,
// selects the creator, which constructs the class and has it load the node.
class XC_RenderObjAnalyzer
{
public:
    // Registers the types of the drawables.
    XC_RenderObjAnalyzer();
    virtual ~XC_RenderObjAnalyzer() = default;
    XC_RenderObjAnalyzer(const XC_RenderObjAnalyzer&) = delete;
    XC_RenderObjAnalyzer& operator=(const XC_RenderObjAnalyzer&) = delete;

    // The new object, or null after a report.
    virtual XC_RenderingObject* AnalyzeRenderObj(XC_TextNode* pTNode);
    // Replaces the creator of a name already registered. Look-ups are
    // lower-cased, so only lower-case names can be found.
    virtual HRESULT RegisterRenderObjType(const char* lpctstrType, fpAnalyzeRenderObj pfnAnalyzeRenderObj);

    // The creator of a class: constructs it and has it load the node; a
    // failed load is reported and leaves nothing behind.
    template <class T> static XC_RenderingObject* CreateRenderObj(XC_TextNode* pTNode);

private:
    static void ReportFailedCreation(int iLine);

    std::map<XC_String, fpAnalyzeRenderObj> m_mapRenderObjType;
};

template <class T> XC_RenderingObject* XC_RenderObjAnalyzer::CreateRenderObj(XC_TextNode* pTNode)
{
    T* const pRenderObj = new T;
    if (FAILED(pRenderObj->LoadFromTextNode(pTNode))) {
        ReportFailedCreation(__LINE__);
        delete pRenderObj;
        return nullptr;
    }
    return pRenderObj;
}

// The one factory of the program, built before the game starts.
extern XC_RenderObjAnalyzer* g_pRenderObjAnalyzer;
