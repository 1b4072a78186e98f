#include "JC_Module/JC_WorldMap/View/JC_WorldMapView1.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "JC_DataManager/Control/JC_ControlModuleWorldMap.h"
#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "JC_Module/JC_ModuleResource.h"
#include "JC_Module/JC_WorldMap/JC_WorldMapDocument.h"
#include "JC_Script/JC_ScriptManager.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <algorithm>
#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const float SIGN_SCALE = 0.6f;
const int FLAG_REBUILD_SIGNS = 2;

} // namespace

JC_WorldMapView1::~JC_WorldMapView1()
{
    UnbuildView();
}

DWORD JC_WorldMapView1::RebuildSigns(int iLine)
{
    m_signs.clear();
    const DWORD dwResult = BuildPathSigns(m_signs);
    if (dwResult != 0)
        m_Controls.pErrorLog->Print("WorldMapView1 在計算 路徑標記點資訊時 發生錯誤 \n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) "
                                    "\n\n",
                                    static_cast<unsigned>(dwResult), s_szSourceFile, iLine);
    return dwResult;
}

DWORD JC_WorldMapView1::BuildView()
{
    UnbuildView();
    SetPosition(Layout()->GetItemDataFloat("View1_X"), Layout()->GetItemDataFloat("View1_Y"),
                Layout()->GetItemDataFloat("View1_Z"));
    const DWORD dwResult = RebuildSigns(__LINE__);
    if (dwResult != 0)
        return dwResult;
    m_bBuilt = 1;
    return 0;
}

DWORD JC_WorldMapView1::UnbuildView()
{
    m_signs.clear();
    m_bBuilt = 0;
    return 0;
}

DWORD JC_WorldMapView1::SignCount(float fLength, float fPathDS, float fPathDD) const
{
    // A spacing of 0 or less would ask for signs without end.
    if (fLength <= fPathDS || fPathDD <= 0.0f)
        return 0;
    return static_cast<DWORD>(std::min(std::trunc(fLength / fPathDD), static_cast<float>(MAX_SIGNS_PER_LINK)));
}

DWORD JC_WorldMapView1::BuildPathSigns(std::vector<std::unique_ptr<XS_PathSign>>& signs)
{
    signs.clear();
    const float fPathDS = Layout()->GetItemDataFloat("View1_PathDS");
    const float fPathDD = Layout()->GetItemDataFloat("View1_PathDD");
    const float fSignY = Layout()->GetItemDataFloat("View1_PathSignY");
    const std::string strModel = XFile(Layout()->GetItemDataString("View1_PathSignF"));
    const JC_WorldMapDocument* const pDocument = Document();
    JC_ControlWorldMap* const pWorldMap = m_Controls.pControlWorldMap;
    for (DWORD dwFrom = 1; dwFrom <= pDocument->GetPlaceCount(); ++dwFrom) {
        const JS_WorldMapPlace& from = *pDocument->GetPlace(dwFrom);
        const DWORD dwLinkCount = pWorldMap->GetCanGoPlaceCount(dwFrom);
        for (DWORD dwLink = 0; dwLink < dwLinkCount; ++dwLink) {
            const DWORD dwTo = pWorldMap->GetCanGoPlace(dwFrom, dwLink);
            // Each link once, from its lower place; a link to a place the
            // table does not hold has nowhere to end.
            const JS_WorldMapPlace* const pTo = pDocument->GetPlace(dwTo);
            if (dwTo <= dwFrom || pTo == nullptr)
                continue;
            const float fDX = pTo->fPhotoX - from.fPhotoX;
            const float fDZ = pTo->fPhotoZ - from.fPhotoZ;
            const DWORD dwCount = SignCount(std::max(std::fabs(fDX), std::fabs(fDZ)), fPathDS, fPathDD);
            const int iShown = pWorldMap->GetPlaceIsOpen(dwFrom) != 0 && pWorldMap->GetPlaceIsOpen(dwTo) != 0 ? 1 : 0;
            for (DWORD k = 1; k <= dwCount; ++k) {
                const float fShare = static_cast<float>(k) / static_cast<float>(dwCount + 1);
                auto pSign = std::make_unique<XS_PathSign>();
                pSign->vPosition = D3DXVECTOR3(from.fPhotoX + fDX * fShare, 0.0f, from.fPhotoZ + fDZ * fShare);
                const DWORD dwResult = m_pModuleResource->BuildWorldMesh(
                    &pSign->model, strModel.c_str(), pSign->vPosition.x, fSignY, pSign->vPosition.z, nullptr);
                if (dwResult != 0) {
                    m_Controls.pErrorLog->Print("WorldMapView1 在建立 據點 %d~%d 之間的第 %d 個路徑標記時 發生錯誤 "
                                                "\n錯誤代碼:0x%08x \n錯誤檔案:%s(Line:%d) \n\n",
                                                static_cast<int>(dwFrom), static_cast<int>(dwTo), static_cast<int>(k),
                                                static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
                    signs.clear();
                    return dwResult;
                }
                pSign->model.SetScaleXYZ(SIGN_SCALE, SIGN_SCALE, SIGN_SCALE);
                pSign->model.SetShow(0);
                pSign->iShown = iShown;
                signs.push_back(std::move(pSign));
            }
        }
    }
    return 0;
}

void JC_WorldMapView1::ShowSigns(BOOL bShow)
{
    for (const std::unique_ptr<XS_PathSign>& pSign : m_signs) {
        if (pSign->iShown == 1)
            ShowRenderItem(&pSign->model, bShow);
    }
}

DWORD JC_WorldMapView1::OpenView()
{
    if (!m_bBuilt)
        return 0;
    m_bOpen = 1;
    ShowSigns(1);
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_WorldMapView1::CloseView()
{
    ShowSigns(0);
    m_bOpen = 0;
    return 0;
}

DWORD JC_WorldMapView1::FrameMove(float /*fElapsedTime*/)
{
    if (!m_bOpen || !m_bActive || gp_ScriptManagerObj == nullptr)
        return 0;
    JC_ControlScriptFlag* const pFlags = gp_ScriptManagerObj->GetScriptFlag();
    if (pFlags->GetFlagSystem(FLAG_REBUILD_SIGNS) == 0)
        return 0;
    pFlags->SetFlagSystem(FLAG_REBUILD_SIGNS, 0);
    const DWORD dwResult = RebuildSigns(__LINE__);
    if (dwResult != 0)
        return dwResult;
    ShowSigns(1);
    return 0;
}

DWORD JC_WorldMapView1::MsgProc(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return 0;
}

DWORD JC_WorldMapView1::SetViewMode(int iMode)
{
    if (iMode != 0) {
        m_Controls.pErrorLog->Print("View 1 在設定顯示模式時 發生錯誤(該世界地圖視窗 不支援指定的顯示模式) \nViewMode:%d "
                                    "\n錯誤檔案:%s(Line:%d) \n\n",
                                    iMode, s_szSourceFile, __LINE__);
        return JE_WORLDMAPVIEW1_VIEW_MODE_NOT_SUPPORT;
    }
    m_iViewMode = iMode;
    return 0;
}
