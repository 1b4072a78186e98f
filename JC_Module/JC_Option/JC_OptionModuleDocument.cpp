#include "JC_Module/JC_Option/JC_OptionModuleDocument.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "Code/XC_Game.h"
#include "GameProgram/Common/XF_SafeFileWriter.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "JC_DataManager/Control/JC_ControlManager.h"
#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_Module/JC_Option/View/JC_OptionModuleView0.h"
#include "JC_Module/JC_Option/View/JC_OptionModuleView1.h"
#include "JC_Module/JC_Option/View/JC_OptionModuleView2.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <d3dx9.h>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

JC_OptionModuleDocument* g_pOptionModuleDocument = nullptr;

namespace {

const int VIEW_PANEL = 0;
const int VIEW_RECORD_LIST = 1;
const int VIEW_CONFIRM = 2;
// The confirmation box stands in no mode: the record list opens it.
const int VIEW_COUNT = 3;
const int COLUMN_COUNT = 5;
const int MODE_VIEWS[JC_OptionModuleDocument::MODE_COUNT][COLUMN_COUNT] = {
    {-1, -1, -1, -1, -1}, {0, -1, -1, -1, -1}, {-1, 1, -1, -1, -1},
    {-1, 1, -1, -1, -1},  {-1, 1, -1, -1, -1}, {-1, 1, -1, -1, -1},
};
const JS_DocumentRouting ROUTING = {
    "OptionModuleDocument",
    VIEW_COUNT,
    JC_OptionModuleDocument::MODE_COUNT,
    COLUMN_COUNT,
    &MODE_VIEWS[0][0],
    &MODE_VIEWS[0][0],
    JE_OPTIONMODULEDOCUMENT_VIEW_INDEX_NOT_SUPPORT,
    JE_OPTIONMODULEDOCUMENT_MODE_NOT_SUPPORT,
    TRUE,
};
const int TITLE_PROCEDURE = 10;
const UINT THUMBNAIL_SIZE = 128;
const int FLAG_LAYOUT_RELOAD = 26;

// Releases a surface when the thumbnail's steps end, however they end.
struct JS_SurfaceHolder
{
    IDirect3DSurface9* pSurface = nullptr;
    ~JS_SurfaceHolder()
    {
        if (pSurface != nullptr)
            pSurface->Release();
    }
};

} // namespace

JC_OptionModuleDocument::JC_OptionModuleDocument() : JC_ModuleDocumentBase(ROUTING)
{
}

DWORD JC_OptionModuleDocument::Initiation(XC_ModuleManager* pModuleManager, XC_MouseState* pMouseState,
                                          XC_Mouse* pMouse, JC_ControlManager* pControlManager)
{
    return Initiation(pModuleManager, pMouseState, pMouse, pControlManager, MODE_PANEL);
}

DWORD JC_OptionModuleDocument::Initiation(XC_ModuleManager* pModuleManager, XC_MouseState* pMouseState,
                                          XC_Mouse* pMouse, JC_ControlManager* pControlManager, int iDocumentMode)
{
    const DWORD dwResult =
        JC_ModuleDocumentBase::Initiation(pModuleManager, pMouseState, pMouse, pControlManager);
    if (dwResult == 0)
        SetStartMode(iDocumentMode);
    return dwResult;
}

JC_ModuleViewBase* JC_OptionModuleDocument::NewView(int iViewIndex)
{
    if (iViewIndex == VIEW_PANEL)
        return new JC_OptionModuleView0;
    if (iViewIndex == VIEW_RECORD_LIST)
        return new JC_OptionModuleView1;
    return new JC_OptionModuleView2;
}

JC_OptionModuleView1* JC_OptionModuleDocument::GetRecordList() const
{
    return static_cast<JC_OptionModuleView1*>(GetView(VIEW_RECORD_LIST));
}

DWORD JC_OptionModuleDocument::GiveChildViews()
{
    GetRecordList()->SetChildView(GetView(VIEW_CONFIRM));
    return 0;
}

