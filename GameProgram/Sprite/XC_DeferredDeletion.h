#pragma once

class XC_SpriteWorkBase;

// Works are deleted only when no sprite walk or script call is on the stack:
// an end message can reach a script whose commands clear works, or destroy
// the script set of a called script, while that very script is running. Each
// entry point of the sprites and scripts opens a scope; deletions asked for
// inside it wait until the outermost scope closes.
class XC_DeferredDeletion
{
public:
    XC_DeferredDeletion();
    ~XC_DeferredDeletion();
    XC_DeferredDeletion(const XC_DeferredDeletion&) = delete;
    XC_DeferredDeletion& operator=(const XC_DeferredDeletion&) = delete;

    // Deletes the work now when no scope is open, else when the last one closes.
    static void DeleteWork(XC_SpriteWorkBase* pWork);
    static bool IsActive();
};
