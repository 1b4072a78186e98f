#pragma once

#include "JC_Order/JC_OrderFinalResultActive.h"
#include "JC_Order/JC_OrderFinalResultOther.h"
#include "JC_Order/JC_OrderFinalResultPassive.h"
#include "JC_Order/JC_OrderResultActive.h"
#include "JC_Order/JC_OrderResultPassive.h"

#include <memory>

// The per-target results of an order and the final results merged from them.
class JC_OrderResultManager
{
public:
    JC_OrderResultManager() = default;
    virtual ~JC_OrderResultManager() = default;
    JC_OrderResultManager(const JC_OrderResultManager&) = delete;
    JC_OrderResultManager& operator=(const JC_OrderResultManager&) = delete;

    DWORD Initiation();
    DWORD InitiationFinalResult();

    DWORD AddActiveResultObj(int iTeamIndex) { return Add(m_ActiveResults, iTeamIndex, 0); }
    DWORD AddPassiveResultObj(int iTeamIndex) { return Add(m_PassiveResults, iTeamIndex, 1); }
    DWORD AddFollowResultObj(int iTeamIndex) { return Add(m_FollowResults, iTeamIndex, 2); }
    DWORD AddFinalActiveResultObj(int iTeamIndex) { return Add(m_FinalActiveResults, iTeamIndex, 0); }
    DWORD AddFinalPassiveResultObj(int iTeamIndex) { return Add(m_FinalPassiveResults, iTeamIndex, 1); }

    DWORD GetActiveResultCount() const { return static_cast<DWORD>(m_ActiveResults.size()); }
    DWORD GetPassiveResultCount() const { return static_cast<DWORD>(m_PassiveResults.size()); }
    DWORD GetFollowResultCount() const { return static_cast<DWORD>(m_FollowResults.size()); }
    DWORD GetFinalActiveResultCount() const { return static_cast<DWORD>(m_FinalActiveResults.size()); }
    DWORD GetFinalPassiveResultCount() const { return static_cast<DWORD>(m_FinalPassiveResults.size()); }
    JC_OrderResultActive* GetActiveResult(DWORD dwIndex) const { return At(m_ActiveResults, dwIndex); }
    JC_OrderResultPassive* GetPassiveResult(DWORD dwIndex) const { return At(m_PassiveResults, dwIndex); }
    JC_OrderResultPassive* GetFollowResult(DWORD dwIndex) const { return At(m_FollowResults, dwIndex); }
    JC_OrderFinalResultActive* GetFinalActiveResult(DWORD dwIndex) const { return At(m_FinalActiveResults, dwIndex); }
    JC_OrderFinalResultPassive* GetFinalPassiveResult(DWORD dwIndex) const { return At(m_FinalPassiveResults, dwIndex); }
    JC_OrderFinalResultOther* GetFinalOtherResult() { return &m_FinalOtherResult; }

private:
    template <typename T>
    static DWORD Add(std::vector<std::unique_ptr<T>>& results, int iTeamIndex, int iResultKind)
    {
        results.push_back(std::make_unique<T>());
        results.back()->m_TeamIndex = iTeamIndex;
        results.back()->m_ResultKind = iResultKind;
        return 0;
    }
    template <typename T>
    static T* At(const std::vector<std::unique_ptr<T>>& results, DWORD dwIndex)
    {
        return dwIndex < results.size() ? results[dwIndex].get() : nullptr;
    }

    std::vector<std::unique_ptr<JC_OrderResultActive>> m_ActiveResults;
    std::vector<std::unique_ptr<JC_OrderResultPassive>> m_PassiveResults;
    std::vector<std::unique_ptr<JC_OrderResultPassive>> m_FollowResults;
    std::vector<std::unique_ptr<JC_OrderFinalResultActive>> m_FinalActiveResults;
    std::vector<std::unique_ptr<JC_OrderFinalResultPassive>> m_FinalPassiveResults;
    JC_OrderFinalResultOther m_FinalOtherResult;
};
