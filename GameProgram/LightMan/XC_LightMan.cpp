#include "GameProgram/LightMan/XC_LightMan.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"

#include <cstring>
#include <string>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

XC_LightMan* g_pActiveLightMan = nullptr;

namespace {

// Bulbs 0 to 5 are saved and loaded; 6 and 7 are set up by code only.
const DWORD SAVED_BULB_COUNT = 6;

// The float values of a bulb in file order. The names carry the blanks that
// line the values up in the file; the reader trims them.
const struct
{
    const char* szName;
    float XC_LightBulb::*pField;
} BULB_FLOATS[] = {
    {"fDiffuseRed    ", &XC_LightBulb::fDiffuseRed},
    {"fDiffuseGreen  ", &XC_LightBulb::fDiffuseGreen},
    {"fDiffuseBlue   ", &XC_LightBulb::fDiffuseBlue},
    {"fSpecularRed   ", &XC_LightBulb::fSpecularRed},
    {"fSpecularGreen ", &XC_LightBulb::fSpecularGreen},
    {"fSpecularBlue  ", &XC_LightBulb::fSpecularBlue},
    {"fAmbientRed    ", &XC_LightBulb::fAmbientRed},
    {"fAmbientGreen  ", &XC_LightBulb::fAmbientGreen},
    {"fAmbientBlue   ", &XC_LightBulb::fAmbientBlue},
    {"fPositionX     ", &XC_LightBulb::fPositionX},
    {"fPositionY     ", &XC_LightBulb::fPositionY},
    {"fPositionZ     ", &XC_LightBulb::fPositionZ},
    {"fLightYaw      ", &XC_LightBulb::fLightYaw},
    {"fLightPitch    ", &XC_LightBulb::fLightPitch},
    {"fRange         ", &XC_LightBulb::fRange},
    {"fFalloff       ", &XC_LightBulb::fFalloff},
    {"fAttenuation0  ", &XC_LightBulb::fAttenuation0},
    {"fAttenuation1  ", &XC_LightBulb::fAttenuation1},
    {"fAttenuation2  ", &XC_LightBulb::fAttenuation2},
    {"fTheta         ", &XC_LightBulb::fTheta},
    {"fPhi           ", &XC_LightBulb::fPhi},
};

std::string TrimRight(const char* szName)
{
    std::string strName(szName);
    strName.erase(strName.find_last_not_of(' ') + 1);
    return strName;
}

DWORD FloatBits(float fValue)
{
    DWORD dwBits = 0;
    std::memcpy(&dwBits, &fValue, sizeof(dwBits));
    return dwBits;
}

// A 0 to 255 colour part times the brightness. Past 255 the part stays at
// full strength instead of wrapping round to a dark value.
DWORD ScaleColorPart(DWORD dwPart, float fBrightness)
{
    if (!(fBrightness > 0.0f))
        return 0;
    const float fScaled = static_cast<float>(dwPart) * fBrightness;
    return fScaled >= 255.0f ? 255 : static_cast<DWORD>(fScaled);
}

D3DCOLORVALUE ScaleColor(const D3DCOLORVALUE& Color, float fBrightness)
{
    return {Color.r * fBrightness, Color.g * fBrightness, Color.b * fBrightness, Color.a};
}

void SaveBulb(const XC_LightBulb& LightBulb, XC_TextNode* pTNode)
{
    pTNode->AddLeaf("bEnable        ", static_cast<int>(LightBulb.bEnable));
    pTNode->AddLeaf("dwLightType    ", static_cast<int>(LightBulb.dwLightType));
    for (const auto& leaf : BULB_FLOATS)
        pTNode->AddLeaf(leaf.szName, LightBulb.*leaf.pField);
}

// Every value a node lacks reads as 0.
void LoadBulb(const XC_TextNode* pTNode, XC_LightBulb* pLightBulb)
{
    pLightBulb->bEnable = pTNode->GetDword("bEnable", 0);
    pLightBulb->dwLightType = pTNode->GetDword("dwLightType", 0);
    for (const auto& leaf : BULB_FLOATS)
        pLightBulb->*leaf.pField = pTNode->GetFloat(TrimRight(leaf.szName).c_str(), 0.0f);
}

// A light with no attenuation at all would be attenuated to nothing. A bulb
// of kind 3 keeps its values as read.
void FixAttenuation(XC_LightBulb* pLightBulb)
{
    const DWORD KEPT_LIGHT_TYPE = 3;
    if (pLightBulb->dwLightType == KEPT_LIGHT_TYPE)
        return;
    if (XF_FloatEqual(pLightBulb->fAttenuation0, 0.0f) && XF_FloatEqual(pLightBulb->fAttenuation1, 0.0f)
        && XF_FloatEqual(pLightBulb->fAttenuation2, 0.0f))
        pLightBulb->fAttenuation0 = 1.0f;
}

} // namespace

