#pragma once

#include "GameProgram/Common/XC_PtrArrayList.h"
#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <windows.h>
#include <d3dx9math.h>

class XI_Word;

// A text shown as glyph quads: one word per character (two bytes when the
// first is above 127), per written "\n" and per inline picture, placed along
// a write direction, optionally broken into lines, aligned, tinted, framed
// and shadowed. At most the shown-word count of words are drawn.
class XC_RenderString : public XC_RenderingObject
{
public:
    // One placed word: its glyph (a counted reference), colour and position.
    class XC_RenderWord
    {
    public:
        XC_RenderWord(XI_Word* pWordObj, DWORD dwWordColor);
        XC_RenderWord(const XC_RenderWord& source);
        XC_RenderWord& operator=(const XC_RenderWord&) = delete;
        virtual ~XC_RenderWord();

        DWORD dwColor;
        D3DXVECTOR3 vPosition;
        XI_Word* pWord;
    };

    XC_RenderString();
    ~XC_RenderString() override;

    XC_RenderingObject* Duplicate() override;
    HRESULT LoadFromTextNode(XC_TextNode* pTNode) override;
    HRESULT AnalyzeScriptToken(XC_Strtok& StrtokObj) override;
    void DrawObject() override;
    BOOL IsInFrustum(const XC_Frustum* pFrustumObj) override;

    virtual HRESULT CopyRenderString(XC_RenderString* pSource);
    virtual HRESULT AnalyzeStringToken(XC_Strtok& StrtokObj);
    virtual HRESULT SetString(const char* szString, DWORD dwColor);
    virtual HRESULT AddString(const char* szString, DWORD dwColor);
    // With inline commands between two '#': "Color" and "PicWord".
    virtual HRESULT SetStringEx(const char* szData, DWORD dwColor);
    virtual HRESULT AddStringEx(const char* szData, DWORD dwColor);
    virtual HRESULT AddWord(XI_Word* pTextureWordObj, DWORD dwColor);
    virtual HRESULT AddPicWord(const char* szTextureName, int iWidth, int iHeight, DWORD dwPicWordColor);
    virtual HRESULT ClearString();
    virtual void SetAligeText(DWORD dwAlign);
    virtual DWORD GetAligeText() const;
    virtual void SetInterval(float fInterval);
    virtual float GetInterval() const;
    virtual void SetWriteDir(float fX, float fY, float fZ);
    virtual void SetWriteDir(const D3DXVECTOR3* pWriteDir);
    virtual const D3DXVECTOR3* GetWriteDir() const;
    virtual void SetAutoLineFeed(BOOL bAutoLineFeed);
    virtual void SetLineMaxLength(float fLineMaxLength);
    virtual void SetLineInterval(float fLineInterval);
    virtual void SetLineFeedDir(float fX, float fY, float fZ);
    virtual void SetLineFeedDir(const D3DXVECTOR3* pLineFeedDir);
    virtual BOOL GetAutoLineFeed() const;
    virtual float GetLineMaxLength() const;
    virtual float GetLineInterval() const;
    virtual const D3DXVECTOR3* GetLineFeedDir() const;
    virtual void SetRenderFontFrame(BOOL bRenderFontFrame);
    virtual BOOL GetRenderFontFrame() const;
    virtual void SetRenderShadow(BOOL bRenderShadow);
    virtual void SetShadowPositionX(float fX);
    virtual void SetShadowPositionY(float fY);
    virtual BOOL GetRenderShadow() const;
    virtual float GetShadowPositionX() const;
    virtual float GetShadowPositionY() const;
    virtual void DrawFontFrame(XI_Word* pWord, const D3DXMATRIX* pMatrix);
    virtual void DrawShadow(XI_Word* pWord, const D3DXMATRIX* pMatrix);
    virtual void LayoutWords();
    virtual void LayoutLine();
    virtual void LayoutLines();
    virtual void SetShowWordCount(DWORD dwShowWordCount);
    virtual DWORD GetShowWordCount() const;
    virtual DWORD GetWordCount() const;

    // The layout of words appended since the last read is made here.
    const XC_RenderWord* GetRenderWord(DWORD dwIndex);
    const D3DXVECTOR3* GetCenter();
    float GetRadius();

private:
    // The text (and, with bWithColor, the colour) of a string command, handed on.
    HRESULT TakeString(XC_Strtok& StrtokObj, bool bWithColor,
                       HRESULT (XC_RenderString::*pStringCommand)(const char*, DWORD));
    // Three numbers of a direction command, handed on.
    HRESULT TakeDirection(XC_Strtok& StrtokObj, void (XC_RenderString::*pSetDirection)(float, float, float));

    // Appends lay the words out when they are next read or drawn, so a
    // text built by many appends is laid out once, not once per append.
    void LayoutIfStale();

    // Runs one inline command of AddStringEx; the colour command changes *pdwColor.
    void RunInlineCommand(const char* szCommand, DWORD* pdwColor);
    // The glyph drawn once more, black, at an offset from its place.
    void DrawBlackCopy(XI_Word* pWord, const D3DXMATRIX* pMatrix, const D3DXVECTOR3& vOffset, bool bOffsetOnScreen);

    DWORD m_dwAligeText;
    D3DXVECTOR3 m_vecWriteDir;
    float m_fInterval;
    BOOL m_bAutoLineFeed;
    float m_fLineMaxLength;
    float m_fLineInterval;
    D3DXVECTOR3 m_vecLineFeedDir;
    XC_PtrArrayList<XC_RenderWord> m_PAL_RenderWord;
    D3DXVECTOR3 m_vecCenter;
    float m_fRadius;
    bool m_bLayoutStale = false;
    BOOL m_bRenderFontFrame;
    BOOL m_bRenderShadow;
    float m_fShadowPositionX;
    float m_fShadowPositionY;
    D3DXMATRIX m_matWork;
    DWORD m_dwShowWordCount;
};
