#include "TemplateSystem/JC_DataComponentMaker.h"

#include "TemplateSystem/JF_FileWrite.h"

#include <cstdio>
#include <ctime>

namespace {

const char* BoolText(bool bValue)
{
    return bValue ? "TRUE" : "FALSE";
}

std::string Quoted(const char* szKeyword, const std::string& strValue)
{
    return std::string(szKeyword) + '"' + strValue + "\"\r\n";
}

std::string HexText(DWORD dwValue)
{
    char szText[16];
    std::snprintf(szText, sizeof(szText), "H%08x", static_cast<unsigned>(dwValue));
    return szText;
}

// The notes for the data designers that a full file begins with.
std::string NoteText()
{
    char szText[512];
    std::string strText = "\r\n";
    std::snprintf(szText, sizeof(szText), "//!注意1.資料必須在 %s 之後 開始設定 在 %s 之後結束(停止分析)\r\n",
                  "[File]", "[FileEnd]");
    strText += szText;
    std::snprintf(szText, sizeof(szText), "//!注意2.目前規定每一資料元件(一組資料) 都在 %s 及 %s 之中設定\r\n",
                  "@Start", "@End");
    strText += szText;
    strText += "//!注意3.目前規定每一個欄位(Item)必須單獨一行 請勿多個欄位一行 無法預測的結果\r\n";
    strText += "//!      因為我資料擷取採用 最前即最後的雙引號 所以我允許資料中包含雙引號符號\r\n";
    return strText;
}

// The local time as asctime writes it, with its LF.
std::string DateText()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* pLocal = std::localtime(&now);
    const char* szDate = pLocal != nullptr ? std::asctime(pLocal) : nullptr;
    return szDate != nullptr ? szDate : "\n";
}

} // namespace

JC_DataComponentMaker::JC_DataComponentMaker(DWORD dwDistributeType)
    : m_dwDistributeType(dwDistributeType)
{
}

JC_DataComponentMaker::~JC_DataComponentMaker()
{
    // The templates belong to the template manager's list.
    m_TemplateList.Clear();
}

DWORD JC_DataComponentMaker::Reset()
{
    m_TemplateList.Clear();
    m_KeyedIndex.Reset();
    return ClearAll();
}

DWORD JC_DataComponentMaker::GetDistributeType() const
{
    return m_dwDistributeType;
}

DWORD JC_DataComponentMaker::NewComponent(JC_DataComponent*& pComponent) const
{
    pComponent = new JC_DataComponent();
    return 0;
}

DWORD JC_DataComponentMaker::CreateComponent(DWORD dwTemplateID, JC_DataComponent*& pComponent) const
{
    pComponent = nullptr;
    JC_Template* pTemplate = nullptr;
    if (m_TemplateList.FindTemplateByID(dwTemplateID, pTemplate) != 0)
        return JE_MAKER_NO_TEMPLATE;
    auto pNew = std::make_unique<JC_DataComponent>();
    const DWORD dwResult = pNew->Create(&m_TemplateList, pTemplate);
    if (dwResult != 0)
        return dwResult;
    pComponent = pNew.release();
    return 0;
}

DWORD JC_DataComponentMaker::FreeComponent(JC_DataComponent*& pComponent) const
{
    delete pComponent;
    pComponent = nullptr;
    return 0;
}

JC_TemplateList& JC_DataComponentMaker::GetTemplateList()
{
    return m_TemplateList;
}

const JC_TemplateList& JC_DataComponentMaker::GetTemplateList() const
{
    return m_TemplateList;
}

JC_ComponentIndex& JC_DataComponentMaker::GetKeyedIndex()
{
    return m_KeyedIndex;
}

const JC_ComponentIndex& JC_DataComponentMaker::GetKeyedIndex() const
{
    return m_KeyedIndex;
}

void JC_DataComponentMaker::ForgetComponent(const JC_DataComponent* pComponent)
{
    if (m_KeyedIndex.IsInitiated())
        m_KeyedIndex.RemoveComponent(pComponent);
}

DWORD JC_DataComponentMaker::ComposeFile(bool bSimplifyDefault, bool bSimplifyDefine,
                                         const std::vector<const JC_DataComponent*>& components,
                                         const std::vector<std::string>& orderTexts, std::string& strFile) const
{
    strFile = HeadText(bSimplifyDefault, bSimplifyDefine);
    for (size_t i = 0; i < components.size(); ++i) {
        const DWORD dwResult =
            components[i]->WriteComponent(strFile, false, orderTexts[i], bSimplifyDefault, bSimplifyDefine);
        if (dwResult != 0)
            return dwResult;
    }
    strFile += "[FileEnd]\r\n";
    return 0;
}

DWORD JC_DataComponentMaker::WriteFile(const std::string& strPath, const std::string& strFile, DWORD dwCannotWrite)
{
    return JF_WriteFile(strPath, strFile) ? 0 : dwCannotWrite;
}

std::string JC_DataComponentMaker::HeadText(bool bSimplifyDefault, bool bSimplifyDefine) const
{
    std::string strText = bSimplifyDefault ? std::string() : NoteText();
    strText += "//!最後更新日期 " + DateText() + "\r\n\r\n";
    strText += "\r\n\r\n[File]\r\n[Head]\r\n";
    strText += Quoted("@Version", HexText(0x80000));
    strText += Quoted("@Distribute", m_dwDistributeType == DISTRIBUTE_TREE ? "TREE" : "ARRAY");
    for (DWORD i = 0; i < m_TemplateList.GetCount(); ++i) {
        JC_Template* pTemplate = nullptr;
        m_TemplateList.GetTemplateAt(i, pTemplate);
        strText += Quoted("@UseTemplateID", HexText(pTemplate->GetTemplateID()));
    }
    strText += Quoted("@SortItem", m_KeyedIndex.GetKeyItemName());
    strText += Quoted("@IsSimplifyDefault", BoolText(bSimplifyDefault));
    strText += Quoted("@IsSimplifyDefine", BoolText(bSimplifyDefine));
    strText += "[HeadEnd]\r\n\r\n\r\n";
    return strText;
}
