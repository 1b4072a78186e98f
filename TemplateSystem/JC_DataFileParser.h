#pragma once

#include "TemplateSystem/JC_DataFile.h"
#include "TemplateSystem/JC_FileOpening.h"

#include <optional>

// One parse of a data file's text: the head, then the blocks of the
// components, into a new component manager of the file's distribution.
class JC_DataFileParser
{
public:
    JC_DataFileParser(JC_DataFile& dataFile, const char* pData, DWORD dwSize, JI_DataFileProgress* pProgress);

    // What a parse lets pass but a designer should hear of.
    struct JS_Note
    {
        DWORD dwLine;
        std::string strText;
    };
    // At most this many notes are kept; a note then says how many more.
    static constexpr size_t MAX_NOTES = 32;

    // Hands the manager out only when the text was read up to "[FileEnd]".
    DWORD Run(JC_DataComponentMaker*& pManager, DWORD& dwLine);
    const std::vector<JS_Note>& GetNotes() const { return m_Notes; }

private:
    // Where the head after its opening or a block stands; the numbers the
    // file format gives.
    enum HeadState : DWORD
    {
        HEAD_END = 3,
        HEAD_DISTRIBUTE = 5,
        HEAD_TEMPLATES = 6,
        HEAD_SIMPLIFY_DEFAULT = 8,
        HEAD_SIMPLIFY_DEFINE = 9,
        HEAD_DONE = 100,
    };
    enum BlockState : DWORD
    {
        BLOCK_START = 10,
        BLOCK_ITEMS = 11,
        BLOCK_SUB_ITEMS = 13,
        BLOCK_TEMPLATE = 14,
        BLOCK_ORDER = 15,
    };
    struct JS_DataBlockState
    {
        DWORD dwState = BLOCK_START;
        const JC_Template* pTemplate = nullptr;
        JC_DataComponent* pComponent = nullptr;
        // The plain item the last item line set.
        const JC_TemplateItem* pLastItem = nullptr;
        // The item a sub-record's block fills.
        std::string strSubName;
        // The VECTOR item the last element line set, and that element.
        const JC_TemplateItem* pVectorItem = nullptr;
        DWORD dwVectorIndex = 0;
    };
    struct JS_BodyLine;

    void StartProgress();
    // Reads the head from dwPosition and leaves it at the body's first line.
    DWORD ReadHead(DWORD& dwPosition, DWORD& dwLine);
    // Tells the progress reporter; the head must end within its line limit.
    DWORD TakeHeadLine(DWORD dwLine) const;
    // Reads the line at dwPosition and moves it to the next line; pManager
    // is set when the body ends.
    DWORD ReadNextBodyLine(DWORD& dwPosition, DWORD& dwLine, JC_DataComponentMaker*& pManager);
    DWORD ReadHeadLine(std::string_view line);
    DWORD StartBody();
    DWORD FinishBody(JC_DataComponentMaker*& pManager);
    DWORD ReadBodyLine(const JS_BodyLine& body);
    DWORD ReadBlockTemplate(std::string_view line);
    DWORD ReadBlockOrder(std::string_view line);
    DWORD StartSubBlock(std::string_view line);
    void EndSubBlock(std::string_view line);
    DWORD ReadItemLine(const JS_BodyLine& body);
    const JC_TemplateItem* FindBlockItem(const std::string_view& name);
    // The TREE nodes an order would add; a parse makes no more than its
    // bytes allow.
    DWORD CountMissingNodes(const JC_DataOrder& order) const;
    void Note(std::string strText);
    // An element line of a VECTOR that repeats or goes back to an element
    // its lines already set: the later value would win, silently.
    void NoteElementOrder(const JC_TemplateItem& item, std::string_view text, std::string_view line);

    JC_DataFile& m_DataFile;
    const char* const m_pData;
    const DWORD m_dwSize;
    JI_DataFileProgress* const m_pProgress;

    JC_FileOpening m_Opening;
    DWORD m_dwHeadState = HEAD_DISTRIBUTE;
    DWORD m_dwDistributeType = 0;
    std::vector<DWORD> m_TemplateIDs;
    std::string m_strSortItem;
    std::unique_ptr<JC_DataComponentMaker> m_pManagerObj;
    std::optional<JS_DataBlockState> m_Block;
    std::vector<JS_DataBlockState> m_SavedBlocks;
    DWORD m_dwNodesMade = 0;
    // The order of the block being read, kept so that its storage serves
    // every block.
    JC_DataOrder m_Order;
    DWORD m_dwLine = 0;
    std::vector<JS_Note> m_Notes;
    size_t m_NotesLeftOut = 0;
};
