#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"

#include <windows.h>

class XC_Sender;

// The receiving side of call-back links. It knows its senders, one entry per
// link, so that its destruction removes every link that points at it.
class XC_Addressee
{
public:
    XC_Addressee() = default;
    virtual ~XC_Addressee();
    XC_Addressee(const XC_Addressee&) = delete;
    XC_Addressee& operator=(const XC_Addressee&) = delete;

    virtual DWORD OnCallBack(DWORD_PTR dwValue1, DWORD_PTR dwValue2, DWORD_PTR dwValue3, DWORD_PTR dwValue4);

    // Kept by XC_Sender as it links and unlinks.
    HRESULT AddSender(XC_Sender* pSender);
    void RemoveSender(XC_Sender* pSender);
    DWORD GetSenderCount() const { return m_PAL_Sender.Count(); }

private:
    XC_PtrArrayList<XC_Sender> m_PAL_Sender;
};