void JC_OptionModuleDocument::PrepareViewsForMode(int iMode)
{
    JC_OptionModuleView1* const pRecordList = GetRecordList();
    if (pRecordList == nullptr)
        return;
    if (iMode == MODE_SAVE || iMode == MODE_SAVE_ONLY)
        pRecordList->SetViewMode(JC_OptionModuleView1::VIEW_MODE_SAVE);
    else if (iMode == MODE_LOAD || iMode == MODE_LOAD_ONLY)
        pRecordList->SetViewMode(JC_OptionModuleView1::VIEW_MODE_LOAD);
}

JC_ControlModuleBase* JC_OptionModuleDocument::GetLayoutControl()
{
    return m_Controls.pControlModuleOption;
}

BOOL JC_OptionModuleDocument::IsDocumentMessage(UINT uMsg) const
{
    return uMsg == WM_KEYUP || (uMsg >= WM_MOUSEMOVE && uMsg <= WM_RBUTTONUP) || uMsg == WM_MBUTTONDOWN
           || uMsg == WM_MBUTTONUP || uMsg == WM_MOUSEWHEEL;
}

void JC_OptionModuleDocument::DealDocumentMessage(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/)
{
    if (uMsg == WM_RBUTTONDOWN || (uMsg == WM_KEYUP && wParam == VK_ESCAPE)) {
        BackDocumentMode(GetDocumentMode());
        return;
    }
    if (uMsg == WM_KEYUP && wParam == VK_F5 && gp_ScriptManagerObj != nullptr
        && gp_ScriptManagerObj->GetScriptFlag()->GetFlagSystem(FLAG_LAYOUT_RELOAD) == 1)
        ReloadLayout();
}

void JC_OptionModuleDocument::ReloadLayout()
{
    m_Controls.pDataManager->InitModuleData();
    m_pControlManager->m_ControlModuleOptionObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleStateObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleTownObj.Initiation(m_Controls.pDataManager);
    m_pControlManager->m_ControlModuleWorldMapObj.Initiation(m_Controls.pDataManager);
    OnClose();
    OnOpen();
}

DWORD JC_OptionModuleDocument::BackDocumentMode(int iMode)
{
    switch (iMode) {
    case MODE_PANEL:
    case MODE_SAVE_ONLY:
    case MODE_LOAD_ONLY:
        Close();
        break;
    case MODE_SAVE:
        if (GetRecordList()->GetViewMode() == JC_OptionModuleView1::VIEW_MODE_CONFIRM)
            GetRecordList()->SetViewMode(JC_OptionModuleView1::VIEW_MODE_SAVE);
        else
            SetDocumentMode(MODE_PANEL);
        break;
    case MODE_LOAD:
        SetDocumentMode(MODE_PANEL);
        break;
    default:
        break;
    }
    return 0;
}

DWORD JC_OptionModuleDocument::DealViewEvent(int iViewIndex, DWORD dwViewEvent)
{
    m_iDealViewIndex = iViewIndex;
    m_dwDealEventId = dwViewEvent;
    if (iViewIndex == VIEW_RECORD_LIST && dwViewEvent == JC_OptionModuleView1::EVENT_RECORD_CHOSEN)
        return DealRecordChosen();
    if (iViewIndex != VIEW_PANEL)
        return 0;
    switch (dwViewEvent) {
    case JC_OptionModuleView0::EVENT_SAVE:
        SetDocumentMode(MODE_SAVE);
        break;
    case JC_OptionModuleView0::EVENT_LOAD:
        SetDocumentMode(MODE_LOAD);
        break;
    case JC_OptionModuleView0::EVENT_TITLE:
        if (g_pGame != nullptr)
            g_pGame->ChangeProcedure(TITLE_PROCEDURE);
        break;
    default:
        break;
    }
    return 0;
}

