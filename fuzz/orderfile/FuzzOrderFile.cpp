// The order file reader of "gamerules.exe order" fed arbitrary text: it
// either refuses with a line and a message or gives an order within its
// bounds. Built natively: fuzz/run orderfile.
#include "tools/gamerules/OrderFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t size)
{
    const std::string strText(reinterpret_cast<const char*>(pData), size);
    OrderFile orderFile;
    if (!orderFile.Read(strText)) {
        if (orderFile.GetError().empty() || orderFile.GetErrorLine() < 0)
            std::abort();
        return 0;
    }
    if (orderFile.GetTeam().empty() || orderFile.GetTeam().size() > OrderFile::LIST_LIMIT ||
        orderFile.GetTargets().size() > OrderFile::LIST_LIMIT || orderFile.GetFloors().size() > OrderFile::LIST_LIMIT)
        std::abort();
    if (orderFile.GetActor() < 0 || orderFile.GetActor() >= OrderFile::TEAM_INDEX_LIMIT ||
        orderFile.GetEffect() == OrderFile::EFFECT_NONE || orderFile.GetCounter() > 1 || orderFile.GetPreview() > 1)
        std::abort();
    for (const OrderFile::Placement& placement : orderFile.GetTeam()) {
        if (placement.iTeamIndex < 0 || placement.iTeamIndex >= OrderFile::TEAM_INDEX_LIMIT)
            std::abort();
    }
    for (const int iTarget : orderFile.GetTargets()) {
        if (iTarget < 0 || iTarget >= OrderFile::TEAM_INDEX_LIMIT)
            std::abort();
    }
    return 0;
}
