#include "tests/Support/DebuggerOutput.h"

#include <windows.h>

namespace {

std::string s_text;

LONG WINAPI CollectOutput(EXCEPTION_POINTERS* pException)
{
    const EXCEPTION_RECORD* pRecord = pException->ExceptionRecord;
    if (pRecord->ExceptionCode == DBG_PRINTEXCEPTION_C && pRecord->NumberParameters >= 2)
        s_text += reinterpret_cast<const char*>(pRecord->ExceptionInformation[1]);
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

DebuggerOutput::DebuggerOutput()
    : m_pHandler(AddVectoredExceptionHandler(1, CollectOutput))
{
    s_text.clear();
}

DebuggerOutput::~DebuggerOutput()
{
    RemoveVectoredExceptionHandler(m_pHandler);
}

const std::string& DebuggerOutput::Text() const
{
    return s_text;
}
