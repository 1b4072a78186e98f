#pragma once

#include "JC_Order/DealOrder/JC_OrderDealBase.h"

#include <vector>

constexpr DWORD JE_ORDERDEAL_CORPSEATTACK_NO_ACTIVE = 0x89635101;
constexpr DWORD JE_ORDERDEAL_CORPSEATTACK_NO_PASSIVE = 0x89635102;
constexpr DWORD JE_ORDERDEAL_CORPSEATTACK_NO_PASSIVE_RESULT = 0x89635103;
constexpr DWORD JE_ORDERDEAL_CORPSEATTACK_CONNECT_FAILED = 0x89635104;
constexpr DWORD JE_ORDERDEAL_CORPSEATTACK_NO_FOLLOW = 0x89635105;
constexpr DWORD JE_ORDERDEAL_CORPSEATTACK_NO_FOLLOW_RESULT = 0x89635106;

// The target's body bursts and strikes everyone on the cells next to it.
class JC_OrderDealCorpseAttack : public JC_OrderDealBase
{
public:
    DWORD DealOrder() override;

private:
    // Makes the neighbours the order's newest follow persons; the index of
    // the first is given back.
    DWORD AddNeighbours(const std::vector<int>& teamIndices, int& iFirstFollow);
    DWORD StrikeNeighbours(int iFirstFollow, int iCount, int iDamage);
    // ORDERDEAL_NEXT_TARGET when the neighbour was a body or fell.
    DWORD StrikeNeighbour(int iDamage);
};
