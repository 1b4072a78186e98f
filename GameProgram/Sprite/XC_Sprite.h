#pragma once

#include "GameProgram/Common/XC_Timer.h"

#include <windows.h>

#include <list>

class XC_SpriteWorkBase;

// The timer rank of sprites.
const DWORD TR_Sprite = 4;

// A timer that runs a list of works, side by side or one after another: it
// begins, steps, ends, notifies and deletes them. It owns its works.
//
// A work's end message may reach a script that adds, removes, clears or
// finishes works of this very sprite while its list is walked. The walk
// never erases an entry: a work that leaves the list is marked gone and the
// marks are swept after the outermost walk, and deletions wait for the end of
// the pass (XC_DeferredDeletion). Works added during a walk are reached in it.
class XC_Sprite : public XC_Timer
{
public:
    XC_Sprite();
    ~XC_Sprite() override;

    void Update(float fDelta) override;

    virtual HRESULT SetSequential(BOOL bSequential);
    virtual HRESULT AddWork(XC_SpriteWorkBase* pWork);
    // Ends the work and hands it back to the caller, without its message.
    virtual HRESULT RemoveWork(XC_SpriteWorkBase* pWork);
    // Deletes every work, without ending it and without its message.
    virtual void ClearAllWork();
    virtual DWORD GetWorkCount() const;
    virtual XC_SpriteWorkBase* FindWork(const char* szName) const;
    virtual XC_SpriteWorkBase* GetSpriteWork(DWORD dwIdx) const;
    // The works of that name begin (when waiting) and end at the next update.
    virtual void FinishWork(const char* szName);
    virtual void FinishAllWork();
    virtual void UpdateWorks(float fElapsedTime);

private:
    struct XS_WorkEntry
    {
        XC_SpriteWorkBase* pWork;
        bool bGone;
    };
    typedef std::list<XS_WorkEntry> WorkList;

    void WalkWorks(float fElapsedTime);
    // Takes the entry out of the list, or marks it gone during a walk.
    WorkList::iterator Unlist(WorkList::iterator it);
    void SweepGoneEntries();
    // Ends the work, tells its addressees and deletes it.
    static void FinishAndDelete(XC_SpriteWorkBase* pWork);

    BOOL m_bSequential = FALSE;
    WorkList m_SWList_List;
    DWORD m_dwWorkCount = 0;
    int m_iWalkDepth = 0;
};
