#include "JC_DataManager/Behavior/JC_BehaviorAnalyser.h"

#include "GameProgram/Common/XF_InitOrder.h"

namespace {

JC_BehaviorAnalyser s_BehaviorAnalyser XM_INIT_ORDER(XE_INIT_BEHAVIOR_ANALYSER);

} // namespace

JC_BehaviorAnalyser* gp_BehaviorAnalyserObj = &s_BehaviorAnalyser;