XC_LightMan::XC_LightMan()
    : m_fBrightness(1.0f)
    , m_bChanged(FALSE)
    , m_dwAmbientColor(0)
    , AmbientLight_Red(0)
    , AmbientLight_Green(0)
    , AmbientLight_Blue(0)
    , m_fFogOffset(0.0f)
    , bFogEnable(0)
    , dwFogColor(0)
    , fFogStartValue(1.0f)
    , fFogEndValue(100.0f)
{
}

XC_LightMan::~XC_LightMan()
{
    if (g_pActiveLightMan == this)
        g_pActiveLightMan = nullptr;
}

void XC_LightMan::Activate()
{
    if (g_pActiveLightMan == this && !m_bChanged)
        return;
    // The active light man's states come off first; that is this one too
    // when it changed, so that its set is applied again with the new values.
    if (g_pActiveLightMan != nullptr)
        g_pActiveLightMan->m_SetDirectState.Deactivate();
    g_pActiveLightMan = this;
    m_bChanged = FALSE;
    WriteLights();
    WriteAmbient();
    WriteFog();
    m_SetDirectState.Activate();
}

void XC_LightMan::WriteLights() const
{
    IDirect3DDevice9* const pD3DDevice = g_pVar->g_pD3DDevice;
    if (pD3DDevice == nullptr) {
        XM_REPORT_FAILED("g_pVar->g_pD3DDevice");
        return;
    }
    for (DWORD i = 0; i < XD_LightBulbMax; ++i) {
        const XC_LightBulb& LightBulb = m_LightBulbs[i];
        if (!LightBulb.bEnable) {
            pD3DDevice->LightEnable(i, FALSE);
            continue;
        }
        pD3DDevice->LightEnable(i, TRUE);
        if (m_fBrightness == 1.0f) {
            pD3DDevice->SetLight(i, &LightBulb.m_D3DLight);
            continue;
        }
        D3DLIGHT9 Light = LightBulb.m_D3DLight;
        Light.Diffuse = ScaleColor(Light.Diffuse, m_fBrightness);
        Light.Specular = ScaleColor(Light.Specular, m_fBrightness);
        Light.Ambient = ScaleColor(Light.Ambient, m_fBrightness);
        pD3DDevice->SetLight(i, &Light);
    }
}

void XC_LightMan::WriteAmbient()
{
    D3DCOLOR dwAmbient = m_dwAmbientColor;
    if (m_fBrightness != 1.0f) {
        dwAmbient = (ScaleColorPart(AmbientLight_Red, m_fBrightness) << 16)
                  | (ScaleColorPart(AmbientLight_Green, m_fBrightness) << 8)
                  | ScaleColorPart(AmbientLight_Blue, m_fBrightness);
    }
    m_SetDirectState.SetRenderState(D3DRS_AMBIENT, dwAmbient);
}

void XC_LightMan::WriteFog()
{
    m_SetDirectState.SetRenderState(D3DRS_FOGENABLE, bFogEnable);
    m_SetDirectState.SetRenderState(D3DRS_FOGCOLOR, dwFogColor);
    m_SetDirectState.SetRenderState(D3DRS_FOGSTART, FloatBits(fFogStartValue + m_fFogOffset));
    m_SetDirectState.SetRenderState(D3DRS_FOGEND, FloatBits(fFogEndValue + m_fFogOffset));
    m_SetDirectState.SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
    m_SetDirectState.SetRenderState(D3DRS_FOGVERTEXMODE, D3DFOG_LINEAR);
    m_SetDirectState.SetRenderState(D3DRS_RANGEFOGENABLE, FALSE);
}

void XC_LightMan::SetDirty()
{
    m_bChanged = TRUE;
}

void XC_LightMan::SetBrightness(float fBrightness)
{
    m_fBrightness = fBrightness;
    m_bChanged = TRUE;
}

