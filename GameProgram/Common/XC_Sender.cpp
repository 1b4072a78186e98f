#include "GameProgram/Common/XC_Sender.h"

#include "GameProgram/Common/XC_Addressee.h"
#include "GameProgram/Common/XF_Common.h"

#include <new>
#include <vector>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_Sender::~XC_Sender()
{
    XC_Sender::DisconnectAll();
}

HRESULT XC_Sender::Connect(XC_Addressee* pAddressee, DWORD_PTR dwValue1, DWORD_PTR dwValue2)
{
    if (pAddressee == nullptr) {
        XM_REPORT_FAILED("pAddressee");
        return E_FAIL;
    }
    XS_CallBackMsg* pMessage = new (std::nothrow) XS_CallBackMsg{pAddressee, dwValue1, dwValue2};
    if (pMessage == nullptr)
        return E_OUTOFMEMORY;
    HRESULT hr = m_PAL_Message.Add(pMessage);
    if (FAILED(hr)) {
        delete pMessage;
        return hr;
    }
    hr = pAddressee->AddSender(this);
    if (FAILED(hr)) {
        m_PAL_Message.RemoveAt(m_PAL_Message.Count() - 1);
        delete pMessage;
        return hr;
    }
    return S_OK;
}

void XC_Sender::Disconnect(XC_Addressee* pAddressee)
{
    for (DWORD i = m_PAL_Message.Count(); i > 0; --i) {
        XS_CallBackMsg* pMessage = m_PAL_Message.GetPtr(i - 1);
        if (pMessage->pAddressee != pAddressee)
            continue;
        m_PAL_Message.RemoveAt(i - 1);
        delete pMessage;
    }
    if (pAddressee != nullptr)
        pAddressee->RemoveSender(this);
}

void XC_Sender::DisconnectAll()
{
    for (DWORD i = 0; i < m_PAL_Message.Count(); ++i) {
        XS_CallBackMsg* pMessage = m_PAL_Message.GetPtr(i);
        pMessage->pAddressee->RemoveSender(this);
        delete pMessage;
    }
    m_PAL_Message.RemoveAll();
}

DWORD XC_Sender::Send(DWORD_PTR dwValue3, DWORD_PTR dwValue4)
{
    // An addressee may link or unlink while it is called: walk a copy of the
    // links and skip those that are gone by the time their turn comes.
    std::vector<XS_CallBackMsg*> messages;
    messages.reserve(m_PAL_Message.Count());
    for (DWORD i = 0; i < m_PAL_Message.Count(); ++i)
        messages.push_back(m_PAL_Message.GetPtr(i));

    DWORD dwDelivered = 0;
    for (const XS_CallBackMsg* pMessage : messages) {
        if (!HasMessage(pMessage))
            continue;
        const XS_CallBackMsg message = *pMessage;
        Deliver(message.pAddressee, message.dwValue1, message.dwValue2, dwValue3, dwValue4);
        ++dwDelivered;
    }
    return dwDelivered;
}

DWORD XC_Sender::Deliver(XC_Addressee* pAddressee, DWORD_PTR dwValue1, DWORD_PTR dwValue2,
                         DWORD_PTR dwValue3, DWORD_PTR dwValue4)
{
    return pAddressee->OnCallBack(dwValue1, dwValue2, dwValue3, dwValue4);
}

bool XC_Sender::HasMessage(const XS_CallBackMsg* pMessage) const
{
    for (DWORD i = 0; i < m_PAL_Message.Count(); ++i) {
        if (m_PAL_Message.GetPtr(i) == pMessage)
            return true;
    }
    return false;
}
