#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"

#include <windows.h>

class XC_Addressee;

// One call-back link of a sender: the addressee and the two values the
// sender chose when it connected. The values are pointer-sized, because
// callers link nodes and other objects by address.
struct XS_CallBackMsg
{
    XC_Addressee* pAddressee;
    DWORD_PTR dwValue1;
    DWORD_PTR dwValue2;
};

// The sending side of many-to-many call-back links: each send calls every
// linked addressee, in the order of connection.
class XC_Sender
{
public:
    XC_Sender() = default;
    virtual ~XC_Sender();
    XC_Sender(const XC_Sender&) = delete;
    XC_Sender& operator=(const XC_Sender&) = delete;

    virtual HRESULT Connect(XC_Addressee* pAddressee, DWORD_PTR dwValue1, DWORD_PTR dwValue2);
    // Removes every link to the addressee.
    virtual void Disconnect(XC_Addressee* pAddressee);
    virtual void DisconnectAll();
    // Delivers c and d over every link; the number of links delivered.
    virtual DWORD Send(DWORD_PTR dwValue3, DWORD_PTR dwValue4);
    virtual DWORD Deliver(XC_Addressee* pAddressee, DWORD_PTR dwValue1, DWORD_PTR dwValue2,
                          DWORD_PTR dwValue3, DWORD_PTR dwValue4);

    DWORD GetMessageCount() const { return m_PAL_Message.Count(); }

private:
    bool HasMessage(const XS_CallBackMsg* pMessage) const;

    XC_PtrArrayList<XS_CallBackMsg> m_PAL_Message;
};
