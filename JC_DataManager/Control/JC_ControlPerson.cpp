#include "JC_DataManager/Control/JC_ControlPerson.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

std::array<JC_ControlPerson::JS_Member, 5> JC_ControlPerson::Members()
{
    return {{
        {m_ControlPersonEquipObj, "初始化 人物裝備 控制物件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
         "設定 人物裝備 要控制的人物資料元件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
        {m_ControlPersonHybridizeObj, "初始化 人物合體 控制物件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
         "設定 人物合體 要控制的人物資料元件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
        {m_ControlPersonLevelUpObj, "初始化 人物等級提升 控制物件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
         "設定 人物等級提升 要控制的人物資料元件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
        {m_ControlPersonPowerObj, "初始化 人物能力 控制物件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
         "設定 人物能力 要控制的人物資料元件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
        {m_ControlPersonTakeJobObj, "初始化 人物就職 控制物件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n",
         "設定 人物就職 要控制的人物資料元件失敗 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n"},
    }};
}

DWORD JC_ControlPerson::Initiation(JC_DataManager* pDataManager, JC_BehaviorAnalyser* pBehaviorAnalyser)
{
    DWORD dwResult = JC_ControlPersonBase::Initiation(pDataManager, pBehaviorAnalyser);
    if (dwResult != 0) {
        ErrorLog().Print("無法重置父物件 \n錯誤代碼:0x%x \n錯誤檔案:%s(Line:%d) \n\n", static_cast<unsigned>(dwResult),
                         s_szSourceFile, __LINE__);
        return dwResult;
    }
    m_bInitiated = FALSE;
    for (const JS_Member& member : Members()) {
        dwResult = member.control.Initiation(pDataManager, pBehaviorAnalyser);
        if (dwResult != 0) {
            ErrorLog().Print(member.szInitiationFailure, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
    }
    m_bInitiated = TRUE;
    return 0;
}

DWORD JC_ControlPerson::SetControlPerson(JC_DataComponent* pPerson)
{
    DWORD dwResult = JC_ControlPersonBase::SetControlPerson(pPerson);
    if (dwResult != 0)
        return dwResult;
    m_bPersonBound = FALSE;
    for (const JS_Member& member : Members()) {
        dwResult = member.control.SetControlPerson(pPerson);
        if (dwResult != 0) {
            ErrorLog().Print(member.szBindFailure, static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
            return dwResult;
        }
    }
    m_bPersonBound = TRUE;
    return 0;
}
