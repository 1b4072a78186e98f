#include "Code/XC_GameTime.h"

#include "GameProgram/Common/XF_InitOrder.h"

XC_GameTime s_GameTime XM_INIT_ORDER(XE_INIT_GAME_SHELL_TABLES + 3);
XC_GameTime* g_pGameTime = &s_GameTime;
