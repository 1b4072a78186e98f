#pragma once

#include "GameProgram/Resource/XC_ResourceManager.h"

#include <windows.h>

class XC_Effect;
class XI_PackFile;

// The effects by file name, read from a pack file as text trees and shared
// by reference count. An effect that cannot be read is not made.
class XC_EffectManager : public XC_ResourceManager
{
public:
    XC_EffectManager();
    ~XC_EffectManager() override;

    // Keeps the pack file (not owned); must precede every load.
    virtual HRESULT Init(XI_PackFile* pPackFile);
    // Deletes every effect, reporting those still held.
    virtual HRESULT Fini();
    // The effect with one reference for the caller, or null.
    virtual XC_Effect* GetEffect(const char* szResourceName);

    HRESULT CreateObjct(const char* szResourceName, XC_Resource** ppResourceObj) override;
    HRESULT DeleteResource(XC_Resource* pResourceObj) override;
};

// The effect manager of the running engine; null while there is none.
extern XC_EffectManager* g_pEffectManager;
