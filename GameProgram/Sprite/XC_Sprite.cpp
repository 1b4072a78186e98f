#include "GameProgram/Sprite/XC_Sprite.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Sprite/XC_DeferredDeletion.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_Sprite::XC_Sprite()
    : XC_Timer(TR_Sprite)
{
}

XC_Sprite::~XC_Sprite()
{
    ClearAllWork();
}

void XC_Sprite::Update(float fDelta)
{
    UpdateWorks(fDelta);
}

HRESULT XC_Sprite::SetSequential(BOOL bSequential)
{
    m_bSequential = bSequential;
    return S_OK;
}

void XC_Sprite::FinishAndDelete(XC_SpriteWorkBase* pWork)
{
    pWork->End();
    pWork->Send(0, reinterpret_cast<DWORD_PTR>(pWork));
    XC_DeferredDeletion::DeleteWork(pWork);
}

HRESULT XC_Sprite::AddWork(XC_SpriteWorkBase* pWork)
{
    if (pWork == nullptr) {
        XM_REPORT_FAILED("pWork");
        return E_FAIL;
    }
    const XC_DeferredDeletion deletionScope;
    if (!m_bSequential && pWork->GetDelayTime() <= 0.0f) {
        pWork->Begin();
        pWork->SetWaiting(FALSE);
        if (pWork->Step(0.0f)) {
            FinishAndDelete(pWork);
            return S_OK;
        }
    } else {
        pWork->SetWaiting(TRUE);
    }
    m_SWList_List.push_back(XS_WorkEntry{pWork, false});
    ++m_dwWorkCount;
    if (!IsRunning())
        Start();
    return S_OK;
}

XC_Sprite::WorkList::iterator XC_Sprite::Unlist(WorkList::iterator it)
{
    --m_dwWorkCount;
    if (m_iWalkDepth > 0) {
        it->bGone = true;
        return ++it;
    }
    return m_SWList_List.erase(it);
}

void XC_Sprite::SweepGoneEntries()
{
    m_SWList_List.remove_if([](const XS_WorkEntry& entry) { return entry.bGone; });
}

HRESULT XC_Sprite::RemoveWork(XC_SpriteWorkBase* pWork)
{
    for (WorkList::iterator it = m_SWList_List.begin(); it != m_SWList_List.end(); ++it) {
        if (it->bGone || it->pWork != pWork)
            continue;
        pWork->End();
        Unlist(it);
        return S_OK;
    }
    return E_FAIL;
}

void XC_Sprite::ClearAllWork()
{
    WorkList::iterator it = m_SWList_List.begin();
    while (it != m_SWList_List.end()) {
        if (it->bGone) {
            ++it;
            continue;
        }
        XC_SpriteWorkBase* const pWork = it->pWork;
        it = Unlist(it);
        XC_DeferredDeletion::DeleteWork(pWork);
    }
}

DWORD XC_Sprite::GetWorkCount() const
{
    return m_dwWorkCount;
}

XC_SpriteWorkBase* XC_Sprite::FindWork(const char* szName) const
{
    if (szName == nullptr)
        return nullptr;
    for (const XS_WorkEntry& entry : m_SWList_List) {
        if (!entry.bGone && std::strcmp(entry.pWork->GetName(), szName) == 0)
            return entry.pWork;
    }
    return nullptr;
}

XC_SpriteWorkBase* XC_Sprite::GetSpriteWork(DWORD dwIdx) const
{
    if (dwIdx >= m_dwWorkCount) {
        XM_REPORT_FAILED("dwIdx < m_SWList_List.size()");
        return nullptr;
    }
    for (const XS_WorkEntry& entry : m_SWList_List) {
        if (entry.bGone)
            continue;
        if (dwIdx == 0)
            return entry.pWork;
        --dwIdx;
    }
    return nullptr;
}

void XC_Sprite::FinishWork(const char* szName)
{
    if (szName == nullptr)
        return;
    for (const XS_WorkEntry& entry : m_SWList_List) {
        if (entry.bGone || std::strcmp(entry.pWork->GetName(), szName) != 0)
            continue;
        entry.pWork->SetDelayTime(0.0f);
        entry.pWork->SetWorkTime(0.0f);
    }
}

void XC_Sprite::FinishAllWork()
{
    for (const XS_WorkEntry& entry : m_SWList_List) {
        if (entry.bGone)
            continue;
        entry.pWork->SetDelayTime(0.0f);
        entry.pWork->SetWorkTime(0.0f);
    }
}

void XC_Sprite::UpdateWorks(float fElapsedTime)
{
    // Opened first and closed last: the deletions it releases may take this
    // sprite with them, so nothing of it is touched after the scope.
    const XC_DeferredDeletion deletionScope;
    ++m_iWalkDepth;
    WalkWorks(fElapsedTime);
    if (--m_iWalkDepth == 0)
        SweepGoneEntries();
}

void XC_Sprite::WalkWorks(float fElapsedTime)
{
    if (m_dwWorkCount == 0) {
        Reset();
        return;
    }
    // Entries are only marked during the walk, never erased, so the iterator
    // stays valid whatever the works' messages do; appended ones are reached.
    for (WorkList::iterator it = m_SWList_List.begin(); it != m_SWList_List.end(); ++it) {
        if (it->bGone)
            continue;
        XC_SpriteWorkBase* const pWork = it->pWork;
        if (pWork->IsWaiting()) {
            pWork->SetElapsedTime(pWork->GetElapsedTime() + fElapsedTime);
            if (pWork->GetDelayTime() > pWork->GetElapsedTime()) {
                if (m_bSequential)
                    return;
                continue;
            }
            pWork->SetElapsedTime(pWork->GetElapsedTime() - pWork->GetDelayTime());
            pWork->Begin();
            pWork->SetWaiting(FALSE);
            if (it->bGone)
                continue;
        }
        if (!pWork->Step(fElapsedTime)) {
            if (m_bSequential)
                return;
            continue;
        }
        if (it->bGone)
            continue;
        Unlist(it);
        FinishAndDelete(pWork);
    }
}
