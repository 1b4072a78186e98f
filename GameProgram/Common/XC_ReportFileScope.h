#pragma once

#include "GameProgram/Common/XC_String.h"

// While one lives, the error log's reports end with ", in FILE": the readers
// below a file's loader (a particle's keys, a mesh's callbacks, a scene
// element's objects) do not know which file they read. Scopes nest; the
// innermost file is named.
class XC_ReportFileScope
{
public:
    explicit XC_ReportFileScope(const char* szFileName);
    ~XC_ReportFileScope();
    XC_ReportFileScope(const XC_ReportFileScope&) = delete;
    XC_ReportFileScope& operator=(const XC_ReportFileScope&) = delete;

    // The file of the innermost living scope; null when there is none.
    static const char* GetFileName();

private:
    XC_String m_strFileName;
    const XC_ReportFileScope* m_pOuter;
};
