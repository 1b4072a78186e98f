#include "JC_Module/JC_Option/View/JC_OptionModuleView0.h"

#include "GameProgram/Common/XF_SourceFile.h"

#include "Code/XC_Game.h"
#include "Code/XC_Setting.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Resource/Music/XI_MusicManager.h"
#include "JC_DataManager/Control/JC_ControlModuleOption.h"
#include "JC_Module/JC_ModuleMouse.h"
#include "JC_Module/JC_ModuleResource.h"
#include "TemplateSystem/JC_DebugLog.h"

#include <cmath>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const char* const ITEM_NAMES[JC_OptionModuleView0::ITEM_COUNT] = {
    "Bk", "Save", "Load", "Title", "MusicPos", "MusicFlg", "SoundPos", "SoundFlg", "SpeedPos",
};
const int BUTTONS[] = {JC_OptionModuleView0::ITEM_SAVE, JC_OptionModuleView0::ITEM_LOAD,
                       JC_OptionModuleView0::ITEM_TITLE};
const DWORD MAX_PERCENT = 100;

std::string ItemKey(int iItem, const char* szSuffix)
{
    return std::string("View0_") + ITEM_NAMES[iItem] + szSuffix;
}

} // namespace

JC_OptionModuleView0::JC_OptionModuleView0()
    : m_Sliders{{ITEM_MUSIC_POS, "View0_MusicSliderMin", "View0_MusicSliderMax", 0, 0, 0.0f, 0},
                {ITEM_SOUND_POS, "View0_SoundSliderMin", "View0_SoundSliderMax", 0, 0, 0.0f, 0},
                {ITEM_SPEED_POS, "View0_SpeedSliderMin", "View0_SpeedSliderMax", 0, 0, 0.0f, 0}}
{
}

JC_OptionModuleView0::~JC_OptionModuleView0()
{
    UnbuildView();
}

DWORD JC_OptionModuleView0::SliderValue(float fCursorX, float fTrackLeft, float fPixelsPerPercent)
{
    // A track without length, or a cursor outside it, must not give a huge
    // volume or speed.
    if (!(fPixelsPerPercent > 0.0f))
        return 0;
    const float fValue = std::trunc((fCursorX - fTrackLeft) / fPixelsPerPercent);
    if (fValue <= 0.0f)
        return 0;
    return fValue >= static_cast<float>(MAX_PERCENT) ? MAX_PERCENT : static_cast<DWORD>(fValue);
}

DWORD JC_OptionModuleView0::GameSpeedOf(DWORD dwGameSpeed, DWORD dwPercent, float fSpeedMin, float fSpeedMax)
{
    // The percent is truncated, so the speed it gives back may be lower than
    // the one it came from: a speed the slider already shows is kept, or each
    // opening of the panel would slow the game a little more. A speed off the
    // track takes the track's end.
    const float fGameSpeed = static_cast<float>(dwGameSpeed);
    const bool bOnTrack = fGameSpeed >= fSpeedMin * 100.0f && fGameSpeed <= fSpeedMax * 100.0f;
    if (bOnTrack && SpeedPercentOf(dwGameSpeed, fSpeedMin, fSpeedMax) == dwPercent)
        return dwGameSpeed;
    const float fSpeedPerPercent = (fSpeedMax - fSpeedMin) / static_cast<float>(MAX_PERCENT);
    return static_cast<DWORD>(static_cast<float>(dwPercent) * fSpeedPerPercent * 100.0f + fSpeedMin * 100.0f);
}

DWORD JC_OptionModuleView0::SpeedPercentOf(DWORD dwGameSpeed, float fSpeedMin, float fSpeedMax)
{
    const float fGameSpeed = static_cast<float>(dwGameSpeed);
    if (fGameSpeed <= fSpeedMin * 100.0f)
        return 0;
    if (fGameSpeed >= fSpeedMax * 100.0f)
        return MAX_PERCENT;
    return static_cast<DWORD>((fGameSpeed - fSpeedMin * 100.0f) / (fSpeedMax - fSpeedMin));
}

DWORD JC_OptionModuleView0::BuildItem(JE_Item eItem)
{
    JC_ControlModuleOption* const pLayout = m_Controls.pControlModuleOption;
    const float fX = pLayout->GetItemDataFloat(ItemKey(eItem, "X"));
    const float fY = pLayout->GetItemDataFloat(ItemKey(eItem, "Y"));
    const float fZ = pLayout->GetItemDataFloat(ItemKey(eItem, "Z"));
    const std::string strFile = pLayout->GetItemDataString(ItemKey(eItem, "F"));
    m_Items[eItem] = std::make_unique<XC_RenderAnimation>();
    const DWORD dwResult = m_pModuleResource->BuildScreenAnimation(
        m_Items[eItem].get(), strFile.empty() ? "" : AnimationFile(strFile).c_str(), fX, fY, fZ, &m_RenderNode);
    if (dwResult != 0)
        m_Controls.pErrorLog->PrintAt(
            s_szSourceFile, __LINE__,
            " OptionModuleView0 Build Fail. \r\n ItemX:%f , ItemY:%f , ItemZ:%f , ItemF:%s , ItemT:%s \r\n "
            "HRESULT:0x%08x \r\n",
            fX, fY, fZ, strFile.c_str(), "", static_cast<unsigned>(dwResult));
    return dwResult;
}

