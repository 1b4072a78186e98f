#include "Code/XS_GameFloorColor.h"

#include "Code/XC_GameListFile.h"
#include "GameProgram/Common/XC_TextLeaf.h"
#include "GameProgram/Common/XC_TextNode.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Common/XF_InitOrder.h"

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_DOT_PATH);

XS_GameFloorColor s_GameFloorColor XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES + 1);
XS_GameFloorColor* g_pGameFloorColor = &s_GameFloorColor;

namespace {

const XC_TextNode* FindSection(const XC_TextNode& root, const char* szName)
{
    const XC_TextNode* const pTNode = root.FindChildNode(szName);
    if (pTNode == nullptr)
        XM_REPORT_FAILED("pTNode");
    return pTNode;
}

void LoadList(const XC_TextNode& root, const char* szName, std::vector<DWORD>& colors)
{
    const XC_TextNode* const pTNode = FindSection(root, szName);
    if (pTNode == nullptr)
        return;
    colors.clear();
    for (int i = 0; i < pTNode->GetLeafCount(); ++i)
        colors.push_back(XC_GameListFile::ParseNumber(pTNode->GetLeaf(i)->GetValue()));
}

} // namespace

DWORD XS_GameFloorColor::CycleColor(const std::vector<DWORD>& colors, LONG lValue)
{
    if (colors.empty() || lValue < 0)
        return 0xFFFFFFFF;
    return colors[static_cast<size_t>(lValue) % colors.size()];
}

void XS_GameFloorColor::Load(const XC_TextNode& root)
{
    const XC_TextNode* const pTNode = FindSection(root, "[FloorColor]");
    if (pTNode != nullptr) {
        const XC_TextLeaf* const pStart = pTNode->FindLeaf("dwStartingPoint");
        const XC_TextLeaf* const pTarget = pTNode->FindLeaf("dwMoveTarget");
        dwStartingPoint = pStart != nullptr ? XC_GameListFile::ParseNumber(pStart->GetValue()) : 0;
        dwMoveTarget = pTarget != nullptr ? XC_GameListFile::ParseNumber(pTarget->GetValue()) : 0;
    }
    LoadList(root, "[MoveScope]", MoveScope);
    LoadList(root, "[AttackDistance]", AttackDistance);
    LoadList(root, "[AttackScope]", AttackScope);
}
