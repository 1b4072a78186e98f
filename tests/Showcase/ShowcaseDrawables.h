#pragma once

#include "GameProgram/RenderingObject/XC_RenderingObject.h"

#include <d3dx9.h>

#include <string>
#include <vector>

class XC_2DTexture;
class XC_AnimationObject;
class XC_Texture;
class XC_XFileObject;
class XI_Word;
struct XS_XFileFrame;

// Small drawables for the showcase, standing in for the game's own: each
// draws one kind of resource with its manager's own calls. Screen drawables
// place things in pixels, the origin at the screen's centre and y upwards.
class ShowcaseDrawable : public XC_RenderingObject
{
public:
    ShowcaseDrawable(const char* szName, DWORD dwCoordinateSystem);

    const char* GetName() const override { return m_strName.c_str(); }
    DWORD GetCoordinateSystem() const override { return m_dwCoordinateSystem; }
    DWORD GetRenderQueueGroup() const override { return RQG_00; }
    BOOL IsAlphaBlend() override { return FALSE; }
    BOOL CheckVisible(float* pfSortValue) override;

protected:
    // The pixel-sized orthographic view of the screen drawables, with point
    // sampling so pictures keep their exact colours.
    static void ApplyScreenView();
    static D3DXMATRIX At(float x, float y);

private:
    std::string m_strName;
    DWORD m_dwCoordinateSystem;
};

// A texture of the texture manager as its image-sized quad.
class ShowcaseTexture : public ShowcaseDrawable
{
public:
    ShowcaseTexture(XC_Texture* pTexture, float x, float y);
    void Render() override;

private:
    XC_Texture* m_pTexture;
    D3DXMATRIX m_matWorld;
};

// A picture of the 2D texture manager.
class Showcase2DTexture : public ShowcaseDrawable
{
public:
    Showcase2DTexture(XC_2DTexture* p2DTexture, float x, float y);
    void Render() override;

private:
    XC_2DTexture* m_p2DTexture;
    D3DXMATRIX m_matWorld;
};

// The pictures of an animation's first page, each in its state set.
class ShowcaseAnimation : public ShowcaseDrawable
{
public:
    ShowcaseAnimation(XC_AnimationObject* pAnimation, float x, float y);
    void Render() override;

private:
    XC_AnimationObject* m_pAnimation;
    D3DXMATRIX m_matWorld;
};

// A line of text as the font's words side by side.
class ShowcaseText : public ShowcaseDrawable
{
public:
    // Takes the words' references.
    ShowcaseText(std::vector<XI_Word*> words, float x, float y);
    ~ShowcaseText() override;
    void Render() override;

private:
    std::vector<XI_Word*> m_Words;
    float m_fX;
    float m_fY;
};

// A mesh hierarchy, lit, in the world seen through the world camera, or
// on the screen; skinned containers are skinned on the CPU every frame.
class ShowcaseMesh : public ShowcaseDrawable
{
public:
    // An animated mesh gets its own controller, set dTime seconds in.
    ShowcaseMesh(const char* szName, DWORD dwCoordinateSystem, XC_XFileObject* pXFileObj,
                 const D3DXMATRIX& matWorld, double dTime);
    ~ShowcaseMesh() override;
    void Render() override;

private:
    void UpdateFrames(XS_XFileFrame* pFrame, const D3DXMATRIX& matParent);
    void DrawFrames(XS_XFileFrame* pFrame);

    XC_XFileObject* m_pXFileObj;
    ID3DXAnimationController* m_pController = nullptr;
    D3DXMATRIX m_matWorld;
};
