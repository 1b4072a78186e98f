#include "GameProgram/Script/XF_PersonCommands.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/SpriteWork/XC_PlaySoundWork.h"

#include <memory>
#include <new>

static const char* const s_szSourceFile = "GameProgram\\Script\\XF_PersonCommands";

namespace {

HRESULT PlaySound(XC_ScriptCommand* pCommandObj, XC_SpriteWorkBase** rpSpriteWorkObj)
{
    std::unique_ptr<XC_PlaySoundWork> pPlaySoundWorkObj(new (std::nothrow) XC_PlaySoundWork);
    if (pPlaySoundWorkObj == nullptr) {
        XM_REPORT_FAILED("pPlaySoundWorkObj");
        return E_OUTOFMEMORY;
    }
    if (pPlaySoundWorkObj->SetSoundName(pCommandObj->GetStringParameter("SoundName", "").c_str()) != S_OK)
        return E_FAIL;
    *rpSpriteWorkObj = pPlaySoundWorkObj.release();
    return S_OK;
}

} // namespace

void XF_AddPersonCommands(std::map<XC_String, XF_AnalyzeCommand>* pCommandTable)
{
    std::map<XC_String, XF_AnalyzeCommand>& table = *pCommandTable;
    table["PlaySound"] = PlaySound;
}
