#include "GameProgram/Resource/Music/XC_SoundManager.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/Music/CMusicDevice.h"
#include "GameProgram/Resource/Music/CMusicSegment.h"
#include "GameProgram/Resource/Music/XC_SoundObj.h"

#include <dmerror.h>

#include <algorithm>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XI_MusicManager* g_pMusicManager = nullptr;

namespace {

const char* const ERROR_SOUND_NAME = "error.WAV";
const DWORD PERFORMANCE_CHANNELS = 128;

// Hundredths of a decibel: 0 % gives -5000, 100 % gives +2000.
LONG MasterVolumeOf(DWORD dwPercent)
{
    const DWORD dwClamped = std::min<DWORD>(dwPercent, 100);
    return static_cast<LONG>(7000 * dwClamped / 100) - 5000;
}

const char* SearchDirectoryFailureText(HRESULT hr, const char* szFolder)
{
    switch (hr) {
    case DMUS_E_LOADER_BADPATH:
        return XF_FormatText("m_pMusicManager->SetSearchDirectory( %s ) error , DMUS_E_LOADER_BADPATH , "
                             "The file path is invalid.",
                             szFolder);
    case E_OUTOFMEMORY:
        return XF_FormatText("m_pMusicManager->SetSearchDirectory( %s ) error , E_OUTOFMEMORY         , "
                             "Insufficient memory to complete the task.",
                             szFolder);
    case E_POINTER:
        return XF_FormatText("m_pMusicManager->SetSearchDirectory( %s ) error , E_POINTER             , "
                             "An invalid pointer, usually NULL, was passed as a parameter.",
                             szFolder);
    default:
        return XF_FormatText("m_pMusicManager->SetSearchDirectory( %s ) error", szFolder);
    }
}

} // namespace

XC_SoundManager::XC_SoundManager()
    : m_pMusicManager(nullptr)
    , m_szFilePath(nullptr)
{
    SetManagerName("XC_SoundManager");
}

XC_SoundManager::~XC_SoundManager()
{
    XC_SoundManager::Fini();
}

HRESULT XC_SoundManager::Init(HWND hWnd, const char* szFilePath)
{
    Fini();
    if (hWnd == nullptr) {
        XM_REPORT_FAILED("hWnd");
        return E_FAIL;
    }
    if (szFilePath == nullptr) {
        XM_REPORT_FAILED("szFilePath");
        return E_FAIL;
    }
    HRESULT hr = XF_StrCopy(&m_szFilePath, szFilePath);
    if (FAILED(hr)) {
        XM_REPORT_FAILED_HR("XF_StrCopy( m_szFilePath , szFilePath )", hr);
        return E_FAIL;
    }
    m_pMusicManager = new (std::nothrow) CMusicDevice;
    if (m_pMusicManager == nullptr) {
        XM_REPORT_FAILED("m_pMusicManager");
        return E_FAIL;
    }
    hr = m_pMusicManager->Initialize(hWnd, PERFORMANCE_CHANNELS, DMUS_APATH_DYNAMIC_STEREO, nullptr);
    if (FAILED(hr)) {
        // A player without a sound device still plays the game, in silence.
        XM_REPORT_FAILED_HR("m_pMusicManager->Initialize()", hr);
        delete m_pMusicManager;
        m_pMusicManager = nullptr;
        return S_FALSE;
    }
    if (FAILED(SetSearchDirectory()))
        return E_FAIL;
    hr = SetVolume(100);
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("SetVolume( 100 )", hr);
    return S_OK;
}

HRESULT XC_SoundManager::SetSearchDirectory()
{
    const HRESULT hr = m_pMusicManager->SetSearchDirectory(m_szFilePath);
    if (SUCCEEDED(hr))
        return hr;
    XF_ReportError(s_szSourceFile, __LINE__, SearchDirectoryFailureText(hr, m_szFilePath));
    return E_FAIL;
}

HRESULT XC_SoundManager::Fini()
{
    const HRESULT hr = DeleteAllResource();
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("DeleteAllResource()", hr);
    delete m_pMusicManager;
    m_pMusicManager = nullptr;
    delete[] m_szFilePath;
    m_szFilePath = nullptr;
    return S_OK;
}

HRESULT XC_SoundManager::SetVolume(DWORD dwPercent)
{
    if (m_pMusicManager == nullptr)
        return S_OK;
    IDirectMusicPerformance8* const pPerf = m_pMusicManager->GetPerformance();
    if (pPerf == nullptr) {
        XM_REPORT_FAILED("pPerf");
        return S_OK;
    }
    LONG lVolume = MasterVolumeOf(dwPercent);
    const HRESULT hr = pPerf->SetGlobalParam(GUID_PerfMasterVolume, &lVolume, sizeof(lVolume));
    if (FAILED(hr))
        XM_REPORT_FAILED_HR("hr", hr);
    return S_OK;
}

XI_MusicObj* XC_SoundManager::GetMusic(const char* szResourceName)
{
    XC_Resource* pResourceObj = GetResource(szResourceName);
    if (pResourceObj == nullptr)
        pResourceObj = GetResource(ERROR_SOUND_NAME);
    return static_cast<XI_MusicObj*>(pResourceObj);
}

HRESULT XC_SoundManager::CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj)
{
    XC_SoundObj* const pMusicObj = new (std::nothrow) XC_SoundObj;
    if (pMusicObj == nullptr) {
        XM_REPORT_FAILED("pMusicObj");
        return E_FAIL;
    }
    if (FAILED(CreateMusic(szResourceName, pMusicObj))) {
        delete pMusicObj;
        return E_FAIL;
    }
    *ppResourceObj = pMusicObj;
    return S_OK;
}

HRESULT XC_SoundManager::CreateMusic(const char* szResourceName, XI_MusicObj* pMusicObj)
{
    if (szResourceName == nullptr) {
        XM_REPORT_FAILED("szResourceName");
        return E_FAIL;
    }
    XC_SoundObj* const pSoundObj = dynamic_cast<XC_SoundObj*>(pMusicObj);
    if (pSoundObj == nullptr) {
        XM_REPORT_FAILED("pMusicObj");
        return E_FAIL;
    }
    if (m_pMusicManager == nullptr)
        return S_OK; // silent: a sound without a segment
    CMusicSegment* pMusicSegment = nullptr;
    const HRESULT hr = m_pMusicManager->CreateSegmentFromFile(&pMusicSegment, szResourceName, TRUE, FALSE);
    if (FAILED(hr)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_SoundManager::CreateMusic \"%s\" Error , hr = %x ", szResourceName,
                                     static_cast<unsigned>(hr)));
        return E_FAIL;
    }
    pSoundObj->SetMusicSegment(pMusicSegment);
    return S_OK;
}

HRESULT XC_SoundManager::DeleteResource(XC_Resource* pResourceObj)
{
    XC_SoundObj* const pSoundObj = dynamic_cast<XC_SoundObj*>(pResourceObj);
    if (pSoundObj == nullptr) {
        XM_REPORT_FAILED("dynamic_cast<XC_SoundObj*>( pResourceObj )");
        return E_FAIL;
    }
    delete pSoundObj;
    return S_OK;
}
