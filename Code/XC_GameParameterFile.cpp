#include "Code/XC_GameParameterFile.h"

#include "Code/XC_GameAI.h"
#include "Code/XC_GameCamp.h"
#include "Code/XC_GameFileName.h"
#include "Code/XC_GameParameter.h"
#include "Code/XC_GameText.h"
#include "Code/XC_GameTime.h"
#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/Painter/XC_EnvironmentOfRender.h"
#include "GameProgram/Resource/PackFile/XI_PackFile.h"
#include "GameProgram/Resource/PackFile/XS_FileData.h"

#include <memory>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

namespace {

const DWORD GF_GAME_PARAMETER = 50;
const DWORD GF_GAME_TEXT = 51;
const float DEGREE_TO_RADIAN = 0.017453292f;

// A file of the data pack, or null after the report the loader gives.
std::unique_ptr<XS_FileData> ReadDataFile(const char* szFileName)
{
    std::unique_ptr<XS_FileData> pFileData;
    if (g_pPackFile_Data != nullptr && szFileName != nullptr)
        pFileData.reset(g_pPackFile_Data->GetData(szFileName));
    if (pFileData == nullptr)
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("XC_Game::LoadGameParameter\n\t讀取檔案失敗 %s", szFileName ? szFileName : ""));
    return pFileData;
}

// The section's child of exactly that name, or null after a report.
const XC_TextNode* FindSection(const XC_TextNode& root, const char* szName)
{
    const XC_TextNode* pTNode = root.FindChildNode(szName);
    if (pTNode == nullptr)
        XM_REPORT_FAILED("pTNode");
    return pTNode;
}

// Reports a key the section lacks; its field has been set to 0.
void CheckKey(const XC_TextNode* pTNode, const char* szKey)
{
    if (pTNode->FindLeaf(szKey) == nullptr)
        XM_REPORT_FAILED(XF_FormatText("pTNode->FindLeaf( \"%s\" )", szKey));
}

template <typename THolder, typename TField>
struct XS_Key
{
    const char* szName;
    TField THolder::*pField;
};

#define XM_KEY(holder, field) {#field, &holder::field}

const XS_Key<XC_GameCamp, DWORD> s_CampKeys[] = {
    XM_KEY(XC_GameCamp, bControlCampPlayer), XM_KEY(XC_GameCamp, bControlCampPartner),
    XM_KEY(XC_GameCamp, bControlCampNatural), XM_KEY(XC_GameCamp, bControlCampComputer)};

const XS_Key<XC_GameTime, float> s_TimeKeys[] = {
    XM_KEY(XC_GameTime, fCameraMoveSpeed),       XM_KEY(XC_GameTime, fCameraMoveSpeed2),
    XM_KEY(XC_GameTime, fCameraRotationSpeed),   XM_KEY(XC_GameTime, fPersonActionBegin),
    XM_KEY(XC_GameTime, fPersonActionInterval),  XM_KEY(XC_GameTime, fPersonActionEnd),
    XM_KEY(XC_GameTime, fPersonActionBegin2),    XM_KEY(XC_GameTime, fPersonActionInterval2),
    XM_KEY(XC_GameTime, fPersonActionEnd2),      XM_KEY(XC_GameTime, fDisplayAttackDistance),
    XM_KEY(XC_GameTime, fDisplayAttackScope),    XM_KEY(XC_GameTime, fDisplayMoveScope),
    XM_KEY(XC_GameTime, fDisplaySkillName),      XM_KEY(XC_GameTime, fSkillDelay),
    XM_KEY(XC_GameTime, fDisplayGetItem)};

const XS_Key<XC_GameParameter, float> s_WorldCameraKeys[] = {
    XM_KEY(XC_GameParameter, fCameraPitch),   XM_KEY(XC_GameParameter, fCameraPitchMax),
    XM_KEY(XC_GameParameter, fCameraPitchMin), XM_KEY(XC_GameParameter, fCameraZoom),
    XM_KEY(XC_GameParameter, fCameraZoomMax), XM_KEY(XC_GameParameter, fCameraZoomMin)};

const XS_Key<XC_GameAI, LONG> s_AIKeys[] = {
    XM_KEY(XC_GameAI, lRandomScore),       XM_KEY(XC_GameAI, lConsumeRAP),        XM_KEY(XC_GameAI, lConsumeSP),
    XM_KEY(XC_GameAI, lConsumeMOR),        XM_KEY(XC_GameAI, lMoveScore),         XM_KEY(XC_GameAI, lDistanceEnemy),
    XM_KEY(XC_GameAI, lRevive_EveryUnit),  XM_KEY(XC_GameAI, lRevive_UnitLevel),  XM_KEY(XC_GameAI, lRevive_DieTime),
    XM_KEY(XC_GameAI, lRestore_EveryUnit), XM_KEY(XC_GameAI, lRestore_VergeDeath), XM_KEY(XC_GameAI, lRestore_Blood),
    XM_KEY(XC_GameAI, lRestore_Percentage), XM_KEY(XC_GameAI, lAttack_EveryUnit), XM_KEY(XC_GameAI, lAttack_VergeDeath),
    XM_KEY(XC_GameAI, lAttack_Blood),      XM_KEY(XC_GameAI, lState_EveryUnit),   XM_KEY(XC_GameAI, lState_DistanceEnemy)};

#undef XM_KEY

DWORD ReadValue(const XC_TextNode* pTNode, const char* szKey, DWORD)
{
    return pTNode->GetBool(szKey, FALSE) ? 1 : 0;
}

