#include "GameProgram/Effect/XC_Effect.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/DirectState/XF_DeviceStateRange.h"
#include "GameProgram/Effect/XC_TextureSpecialEffect_ChangeUV.h"
#include "GameProgram/Effect/XC_TextureSpecialEffect_CubicEnvironmentMap.h"
#include "GameProgram/Effect/XC_TextureSpecialEffect_ProjectiveTexturing.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// True when a "dwStage" text names a texture stage: a decimal or "0x"
// hexadecimal number below the stage count. Numbers too large for any type
// come back from strtoull as its largest value and fail the same test.
bool IsStageText(const char* szText)
{
    const bool bHex = std::strncmp(szText, "0x", 2) == 0;
    const char* const szDigits = bHex ? szText + 2 : szText;
    if (!std::isxdigit(static_cast<unsigned char>(*szDigits)))
        return false;
    char* pEnd = nullptr;
    const unsigned long long qwStage = std::strtoull(szDigits, &pEnd, bHex ? 16 : 10);
    return pEnd != szDigits && qwStage < XD_TextureStageCount;
}

// A new record of a kind that reads itself from the section.
template <class T> T* ReadRecord(const XC_TextNode& TNode)
{
    T* const pRecord = new T;
    pRecord->Read(TNode);
    return pRecord;
}

} // namespace

HRESULT XC_Effect::LoadFromTextNode(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    static const struct
    {
        const char* szName;
        HRESULT (XC_Effect::*pLoader)(const XC_TextNode*);
    } SECTIONS[] = {
        {"[SetRenderState]", &XC_Effect::LoadRenderStates},
        {"[SetTextureStageState]", &XC_Effect::LoadTextureStageStates},
        {"[SetSamplerState]", &XC_Effect::LoadSamplerStates},
        {"[SetTexture]", &XC_Effect::LoadTextures},
        {"[TextureSpecialEffect]", &XC_Effect::LoadTextureSpecialEffect},
    };

    for (int i = 0; i < pTNode->GetChildNodeCount(); ++i) {
        const XC_TextNode* const pChild = pTNode->FindChildNode(i);
        const char* const szName = pChild != nullptr ? pChild->GetName() : nullptr;
        HRESULT hr = E_FAIL;
        for (const auto& section : SECTIONS) {
            if (szName != nullptr && std::strcmp(szName, section.szName) == 0)
                hr = (this->*section.pLoader)(pChild);
        }
        if (FAILED(hr)) {
            Clear();
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("LoadFromTextNode Error , \"%s\"", szName != nullptr ? szName : ""));
            return E_FAIL;
        }
    }
    return S_OK;
}

HRESULT XC_Effect::LoadTextureSpecialEffect(const XC_TextNode* pTNode)
{
    if (pTNode == nullptr) {
        XM_REPORT_FAILED("pTNode");
        return E_FAIL;
    }
    const char* const lpctstrType = pTNode->GetStr("Type", nullptr);
    if (lpctstrType == nullptr) {
        XM_REPORT_FAILED("lpctstrType");
        return E_FAIL;
    }
    const char* const szStage = pTNode->GetStr("dwStage", "0");
    if (!IsStageText(szStage)) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("TextureSpecialEffect dwStage \"%s\" is not a texture stage (0 to %lu)", szStage,
                                     XD_TextureStageCount - 1));
        return E_FAIL;
    }
    if (std::strcmp(lpctstrType, "CheageUV") == 0)
        return AddSetState(ReadRecord<XC_TextureSpecialEffect_ChangeUV>(*pTNode));
    if (std::strcmp(lpctstrType, "CubicEnvironmentMap") == 0)
        return AddSetState(ReadRecord<XC_TextureSpecialEffect_CubicEnvironmentMap>(*pTNode));
    if (std::strcmp(lpctstrType, "ProjectiveTexturing") == 0)
        return AddSetState(ReadRecord<XC_TextureSpecialEffect_ProjectiveTexturing>(*pTNode));
    XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("Unknow TextureSpecialEffect Type \"%s\"", lpctstrType));
    return E_FAIL;
}
