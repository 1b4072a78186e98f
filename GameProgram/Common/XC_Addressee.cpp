#include "GameProgram/Common/XC_Addressee.h"

#include "GameProgram/Common/XC_Sender.h"

XC_Addressee::~XC_Addressee()
{
    // Each disconnect takes every entry of that sender out of the list.
    while (m_PAL_Sender.Count() > 0)
        m_PAL_Sender.GetPtr(0)->Disconnect(this);
}

DWORD XC_Addressee::OnCallBack(DWORD_PTR, DWORD_PTR, DWORD_PTR, DWORD_PTR)
{
    return 0;
}

HRESULT XC_Addressee::AddSender(XC_Sender* pSender)
{
    return m_PAL_Sender.Add(pSender);
}

void XC_Addressee::RemoveSender(XC_Sender* pSender)
{
    for (DWORD i = m_PAL_Sender.Count(); i > 0; --i) {
        if (m_PAL_Sender.GetPtr(i - 1) == pSender)
            m_PAL_Sender.RemoveAt(i - 1);
    }
}
