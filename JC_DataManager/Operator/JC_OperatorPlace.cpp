#include "JC_DataManager/Operator/JC_OperatorPlace.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

} // namespace

JC_OperatorPlace::JC_OperatorPlace() : JC_OperatorBase(DATACOMPONENTKIND_PLACE)
{
}

DWORD JC_OperatorPlace::GetCanGoPlaceCount()
{
    DWORD dwResult = 0;
    const JC_DWordArray* pPlaces = GetSpace<JC_DWordArray>("CanGoPlace", dwResult);
    if (pPlaces == nullptr) {
        Log()->Print("取得據點的 CanGoPlace欄位 發生錯誤 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return 0;
    }
    return static_cast<DWORD>(pPlaces->size());
}

DWORD JC_OperatorPlace::GetPlazaPasserCount()
{
    DWORD dwResult = 0;
    const JC_StringArray* pNames = GetSpace<JC_StringArray>("PlazaPasserName", dwResult);
    if (pNames == nullptr) {
        Log()->Print("取得據點的 PlazaPasserName 欄位 發生錯誤 \n錯誤代碼:0X%x \n錯誤檔案:%s(Line:%d) \n\n",
                     static_cast<unsigned>(dwResult), s_szSourceFile, __LINE__);
        return 0;
    }
    return static_cast<DWORD>(pNames->size());
}

void JC_OperatorPlace::SetPlazaPasser(DWORD dwIndex, const std::string& strName, const std::string& strScript)
{
    SetPlazaPasserName(dwIndex, strName);
    SetPlazaPasserScript(dwIndex, strScript);
}
