#pragma once

#include "JC_Script/DealScript/JC_ScriptDealBase.h"

class JC_ControlWorldMap;
class JC_DebugLog;

constexpr DWORD JE_DEALWORLDMAP_NO_CONTROL = 0x89B70001;
constexpr DWORD JE_DEALWORLDMAP_CONTROL_NOT_INITIATED = 0x89B70002;
constexpr DWORD JE_DEALWORLDMAP_UNKNOWN_GROUP = 0x89B70101;
constexpr DWORD JE_DEALWORLDMAP_UNKNOWN_MAP_COMMAND = 0x89B70111;
constexpr DWORD JE_DEALWORLDMAP_NO_WORLDMAP_PROCEDURE = 0x89B70112;
constexpr DWORD JE_DEALWORLDMAP_UNKNOWN_PLACE_COMMAND = 0x89B70121;
constexpr DWORD JE_DEALWORLDMAP_NO_PLACE = 0x89B70122;
constexpr DWORD JE_DEALWORLDMAP_UNKNOWN_PLACEIN_COMMAND = 0x89870131;

// "ControlWorldMap": the map's script and music, the places' properties and
// what they hold inside, and entering a town.
class JC_ScriptDealWorldMap : public JC_ScriptDealBase
{
public:
    // What "IntoTown" runs: the running world map's entry into its town,
    // giving 0 or a failure code. The world map, which the game shell owns,
    // registers it.
    using JF_IntoTown = DWORD (*)();
    static void SetIntoTown(JF_IntoTown pfnIntoTown);

    DWORD Deal(const std::string& strText) override;
    virtual DWORD Initiation(JC_ControlWorldMap* pControlWorldMap);
    virtual DWORD DealMap(const std::string& strText);
    virtual DWORD DealPlace(const std::string& strText);
    virtual DWORD DealPlaceIn(const std::string& strText);

private:
    DWORD IntoTown() const;
    DWORD ReportUnknown(const std::string& strText, DWORD dwCode, int iLine) const;

    static JF_IntoTown s_pfnIntoTown;
    JC_ControlWorldMap* m_pControlWorldMap = nullptr;
    JC_DebugLog* m_pErrorLog = nullptr;
};
