#pragma once

#include "GameProgram/Script/XC_ScriptSet.h"
#include "GameProgram/Sprite/XC_SpriteWorkBase.h"

class XC_Script;
class XI_EnvironmentOfRender;

// Runs the scripts of a called script file; it ends in the first frame in
// which none of them has a work left, whatever its work time.
class XC_ScriptWork : public XC_SpriteWorkBase
{
public:
    ~XC_ScriptWork() override;

    void Begin() override;
    void End() override;
    BOOL Step(float fElapsedTime) override;
    // Below the calling script, sharing its named values and resources.
    virtual HRESULT SetTarget(const char* szScriptFile, XC_Script* pSourceScript);
    // A set of its own in the render environment.
    virtual HRESULT SetTarget(const char* szScriptFile, XI_EnvironmentOfRender* pEnvironmentOfRender);
    virtual XC_ScriptSet* GetScriptSet();
    virtual XC_Script* GetScriptObj(DWORD dwIndex);

private:
    XC_ScriptSet m_ScriptSetObj;
};
