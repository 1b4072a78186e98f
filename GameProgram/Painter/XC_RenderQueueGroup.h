#pragma once

#include <windows.h>

#include <map>
#include <set>

class XC_RenderingObject;

// The drawables of one render-queue key. Each draw sorts the visible ones:
// opaque objects are drawn nearest first, alpha-blended ones farthest first.
// The group does not own its members.
class XC_RenderQueueGroup
{
public:
    XC_RenderQueueGroup() = default;
    XC_RenderQueueGroup(const XC_RenderQueueGroup&) = delete;
    XC_RenderQueueGroup& operator=(const XC_RenderQueueGroup&) = delete;
    // Lists the members still filed on the debugger's output.
    virtual ~XC_RenderQueueGroup();

    // FALSE for a null object.
    virtual BOOL AddRenderObj(XC_RenderingObject* pRenderObj);
    // FALSE for a null object or one that is not a member.
    virtual BOOL RemoveRenderObj(XC_RenderingObject* pRenderObj);
    virtual DWORD GetRenderObjCount_Total() const;
    // The members that passed the last visibility test.
    virtual DWORD GetRenderObjCount_Inside() const;
    // Rebuilds the sorted lists from the visibility tests; FALSE when nothing
    // is visible.
    virtual BOOL Sort();
    // Draws the sorted lists, within the frame's render counters.
    virtual void Render();

private:
    // Counts one object against the frame's cap and draws it when its number
    // lies past the first ones skipped; false when the cap is reached.
    static bool DrawCounted(XC_RenderingObject* pRenderObj);

    std::set<XC_RenderingObject*> m_ROSet_List;
    std::multimap<float, XC_RenderingObject*> m_ROMMap_NoAlpha;
    std::multimap<float, XC_RenderingObject*> m_ROMMap_Alpha;
};
