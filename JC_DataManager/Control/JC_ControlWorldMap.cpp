#include "JC_DataManager/Control/JC_ControlWorldMap.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

} // namespace

DWORD JC_ControlWorldMap::Initiation(JC_DataManager*, JC_BehaviorAnalyser*)
{
    return JE_CONTROLWORLDMAP_WRONG_INITIATION;
}

DWORD JC_ControlWorldMap::Initiation(JC_ControlGame* pControlGame, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    if (pControlGame == nullptr)
        return JE_CONTROLWORLDMAP_NULL_CONTROL_GAME;
    if (pBehaviorAnalyser == nullptr)
        return JE_CONTROLWORLDMAP_NULL_BEHAVIOR_ANALYSER;
    DWORD dwResult = JC_ControlBase::Initiation(pControlGame->GetDataManager(), pBehaviorAnalyser);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = FALSE;
    m_pControlGame = pControlGame;
    dwResult = InitiateOperators(
        {{m_OperatorWorldMapInfoObj, " Initiation OperatorWorldMapInfoObj Fail. \r\n HRESULT:0x%08x \r\n"},
         {m_OperatorPlaceObj, " Initiation OperatorPlaceObj Fail. \r\n HRESULT:0x%08x \r\n"}},
        s_szSourceFile);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ControlWorldMap::GetWorldMapIndex() const
{
    return m_pControlGame != nullptr ? static_cast<DWORD>(m_pControlGame->GetWorldMapIndex()) : 0;
}

JC_OperatorWorldMapInfo* JC_ControlWorldMap::GetOperatorWorldMapInfoObj()
{
    JC_DataManager* pDataManager = GetDataManager();
    JC_DataComponent* pRecord =
        pDataManager != nullptr ? pDataManager->GetWorldMapInfoDataComponent(GetWorldMapIndex()) : nullptr;
    if (pRecord == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " Get WorldMapInfoObj Fail. \r\n ");
        return nullptr;
    }
    const DWORD dwResult = m_OperatorWorldMapInfoObj.SetDataConponent(pRecord);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " SetDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return nullptr;
    }
    return &m_OperatorWorldMapInfoObj;
}

JC_OperatorPlace* JC_ControlWorldMap::GetOperatorPlaceObj(DWORD dwPlaceID)
{
    JC_DataManager* pDataManager = GetDataManager();
    const DWORD dwWorldMapIndex = GetWorldMapIndex();
    JC_DataComponent* pRecord =
        pDataManager != nullptr ? pDataManager->GetPlaceDataComponent(dwWorldMapIndex, dwPlaceID) : nullptr;
    if (pRecord == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__,
                           " Get WorldMapPlaceObj Fail. \r\n WorldMapIndex:%d \r\n PlaceID:%d \r\n HRESULT:0x%08x \r\n",
                           static_cast<int>(dwWorldMapIndex), static_cast<int>(dwPlaceID), 0u);
        return nullptr;
    }
    const DWORD dwResult = m_OperatorPlaceObj.SetDataConponent(pRecord);
    if (dwResult != 0) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " SetDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                           static_cast<unsigned>(dwResult));
        return nullptr;
    }
    return &m_OperatorPlaceObj;
}

std::string JC_ControlWorldMap::GetMapScript()
{
    return WithWorldMap([](JC_OperatorWorldMapInfo& map) { return map.GetMapScript(); }, std::string());
}

void JC_ControlWorldMap::SetMapScript(const std::string& strScript)
{
    WithWorldMap([&](JC_OperatorWorldMapInfo& map) { map.SetMapScript(strScript); return true; }, false);
}

std::string JC_ControlWorldMap::GetMapSceneName()
{
    return WithWorldMap([](JC_OperatorWorldMapInfo& map) { return map.GetMapSceneName(); }, std::string());
}

std::string JC_ControlWorldMap::GetMusic()
{
    return WithWorldMap([](JC_OperatorWorldMapInfo& map) { return map.GetMusic(); }, std::string());
}

void JC_ControlWorldMap::SetMusic(const std::string& strMusic)
{
    WithWorldMap([&](JC_OperatorWorldMapInfo& map) { map.SetMusic(strMusic); return true; }, false);
}

int JC_ControlWorldMap::GetPlaceCount()
{
    return WithWorldMap([](JC_OperatorWorldMapInfo& map) { return map.GetPlaceCount(); }, 0);
}

DWORD JC_ControlWorldMap::GetSitePlaceID()
{
    return WithWorldMap([](JC_OperatorWorldMapInfo& map) { return map.GetSitePlaceID(); }, DWORD(0));
}

void JC_ControlWorldMap::SetSitePlaceID(DWORD dwPlaceID)
{
    WithWorldMap([&](JC_OperatorWorldMapInfo& map) { map.SetSitePlaceID(dwPlaceID); return true; }, false);
}

int JC_ControlWorldMap::GetPlaceType(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetPlaceType(); }, 0);
}

int JC_ControlWorldMap::GetPlaceIsOpen(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetPlaceIsOpen(); }, 0);
}

bool JC_ControlWorldMap::SetPlaceIsOpen(DWORD dwPlaceID, int iIsOpen)
{
    return WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetPlaceIsOpen(iIsOpen); return true; }, false);
}

