#include "JC_DataManager/Control/JC_ControlScene.h"

#include "TemplateSystem/JC_DataArrayManager.h"

#include <climits>
#include <memory>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ControlScene::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    DWORD dwResult = JC_ControlBase::Initiation(pDataManager, pBehaviorAnalyser);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = FALSE;
    dwResult = InitiateOperators(
        {{m_OperatorSceneInfoObj, "重置場景資訊操作者時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
         {m_OperatorFloorObj, "重置戰場地板操作者時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
         {m_OperatorLandformObj, "重置地形操作者時 發生錯誤 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"}},
        s_szSourceFile);
    if (dwResult != 0)
        return dwResult;
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ControlScene::ResetSceneInfo(const std::string& strSceneFileName)
{
    const DWORD dwResult = BindSceneInfo();
    if (dwResult != 0)
        return dwResult;
    m_OperatorSceneInfoObj.SetMaxTurn(0);
    m_OperatorSceneInfoObj.SetTurn(0);
    m_OperatorSceneInfoObj.SetCampTurn(0);
    m_OperatorSceneInfoObj.SetSceneFileName(strSceneFileName);
    m_OperatorSceneInfoObj.SetRoundStep(0);
    m_OperatorSceneInfoObj.SetCampStep(0);
    m_OperatorSceneInfoObj.SetWinCondition("");
    m_OperatorSceneInfoObj.SetLoseCondition("");
    m_OperatorSceneInfoObj.SetWinScript("");
    m_OperatorSceneInfoObj.SetLoseScript("");
    m_OperatorSceneInfoObj.ClsStartingPoint();
    return 0;
}

DWORD JC_ControlScene::BuildFloors(int iWidth, int iHeight)
{
    JC_DataArrayManager* pScene = m_bInitiated ? dynamic_cast<JC_DataArrayManager*>(
                                                     m_pDataManager->GetUnfixedDataObj(UNFIXEDDATAKIND_SCENE))
                                               : nullptr;
    if (pScene == nullptr) {
        ErrorLog().Print("無法取得戰場資料庫 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(JE_SCENE_NO_SCENE_DATA), s_szSourceFile, __LINE__);
        return JE_SCENE_NO_SCENE_DATA;
    }
    // The floors and the scene information must fit in the Scene data.
    const long long llFloors = static_cast<long long>(iWidth) * iHeight;
    if (iWidth < 0 || iHeight < 0 || llFloors >= JC_DataArrayManager::MAX_POSITION) {
        ErrorLog().Print("戰場的大小不正確 \n寬:%d 長:%d \n錯誤檔案:%s(Line:%d) \n\n", iWidth, iHeight, s_szSourceFile,
                         __LINE__);
        return JE_SCENE_BAD_SIZE;
    }
    DWORD dwResult = BindSceneInfo();
    if (dwResult == 0)
        dwResult = RemoveFloors(*pScene);
    if (dwResult == 0)
        dwResult = AddFloors(*pScene, static_cast<DWORD>(llFloors));
    if (dwResult != 0)
        return dwResult;
    m_OperatorSceneInfoObj.SetMapWidth(iWidth);
    m_OperatorSceneInfoObj.SetMapHeight(iHeight);
    NumberFloors(iWidth, iHeight);
    return 0;
}

DWORD JC_ControlScene::RemoveFloors(JC_DataArrayManager& scene)
{
    // Everything after the scene information goes, whatever the count; an
    // empty position is filled first, so that it can be removed too. The
    // last goes first: taking the first would move all the others each time.
    while (scene.GetComponentCount() > 1) {
        const DWORD dwLast = scene.GetComponentCount() - 1;
        DWORD dwResult = scene.RemoveComponent({0, dwLast}, nullptr);
        if (dwResult == JE_ARRAY_REMOVE_ABSENT)
            dwResult = scene.SetComponent({0, dwLast}, m_OperatorSceneInfoObj.GetDataComponent());
        if (dwResult != 0) {
            ErrorLog().Print("資料元件管理者(核心) 在清除戰場資料庫中所有的地板元件 失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                             static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
    }
    return 0;
}

DWORD JC_ControlScene::AddFloors(JC_DataArrayManager& scene, DWORD dwCount)
{
    JC_DataComponent* pCreated = nullptr;
    DWORD dwResult = scene.CreateComponent(FLOOR_TEMPLATE, pCreated);
    const std::unique_ptr<JC_DataComponent> pFloor(pCreated);
    if (dwResult != 0) {
        ErrorLog().Print("無法在由分析者上 使用指定範本 建立新的資料元件 \n指定範本:EE4882BB-1B73-439f-BAC4-B89F49FAFCE0(地板範本) \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return dwResult;
    }
    for (DWORD k = 1; k <= dwCount; ++k) {
        dwResult = scene.SetComponent({0, k}, pFloor.get());
        if (dwResult != 0) {
            ErrorLog().Print("設定一個資料元件(地板) 到指定的位置(核心) 發生錯誤 \n第幾個地板:%d(非Index) \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
                             static_cast<int>(k), static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
    }
    return 0;
}

void JC_ControlScene::NumberFloors(int iWidth, int iHeight)
{
    for (int z = 0; z < iHeight; ++z) {
        for (int x = 0; x < iWidth; ++x) {
            const int i = z * iWidth + x;
            if (BindFloor(i) != 0)
                continue;
            m_OperatorFloorObj.SetIndex(i);
            m_OperatorFloorObj.SetIndexX(x);
            m_OperatorFloorObj.SetIndexZ(z);
        }
    }
}

DWORD JC_ControlScene::BindSceneInfo()
{
    if (!m_bInitiated)
        return JE_CONTROL_NULL_DATA_MANAGER;
    const DWORD dwResult = m_OperatorSceneInfoObj.SetDataConponent(m_pDataManager->GetSceneInfoDataComponent());
    if (dwResult != 0)
        ErrorLog().Print("將 戰場資訊資料元件 設定給操作者時 發生錯誤 \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                         static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

DWORD JC_ControlScene::BindFloor(int iFloor)
{
    if (!m_bInitiated)
        return JE_CONTROL_NULL_DATA_MANAGER;
    // A negative floor is no floor; the data manager takes it as unsigned.
    JC_DataComponent* pFloor =
        iFloor >= 0 ? m_pDataManager->GetSceneFloorDataComponent(static_cast<DWORD>(iFloor)) : nullptr;
    const DWORD dwResult = m_OperatorFloorObj.SetDataConponent(pFloor);
    if (dwResult != 0)
        ErrorLog().Print("將 戰場地板資料元件 設定給操作者時 發生錯誤 \n指定的地板索引位置:%d \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                         iFloor, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
    return dwResult;
}

DWORD JC_ControlScene::BindLandform(int iFloor)
{
    const int iLandformID = GetLandformID(iFloor);
    if (iLandformID == -1)
        return JE_OPERATOR_NULL_RECORD;
    const DWORD dwResult =
        m_OperatorLandformObj.SetDataConponent(m_pDataManager->GetLandformObj(static_cast<DWORD>(iLandformID)));
    if (dwResult != 0)
        ErrorLog().Print("將地形資料元件 設定給地形操作者 發生錯誤 \n指定的地板索引位置:%d \n指定的地形ID:0x%x \n錯誤代碼:%x \n錯誤檔案:%s(Line:%d) \n\n",
                         iFloor, static_cast<unsigned>(iLandformID), static_cast<unsigned>(dwResult), s_szSourceFile,
                         __LINE__);
    return dwResult;
}

int JC_ControlScene::GetFloorCount()
{
    if (BindSceneInfo() != 0)
        return 0;
    // Sizes come from the save state: a product past the int range is no
    // floor count.
    const long long llCount =
        static_cast<long long>(m_OperatorSceneInfoObj.GetMapWidth()) * m_OperatorSceneInfoObj.GetMapHeight();
    return llCount >= 0 && llCount <= INT_MAX ? static_cast<int>(llCount) : 0;
}

int JC_ControlScene::GetStartingPointCount()
{
    if (BindSceneInfo() != 0)
        return -1;
    return static_cast<int>(m_OperatorSceneInfoObj.GetStartingPointCount());
}

int JC_ControlScene::GetStartingPoint(DWORD dwIndex)
{
    if (BindSceneInfo() != 0)
        return 0;
    return static_cast<int>(m_OperatorSceneInfoObj.GetStartingPoint(dwIndex));
}

void JC_ControlScene::ClearStartingPoints()
{
    if (BindSceneInfo() == 0)
        m_OperatorSceneInfoObj.ClsStartingPoint();
}

DWORD JC_ControlScene::AddStartingPoint(DWORD dwFloor)
{
    const DWORD dwResult = BindSceneInfo();
    if (dwResult != 0)
        return dwResult;
    return m_OperatorSceneInfoObj.AddStartingPoint(dwFloor);
}

int JC_ControlScene::GetLandformID(int iFloor)
{
    if (BindFloor(iFloor) != 0)
        return -1;
    return static_cast<int>(m_OperatorFloorObj.GetLandformID());
}

int JC_ControlScene::GetIsDisableMagic(int iFloor)
{
    const DWORD dwResult = BindFloor(iFloor);
    if (dwResult != 0)
        return static_cast<int>(dwResult);
    return m_OperatorFloorObj.GetIsDisableMagic();
}

void JC_ControlScene::SetLandformID(int iFloor, DWORD dwLandformID)
{
    if (BindFloor(iFloor) == 0)
        m_OperatorFloorObj.SetLandformID(dwLandformID);
}

void JC_ControlScene::SetIsDisableMagic(int iFloor, int iFlag)
{
    if (BindFloor(iFloor) == 0)
        m_OperatorFloorObj.SetIsDisableMagic(iFlag);
}

void JC_ControlScene::SetDisableMagicRound(int iFloor, int iRounds)
{
    if (BindFloor(iFloor) != 0)
        return;
    m_OperatorFloorObj.SetDisableMagicRound(iRounds);
    m_OperatorFloorObj.SetIsDisableMagic(iRounds != 0 ? 1 : 0);
}

int JC_ControlScene::SceneInfoOr(int (JC_OperatorSceneInfo::*pfnGet)())
{
    const DWORD dwResult = BindSceneInfo();
    if (dwResult != 0)
        return static_cast<int>(dwResult);
    return (m_OperatorSceneInfoObj.*pfnGet)();
}

std::string JC_ControlScene::SceneText(std::string (JC_OperatorSceneInfo::*pfnGet)())
{
    if (BindSceneInfo() != 0)
        return std::string();
    return (m_OperatorSceneInfoObj.*pfnGet)();
}

int JC_ControlScene::FloorOr(int iFloor, int (JC_OperatorFloor::*pfnGet)(), int iOnFailure)
{
    if (BindFloor(iFloor) != 0)
        return iOnFailure;
    return (m_OperatorFloorObj.*pfnGet)();
}

int JC_ControlScene::LandformOr(int iFloor, int (JC_OperatorLandform::*pfnGet)())
{
    const DWORD dwResult = BindLandform(iFloor);
    if (dwResult != 0)
        return static_cast<int>(dwResult);
    return (m_OperatorLandformObj.*pfnGet)();
}
