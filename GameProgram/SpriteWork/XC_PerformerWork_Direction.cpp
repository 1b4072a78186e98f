#include "GameProgram/SpriteWork/XC_PerformerWork_Direction.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/RenderingObject/XC_Performer.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const DWORD DIRECTION_COUNT = 4;

} // namespace

BOOL XC_PerformerWork_Direction::SetTarget(XC_Performer* pPerformerObj)
{
    if (pPerformerObj == nullptr) {
        XM_REPORT_FAILED("pPerformerObj");
        return FALSE;
    }
    m_pPerformerObj = pPerformerObj;
    return TRUE;
}

void XC_PerformerWork_Direction::Begin()
{
    if (m_pPerformerObj == nullptr) {
        XM_REPORT_FAILED("m_pPerformerObj");
        return;
    }
    const DWORD dwOwnDirection = m_pPerformerObj->GetDirectionNumber();
    if (m_bRestoreWhenFinishWork)
        m_dwSaveDirection = dwOwnDirection;
    // A number above 3 counts whole quarter turns, so the performer always
    // ends on one of its four directions.
    const DWORD dwBase = m_bAbsDirection ? 0 : dwOwnDirection;
    m_dwDirection = (dwBase + m_dwDirection) % DIRECTION_COUNT;
    m_bAbsDirection = TRUE;
    m_pPerformerObj->SetDirection(m_dwDirection);
}

void XC_PerformerWork_Direction::End()
{
    if (m_pPerformerObj == nullptr) {
        XM_REPORT_FAILED("m_pPerformerObj");
        return;
    }
    if (m_bRestoreWhenFinishWork)
        m_pPerformerObj->SetDirection(m_dwSaveDirection);
}