float XC_LightMan::GetBrightness() const
{
    return m_fBrightness;
}

void XC_LightMan::SetLightBulb(DWORD dwLightInx, const XC_LightBulb& LightBulb)
{
    if (dwLightInx >= XD_LightBulbMax) {
        XM_REPORT_FAILED("dwLightInx < XD_LightBulbMax");
        return;
    }
    m_LightBulbs[dwLightInx] = LightBulb;
    m_LightBulbs[dwLightInx].BuildLight();
    m_bChanged = TRUE;
}

void XC_LightMan::EnableLightBulb(DWORD dwLightInx, BOOL bEnable)
{
    if (dwLightInx >= XD_LightBulbMax) {
        XM_REPORT_FAILED("dwLightInx < XD_LightBulbMax");
        return;
    }
    m_LightBulbs[dwLightInx].bEnable = bEnable;
    m_bChanged = TRUE;
}

void XC_LightMan::ResetLightBulbs()
{
    for (XC_LightBulb& LightBulb : m_LightBulbs) {
        LightBulb = XC_LightBulb();
        LightBulb.bEnable = FALSE;
    }
    m_bChanged = TRUE;
}

void XC_LightMan::SetFogOffset(float fFogOffset)
{
    m_fFogOffset = fFogOffset;
    m_bChanged = TRUE;
}

DWORD XC_LightMan::GetFogColor() const
{
    return dwFogColor;
}

void XC_LightMan::SaveToNode(XC_TextNode* pTNode) const
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return;
    }
    pTNode->AddLeaf("AmbientLight_Red  ", static_cast<int>(AmbientLight_Red));
    pTNode->AddLeaf("AmbientLight_Green", static_cast<int>(AmbientLight_Green));
    pTNode->AddLeaf("AmbientLight_Blue ", static_cast<int>(AmbientLight_Blue));
    pTNode->AddLeaf("bFogEnable        ", static_cast<int>(bFogEnable));
    pTNode->AddLeaf("dwFogColor        ", static_cast<int>(dwFogColor));
    pTNode->AddLeaf("fFogStartValue    ", fFogStartValue);
    pTNode->AddLeaf("fFogEndValue      ", fFogEndValue);
    for (DWORD i = 0; i < SAVED_BULB_COUNT; ++i) {
        XC_TextNode* const pBulbNode = pTNode->AddNode(XF_FormatText("[LightBulb%lu]", i));
        if (pBulbNode == nullptr) {
            XM_REPORT_FAILED("pBulbNode");
            return;
        }
        SaveBulb(m_LightBulbs[i], pBulbNode);
    }
}

int XC_LightMan::LoadFromNode(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return 0;
    }
    AmbientLight_Red = pTNode->GetDword("AmbientLight_Red", 0) & 0xFF;
    AmbientLight_Green = pTNode->GetDword("AmbientLight_Green", 0) & 0xFF;
    AmbientLight_Blue = pTNode->GetDword("AmbientLight_Blue", 0) & 0xFF;
    m_dwAmbientColor = (AmbientLight_Red << 16) | (AmbientLight_Green << 8) | AmbientLight_Blue;
    bFogEnable = pTNode->GetDword("bFogEnable", 0);
    dwFogColor = pTNode->GetDword("dwFogColor", 0);
    fFogStartValue = pTNode->GetFloat("fFogStartValue", 0.0f);
    fFogEndValue = pTNode->GetFloat("fFogEndValue", 0.0f);

    // Bulbs are the child nodes by position; a node with fewer children
    // leaves the rest as new bulbs.
    if (static_cast<DWORD>(pTNode->GetChildNodeCount()) > SAVED_BULB_COUNT) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("[LightMan] holds %d bulbs , those past %lu are ignored", pTNode->GetChildNodeCount(),
                                     static_cast<unsigned long>(SAVED_BULB_COUNT)));
    }
    for (DWORD i = 0; i < SAVED_BULB_COUNT; ++i) {
        XC_LightBulb LightBulb;
        const XC_TextNode* const pBulbNode = pTNode->FindChildNode(static_cast<int>(i));
        if (pBulbNode != nullptr)
            LoadBulb(pBulbNode, &LightBulb);
        FixAttenuation(&LightBulb);
        LightBulb.BuildLight();
        m_LightBulbs[i] = LightBulb;
    }
    return 1;
}
