#include "Code/XC_GameCamp.h"

#include "GameProgram/Common/XF_InitOrder.h"

XC_GameCamp s_GameCamp XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES + 2);
XC_GameCamp* g_pGameCamp = &s_GameCamp;
