#include "Code/XC_GameAI.h"

#include "GameProgram/Common/XF_InitOrder.h"

XC_GameAI s_GameAI XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES + 4);
XC_GameAI* g_pGameAI = &s_GameAI;
