#pragma once

#include "JC_Module/JC_ModuleConfirmView.h"

constexpr DWORD JE_OPTIONMODULEVIEW2_VIEW_MODE_NOT_SUPPORT = 0x8a322031;

// The box that asks before a used record is overwritten: a line of text, OK
// and Cancel. The record list opens it and reads its events.
class JC_OptionModuleView2 : public JC_ModuleConfirmView
{
public:
    JC_OptionModuleView2();

protected:
    DWORD RefuseViewMode(int iMode) const override;
};
