#include "GameProgram/SpriteWork/XC_ScriptWork_While.h"

void XC_ScriptWork_While::SendOne()
{
    const DWORD dwMessage = m_dwMsg;
    if (m_bIncrease)
        ++m_dwMsg;
    Send(dwMessage, 0);
}

void XC_ScriptWork_While::SendUntil(DWORD dwSent)
{
    while (m_dwSent < dwSent) {
        ++m_dwSent;
        SendOne();
    }
}

void XC_ScriptWork_While::Begin()
{
    if (m_dwCount == 0)
        return;
    SendOne();
    --m_dwCount;
}

BOOL XC_ScriptWork_While::Step(float fElapsedTime)
{
    if (Advance(fElapsedTime))
        return TRUE;
    SendUntil(static_cast<DWORD>(static_cast<float>(m_dwCount) * m_fProgress));
    return FALSE;
}

void XC_ScriptWork_While::End()
{
    SendUntil(m_dwCount);
    ++m_dwCount;
}

bool XC_ScriptWork_While::CanSendMessage(DWORD dwMessage) const
{
    if (m_dwCount == 0)
        return false;
    if (!m_bIncrease)
        return dwMessage == m_dwMsg;
    return dwMessage >= m_dwMsg && dwMessage - m_dwMsg < m_dwCount;
}
