#pragma once

#include "GameProgram/Painter/XI_Painter.h"

#include <map>

class XC_RenderQueueGroup;

// Files drawables into render-queue groups by group id and coordinate system
// and draws the groups in ascending order, each on a cleared depth buffer.
// The painter owns its groups, not the drawables.
class XC_Painter : public XI_Painter
{
public:
    XC_Painter() = default;
    XC_Painter(const XC_Painter&) = delete;
    XC_Painter& operator=(const XC_Painter&) = delete;
    ~XC_Painter() override;

    BOOL AddRenderObj(XC_RenderingObject* pRenderObj) override;
    BOOL RemoveRenderObj(XC_RenderingObject* pRenderObj) override;
    virtual void Render();
    // Deletes every group; the painter stays usable.
    virtual void RemoveAllGroups();
    virtual DWORD GetRenderObjCount_Total() const;
    virtual DWORD GetRenderObjCount_Inside() const;

private:
    // The key of an object's group: its group id twice, plus 1 in screen
    // coordinates, so a group's world queue is drawn before its screen queue.
    static DWORD GetQueueKey(const XC_RenderingObject* pRenderObj);
    // Null only when a new group cannot be made.
    XC_RenderQueueGroup* FindOrCreateGroup(DWORD dwKey);
    static void ClearDepthBuffer();

    std::map<DWORD, XC_RenderQueueGroup*> m_mapRenderQueueGroup;
};

// The frame's render counters, shared by all painters. The objects numbered
// up to g_iRenderBeginNum are counted but not drawn, at most
// g_iRenderMaxCount are drawn, and g_iRenderCount counts those passed so far.
// The game resets the count and the two statistics each frame.
extern int g_iRenderBeginNum;
extern int g_iRenderMaxCount;
extern int g_iRenderCount;
extern DWORD g_dwRenderObjCountTotal;
extern DWORD g_dwRenderObjCountInside;
