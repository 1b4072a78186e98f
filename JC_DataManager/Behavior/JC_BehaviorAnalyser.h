#pragma once

#include "JC_DataManager/Behavior/JC_BehaviorGroup.h"

// The one object that takes behaviour strings and behaviour-group items
// apart, handed to every control and to the event and order systems.
class JC_BehaviorAnalyser : public JC_BehaviorGroup
{
};

extern JC_BehaviorAnalyser* gp_BehaviorAnalyserObj;
