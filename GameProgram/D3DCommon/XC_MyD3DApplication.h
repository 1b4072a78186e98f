#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/D3DCommon/XC_D3DApplication.h"

class XC_TextNode;
class XC_TextTree;
class XI_PackFile;

// The configured application: turns the frame's hooks into the engine's
// start-up and shut-down. It reads the engine configuration as a text tree,
// fills the global variable block, creates the cameras, the lights, the pack
// files and the resource managers, and finishes them in a fixed order. Each
// step is a virtual operation of its own, so the game can replace single steps.
class XC_MyD3DApplication : public XC_D3DApplication
{
public:
    XC_MyD3DApplication();
    ~XC_MyD3DApplication() override;

    LRESULT MsgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    virtual HRESULT InitGlobal(XC_TextTree* pTextTree);
    virtual HRESULT InitGlobalObject(XC_TextTree* pTextTree);
    virtual HRESULT InitCameraAndLight();
    virtual HRESULT FiniGlobal();
    virtual HRESULT FiniGlobalObject();
    virtual HRESULT GetGlobalObjectIni(XC_TextTree* pTextTree);
    virtual HRESULT InitPackFile(const char* szPath);
    virtual HRESULT InitSoundManager(XC_TextNode* pTNode);
    virtual HRESULT InitTextureManager(XC_TextNode* pTNode);
    virtual HRESULT Init2DTextureManager(XC_TextNode* pTNode);
    virtual HRESULT InitEffectManager(XC_TextNode* pTNode);
    virtual HRESULT InitD3DFont(XC_TextNode* pTNode);
    virtual HRESULT InitAnimationManager(XC_TextNode* pTNode);
    virtual HRESULT InitXFileManager(XC_TextNode* pTNode);
    virtual HRESULT FiniPackFile();
    virtual HRESULT FiniSoundManager();
    virtual HRESULT FiniTextureManager();
    virtual HRESULT Fini2DTextureManager();
    virtual HRESULT FiniEffectManager();
    virtual HRESULT FiniD3DFont();
    virtual HRESULT FiniAnimationManager();
    virtual HRESULT FiniXFileManager();
    // The pack file of a configuration section: one "szPath" leaf gives its
    // pack, several give a multi pack searched in the leaves' order.
    virtual XI_PackFile* GetPackFileFromNode(XC_TextNode* pTNode);
    virtual HRESULT ReleaseMultiPackFile();
    virtual void SetBackgroundColor(DWORD dwColor);
    virtual DWORD GetBackgroundColor() const;

    const char* GetGamePath() const { return m_szGamePath; }

protected:
    HRESULT InitDeviceObjects() override;
    HRESULT RestoreDeviceObjects() override;
    HRESULT DeleteDeviceObjects() override;
    HRESULT FrameMove() override;
    HRESULT Render() override;
    HRESULT FinalCleanup() override;

    // The step timers and cameras advance by: the frame's elapsed time, at
    // most 0.04 s.
    float GetFrameStep();
    // The pack file of a manager's section; a missing one is reported.
    XI_PackFile* SectionPackFile(XC_TextNode* pTNode);

    XC_PtrArrayList<XI_PackFile> m_PackFileList;
    DWORD m_dwBackgroundColor = 0xFFFFFFFF;
    char m_szGamePath[MAX_PATH] = {};
};
