#pragma once

#include "GameProgram/Sprite/XC_Sprite.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

#include <windows.h>
#include <d3dx9math.h>

#include <vector>

class XC_GamePerson;

// Poses of a move.
constexpr DWORD XE_POSE_WALK = 1;
constexpr DWORD XE_POSE_JUMP_LAND = 18;
constexpr DWORD XE_POSE_JUMP_CROUCH = 19;
constexpr DWORD XE_POSE_JUMP_AIR = 21;

// Moves one person from its floor to a target floor: on Begin it builds the
// person's move table, walks back from the target over falling values to
// find the path and fills its own sprite with timed turns, walks and jumps,
// or a move script for the persons that do not walk. It ends when its sprite
// is empty; the caller sets the person's floor. The person is looked up by
// its team index at every step: one taken off the field meanwhile ends the
// move, and the move's own works advance only in its steps.
class XC_PersonMove : public XC_SpriteWorkBase
{
public:
    static constexpr float FIRST_STEP_TIME = 0.1f;
    static constexpr float WALK_STEP_TIME = 0.3f;

    XC_PersonMove();
    ~XC_PersonMove() override;

    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;

    HRESULT SetPerson(XC_GamePerson* pPersonObj);
    void SetStartFloorIndex(DWORD dwFloorIndex);
    DWORD GetStartFloorIndex() const { return m_dwStartFloorIndex; }
    void SetTargetFloorIndex(DWORD dwFloorIndex);
    DWORD GetTargetFloorIndex() const { return m_dwTargetFloorIndex; }

    HRESULT BuildWalkPath();
    HRESULT AddWalkStep(float& fTime, const D3DXVECTOR3& vPosition);
    HRESULT AddJumpStep(float& fTime, const D3DXVECTOR3& vPosition);
    HRESULT AddTurn(float fTime, DWORD dwFromFloor, DWORD dwToFloor, DWORD& dwDirection);
    HRESULT RunMoveScript(const char* szMoveScript);

    XC_Sprite* GetSprite() { return &m_SpriteObj; }

private:
    // The floors from the one after the start to the target; empty when the
    // way back breaks.
    bool FindPath(std::vector<DWORD>& path);
    // The neighbour of the floor one step nearer the start, or -1.
    LONG FindStepBack(DWORD dwFloor);
    bool CanStepInto(LONG lFrom, DWORD dwTo);
    void AddPose(float fTime, float fWorkTime, DWORD dwPose);
    void AddPosition(float fTime, float fWorkTime, const D3DXVECTOR3& vPosition, DWORD dwMoveType, float fMoveArg);
    HRESULT RunMoveScriptOfFile(DWORD dwFileID);
    static bool IsFloorInTables(DWORD dwFloorIndex);
    // The person of the team index into m_pPersonObj; false, with a report,
    // when it is no longer on the field.
    bool FindPerson();

    XC_GamePerson* m_pPersonObj = nullptr;
    DWORD m_dwTeamIndex = 0;
    bool m_bHasPerson = false;
    XC_Sprite m_SpriteObj;
    DWORD m_dwStartFloorIndex = 0;
    DWORD m_dwTargetFloorIndex = 0;
    LONG* m_plTableMovePower = nullptr;
    BOOL m_bFirstFrame = TRUE;
};
