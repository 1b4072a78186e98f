#include "JC_Script/DealScript/JC_ScriptDealWorldMap.h"

#include "JC_DataManager/Control/JC_ControlWorldMap.h"
#include "TemplateSystem/JC_DebugLog.h"
#include "TemplateSystem/JF_NumberText.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ScriptDealWorldMap::Initiation(JC_ControlWorldMap* pControlWorldMap)
{
    if (pControlWorldMap == nullptr)
        return JE_DEALWORLDMAP_NO_CONTROL;
    if (pControlWorldMap->IsInitiated() != TRUE)
        return JE_DEALWORLDMAP_CONTROL_NOT_INITIATED;
    m_pControlWorldMap = pControlWorldMap;
    m_pErrorLog = pControlWorldMap->GetErrorLog();
    return 0;
}

DWORD JC_ScriptDealWorldMap::Deal(const std::string& strText)
{
    if (m_pControlWorldMap == nullptr)
        return JE_DEALWORLDMAP_NO_CONTROL;
    std::string strRest = strText;
    const std::string strGroup = PopField(strRest);
    if (strGroup == "Map")
        return DealMap(strRest);
    if (strGroup == "Place")
        return DealPlace(strRest);
    if (strGroup == "PlaceIn")
        return DealPlaceIn(strRest);
    m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScriptDealWorldMap FunctionTypeNotSupport. \r\n Script:%s \r\n",
                         strText.c_str());
    return JE_DEALWORLDMAP_UNKNOWN_GROUP;
}

DWORD JC_ScriptDealWorldMap::ReportUnknown(const std::string& strText, DWORD dwCode, int iLine) const
{
    m_pErrorLog->PrintAt(s_szSourceFile, iLine, " ScriptDealWorldMap FunctionNameNotSupport. \r\n Script:%s \r\n",
                         strText.c_str());
    return dwCode;
}

DWORD JC_ScriptDealWorldMap::DealMap(const std::string& strText)
{
    std::string strRest = strText;
    const std::string strCommand = PopField(strRest);
    if (strCommand == "SetMapScript")
        m_pControlWorldMap->SetMapScript(strRest);
    else if (strCommand == "SetMusic")
        m_pControlWorldMap->SetMusic(strRest);
    else if (strCommand == "IntoTown")
        return IntoTown();
    else
        return ReportUnknown(strText, JE_DEALWORLDMAP_UNKNOWN_MAP_COMMAND, __LINE__);
    return 0;
}

DWORD JC_ScriptDealWorldMap::DealPlace(const std::string& strText)
{
    static const struct
    {
        const char* szCommand;
        void (JC_ControlWorldMap::*pfnSet)(DWORD, const std::string&);
    } textSetters[] = {
        {"SetOverScriptName", &JC_ControlWorldMap::SetPlaceOverScriptName},
        {"SetIntoScriptName", &JC_ControlWorldMap::SetPlaceIntoScriptName},
        {"SetExitScriptName", &JC_ControlWorldMap::SetPlaceExitScriptName},
        {"SetTownMusic", &JC_ControlWorldMap::SetPlaceTownMusic},
        {"SetPlaceName", &JC_ControlWorldMap::SetPlaceName},
        {"SetPlacePhoto", &JC_ControlWorldMap::SetPlacePhoto},
    };
    std::string strRest = strText;
    const std::string strCommand = PopField(strRest);
    if (strCommand == "SetSitePlaceID") {
        m_pControlWorldMap->SetSitePlaceID(static_cast<DWORD>(JF_DecimalToInt(strRest)));
        return 0;
    }
    const DWORD dwPlaceID = static_cast<DWORD>(JF_DecimalToInt(PopField(strRest)));
    // Opening a place that does not exist must not pass for done: the
    // script would go on as if the way were open.
    if (strCommand == "SetPlaceIsOpen")
        return m_pControlWorldMap->SetPlaceIsOpen(dwPlaceID, JF_DecimalToInt(strRest)) ? 0 : JE_DEALWORLDMAP_NO_PLACE;
    for (const auto& setter : textSetters) {
        if (strCommand == setter.szCommand) {
            (m_pControlWorldMap->*setter.pfnSet)(dwPlaceID, strRest);
            return 0;
        }
    }
    return ReportUnknown(strText, JE_DEALWORLDMAP_UNKNOWN_PLACE_COMMAND, __LINE__);
}

DWORD JC_ScriptDealWorldMap::DealPlaceIn(const std::string& strText)
{
    std::string strRest = strText;
    const std::string strCommand = PopField(strRest);
    const DWORD dwPlaceID = static_cast<DWORD>(JF_DecimalToInt(PopField(strRest)));
    if (strCommand == "SetHaveHybridize")
        m_pControlWorldMap->SetPlaceHaveHybridize(dwPlaceID, JF_DecimalToInt(strRest));
    else if (strCommand == "SetHaveShop")
        m_pControlWorldMap->SetPlaceHaveShop(dwPlaceID, JF_DecimalToInt(strRest));
    else if (strCommand == "SetShopID")
        m_pControlWorldMap->SetPlaceShopID(dwPlaceID, static_cast<DWORD>(JF_DecimalToInt(strRest)));
    else if (strCommand == "SetPlazaPasserInfo") {
        const DWORD dwIndex = static_cast<DWORD>(JF_DecimalToInt(PopField(strRest)));
        const std::string strName = PopField(strRest);
        m_pControlWorldMap->SetPlazaPasser(dwPlaceID, dwIndex, strName, PopField(strRest));
    } else
        return ReportUnknown(strText, JE_DEALWORLDMAP_UNKNOWN_PLACEIN_COMMAND, __LINE__);
    return 0;
}

JC_ScriptDealWorldMap::JF_IntoTown JC_ScriptDealWorldMap::s_pfnIntoTown = nullptr;

void JC_ScriptDealWorldMap::SetIntoTown(JF_IntoTown pfnIntoTown)
{
    s_pfnIntoTown = pfnIntoTown;
}

// Entering a town changes the screen of the running world-map procedure;
// without one there is nothing to change.
DWORD JC_ScriptDealWorldMap::IntoTown() const
{
    const DWORD dwResult = s_pfnIntoTown != nullptr ? s_pfnIntoTown() : JE_DEALWORLDMAP_NO_WORLDMAP_PROCEDURE;
    if (dwResult == JE_DEALWORLDMAP_NO_WORLDMAP_PROCEDURE)
        m_pErrorLog->PrintAt(s_szSourceFile, __LINE__, " ScriptDealWorldMap IntoTown NoWorldMapProcedure. \r\n");
    return dwResult;
}
