#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

void XC_SpriteWorkBase::SetName(const char* szName)
{
    if (szName == nullptr) {
        XM_REPORT_FAILED("szName");
        return;
    }
    m_strName = szName;
}

const char* XC_SpriteWorkBase::GetName() const
{
    return m_strName.c_str();
}

void XC_SpriteWorkBase::SetDelayTime(float fDelayTime)
{
    m_fDelayTime = fDelayTime;
}

void XC_SpriteWorkBase::SetWorkTime(float fWorkTime)
{
    m_fWorkTime = fWorkTime;
}

void XC_SpriteWorkBase::SetElapsedTime(float fElapsedTime)
{
    m_fElapsedTime = fElapsedTime;
}

void XC_SpriteWorkBase::SetProgress(float fProgress)
{
    m_fProgress = fProgress;
}

float XC_SpriteWorkBase::GetDelayTime() const
{
    return m_fDelayTime;
}

float XC_SpriteWorkBase::GetWorkTime() const
{
    return m_fWorkTime;
}

float XC_SpriteWorkBase::GetElapsedTime() const
{
    return m_fElapsedTime;
}

float XC_SpriteWorkBase::GetProgress() const
{
    return m_fProgress;
}

void XC_SpriteWorkBase::Begin()
{
}

void XC_SpriteWorkBase::End()
{
}

BOOL XC_SpriteWorkBase::Step(float fElapsedTime)
{
    return Advance(fElapsedTime);
}

BOOL XC_SpriteWorkBase::Advance(float fElapsedTime)
{
    m_fElapsedTime += fElapsedTime;
    m_fProgress = m_fElapsedTime / m_fWorkTime;
    if (m_fProgress >= 1.0f || m_fWorkTime < 1e-07f) {
        m_fProgress = 1.0f;
        return TRUE;
    }
    return FALSE;
}

bool XC_SpriteWorkBase::CanSendMessage(DWORD) const
{
    return false;
}
