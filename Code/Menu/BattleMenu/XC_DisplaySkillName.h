#pragma once

#include "GameProgram/RenderingObject/XC_RenderObjManager.h"

#include <string>

class XC_RenderAnimation;

// The picture of a skill's name while the skill is performed.
class XC_DisplaySkillName : public XC_RenderObjManager
{
public:
    XC_DisplaySkillName() = default;
    ~XC_DisplaySkillName() override = default;

    HRESULT Init(XI_EnvironmentOfRender* pEnvironmentOfRender);
    HRESULT Fini();
    // A skill without a picture of its own shows the empty one.
    HRESULT SetSkillName(DWORD dwSkillID);

    static std::string SkillNameFile(DWORD dwSkillID);

private:
    XC_RenderAnimation* m_pRenderAnimation_BaseMap = nullptr;
};
