#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A ring of the last window messages as readable lines ("WM_PAINT ... ,
// WPARAM ... , LPARAM ..."), for an on-screen debug display.
class XC_WindowMessagesToString
{
public:
    virtual ~XC_WindowMessagesToString() = default;

    // A ring of uCount lines, each "NoneMessage" until a message comes.
    void Init(unsigned int uCount);
    // Adds a line for the message; the frequent cursor, key and mouse
    // messages are skipped.
    void AddMessage(UINT uMessage, WPARAM wParam, LPARAM lParam);
    // The i-th most recent line (0 = newest); an empty text for an index
    // past the ring.
    const char* GetMessageText(unsigned int uIndex) const;

private:
    std::vector<std::string> m_Texts;
    unsigned int m_uNext = 0;
};
