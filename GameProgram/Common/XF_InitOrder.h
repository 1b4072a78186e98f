#pragma once

// The order in which the program's static service objects are built before
// the entry runs, and destroyed, in reverse, after it returns. Every global
// pointer is fixed to its static object's address, so it is valid from the
// first instruction on; the order makes each object's constructor and
// destructor able to use the objects built before it (a constructor may make
// timers, a destructor may still report an error).
//
// GCC orders the objects across files by these priorities: smaller numbers
// are built first, and every one of them before any object without one.
// Header-only, so every subsystem's library can place its objects here.
enum XE_InitOrder
{
    XE_INIT_ERROR_LOG = 1000,
    XE_INIT_TIMER_MANAGER = 1010,
    XE_INIT_UNLOADED_ANIMATION_PICTURES = 1020,
    XE_INIT_POSE_NAMES = 1030,
    XE_INIT_RENDER_OBJ_ANALYZER = 1040,
    XE_INIT_SCRIPT_COMMAND = 1050,
    XE_INIT_ROOT_NODE_SET = 1090,
    XE_INIT_GLOBAL_VARIABLE = 1100,
    XE_INIT_DIRECT_STATE = 1110,
    XE_INIT_COMBAT_FORCE_MODULE = 1130,
    XE_INIT_SCENE_FUNCTION = 1140,
    XE_INIT_BATTLE_MAP = 1150,
    XE_INIT_BATTLE_SCRIPT_COMMAND = 1160,
    XE_INIT_SETTING = 1170,
    XE_INIT_REGISTER = 1180,
    // The game shell's tables, in this order: file names, floor colours,
    // camps, times, AI, parameters, script notification, texts, dialogue
    // controller, dialogue script commands.
    XE_INIT_GAME_SHELL_TABLES = 1190,
    XE_INIT_DEBUG_LOG = 1200,
    XE_INIT_GAME_PATH = 1210,
    XE_INIT_DATA_FILE_NAMES = 1220,
    XE_INIT_ITEM_TYPE_HANDLERS = 1230,
    XE_INIT_COMPARISON_TEXTS = 1240,
    XE_INIT_BEHAVIOR_ANALYSER = 1260,
    XE_INIT_CONTROL_MANAGER = 1270,
    XE_INIT_ORDER_MANAGER = 1272,
    XE_INIT_ORDER_DEAL_MANAGER = 1274,
    XE_INIT_EVENT_MANAGER = 1275,
    XE_INIT_SCRIPT_MANAGER = 1280,
    XE_INIT_SCRIPT_DEAL_MANAGER = 1290,
};

// Places a static object's definition in the order above.
#define XM_INIT_ORDER(order) __attribute__((init_priority(order)))