DWORD JC_OptionModuleView0::BuildView()
{
    m_pBackgroundMusic = g_pGame != nullptr ? g_pGame->GetBackgroundMusicObj() : nullptr;
    UnbuildView();
    JC_ControlModuleOption* const pLayout = m_Controls.pControlModuleOption;
    SetPosition(pLayout->GetItemDataFloat("View0_X"), pLayout->GetItemDataFloat("View0_Y"),
                pLayout->GetItemDataFloat("View0_Z"));
    for (int i = 0; i < ITEM_COUNT; ++i) {
        const DWORD dwResult = BuildItem(static_cast<JE_Item>(i));
        if (dwResult != 0)
            return dwResult;
    }
    m_bBuilt = 1;
    return 0;
}

DWORD JC_OptionModuleView0::UnbuildView()
{
    for (std::unique_ptr<XC_RenderAnimation>& pItem : m_Items)
        pItem.reset();
    m_bBuilt = 0;
    return 0;
}

void JC_OptionModuleView0::ReadSliders()
{
    JC_ControlModuleOption* const pLayout = m_Controls.pControlModuleOption;
    for (JS_Slider& slider : m_Sliders) {
        slider.dwLeft = pLayout->GetItemDataDword(slider.szMinKey);
        slider.dwRight = pLayout->GetItemDataDword(slider.szMaxKey);
        slider.fPixelsPerPercent =
            (static_cast<float>(slider.dwRight) - static_cast<float>(slider.dwLeft)) / static_cast<float>(MAX_PERCENT);
    }
    m_fSpeedMin = pLayout->GetItemDataFloat("View0_SpeedMin");
    m_fSpeedMax = pLayout->GetItemDataFloat("View0_SpeedMax");
}

DWORD JC_OptionModuleView0::OpenView()
{
    if (!m_bBuilt)
        return 0;
    ReadSliders();
    g_pSetting->Load();
    m_dwMusicFlag = g_pSetting->m_bMusicFlag;
    m_dwMusicVolume = g_pSetting->m_dwMusicVolume;
    m_dwSoundFlag = g_pSetting->m_bSoundFlag;
    m_dwSoundVolume = g_pSetting->m_dwSoundVolume;
    m_dwSpeedPercent = SpeedPercentOf(g_pSetting->m_dwGameSpeed, m_fSpeedMin, m_fSpeedMax);
    for (const std::unique_ptr<XC_RenderAnimation>& pItem : m_Items)
        ShowRenderItemPage(pItem.get(), 1, 0);
    ApplySetting();
    UpdateSliderItem();
    m_bOpen = 1;
    SetViewMode(m_iViewMode);
    if (m_bUpdatePending)
        Update();
    return 0;
}

DWORD JC_OptionModuleView0::CloseView()
{
    m_iHoverButton = -1;
    for (const std::unique_ptr<XC_RenderAnimation>& pItem : m_Items) {
        if (pItem != nullptr)
            pItem->SetShow(0);
    }
    m_bOpen = 0;
    g_pSetting->Save();
    return 0;
}

DWORD JC_OptionModuleView0::SetViewMode(int iMode)
{
    if (iMode != 0) {
        m_Controls.pErrorLog->PrintAt(s_szSourceFile, __LINE__,
                                      " OptionModuleView0 SetViewMode ViewMode NotSupport. \r\n ViewMode:0x%08x \r\n ",
                                      static_cast<unsigned>(iMode));
        return JE_OPTIONMODULEVIEW0_VIEW_MODE_NOT_SUPPORT;
    }
    m_iViewMode = iMode;
    return 0;
}

DWORD JC_OptionModuleView0::ApplySetting()
{
    if (m_pBackgroundMusic != nullptr)
        m_pBackgroundMusic->SetVolumePercent(m_dwMusicFlag == 0 ? 0 : m_dwMusicVolume, 0);
    if (g_pMusicManager != nullptr)
        g_pMusicManager->SetVolume(m_dwSoundFlag == 0 ? 0 : m_dwSoundVolume);
    g_pSetting->m_bMusicFlag = m_dwMusicFlag;
    g_pSetting->m_dwMusicVolume = m_dwMusicVolume;
    g_pSetting->m_bSoundFlag = m_dwSoundFlag;
    g_pSetting->m_dwSoundVolume = m_dwSoundVolume;
    g_pSetting->m_dwGameSpeed = GameSpeedOf(g_pSetting->m_dwGameSpeed, m_dwSpeedPercent, m_fSpeedMin, m_fSpeedMax);
    if (g_pGame != nullptr)
        g_pGame->SetGameSpeed(static_cast<float>(g_pSetting->m_dwGameSpeed) / 100.0f);
    return 0;
}

