#pragma once

#include <string>

// Collects what the program sends to the debugger's output while it lives:
// OutputDebugStringA raises an exception that a vectored handler sees first.
class DebuggerOutput
{
public:
    DebuggerOutput();
    ~DebuggerOutput();
    DebuggerOutput(const DebuggerOutput&) = delete;
    DebuggerOutput& operator=(const DebuggerOutput&) = delete;

    // Everything sent so far, in order.
    const std::string& Text() const;

private:
    void* m_pHandler;
};