DWORD JC_OptionModuleDocument::DealRecordChosen()
{
    const int iMode = GetDocumentMode();
    const bool bSave = iMode == MODE_SAVE || iMode == MODE_SAVE_ONLY;
    const bool bLoad = iMode == MODE_LOAD || iMode == MODE_LOAD_ONLY;
    if ((!bSave && !bLoad) || gp_ScriptManagerObj == nullptr)
        return 0;
    const std::string strRecord = std::to_string(GetRecordList()->GetSelectRecord());
    const DWORD dwResult = gp_ScriptManagerObj->DealScript(bSave ? "SaveGame" : "LoadGame", strRecord);
    if (dwResult != 0)
        return dwResult;
    if (bSave)
        GetRecordList()->ReloadRecord();
    return 0;
}

std::string JC_OptionModuleDocument::GetRecordBMPName() const
{
    return m_Controls.pDataManager->GetPath() + "TempRecord.bmp";
}

DWORD JC_OptionModuleDocument::MakeRecordBMP()
{
    const std::string strFile = GetRecordBMPName();
    IDirect3DDevice9* const pDevice = g_pVar->g_pD3DDevice;
    JS_SurfaceHolder backBuffer, thumbnail;
    if (pDevice == nullptr || FAILED(pDevice->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer.pSurface))) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " OptionModuleDocument MakeRecordBMP GetBackBuffer Fail. \r\n HRESULT:0x%08x \r\n",
                                      static_cast<unsigned>(JE_OPTIONMODULEDOCUMENT_NO_BACK_BUFFER));
        return JE_OPTIONMODULEDOCUMENT_NO_BACK_BUFFER;
    }
    if (FAILED(pDevice->CreateOffscreenPlainSurface(THUMBNAIL_SIZE, THUMBNAIL_SIZE, D3DFMT_R8G8B8, D3DPOOL_SCRATCH,
                                                    &thumbnail.pSurface, nullptr))) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " OptionModuleDocument MakeRecordBMP CreateOffscreenPlainSurface Fail. \r\n HRESULT:0x%08x \r\n",
            static_cast<unsigned>(JE_OPTIONMODULEDOCUMENT_NO_THUMBNAIL_SURFACE));
        return JE_OPTIONMODULEDOCUMENT_NO_THUMBNAIL_SURFACE;
    }
    if (FAILED(D3DXLoadSurfaceFromSurface(thumbnail.pSurface, nullptr, nullptr, backBuffer.pSurface, nullptr, nullptr,
                                          D3DX_DEFAULT, 0))) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " OptionModuleDocument MakeRecordBMP D3DXLoadSurfaceFromSurface Fail. \r\n HRESULT:0x%08x \r\n",
            static_cast<unsigned>(JE_OPTIONMODULEDOCUMENT_THUMBNAIL_NOT_COPIED));
        return JE_OPTIONMODULEDOCUMENT_THUMBNAIL_NOT_COPIED;
    }
    // Written whole beside the old picture, then put in its place, so a
    // failed write leaves the last thumbnail as it was.
    ID3DXBuffer* pBitmap = nullptr;
    HRESULT hr = D3DXSaveSurfaceToFileInMemory(&pBitmap, D3DXIFF_BMP, thumbnail.pSurface, nullptr, nullptr);
    if (SUCCEEDED(hr)) {
        hr = XF_WriteFileSafely(strFile.c_str(), pBitmap->GetBufferPointer(), pBitmap->GetBufferSize());
        pBitmap->Release();
    }
    if (FAILED(hr)) {
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " OptionModuleDocument MakeRecordBMP D3DXSaveSurfaceToFile Fail. \r\n FileName:%s \r\n HRESULT:0x%08x \r\n",
            strFile.c_str(), static_cast<unsigned>(JE_OPTIONMODULEDOCUMENT_THUMBNAIL_NOT_WRITTEN));
        return JE_OPTIONMODULEDOCUMENT_THUMBNAIL_NOT_WRITTEN;
    }
    return 0;
}