DWORD* JC_OptionModuleView0::SliderValueOf(JE_Slider eSlider)
{
    DWORD* const values[SLIDER_COUNT] = {&m_dwMusicVolume, &m_dwSoundVolume, &m_dwSpeedPercent};
    return values[eSlider];
}

void JC_OptionModuleView0::ShowSwitch(JE_Item eItem, DWORD dwFlag)
{
    PlayRenderItem(m_Items[eItem].get(), 0, dwFlag == 1 ? 1 : 0, 0);
}

DWORD JC_OptionModuleView0::UpdateSliderItem()
{
    for (int i = 0; i < SLIDER_COUNT; ++i) {
        const JS_Slider& slider = m_Sliders[i];
        const float fValue = static_cast<float>(*SliderValueOf(static_cast<JE_Slider>(i)));
        m_Items[slider.eKnob]->SetPositionX(static_cast<float>(slider.dwLeft) + fValue * slider.fPixelsPerPercent);
    }
    ShowSwitch(ITEM_MUSIC_FLG, m_dwMusicFlag);
    ShowSwitch(ITEM_SOUND_FLG, m_dwSoundFlag);
    return 0;
}

void JC_OptionModuleView0::DragTo(JS_Slider& slider, DWORD* pdwValue)
{
    *pdwValue = SliderValue(m_pModuleMouse->GetCursorX(), static_cast<float>(slider.dwLeft) + m_fX,
                            slider.fPixelsPerPercent);
    ApplySetting();
    UpdateSliderItem();
}

void JC_OptionModuleView0::MoveHover()
{
    D3DXVECTOR3 vOrigin, vDirection;
    const BOOL bRay = m_pModuleMouse->GetScreenPickRay(&vOrigin, &vDirection) == 0;
    int iHit = -1;
    for (const int iButton : BUTTONS) {
        if (bRay && IsRenderItemHit(m_Items[iButton].get(), &vOrigin, &vDirection)) {
            iHit = iButton;
            break;
        }
    }
    if (iHit == m_iHoverButton)
        return;
    if (m_iHoverButton != -1)
        PlayRenderItem(m_Items[m_iHoverButton].get(), 0, 0, 0);
    if (iHit != -1)
        PlayRenderItem(m_Items[iHit].get(), 0, 1, 0);
    m_iHoverButton = iHit;
}

DWORD JC_OptionModuleView0::PressAt(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection)
{
    const DWORD events[] = {EVENT_SAVE, EVENT_LOAD, EVENT_TITLE};
    for (int i = 0; i < 3; ++i) {
        if (IsRenderItemHit(m_Items[BUTTONS[i]].get(), &vOrigin, &vDirection)) {
            m_dwViewEvent = events[i];
            return 1;
        }
    }
    for (JS_Slider& slider : m_Sliders) {
        if (IsRenderItemHit(m_Items[slider.eKnob].get(), &vOrigin, &vDirection)) {
            slider.bDragging = 1;
            m_pModuleMouse->SetMouseRect(static_cast<float>(slider.dwLeft) + m_fX, -m_pModuleMouse->GetCursorY() - 1.0f,
                                         static_cast<float>(slider.dwRight) - static_cast<float>(slider.dwLeft), 2.0f);
            return 0;
        }
    }
    const struct
    {
        JE_Item eSwitch;
        DWORD* pdwFlag;
    } switches[] = {{ITEM_MUSIC_FLG, &m_dwMusicFlag}, {ITEM_SOUND_FLG, &m_dwSoundFlag}};
    for (const auto& s : switches) {
        if (IsRenderItemHit(m_Items[s.eSwitch].get(), &vOrigin, &vDirection)) {
            *s.pdwFlag = *s.pdwFlag == 0 ? 1 : 0;
            ApplySetting();
            UpdateSliderItem();
            return 0;
        }
    }
    return 0;
}

void JC_OptionModuleView0::ReleaseDrag()
{
    for (JS_Slider& slider : m_Sliders) {
        if (slider.bDragging) {
            slider.bDragging = 0;
            m_pModuleMouse->SetMouseRect(0.0f, 0.0f, 800.0f, 600.0f);
            return;
        }
    }
}

DWORD JC_OptionModuleView0::MsgProc(UINT uMsg, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_bActive || !m_bBuilt)
        return 0;
    if (uMsg == WM_MOUSEMOVE) {
        for (int i = 0; i < SLIDER_COUNT; ++i) {
            if (m_Sliders[i].bDragging) {
                DragTo(m_Sliders[i], SliderValueOf(static_cast<JE_Slider>(i)));
                return 0;
            }
        }
        MoveHover();
        return 0;
    }
    if (uMsg == WM_LBUTTONDOWN) {
        D3DXVECTOR3 vOrigin, vDirection;
        if (m_pModuleMouse->GetScreenPickRay(&vOrigin, &vDirection) != 0)
            return 0;
        return PressAt(vOrigin, vDirection);
    }
    if (uMsg == WM_LBUTTONUP)
        ReleaseDrag();
    return 0;
}
