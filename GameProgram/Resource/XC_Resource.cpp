#include "GameProgram/Resource/XC_Resource.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_ResourceManager.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

const char* XC_Resource::GetName() const
{
    return m_ResourceName.c_str();
}

void XC_Resource::Release()
{
    // A release with no reference left would drive the count below 0 and
    // keep the resource from ever leaving its manager's cache.
    if (m_dwReferenceCount <= 0) {
        const char* const szText = XF_FormatText("XC_Resource::Release() m_ResourceName = %s", GetName());
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("( %s ) failed \r\n%s", "m_dwReferenceCount > 0", szText ? szText : ""));
        return;
    }
    --m_dwReferenceCount;
    if (m_dwReferenceCount != 0)
        return;
    if (m_pResourceManager == nullptr) {
        XM_REPORT_FAILED("m_pResourceManager");
        return;
    }
    m_pResourceManager->Release(this);
}

void XC_Resource::AddRef()
{
    ++m_dwReferenceCount;
}

LONG XC_Resource::GetRef() const
{
    return m_dwReferenceCount;
}
