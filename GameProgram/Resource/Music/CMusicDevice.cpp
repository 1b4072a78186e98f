#include "GameProgram/Resource/Music/CMusicDevice.h"

#include "GameProgram/D3DCommon/XF_AnsiToWide.h"
#include "GameProgram/Resource/Music/CMusicSegment.h"

#include <new>

CMusicDevice::CMusicDevice()
    : m_bCleanupCOM(SUCCEEDED(CoInitialize(nullptr)))
    , m_pLoader(nullptr)
    , m_pPerformance(nullptr)
{
}

CMusicDevice::~CMusicDevice()
{
    if (m_pLoader != nullptr)
        m_pLoader->Release();
    if (m_pPerformance != nullptr) {
        m_pPerformance->Stop(nullptr, nullptr, 0, 0);
        m_pPerformance->CloseDown();
        m_pPerformance->Release();
    }
    if (m_bCleanupCOM)
        CoUninitialize();
}

HRESULT CMusicDevice::Initialize(HWND hWnd, DWORD dwPChannels, DWORD dwDefaultPathType, IDirectSound* pDirectSound)
{
    HRESULT hr = CoCreateInstance(CLSID_DirectMusicLoader, nullptr, CLSCTX_INPROC, IID_IDirectMusicLoader8,
                                  reinterpret_cast<void**>(&m_pLoader));
    if (FAILED(hr))
        return hr;
    hr = CoCreateInstance(CLSID_DirectMusicPerformance, nullptr, CLSCTX_INPROC, IID_IDirectMusicPerformance8,
                          reinterpret_cast<void**>(&m_pPerformance));
    if (FAILED(hr))
        return hr;
    return m_pPerformance->InitAudio(nullptr, pDirectSound != nullptr ? &pDirectSound : nullptr, hWnd,
                                     dwDefaultPathType, dwPChannels, DMUS_AUDIOF_ALL, nullptr);
}

HRESULT CMusicDevice::SetSearchDirectory(const char* szFolder)
{
    if (m_pLoader == nullptr)
        return E_UNEXPECTED;
    if (szFolder == nullptr)
        return E_INVALIDARG;
    WCHAR wszFolder[MAX_PATH];
    const HRESULT hr = XF_AnsiToWide(wszFolder, szFolder, MAX_PATH);
    if (FAILED(hr))
        return hr;
    return m_pLoader->SetSearchDirectory(GUID_DirectMusicAllTypes, wszFolder, FALSE);
}

HRESULT CMusicDevice::CreateSegmentFromFile(CMusicSegment** ppSegment, const char* szFileName, BOOL bDownloadNow,
                                            BOOL bIsMidiFile)
{
    if (ppSegment == nullptr || szFileName == nullptr)
        return E_INVALIDARG;
    *ppSegment = nullptr;
    if (m_pLoader == nullptr || m_pPerformance == nullptr)
        return E_UNEXPECTED;
    // A name that does not fit is refused rather than cut to another file's.
    WCHAR wszFileName[MAX_PATH];
    HRESULT hr = XF_AnsiToWide(wszFileName, szFileName, MAX_PATH);
    if (FAILED(hr))
        return hr;
    IDirectMusicSegment8* pSegment = nullptr;
    hr = m_pLoader->LoadObjectFromFile(CLSID_DirectMusicSegment, IID_IDirectMusicSegment8, wszFileName,
                                       reinterpret_cast<void**>(&pSegment));
    if (FAILED(hr))
        return hr;
    CMusicSegment* const pMusicSegment = new (std::nothrow) CMusicSegment(m_pPerformance, m_pLoader, pSegment);
    if (pMusicSegment == nullptr) {
        pSegment->Release();
        return E_OUTOFMEMORY;
    }
    if (bIsMidiFile)
        hr = pSegment->SetParam(GUID_StandardMIDIFile, 0xFFFFFFFF, 0, 0, nullptr);
    if (SUCCEEDED(hr) && bDownloadNow)
        hr = pMusicSegment->Download(nullptr);
    if (FAILED(hr)) {
        delete pMusicSegment;
        return hr;
    }
    *ppSegment = pMusicSegment;
    return S_OK;
}