std::string JC_ControlWorldMap::GetPlaceName(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetPlaceName(); }, std::string());
}

void JC_ControlWorldMap::SetPlaceName(DWORD dwPlaceID, const std::string& strName)
{
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetPlaceName(strName); return true; }, false);
}

std::string JC_ControlWorldMap::GetPlacePhoto(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetPlacePhoto(); }, std::string());
}

void JC_ControlWorldMap::SetPlacePhoto(DWORD dwPlaceID, const std::string& strPhoto)
{
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetPlacePhoto(strPhoto); return true; }, false);
}

float JC_ControlWorldMap::GetPlacePhotoX(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetPlacePhotoX(); }, 0.0f);
}

float JC_ControlWorldMap::GetPlacePhotoZ(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetPlacePhotoZ(); }, 0.0f);
}

DWORD JC_ControlWorldMap::GetCanGoPlaceCount(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetCanGoPlaceCount(); }, DWORD(0));
}

DWORD JC_ControlWorldMap::GetCanGoPlace(DWORD dwPlaceID, DWORD dwIndex)
{
    return WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { return place.GetCanGoPlace(dwIndex); }, DWORD(0));
}

std::string JC_ControlWorldMap::GetPlaceOverScriptName(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetOverScriptName(); }, std::string());
}

std::string JC_ControlWorldMap::GetPlaceIntoScriptName(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetIntoScriptName(); }, std::string());
}

std::string JC_ControlWorldMap::GetPlaceExitScriptName(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetExitScriptName(); }, std::string());
}

void JC_ControlWorldMap::SetPlaceOverScriptName(DWORD dwPlaceID, const std::string& strName)
{
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetOverScriptName(strName); return true; }, false);
}

void JC_ControlWorldMap::SetPlaceIntoScriptName(DWORD dwPlaceID, const std::string& strName)
{
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetIntoScriptName(strName); return true; }, false);
}

void JC_ControlWorldMap::SetPlaceExitScriptName(DWORD dwPlaceID, const std::string& strName)
{
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetExitScriptName(strName); return true; }, false);
}

std::string JC_ControlWorldMap::GetPlaceTownMusic(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetTownMusic(); }, std::string());
}

void JC_ControlWorldMap::SetPlaceTownMusic(DWORD dwPlaceID, const std::string& strMusic)
{
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetTownMusic(strMusic); return true; }, false);
}

std::string JC_ControlWorldMap::GetPlaceTownBackground(DWORD dwPlaceID)
{
    std::string strBackground;
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.GetTownBackground(strBackground); return true; }, false);
    return strBackground;
}

int JC_ControlWorldMap::GetPlaceHaveHybridize(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetHaveHybridize(); }, 0);
}

void JC_ControlWorldMap::SetPlaceHaveHybridize(DWORD dwPlaceID, int iHave)
{
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetHaveHybridize(iHave); return true; }, false);
}

int JC_ControlWorldMap::GetPlaceHaveShop(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetHaveShop(); }, 0);
}

void JC_ControlWorldMap::SetPlaceHaveShop(DWORD dwPlaceID, int iHave)
{
    WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { place.SetHaveShop(iHave); return true; }, false);
}

DWORD JC_ControlWorldMap::GetPlaceShopID(DWORD dwPlaceID)
{
    JC_OperatorPlace* pPlace = GetOperatorPlaceObj(dwPlaceID);
    if (pPlace == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " GetOperatorPlaceObj(PlaceID:%d) Fail. \r\n OperatorPlaceObj NULL. \r\n",
                           static_cast<int>(dwPlaceID));
        return 0;
    }
    return pPlace->GetShopID();
}

void JC_ControlWorldMap::SetPlaceShopID(DWORD dwPlaceID, DWORD dwShopID)
{
    JC_OperatorPlace* pPlace = GetOperatorPlaceObj(dwPlaceID);
    if (pPlace == nullptr) {
        ErrorLog().PrintAt(s_szSourceFile, __LINE__, " GetOperatorPlaceObj(PlaceID:%d) Fail. \r\n OperatorPlaceObj NULL. \r\n",
                           static_cast<int>(dwPlaceID));
        return;
    }
    pPlace->SetShopID(dwShopID);
}

DWORD JC_ControlWorldMap::GetPlazaPasserCount(DWORD dwPlaceID)
{
    return WithPlace(dwPlaceID, [](JC_OperatorPlace& place) { return place.GetPlazaPasserCount(); }, DWORD(0));
}

std::string JC_ControlWorldMap::GetPlazaPasserName(DWORD dwPlaceID, DWORD dwIndex)
{
    return WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { return place.GetPlazaPasserName(dwIndex); },
                     std::string());
}

std::string JC_ControlWorldMap::GetPlazaPasserScript(DWORD dwPlaceID, DWORD dwIndex)
{
    return WithPlace(dwPlaceID, [&](JC_OperatorPlace& place) { return place.GetPlazaPasserScript(dwIndex); },
                     std::string());
}

void JC_ControlWorldMap::SetPlazaPasser(DWORD dwPlaceID, DWORD dwIndex, const std::string& strName,
                                        const std::string& strScript)
{
    WithPlace(dwPlaceID,
              [&](JC_OperatorPlace& place) {
                  place.SetPlazaPasser(dwIndex, strName, strScript);
                  return true;
              },
              false);
}
