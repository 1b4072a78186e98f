#pragma once

#include "GameProgram/RenderingObject/XC_RenderXFile.h"
#include "JC_Module/JC_WorldMap/View/JC_WorldMapViewBase.h"

#include <d3dx9math.h>

#include <memory>
#include <vector>

constexpr DWORD JE_WORLDMAPVIEW1_VIEW_MODE_NOT_SUPPORT = 0x8A121031;

// One sign on a link between two places.
struct XS_PathSign
{
    D3DXVECTOR3 vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    XC_RenderXFile model;
    // 1 when both places of the link are open.
    int iShown = 0;
};

// The route signs: small models spaced evenly along every link between two
// places, shown where both places are open, laid anew whenever a script
// raises system flag 2. It takes no input and raises no event.
class JC_WorldMapView1 : public JC_WorldMapViewBase
{
public:
    // More signs than this on one link would only crowd it.
    static constexpr DWORD MAX_SIGNS_PER_LINK = 256;

    ~JC_WorldMapView1() override;

    DWORD BuildView() override;
    DWORD UnbuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    // Lays the signs anew when system flag 2 is raised.
    DWORD FrameMove(float fElapsedTime) override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    // Every sign of the map, each link taken once from its lower place ID.
    DWORD BuildPathSigns(std::vector<std::unique_ptr<XS_PathSign>>& signs);

    DWORD GetSignCount() const { return static_cast<DWORD>(m_signs.size()); }
    const XS_PathSign* GetSign(DWORD dwIndex) const { return m_signs[dwIndex].get(); }

private:
    // How many signs the link of two places gets.
    DWORD SignCount(float fLength, float fPathDS, float fPathDD) const;
    void ShowSigns(BOOL bShow);
    DWORD RebuildSigns(int iLine);

    std::vector<std::unique_ptr<XS_PathSign>> m_signs;
};
