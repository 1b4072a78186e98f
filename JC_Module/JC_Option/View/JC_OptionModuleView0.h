#pragma once

#include "JC_Module/JC_Option/View/JC_OptionModuleViewBase.h"

#include <memory>

class XC_RenderAnimation;
class XC_ShowAudio;

constexpr DWORD JE_OPTIONMODULEVIEW0_VIEW_MODE_NOT_SUPPORT = 0x8a320301;

// The option panel: Save, Load and Title, the music and sound switches with
// their volume sliders and the game-speed slider. Changes act at once; the
// settings go to the registry when the panel closes.
class JC_OptionModuleView0 : public JC_OptionModuleViewBase
{
public:
    enum JE_Item
    {
        ITEM_BK,
        ITEM_SAVE,
        ITEM_LOAD,
        ITEM_TITLE,
        ITEM_MUSIC_POS,
        ITEM_MUSIC_FLG,
        ITEM_SOUND_POS,
        ITEM_SOUND_FLG,
        ITEM_SPEED_POS,
        ITEM_COUNT
    };
    enum JE_ViewEvent
    {
        EVENT_SAVE = 1,
        EVENT_LOAD = 2,
        EVENT_TITLE = 3
    };
    enum JE_Slider
    {
        SLIDER_MUSIC,
        SLIDER_SOUND,
        SLIDER_SPEED,
        SLIDER_COUNT
    };

    JC_OptionModuleView0();
    ~JC_OptionModuleView0() override;

    DWORD BuildView() override;
    DWORD UnbuildView() override;
    DWORD OpenView() override;
    DWORD CloseView() override;
    DWORD MsgProc(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    DWORD SetViewMode(int iMode) override;
    virtual DWORD ApplySetting();
    virtual DWORD UpdateSliderItem();

    XC_RenderAnimation* GetItem(JE_Item eItem) const { return m_Items[eItem].get(); }
    int GetHoverButton() const { return m_iHoverButton; }
    DWORD GetSpeedPercent() const { return m_dwSpeedPercent; }
    BOOL IsDragging(JE_Slider eSlider) const { return m_Sliders[eSlider].bDragging; }

    // The slider value of a cursor x: whole percent, 0 to 100, 0 on a track
    // without length.
    static DWORD SliderValue(float fCursorX, float fTrackLeft, float fPixelsPerPercent);
    // The speed slider's percent for a "GameSpeed" setting (factor × 100).
    static DWORD SpeedPercentOf(DWORD dwGameSpeed, float fSpeedMin, float fSpeedMax);
    // The "GameSpeed" setting for the slider's percent: the current one when
    // the slider shows it, else the percent's own.
    static DWORD GameSpeedOf(DWORD dwGameSpeed, DWORD dwPercent, float fSpeedMin, float fSpeedMax);

private:
    struct JS_Slider
    {
        JE_Item eKnob;
        const char* szMinKey;
        const char* szMaxKey;
        DWORD dwLeft;
        DWORD dwRight;
        float fPixelsPerPercent;
        BOOL bDragging;
    };

    DWORD BuildItem(JE_Item eItem);
    void ReadSliders();
    DWORD* SliderValueOf(JE_Slider eSlider);
    void MoveHover();
    void DragTo(JS_Slider& slider, DWORD* pdwValue);
    DWORD PressAt(const D3DXVECTOR3& vOrigin, const D3DXVECTOR3& vDirection);
    void ReleaseDrag();
    void ShowSwitch(JE_Item eItem, DWORD dwFlag);

    std::unique_ptr<XC_RenderAnimation> m_Items[ITEM_COUNT];
    int m_iHoverButton = -1;
    DWORD m_dwMusicFlag = 1;
    DWORD m_dwMusicVolume = 100;
    DWORD m_dwSoundFlag = 1;
    DWORD m_dwSoundVolume = 100;
    DWORD m_dwSpeedPercent = 0;
    JS_Slider m_Sliders[SLIDER_COUNT];
    float m_fSpeedMin = 0.0f;
    float m_fSpeedMax = 0.0f;
    XC_ShowAudio* m_pBackgroundMusic = nullptr;
};
