#include "GameProgram/Input/XC_InputOfKeyboard.h"

#include "GameProgram/Common/XF_Common.h"

#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_InputOfKeyboard* g_pInputOfKeyboardObj = nullptr;

XC_InputOfKeyboard::XC_InputOfKeyboard()
{
    ClearKeys();
}

HRESULT XC_InputOfKeyboard::Init(XC_InputObject* pInputObj)
{
    Fini();
    if (pInputObj == nullptr) {
        XM_REPORT_FAILED("pInputObj");
        return E_FAIL;
    }
    if (pInputObj->GetDirectInput() == nullptr) {
        XM_REPORT_FAILED("pInputObj->GetDirectInput()");
        return E_FAIL;
    }
    m_pInputObj = pInputObj;
    const HRESULT hr = CreateDevice();
    if (FAILED(hr)) {
        Fini();
        return hr;
    }
    ClearKeys();
    if (FAILED(Acquire()))
        return S_NOT_ACQUIRED;
    return S_OK;
}

HRESULT XC_InputOfKeyboard::CreateDevice()
{
    HRESULT hr = m_pInputObj->GetDirectInput()->CreateDevice(GUID_SysKeyboard, &m_pDevice, nullptr);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
        m_pDevice = nullptr;
        return hr;
    }
    hr = m_pDevice->SetDataFormat(&c_dfDIKeyboard);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("m_pDevice->SetDataFormat( &c_dfDIKeyboard )", hr);
        return hr;
    }
    hr = m_pDevice->SetCooperativeLevel(m_pInputObj->GetWindow(),
                                        DISCL_FOREGROUND | DISCL_NONEXCLUSIVE | DISCL_NOWINKEY);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("m_pDevice->SetCooperativeLevel()", hr);
    return hr;
}

int XC_InputOfKeyboard::Fini()
{
    ReleaseDevice();
    m_pInputObj = nullptr;
    return 1;
}

int XC_InputOfKeyboard::Update()
{
    if (m_pDevice == nullptr)
        return 0;
    m_iToggle = 1 - m_iToggle;
    m_pCurrentKeys = m_KeyBuffers[m_iToggle];
    m_pPreviousKeys = m_KeyBuffers[1 - m_iToggle];
    std::memset(m_bKeyPressed, 0, sizeof(m_bKeyPressed));
    std::memset(m_bKeyReleased, 0, sizeof(m_bKeyReleased));
    std::memset(m_pCurrentKeys, 0, m_dwBufferSize);
    if (!ReadDeviceState())
        return 0;
    CompareBuffers();
    return 1;
}

bool XC_InputOfKeyboard::ReadDeviceState()
{
    if (SUCCEEDED(m_pDevice->GetDeviceState(m_dwBufferSize, m_pCurrentKeys)))
        return true;
    // The device is lost when the window loses the foreground; take it back.
    if (FAILED(SetAcquire(1)))
        return false;
    return SUCCEEDED(m_pDevice->GetDeviceState(m_dwBufferSize, m_pCurrentKeys));
}

void XC_InputOfKeyboard::CompareBuffers()
{
    m_bAnyKeyChanged = 0;
    for (int i = 0; i < KEY_COUNT; ++i) {
        if (m_pCurrentKeys[i] == m_pPreviousKeys[i])
            continue;
        if (m_pCurrentKeys[i] & 0x80)
            m_bKeyPressed[i] = 1;
        else
            m_bKeyReleased[i] = 1;
        m_bAnyKeyChanged = 1;
    }
}

int XC_InputOfKeyboard::ClearKeys()
{
    std::memset(m_KeyBuffers, 0, sizeof(m_KeyBuffers));
    std::memset(m_bKeyPressed, 0, sizeof(m_bKeyPressed));
    std::memset(m_bKeyReleased, 0, sizeof(m_bKeyReleased));
    m_bAnyKeyChanged = 0;
    return 1;
}

bool XC_InputOfKeyboard::IsKeyValid(DWORD dwKey) const
{
    if (dwKey < KEY_COUNT)
        return true;
    XM_REPORT_FAILED("dwKey < 256");
    return false;
}

BOOL XC_InputOfKeyboard::IsKeyPressed(DWORD dwKey) const
{
    return IsKeyValid(dwKey) ? m_bKeyPressed[dwKey] : 0;
}

BOOL XC_InputOfKeyboard::IsKeyReleased(DWORD dwKey) const
{
    return IsKeyValid(dwKey) ? m_bKeyReleased[dwKey] : 0;
}

BOOL XC_InputOfKeyboard::IsKeyDown(DWORD dwKey) const
{
    return IsKeyValid(dwKey) && (m_pCurrentKeys[dwKey] & 0x80) ? 1 : 0;
}
