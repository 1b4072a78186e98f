#include "TemplateSystem/JC_DataFile.h"

#include "TemplateSystem/JC_DataFileParser.h"
#include "TemplateSystem/JC_DebugLog.h"

namespace {

const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH_EXTENSION);

void LogFailure(int iSourceLine, const std::string& strSource, DWORD dwLine, DWORD dwResult)
{
    gp_DebugInfoObj->PrintAt(s_szSourceFile, iSourceLine, " LoadDataFile Fail. \r\n File:%s BreakLine:%u Code:0x%08x ",
                             strSource.c_str(), static_cast<unsigned>(dwLine), static_cast<unsigned>(dwResult));
}

} // namespace

DWORD JC_DataFile::Initiation(const JC_TemplateList* pTemplateList)
{
    m_bInitiated = false;
    if (pTemplateList == nullptr)
        return JE_DATAFILE_NULL_LIST;
    m_pTemplateList = pTemplateList;
    m_bInitiated = true;
    return 0;
}

DWORD JC_DataFile::SetDistributeType(DWORD dwType)
{
    if (dwType != 1 && dwType != 2)
        return JE_DATAFILE_BAD_DISTRIBUTE;
    m_dwDistributeType = dwType;
    return 0;
}

DWORD JC_DataFile::LoadDataFile(const std::string& strPath, JC_DataComponentMaker*& pManager, DWORD& dwLine,
                                JI_DataFileProgress* pProgress)
{
    dwLine = 0;
    if (!m_bInitiated)
        return JE_DATAFILE_NOT_INITIATED;
    if (pManager != nullptr)
        return JE_DATAFILE_MANAGER_SET;
    std::vector<BYTE> text;
    DWORD dwResult = JC_TextCodec::ReadText(m_Header, strPath, JE_DATAFILE_EMPTY_FILE, text);
    if (dwResult == 0)
        dwResult = ParseFrom(strPath, reinterpret_cast<const char*>(text.data()), static_cast<DWORD>(text.size()),
                             pManager, dwLine, pProgress);
    if (dwResult != 0)
        LogFailure(__LINE__, strPath, dwLine, dwResult);
    return dwResult;
}

DWORD JC_DataFile::LoadDataMemory(const BYTE* pData, DWORD dwSize, JC_DataComponentMaker*& pManager,
                                  DWORD& dwLine, JI_DataFileProgress* pProgress)
{
    dwLine = 0;
    if (!m_bInitiated)
        return JE_DATAFILE_MEMORY_NOT_INITIATED;
    if (pManager != nullptr)
        return JE_DATAFILE_MEMORY_MANAGER_SET;
    // A plain block is parsed where it lies.
    std::vector<BYTE> storage;
    std::string_view text;
    DWORD dwResult = JC_TextCodec::DecodeView(m_Header, pData, dwSize, JE_DATAFILE_MEMORY_EMPTY, storage, text);
    if (dwResult == 0)
        dwResult = ParseFrom("(memory)", text.data(), static_cast<DWORD>(text.size()), pManager, dwLine, pProgress);
    if (dwResult != 0)
        LogFailure(__LINE__, "(memory)", dwLine, dwResult);
    return dwResult;
}

DWORD JC_DataFile::Parse(const char* pData, DWORD dwSize, JC_DataComponentMaker*& pManager, DWORD& dwLine,
                         JI_DataFileProgress* pProgress)
{
    return ParseFrom("(text)", pData, dwSize, pManager, dwLine, pProgress);
}

DWORD JC_DataFile::ParseFrom(const std::string& strSource, const char* pData, DWORD dwSize,
                             JC_DataComponentMaker*& pManager, DWORD& dwLine, JI_DataFileProgress* pProgress)
{
    dwLine = 0;
    if (pData == nullptr)
        return JE_DATAFILE_NO_DATA;
    if (dwSize == 0)
        return JE_DATAFILE_DATA_EMPTY;
    if (!m_bInitiated)
        return JE_DATAFILE_MEMORY_NOT_INITIATED;
    if (pManager != nullptr)
        return JE_DATAFILE_MEMORY_MANAGER_SET;
    JC_DataFileParser parser(*this, pData, dwSize, pProgress);
    const DWORD dwResult = parser.Run(pManager, dwLine);
    for (const JC_DataFileParser::JS_Note& note : parser.GetNotes())
        gp_DebugInfoObj->PrintAt(s_szSourceFile, __LINE__, " LoadDataFile Note. \r\n File:%s Line:%u %s \r\n",
                                 strSource.c_str(), static_cast<unsigned>(note.dwLine), note.strText.c_str());
    return dwResult;
}

DWORD JC_DataFile::CreateManager(DWORD dwType, JC_DataComponentMaker*& pManager)
{
    if (pManager != nullptr)
        return JE_DATAFILE_CREATE_MANAGER_SET;
    std::unique_ptr<JC_DataComponentMaker> pNew;
    if (dwType == JC_DataComponentMaker::DISTRIBUTE_ARRAY)
        pNew = std::make_unique<JC_DataArrayManager>();
    else if (dwType == JC_DataComponentMaker::DISTRIBUTE_TREE)
        pNew = std::make_unique<JC_DataTreeManager>();
    else
        return JE_DATAFILE_CREATE_BAD_TYPE;
    const DWORD dwResult = pNew->Reset();
    if (dwResult != 0)
        return dwResult;
    pManager = pNew.release();
    return 0;
}

DWORD JC_DataFile::DeleteManager(JC_DataComponentMaker*& pManager)
{
    delete pManager;
    pManager = nullptr;
    return 0;
}

DWORD JC_DataFile::GetDistributeType() const
{
    return m_dwDistributeType;
}

const JC_TemplateList* JC_DataFile::GetTemplateList() const
{
    return m_pTemplateList;
}
