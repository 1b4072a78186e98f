#pragma once

#include "TemplateSystem/JC_DataArrayManager.h"
#include "TemplateSystem/JC_DataTreeManager.h"
#include "TemplateSystem/JC_TextCodec.h"
#include "TemplateSystem/JI_DataFileProgress.h"

constexpr DWORD JE_DATAFILE_NULL_LIST = 0x88139001;
constexpr DWORD JE_DATAFILE_BAD_DISTRIBUTE = 0x88139011;
constexpr DWORD JE_DATAFILE_NOT_INITIATED = 0x88139101;
constexpr DWORD JE_DATAFILE_MANAGER_SET = 0x88139102;
constexpr DWORD JE_DATAFILE_EMPTY_FILE = 0x88139103;
constexpr DWORD JE_DATAFILE_MEMORY_NOT_INITIATED = 0x88139201;
constexpr DWORD JE_DATAFILE_MEMORY_MANAGER_SET = 0x88139202;
constexpr DWORD JE_DATAFILE_MEMORY_EMPTY = 0x88139203;
constexpr DWORD JE_DATAFILE_NO_DATA = 0x88139301;
constexpr DWORD JE_DATAFILE_DATA_EMPTY = 0x88139302;
constexpr DWORD JE_DATAFILE_HEAD_TOO_LONG = 0x88139303;
constexpr DWORD JE_DATAFILE_VERSION_NOT_HEX = 0x88139304;
constexpr DWORD JE_DATAFILE_VERSION_OUTSIDE = 0x88139305;
constexpr DWORD JE_DATAFILE_BAD_DISTRIBUTE_TEXT = 0x88139306;
constexpr DWORD JE_DATAFILE_ID_NOT_HEX = 0x88139307;
constexpr DWORD JE_DATAFILE_SIMPLIFY_DEFAULT_TEXT = 0x88139308;
constexpr DWORD JE_DATAFILE_SIMPLIFY_DEFINE_TEXT = 0x88139309;
constexpr DWORD JE_DATAFILE_BAD_SORT_ITEM = 0x8813930A;
constexpr DWORD JE_DATAFILE_NO_QUOTES = 0x8813930B;
constexpr DWORD JE_DATAFILE_NO_TEMPLATE = 0x8813930C;
constexpr DWORD JE_DATAFILE_ORDER_REFUSED = 0x8813930D;
constexpr DWORD JE_DATAFILE_NO_COMPONENT = 0x8813930E;
constexpr DWORD JE_DATAFILE_LAYOUT_FAILED = 0x8813931F;
constexpr DWORD JE_DATAFILE_NO_SUB_ITEM = 0x88139311;
// The data end before "[FileEnd]": the file is cut short.
constexpr DWORD JE_DATAFILE_TRUNCATED = 0x88139312;
// "@StartSub" blocks nest deeper than JC_DataComponent::MAX_NESTING.
constexpr DWORD JE_DATAFILE_NESTED_TOO_DEEP = 0x88139313;
// An item value refused with a code that has no failure bit (a real number
// without its "F").
constexpr DWORD JE_DATAFILE_VALUE_REFUSED = 0x88139314;
// A second block of an order already read: its layout would wipe the first.
constexpr DWORD JE_DATAFILE_ORDER_REPEATED = 0x88139315;
constexpr DWORD JE_DATAFILE_CREATE_MANAGER_SET = 0x88139401;
constexpr DWORD JE_DATAFILE_CREATE_BAD_TYPE = 0x88139402;

// The object through which a data manager reads its ARRAY and TREE data
// files: it lays components out by the template list it is given, reads a
// file or a memory block (plain or "CODE" scrambled), and parses it into a
// new component manager, which the caller owns and gives back to
// DeleteManager.
class JC_DataFile
{
public:
    JC_DataFile() = default;
    virtual ~JC_DataFile() = default;
    JC_DataFile(const JC_DataFile&) = delete;
    JC_DataFile& operator=(const JC_DataFile&) = delete;

    virtual DWORD Initiation(const JC_TemplateList* pTemplateList);
    // 2 skips item lines that name no item of the component's template; 1
    // fails the parse on them.
    virtual DWORD SetDistributeType(DWORD dwType);
    // pManager must be null on entry; dwLine gives the number, from 1, of the
    // last line taken, so after a failure it names the line at fault.
    virtual DWORD LoadDataFile(const std::string& strPath, JC_DataComponentMaker*& pManager, DWORD& dwLine,
                               JI_DataFileProgress* pProgress);
    virtual DWORD LoadDataMemory(const BYTE* pData, DWORD dwSize, JC_DataComponentMaker*& pManager,
                                 DWORD& dwLine, JI_DataFileProgress* pProgress);
    // Parses a plain data file text.
    virtual DWORD Parse(const char* pData, DWORD dwSize, JC_DataComponentMaker*& pManager, DWORD& dwLine,
                        JI_DataFileProgress* pProgress);
    virtual DWORD CreateManager(DWORD dwType, JC_DataComponentMaker*& pManager);
    virtual DWORD DeleteManager(JC_DataComponentMaker*& pManager);

    DWORD GetDistributeType() const;
    const JC_TemplateList* GetTemplateList() const;

private:
    // The parse, with what it read but let pass (an item the template lacks,
    // a record without "@End") logged against the source named.
    DWORD ParseFrom(const std::string& strSource, const char* pData, DWORD dwSize, JC_DataComponentMaker*& pManager,
                    DWORD& dwLine, JI_DataFileProgress* pProgress);

    bool m_bInitiated = false;
    DWORD m_dwDistributeType = 2;
    const JC_TemplateList* m_pTemplateList = nullptr;
    JS_CodeHeader m_Header;
};
