#pragma once

#include "TemplateSystem/JC_NameValueMap.h"
#include "TemplateSystem/JC_StringSegment1.h"
#include "TemplateSystem/JC_TemplateList.h"
#include "TemplateSystem/JC_TextCodec.h"
#include "TemplateSystem/JC_TextSplitter.h"

class JC_TemplateItemType;

constexpr DWORD JE_TEMPLATEREADER_NOT_INITIATED = 0x88128031;
constexpr DWORD JE_TEMPLATEREADER_NO_LIST = 0x88128032;
constexpr DWORD JE_TEMPLATEREADER_NO_FILES = 0x88128033;
constexpr DWORD JE_TEMPLATEREADER_OUT_SET = 0x88128034;
constexpr DWORD JE_TEMPLATEREADER_EMPTY_FILE = 0x88128035;
constexpr DWORD JE_TEMPLATEREADER_MEMORY_NOT_INITIATED = 0x88128061;
constexpr DWORD JE_TEMPLATEREADER_MEMORY_OUT_SET = 0x88128062;
constexpr DWORD JE_TEMPLATEREADER_MEMORY_EMPTY = 0x88128063;
constexpr DWORD JE_TEMPLATEREADER_NULL_TEXT = 0x88128101;
constexpr DWORD JE_TEMPLATEREADER_EMPTY_TEXT = 0x88128102;
constexpr DWORD JE_TEMPLATEREADER_NULL_TEMPLATE = 0x88128103;
constexpr DWORD JE_TEMPLATEREADER_VERSION_NOT_HEX = 0x88128104;
constexpr DWORD JE_TEMPLATEREADER_VERSION_OUTSIDE = 0x88128105;
constexpr DWORD JE_TEMPLATEREADER_ID_NOT_HEX = 0x88128106;
constexpr DWORD JE_TEMPLATEREADER_INCLUDE_SHARED = 0x88128107;
// Not a failure inside the reader: the line that ends the items.
constexpr DWORD JE_TEMPLATEREADER_FILE_END = 0x88128201;
constexpr DWORD JE_TEMPLATEREADER_NO_NAME = 0x88128202;
constexpr DWORD JE_TEMPLATEREADER_EMPTY_NAME = 0x88128203;
constexpr DWORD JE_TEMPLATEREADER_NAME_TOO_LONG = 0x88128204;
constexpr DWORD JE_TEMPLATEREADER_REFER_UNKNOWN = 0x88128205;
constexpr DWORD JE_TEMPLATEREADER_REFER_NOT_SPACE = 0x88128206;
constexpr DWORD JE_TEMPLATEREADER_NO_REFERBIT = 0x88128207;
constexpr DWORD JE_TEMPLATEREADER_REFERBIT_BAD = 0x88128208;
constexpr DWORD JE_TEMPLATEREADER_REFERBIT_TOO_HIGH = 0x88128209;
constexpr DWORD JE_TEMPLATEREADER_REFERBIT_TOO_WIDE = 0x8812820A;
constexpr DWORD JE_TEMPLATEREADER_REFERBIT_OVERLAP = 0x8812820B;
constexpr DWORD JE_TEMPLATEREADER_NO_TYPE = 0x88128211;
constexpr DWORD JE_TEMPLATEREADER_TYPE_UNKNOWN = 0x88128212;
constexpr DWORD JE_TEMPLATEREADER_REFER_TYPE = 0x88128213;
constexpr DWORD JE_TEMPLATEREADER_NO_TYPEEX = 0x88128214;
constexpr DWORD JE_TEMPLATEREADER_ELEMENT_UNKNOWN = 0x88128215;
constexpr DWORD JE_TEMPLATEREADER_ELEMENT_TYPE = 0x88128216;
constexpr DWORD JE_TEMPLATEREADER_SUBTEMPLATE_NOT_HEX = 0x88128217;
constexpr DWORD JE_TEMPLATEREADER_NO_RADIX = 0x88128218;
constexpr DWORD JE_TEMPLATEREADER_RADIX_NOT_TWO = 0x88128219;
constexpr DWORD JE_TEMPLATEREADER_FIRST_RADIX = 0x8812821A;
constexpr DWORD JE_TEMPLATEREADER_SECOND_RADIX = 0x8812821B;
constexpr DWORD JE_TEMPLATEREADER_NO_MINMAX = 0x88128221;
constexpr DWORD JE_TEMPLATEREADER_NO_DEFAULT = 0x88128222;
constexpr DWORD JE_TEMPLATEREADER_EDITSHOW_TWICE = 0x88128223;
constexpr DWORD JE_TEMPLATEREADER_EDITSHOW_REFER = 0x88128224;
constexpr DWORD JE_TEMPLATEREADER_EDITSHOW_TYPE = 0x88128225;
constexpr DWORD JE_TEMPLATEREADER_NO_QUOTES = 0x88128301;

