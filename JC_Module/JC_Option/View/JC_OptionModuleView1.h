#pragma once

#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/RenderingObject/XC_RenderPic.h"
#include "GameProgram/RenderingObject/XC_RenderString.h"
#include "JC_DataManager/Control/JC_ControlRecordInfo.h"
#include "JC_Module/JC_Option/View/JC_OptionModuleViewBase.h"

#include <memory>

constexpr DWORD JE_OPTIONMODULEVIEW1_NO_CHILD_VIEW = 0x8a321051;
constexpr DWORD JE_OPTIONMODULEVIEW1_VIEW_MODE_NOT_SUPPORT = 0x8a321301;

// The record list: 19 pages of 5 records and the two restart records, to
// save into or load from; a used record asks through the confirmation box
// (its child view) before it is overwritten.
class JC_OptionModuleView1 : public JC_OptionModuleViewBase
{
public:
    enum JE_ViewMode
    {
        VIEW_MODE_SAVE,
        VIEW_MODE_LOAD,
        VIEW_MODE_CONFIRM,
        VIEW_MODE_COUNT
    };
    enum JE_Text
    {
        TEXT_CHAPTER,
        TEXT_PART,
        TEXT_LEADER_LEVEL,
        TEXT_ROUND,
        TEXT_MONEY,
        TEXT_DATE,
        TEXT_COUNT
    };
    static const int ROWS_PER_PAGE = 5;
    static const int PAGE_COUNT = 19;
    static const int RESTART_RECORD_A = 98;
    static const int RESTART_RECORD_B = 99;
    static const DWORD EVENT_RECORD_CHOSEN = 1;

    struct JS_Row
    {
        XC_RenderPic pic;
        XC_RenderString texts[TEXT_COUNT];
    };

    ~JC_OptionModuleView1() override;

    DWORD InitiationView(JC_ControlManager* pControlManager, XC_RenderNode* pParent, JC_ModuleMouse* pModuleMouse,
                         JC_ModuleResource* pModuleResource) override;
    DWORD BuildView() override;
    DWORD UnbuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD Update() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    virtual DWORD SetChildView(JC_ModuleViewBase* pChildView);
    virtual int GetSelectRecord() const { return m_iSelectRecord; }
    virtual DWORD ReloadRecord();
    virtual DWORD NextPage();
    virtual DWORD PrevPage();
    virtual DWORD UpdateRecordList();

    int GetPage() const { return m_iPage; }
    int GetHoverRow() const { return m_iHoverRow; }
    const JS_Row& GetRow(int iRow) const { return m_Rows[iRow]; }
    XC_RenderString* GetPageText() const { return m_pPageText.get(); }
    XC_RenderString* GetRestartText(int iRecord) const;

private:
    // What a build step needs to report its item.
    struct JS_Place
    {
        float fX, fY, fZ;
    };

    JS_Place ReadPlace(const char* szName, float fRowOffset) const;
    DWORD BuildAnimation(std::unique_ptr<XC_RenderAnimation>& pItem, const char* szName, const char* szFileKey,
                         float fRowOffset);
    DWORD BuildText(XC_RenderString* pItem, const char* szName, float fRowOffset);
    DWORD BuildRow(int iRow, float fRowOffset);
    void ReportBuild(int iLine, const JS_Place& place, const std::string& strFile, DWORD dwResult) const;
    DWORD LoadRecords();
    // Rescan on opening unless system flag 28 asks otherwise.
    DWORD RescanFlag() const;
    void ShowRestart(int iRecord, const char* szLabelKey);
    void ShowRow(int iRow, BOOL bShow);
    XC_RenderAnimation* RestartButton(int iRecord) const;
    void MoveHover(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection);
    // Highlights the hit one of two buttons; TRUE when one was hit.
    BOOL HighlightPair(XC_RenderAnimation* pFirst, XC_RenderAnimation* pSecond, const D3DXVECTOR3& vOrigin,
                       const D3DXVECTOR3& vDirection);
    void SetHoverRow(int iRow);
    DWORD Press(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection);
    DWORD ChooseRow();
    DWORD ChildMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<XC_RenderAnimation> m_pTitle;
    std::unique_ptr<XC_RenderAnimation> m_pRestartA;
    std::unique_ptr<XC_RenderString> m_pRestartAText;
    std::unique_ptr<XC_RenderAnimation> m_pRestartB;
    std::unique_ptr<XC_RenderString> m_pRestartBText;
    std::unique_ptr<XC_RenderAnimation> m_pPageBk;
    std::unique_ptr<XC_RenderAnimation> m_pPrev;
    std::unique_ptr<XC_RenderAnimation> m_pNext;
    std::unique_ptr<XC_RenderString> m_pPageText;
    std::unique_ptr<XC_RenderAnimation> m_pListBars[ROWS_PER_PAGE];
    JS_Row m_Rows[ROWS_PER_PAGE];
    int m_iPage = 0;
    int m_iHoverRow = -1;
    int m_iSelectRecord = -1;
    JC_ControlRecordInfo m_RecordInfo;
    JC_ModuleViewBase* m_pChildView = nullptr;
};
