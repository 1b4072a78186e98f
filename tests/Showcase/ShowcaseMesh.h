#pragma once

#include "tests/Showcase/ShowcaseDrawable.h"

#include <d3dx9.h>

class XC_XFileObject;
struct XS_XFileFrame;

// A mesh hierarchy, lit: in the world through the world camera and lights,
// or on the screen under the screen lights. Skinned containers are skinned
// on the CPU each time it is drawn.
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