// Reads template files ("*.temp", one template each, plain or scrambled with
// the "CODE" header) into templates. dwLine gives the number, from 1, of the
// last line taken, so after a failure it names the line at fault.
class JC_TemplateFileReader : public JC_StringSegment1
{
public:
    // Loads the type-name table; nothing loads before it.
    virtual DWORD Initiation();
    // Reads strFolder + strFileName into a new template; pTemplate must be
    // null on entry. A shared define table is handed to the template, which
    // then may not include define files of its own.
    virtual DWORD LoadTemplateFile(const std::string& strFolder, const std::string& strFileName,
                                   JC_DefineTable* pSharedTable, JC_Template*& pTemplate, DWORD& dwLine);
    // Empties the list and loads every "*.temp" file of the folder into it;
    // the first failure ends the loading.
    virtual DWORD LoadTemplateFolder(const std::string& strFolder, JC_TemplateList* pList,
                                     JC_DefineTable* pSharedTable, DWORD& dwLine);
    // The same as LoadTemplateFile for a file already in memory; strFolder
    // serves "@IncludeDefine".
    virtual DWORD LoadTemplateMemory(const std::string& strFolder, const BYTE* pData, DWORD dwSize,
                                     JC_DefineTable* pSharedTable, JC_Template*& pTemplate, DWORD& dwLine);
    // Parses one plain template text, head and items, into an empty template.
    virtual DWORD ReadTemplateHead(const std::string& strFolder, const char* pText, DWORD dwSize,
                                   JC_Template* pTemplate, DWORD& dwLine);
    // Parses one item line; JE_TEMPLATEREADER_FILE_END for the line that ends
    // the file.
    virtual DWORD ReadTemplateItem(std::string_view line, JC_Template* pTemplate);
    virtual DWORD DeleteTemplate(JC_Template*& pTemplate);

private:
    class Attributes;
    // The head keywords after the opening, in the order the head must give
    // them.
    enum class HeadStep
    {
        TemplateID,
        TemplateName,
        TemplateExplain,
        HeadBody,
        Items,
    };

    DWORD LoadTemplateText(const std::string& strFolder, const std::string& strSource,
                           std::string_view text, JC_DefineTable* pSharedTable,
                           JC_Template*& pTemplate, DWORD& dwLine);
    DWORD ReadHeadLine(const std::string& strFolder, std::string_view line, HeadStep& step, JC_Template& tmpl);
    static DWORD IncludeDefine(const std::string& strFolder, const std::string& strFileName,
                               JC_Template& tmpl);
    DWORD AddItem(Attributes& attributes, const std::string& strName, JC_Template& tmpl,
                  JC_TemplateItem*& pItem) const;
    static DWORD BindReferItem(Attributes& attributes, JC_TemplatePlainItem& spaceItem,
                               JC_TemplateReferItem& referItem);
    DWORD ReadType(Attributes& attributes, JC_TemplateItem& item) const;
    DWORD ReadTypeEx(Attributes& attributes, JC_TemplateItem& item) const;
    static DWORD ReadRadixes(Attributes& attributes, JC_TemplateItem& item);
    static DWORD ReadRules(Attributes& attributes, const JC_TemplateItemType& handler, JC_Template& tmpl,
                           JC_TemplateItem& item);
    static DWORD ReadEditShow(Attributes& attributes, JC_Template& tmpl, const JC_TemplateItem& item);

    bool m_bInitiated = false;
    JC_NameValueMap m_TypeNames;
    JS_CodeHeader m_Header;
};
