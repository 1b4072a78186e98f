#pragma once

#include "JC_DataManager/Control/JC_ControlPersonLevelUp.h"

#include <memory>

constexpr DWORD JE_HYBRIDIZE_NULL_PERSON_A = 0x89334031;
constexpr DWORD JE_HYBRIDIZE_NULL_PERSON_B = 0x89334032;
constexpr DWORD JE_HYBRIDIZE_NO_RULE = 0x89334033;
constexpr DWORD JE_HYBRIDIZE_NO_TARGET_PERSON = 0x89334034;

// Merges two persons into a new one by the fixed hybridisation table: the
// rule of the pair, a draw between its two outcomes, and the new person
// given its job and the average levels of the two.
class JC_ControlPersonHybridize : public JC_ControlPersonLevelUp
{
public:
    // The pair's "TagPersonID", or -1.
    int GetTagPersonID(JC_DataComponent* pPersonA, JC_DataComponent* pPersonB);
    int GetTagPersonIDByID(DWORD dwIDA, DWORD dwIDB);
    // pNewPerson stays empty when the draw leads to no person (-1). After a
    // success the control stays bound to the new person.
    DWORD Hybridize(JC_DataComponent* pPersonA, JC_DataComponent* pPersonB,
                    std::unique_ptr<JC_DataComponent>& pNewPerson);

private:
    // The rule of the pair, the smaller ID first, else the other order.
    JC_DataComponent* FindRule(DWORD dwIDA, DWORD dwIDB) const;
};
