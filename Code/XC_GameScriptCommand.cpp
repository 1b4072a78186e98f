#include "Code/XC_GameScriptCommand.h"

#include "Code/XI_GameMedia.h"
#include "GameProgram/Common/XC_TextLeaf.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_SourceFile.h"
#include "GameProgram/SpriteWork/XC_SetAudioVolume.h"
#include "JC_Script/JC_ScriptManager.h"

#include <cstring>
#include <memory>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XI_GameMedia* XC_GameScriptCommand::s_pGame = nullptr;

namespace {

// The channel the scripts fade; channel 0 is the player's music setting.
const DWORD SCRIPT_VOLUME_CHANNEL = 1;

HRESULT ShowVideo(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    const XC_String stringVideoName = pCommandObj->GetStringParameter("VideoName", "");
    XI_GameMedia* const pGame = XC_GameScriptCommand::GetGame();
    if (pGame == nullptr) {
        XM_REPORT_FAILED("g_pGame");
        return S_OK;
    }
    const HRESULT hr = pGame->PlayVideo(stringVideoName.c_str());
    if (hr != S_OK)
        XM_REPORT_FAILED_HR("g_pGame->ShowVideo( stringVideoName.c_str() )", hr);
    return S_OK;
}

HRESULT CallGameScript(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    const XC_String stringScriptName = pCommandObj->GetStringParameter("ScriptName", "error.txt");
    if (gp_ScriptManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ScriptManagerObj");
        return E_FAIL;
    }
    return static_cast<HRESULT>(gp_ScriptManagerObj->LoadScript(static_cast<const std::string&>(stringScriptName)));
}

HRESULT RealTimeScript(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase**)
{
    if (gp_ScriptManagerObj == nullptr) {
        XM_REPORT_FAILED("gp_ScriptManagerObj");
        return E_FAIL;
    }
    const XC_TextNode* const pTNode = pCommandObj->GetTextNode();
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    for (int i = 0; i < pTNode->GetLeafCount(); ++i) {
        const XC_TextLeaf* const pTLeafSet = pTNode->GetLeaf(i);
        if (pTLeafSet == nullptr || std::strcmp(pTLeafSet->GetName(), "Script") != 0)
            continue;
        const DWORD dwResult = gp_ScriptManagerObj->RealTimeScript(pTLeafSet->GetStr());
        if (FAILED(static_cast<HRESULT>(dwResult)))
            XM_REPORT_FAILED_HR("gp_ScriptManagerObj->RealTimeScript( pTLeafSet->GetStr() )", dwResult);
    }
    return S_OK;
}

HRESULT SetAudioVolume(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_SetAudioVolume> pSetAudioVolumeObj(new (std::nothrow) XC_SetAudioVolume);
    if (pSetAudioVolumeObj == nullptr) {
        XM_REPORT_FAILED("pSetAudioVolumeObj");
        return E_FAIL;
    }
    XI_GameMedia* const pGame = XC_GameScriptCommand::GetGame();
    if (pGame == nullptr) {
        XM_REPORT_FAILED("g_pGame");
        return E_FAIL;
    }
    if (pGame->GetBackgroundMusicObj() == nullptr) {
        XM_REPORT_FAILED("g_pGame->GetBackgroundMusicObj()");
        return E_FAIL;
    }
    if (FAILED(pSetAudioVolumeObj->SetTarget(pGame->GetBackgroundMusicObj())))
        return E_FAIL;
    pSetAudioVolumeObj->m_dwVolume = pCommandObj->GetDwordParameter("dwVolume", 0);
    pSetAudioVolumeObj->m_dwChannel = SCRIPT_VOLUME_CHANNEL;
    *rpSpriteWorkObj = pSetAudioVolumeObj.release();
    return S_OK;
}

} // namespace

XC_GameScriptCommand::XC_GameScriptCommand()
{
    m_CommandTable["ShowVideo"] = ShowVideo;
    m_CommandTable["CallGameScript"] = CallGameScript;
    m_CommandTable["RealTimeScript"] = RealTimeScript;
    m_CommandTable["SetAudioVolume"] = SetAudioVolume;
    m_CommandTable["CallOskel3Script"] = CallGameScript;
}

XC_GameScriptCommand::~XC_GameScriptCommand() = default;
