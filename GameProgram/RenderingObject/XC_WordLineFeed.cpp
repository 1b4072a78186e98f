#include "GameProgram/RenderingObject/XC_WordLineFeed.h"

#include "GameProgram/Common/XF_Common.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_WordLineFeed::XC_WordLineFeed()
{
    m_dwReferenceCount = 1;
    m_fWidth = 10000000.0f;
    m_fHeight = 0.0f;
}

void XC_WordLineFeed::Release()
{
    if (m_dwReferenceCount <= 0) {
        XM_REPORT_FAILED("m_dwReferenceCount > 0");
        return;
    }
    if (--m_dwReferenceCount == 0)
        delete this;
}

HRESULT XC_WordLineFeed::Render(const D3DXMATRIX*)
{
    return S_OK;
}
