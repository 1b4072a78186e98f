#pragma once

#include "JC_DataManager/Operator/JC_OperatorBase.h"

constexpr DWORD JE_CONTROLGAME_NO_GAME_RECORD = 0x89270001;

// The game's save record: money and the current world map.
class JC_ControlGame : public JC_OperatorBase
{
public:
    static constexpr int MAX_MONEY = 99999999;

    // Binds the game record of the data manager.
    DWORD Initiation(JC_DataManager* pDataManager) override;

    BOOL IsInitiated() const { return m_bReady; }
    JC_DebugLog* GetErrorLog() const { return m_bReady ? Log() : nullptr; }

    // 0 while not bound or once a money write did not read back.
    int GetMoney();
    // Held to 0..MAX_MONEY; a value that does not read back as written
    // empties the purse for good.
    void SetMoney(int iMoney);
    void AddMoney(int iDelta);
    int GetWorldMapIndex();
    void SetWorldMapIndex(int iIndex);

private:
    void StoreMoney(long long llMoney);

    BOOL m_bReady = FALSE;
    BOOL m_bMoneyFault = FALSE;
};
