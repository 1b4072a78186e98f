#include "tools/gamerules/SaveStateFiles.h"

#include "JC_DataManager/Manager/JC_DataManager.h"
#include "JC_DataManager/Manager/JE_DataKind.h"
#include "TemplateSystem/JC_DataComponentMaker.h"

DWORD JF_WriteSaveState(const std::string& strFolder)
{
    for (DWORD dwKind = 0; dwKind < UNFIXEDDATAKIND_LIMIT; ++dwKind) {
        const JC_DataComponentMaker* pMaker =
            gp_DataManagerObj != nullptr ? gp_DataManagerObj->GetUnfixedDataObj(dwKind) : nullptr;
        if (pMaker == nullptr)
            return 1;
        const DWORD dwResult = pMaker->WriteDataFile(strFolder + g_aszUnfixedDataFileNames[dwKind], false, false);
        if (dwResult != 0)
            return dwResult;
    }
    return 0;
}
