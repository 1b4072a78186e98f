#include "Code/XC_GameParameter.h"

#include "GameProgram/Common/XF_InitOrder.h"

XC_GameParameter s_GameParameter XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES + 5);
XC_GameParameter* g_pGameParameter = &s_GameParameter;
