#pragma once

#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

class XC_RenderAnimation;
class XC_RenderString;

// The one-line explanation over every battle menu: a mark and its text.
class XC_BattleExplain : public XC_RenderObjManager
{
public:
    XC_BattleExplain() = default;
    ~XC_BattleExplain() override = default;

    HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    HRESULT Fini();
    HRESULT SetMessage(const char* szMessage);

private:
    XC_RenderAnimation* m_pRA_Mark = nullptr;
    XC_RenderString* m_pRS_Message = nullptr;
};
