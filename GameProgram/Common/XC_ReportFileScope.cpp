#include "GameProgram/Common/XC_ReportFileScope.h"

namespace {

const XC_ReportFileScope* s_pInnermost = nullptr;

} // namespace

XC_ReportFileScope::XC_ReportFileScope(const char* szFileName)
    : m_strFileName(szFileName != nullptr ? szFileName : "")
    , m_pOuter(s_pInnermost)
{
    s_pInnermost = this;
}

XC_ReportFileScope::~XC_ReportFileScope()
{
    s_pInnermost = m_pOuter;
}

const char* XC_ReportFileScope::GetFileName()
{
    return s_pInnermost != nullptr ? s_pInnermost->m_strFileName.c_str() : nullptr;
}
