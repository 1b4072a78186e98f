#include "JC_DataManager/Control/JC_ControlModuleBase.h"

JC_ControlModuleBase::JC_ControlModuleBase(const JS_ModuleInfo& info) : m_Info(info)
{
}

DWORD JC_ControlModuleBase::Initiation(JC_DataManager* pDataManager)
{
    m_bReady = FALSE;
    DWORD dwResult = JC_OperatorBase::Initiation(pDataManager);
    if (dwResult != 0)
        return dwResult;
    JC_DataComponent* pRecord = GetModuleRecord(*pDataManager);
    if (pRecord == nullptr) {
        Log()->PrintAt(m_Info.szSourceFile, __LINE__, " Control%s Initiation %s Fail. \r\n ", m_Info.szModuleName,
                       m_Info.szRecordGetter);
        return m_Info.dwNoRecord;
    }
    dwResult = SetDataConponent(pRecord);
    if (dwResult != 0) {
        Log()->PrintAt(m_Info.szSourceFile, __LINE__, " Control%s Set%sDataConponent Fail. \r\n HRESULT:0x%08x \r\n",
                       m_Info.szModuleName, m_Info.szModuleName, static_cast<unsigned>(dwResult));
        return dwResult;
    }
    m_bReady = TRUE;
    return 0;
}

int JC_ControlModuleBase::GetItemDataLong(const std::string& strItemName)
{
    return ReadItem<int>(strItemName);
}

DWORD JC_ControlModuleBase::GetItemDataDword(const std::string& strItemName)
{
    return ReadItem<DWORD>(strItemName);
}

float JC_ControlModuleBase::GetItemDataFloat(const std::string& strItemName)
{
    return ReadItem<float>(strItemName);
}

std::string JC_ControlModuleBase::GetItemDataString(const std::string& strItemName)
{
    return ReadItem<std::string>(strItemName);
}

template <typename T>
T JC_ControlModuleBase::ReadItem(const std::string& strItemName)
{
    if (!m_bReady)
        return T{};
    T value{};
    const DWORD dwResult = GetItemData(strItemName, 0, &value);
    if (dwResult != 0) {
        Log()->PrintAt(m_Info.szSourceFile, __LINE__, " Control%s GetItemData Fail. \r\n ItemName:%s \r\n HRESULT:0x%08x \r\n",
                       m_Info.szModuleName, strItemName.c_str(), static_cast<unsigned>(dwResult));
        return T{};
    }
    return value;
}
