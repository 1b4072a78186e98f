#include "JC_DataManager/Operator/JC_OperatorSceneInfo.h"

JC_OperatorSceneInfo::JC_OperatorSceneInfo() : JC_OperatorBase(DATACOMPONENTKIND_SCENEINFO)
{
}

JC_DWordArray* JC_OperatorSceneInfo::GetStartingPoints()
{
    DWORD dwResult = 0;
    return GetSpace<JC_DWordArray>("StartingPoint", dwResult);
}

DWORD JC_OperatorSceneInfo::GetStartingPoint(DWORD dwIndex)
{
    return JF_EntryOf(GetStartingPoints(), dwIndex);
}

void JC_OperatorSceneInfo::ClsStartingPoint()
{
    JC_DWordArray* pPoints = GetStartingPoints();
    if (pPoints != nullptr)
        pPoints->clear();
}

DWORD JC_OperatorSceneInfo::AddStartingPoint(DWORD dwValue)
{
    JC_DWordArray* pPoints = GetStartingPoints();
    if (pPoints != nullptr && HasRoomFor("StartingPoint"))
        pPoints->push_back(dwValue);
    return 0;
}