float ReadValue(const XC_TextNode* pTNode, const char* szKey, float)
{
    return pTNode->GetFloat(szKey, 0.0f);
}

LONG ReadValue(const XC_TextNode* pTNode, const char* szKey, LONG)
{
    return pTNode->GetInt(szKey, 0);
}

template <typename THolder, typename TField, size_t N>
void ReadKeys(const XC_TextNode* pTNode, THolder* pHolder, const XS_Key<THolder, TField> (&keys)[N])
{
    for (const XS_Key<THolder, TField>& key : keys) {
        pHolder->*key.pField = ReadValue(pTNode, key.szName, TField());
        CheckKey(pTNode, key.szName);
    }
}

} // namespace

HRESULT XC_GameParameterFile::Load()
{
    const struct
    {
        const void* pObject;
        const char* szName;
    } required[] = {{g_pGameFileName, "g_pGameFileName"}, {g_pGameCamp, "g_pGameCamp"}, {g_pGameTime, "g_pGameTime"},
                    {g_pGameAI, "g_pGameAI"},           {g_pGameText, "g_pGameText"}, {g_pPackFile_Data, "g_pPackFile_Data"}};
    for (const auto& object : required) {
        if (object.pObject == nullptr)
            XM_REPORT_FAILED(object.szName);
    }
    HRESULT hr = LoadFileNames();
    if (hr == S_OK)
        hr = LoadParameters();
    if (hr == S_OK)
        hr = LoadTexts();
    return hr;
}

HRESULT XC_GameParameterFile::LoadFileNames()
{
    const std::unique_ptr<XS_FileData> pFileData = ReadDataFile("GameFileName.txt");
    if (pFileData == nullptr)
        return E_FAIL;
    const HRESULT hr = g_pGameFileName->Load(pFileData->pData, pFileData->dwSize);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("g_pGameFileName->Load( pFileData->pData , pFileData->dwSize )", hr);
    return S_OK;
}

HRESULT XC_GameParameterFile::LoadParameters()
{
    const char* szFileName = g_pGameFileName->GetFileName(GF_GAME_PARAMETER);
    if (szFileName == nullptr)
        XM_REPORT_FAILED("szFileName");
    const std::unique_ptr<XS_FileData> pFileData = ReadDataFile(szFileName);
    if (pFileData == nullptr)
        return E_FAIL;
    XC_TextTree TTree;
    const HRESULT hr = TTree.LoadMem(pFileData->pData, pFileData->dwSize);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("TTree.LoadMem( pFileData->pData , pFileData->dwSize )", hr);
    ReadControlCamp(FindSection(TTree, "[ControlCamp]"));
    ReadTime(FindSection(TTree, "[Time]"));
    ReadWorldCamera(FindSection(TTree, "[WorldCamera]"));
    ReadAI(FindSection(TTree, "[AI]"));
    return S_OK;
}

HRESULT XC_GameParameterFile::LoadTexts()
{
    const std::unique_ptr<XS_FileData> pFileData = ReadDataFile(g_pGameFileName->GetFileName(GF_GAME_TEXT));
    if (pFileData == nullptr)
        return E_FAIL;
    const HRESULT hr = g_pGameText->Load(pFileData->pData, pFileData->dwSize);
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("g_pGameText->Load( pFileData->pData , pFileData->dwSize )", hr);
    return S_OK;
}

void XC_GameParameterFile::ReadControlCamp(const XC_TextNode* pTNode)
{
    if (pTNode != nullptr)
        ReadKeys(pTNode, g_pGameCamp, s_CampKeys);
}

void XC_GameParameterFile::ReadTime(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr)
        return;
    ReadKeys(pTNode, g_pGameTime, s_TimeKeys);
    g_pGameTime->fCameraRotationSpeed *= DEGREE_TO_RADIAN;
}

// The soften-camera values go straight to the world camera, before the
// pitches; the pitches are written in degrees.
void XC_GameParameterFile::ReadWorldCamera(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr)
        return;
    const BOOL bSoften = pTNode->GetBool("bSoftenCamera_Enable", FALSE);
    CheckKey(pTNode, "bSoftenCamera_Enable");
    const float fInterval = pTNode->GetFloat("fSoftenCamera_ChangeIntervalTime", 0.0f);
    CheckKey(pTNode, "fSoftenCamera_ChangeIntervalTime");
    const float fPercentage = pTNode->GetFloat("fSoftenCamera_ChangePercentage", 0.0f);
    CheckKey(pTNode, "fSoftenCamera_ChangePercentage");
    if (g_pWorldCameraMan != nullptr) {
        g_pWorldCameraMan->SetSoften(bSoften);
        g_pWorldCameraMan->SetSoftenStep(fInterval);
        g_pWorldCameraMan->SetSoftenRate(fPercentage);
    }
    ReadKeys(pTNode, g_pGameParameter, s_WorldCameraKeys);
    g_pGameParameter->fCameraPitch *= DEGREE_TO_RADIAN;
    g_pGameParameter->fCameraPitchMax *= DEGREE_TO_RADIAN;
    g_pGameParameter->fCameraPitchMin *= DEGREE_TO_RADIAN;
}

void XC_GameParameterFile::ReadAI(const XC_TextNode* pTNode)
{
    if (pTNode != nullptr)
        ReadKeys(pTNode, g_pGameAI, s_AIKeys);
}
