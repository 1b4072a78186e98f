#pragma once

#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

#include <windows.h>
#include <d3dx9math.h>

#include <map>

class JC_ControlTeam;
class JC_DataComponent;
class XC_Floorer;
class XC_GamePerson;
class XC_Scene;

// Team indexes below this are the party's own persons, handed back to the
// party when they leave the field.
constexpr DWORD XE_FIRST_BATTLE_ONLY_INDEX = 299;
// Team indexes a battle looks at.
constexpr DWORD XE_TEAM_INDEX_COUNT = 1024;

// The persons of one battle, one for each member of the fight team, kept by
// team index: found, walked in order, picked under a ray and taken off the
// field.
class XC_GamePersonManager : public XC_RenderObjManager
{
public:
    XC_GamePersonManager() = default;
    ~XC_GamePersonManager() override;

    virtual HRESULT Init(XC_Scene* pSceneObj, JC_ControlTeam* pControlTeamObj);
    virtual HRESULT Fini();
    virtual XC_Scene* GetSceneObj() const;
    virtual XC_Floorer* GetFloorer() const;
    virtual JC_ControlTeam* GetControlTeam() const;
    virtual HRESULT AddPersonFromTeamIndex(DWORD dwTeamIndex);
    virtual HRESULT DelPersonFromTeamIndex(DWORD dwTeamIndex);
    virtual HRESULT DelAllPerson();
    virtual XC_GamePerson* GetPersonFromTeamIndex(DWORD dwTeamIndex) const;
    virtual BOOL GetNextPerson(XC_GamePerson* pPrev, XC_GamePerson** ppNext) const;
    virtual BOOL GetNextPersonInList(XC_GamePerson* pPrev, XC_GamePerson** ppNext) const;
    virtual BOOL GetNextPerson(XC_GamePerson* pPrev, XC_GamePerson** ppNext, BOOL bByTeamIndex) const;
    // The walk of GetNextPerson backwards: from the last when pNext is null.
    virtual BOOL GetPrevPerson(XC_GamePerson* pNext, XC_GamePerson** ppPrev) const;
    virtual DWORD GetPersonCount() const;
    virtual BOOL PickPerson(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, XC_GamePerson** ppPerson,
                            float* pfDistance);
    virtual BOOL PickFloor(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection, DWORD* pdwFloorIndex,
                           float* pfDistance, BOOL bOnlyDrawnFloor);
    virtual BOOL PickPersonByRay(const D3DXVECTOR3* pvOrigin, const D3DXVECTOR3* pvDirection,
                                 XC_GamePerson** ppPerson, float* pfDistance);

    void SetPersonStrokeEnable(BOOL bFlag);
    BOOL GetPersonStrokeEnable() const { return m_bPersonStrokeEnable; }

private:
    // The person at that index from the fight team, built and indexed.
    HRESULT BuildPerson(DWORD dwTeamIndex, JC_DataComponent* pDataComponentObj);
    // A party member goes back to the party restored; false when it cannot.
    bool ReturnToParty(XC_GamePerson* pPersonObj, DWORD dwTeamIndex);
    void ApplyStroke(XC_RenderingObject* pRenderObj) const;
    // The last person, in team-index order, standing on the cell.
    XC_GamePerson* FindLastPersonOnFloor(DWORD dwFloorIndex) const;

    XC_Scene* m_pSceneObj = nullptr;
    XC_Floorer* m_pFloorer = nullptr;
    JC_ControlTeam* m_pControlTeamObj = nullptr;
    BOOL m_bPersonStrokeEnable = 0;
    std::map<DWORD, XC_GamePerson*> m_mapGamePerson;
};

extern XC_GamePersonManager* g_pPersonManager;
