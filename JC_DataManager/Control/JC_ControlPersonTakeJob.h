#pragma once

#include "JC_DataManager/Control/JC_ControlPersonBase.h"

constexpr DWORD JE_TAKEJOB_NOT_BOUND = 0x8933A011;
constexpr DWORD JE_TAKEJOB_NO_JOB = 0x8933A012;

// Gives the bound person a job: its ID, job level 1, and the job's values
// and skills added on top of what the person has.
class JC_ControlPersonTakeJob : public JC_ControlPersonBase
{
public:
    // The control's own job binding is left as it was; bind the person
    // again to read the new job.
    DWORD TakeJob(DWORD dwJobID);
};
