#include "GameProgram/Input/XC_InputObject.h"

XC_InputObject::~XC_InputObject()
{
    Fini();
}

HRESULT XC_InputObject::Init(HWND hWnd, HINSTANCE hInstance)
{
    Fini();
    m_hWnd = hWnd;
    if (hInstance == nullptr)
        hInstance = GetModuleHandleA(nullptr);
    return DirectInput8Create(hInstance, DIRECTINPUT_VERSION, IID_IDirectInput8A,
                              reinterpret_cast<void**>(&m_pDirectInput), nullptr);
}

int XC_InputObject::Fini()
{
    if (m_pDirectInput != nullptr) {
        m_pDirectInput->Release();
        m_pDirectInput = nullptr;
    }
    return 1;
}
