#pragma once

#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_RenderNode;

// A work on a render node. The node must outlive the work.
class XC_RenderNodeWorkBase : public XC_SpriteWorkBase
{
public:
    // FALSE, reported, for a null node.
    virtual BOOL SetTarget(XC_RenderNode* pRenderNodeObj);
    XC_RenderNode* GetTarget() const { return m_pRenderNodeObj; }

protected:
    // False, reported, when the work has no node.
    bool CheckTarget(const char* szSourceFile, int iLine) const;

    XC_RenderNode* m_pRenderNodeObj = nullptr;
};
