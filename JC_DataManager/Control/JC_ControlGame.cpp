#include "JC_DataManager/Control/JC_ControlGame.h"

#include <algorithm>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

DWORD JC_ControlGame::Initiation(JC_DataManager* pDataManager)
{
    m_bReady = FALSE;
    DWORD dwResult = JC_OperatorBase::Initiation(pDataManager);
    if (dwResult != 0)
        return dwResult;
    JC_DataComponent* pGame = pDataManager->GetGameDataComponent();
    if (pGame == nullptr) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " ControlGame GetGameObj Fail. \r\n ");
        return JE_CONTROLGAME_NO_GAME_RECORD;
    }
    dwResult = SetDataConponent(pGame);
    if (dwResult != 0) {
        Log()->PrintAt(s_szSourceFile, __LINE__, " ControlGame SetDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                       static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bReady = TRUE;
    return 0;
}

int JC_ControlGame::GetMoney()
{
    if (!m_bReady || m_bMoneyFault)
        return 0;
    return GetValue<int>("Money");
}

void JC_ControlGame::SetMoney(int iMoney)
{
    StoreMoney(iMoney);
}

void JC_ControlGame::AddMoney(int iDelta)
{
    StoreMoney(static_cast<long long>(GetMoney()) + iDelta);
}

int JC_ControlGame::GetWorldMapIndex()
{
    return m_bReady ? GetValue<int>("WorldMapIndex") : 0;
}

void JC_ControlGame::SetWorldMapIndex(int iIndex)
{
    if (m_bReady)
        SetValue("WorldMapIndex", iIndex);
}

void JC_ControlGame::StoreMoney(long long llMoney)
{
    if (!m_bReady)
        return;
    const int iMoney = static_cast<int>(std::clamp<long long>(llMoney, 0, MAX_MONEY));
    SetValue("Money", iMoney);
    if (GetValue<int>("Money") != iMoney) {
        m_bMoneyFault = TRUE;
        Log()->PrintAt(s_szSourceFile, __LINE__, " Money Fail. \r\n ");
    }
}
