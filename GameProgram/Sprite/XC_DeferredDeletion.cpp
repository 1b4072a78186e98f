#include "GameProgram/Sprite/XC_DeferredDeletion.h"

#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <vector>

namespace {

int s_iScopeDepth = 0;
std::vector<XC_SpriteWorkBase*> s_PendingWorks;

} // namespace

XC_DeferredDeletion::XC_DeferredDeletion()
{
    ++s_iScopeDepth;
}

XC_DeferredDeletion::~XC_DeferredDeletion()
{
    if (--s_iScopeDepth > 0)
        return;
    // Deleting a work may finish scripts whose sprites delete further works:
    // those go at once, as no scope is open any more.
    std::vector<XC_SpriteWorkBase*> works;
    works.swap(s_PendingWorks);
    for (XC_SpriteWorkBase* pWork : works)
        delete pWork;
}

void XC_DeferredDeletion::DeleteWork(XC_SpriteWorkBase* pWork)
{
    if (s_iScopeDepth > 0)
        s_PendingWorks.push_back(pWork);
    else
        delete pWork;
}

bool XC_DeferredDeletion::IsActive()
{
    return s_iScopeDepth > 0;
}
