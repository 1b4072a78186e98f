#include "GameProgram/RenderingObject/XF_LoadTexture.h"

#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_TextureManager.h"

XC_Texture* XF_LoadTextureOfNode(const XC_TextNode* pTNode, const char* szSourceFile)
{
    const char* const lpctstrGetStr = pTNode->GetStr("TextureName", nullptr);
    if (lpctstrGetStr == nullptr) {
        XF_ReportError(szSourceFile, __LINE__, XF_FormatText("( %s ) failed", "lpctstrGetStr"));
        return nullptr;
    }
    XC_Texture* const pTextureObj = g_pTextureManager != nullptr ? g_pTextureManager->GetTexture(lpctstrGetStr) : nullptr;
    if (pTextureObj == nullptr)
        XF_ReportError(szSourceFile, __LINE__, XF_FormatText("( %s ) failed", "pTextureObj"));
    return pTextureObj;
}
