#pragma once

#include <windows.h>

class XC_GameProcedure;

// Procedure ids: every caller uses the same numbers.
enum XE_GameProcedure
{
    GP_None = 0,
    GP_Logo = 5,
    GP_Begin = 10,
    GP_WorldMap = 20,
    GP_Battle = 30,
    GP_DialogueBattle = 40,
    GP_OutGame = 999,
};

// The procedure switch builds procedures by id from this table. The shell
// registers its own; the libraries above it register theirs from the
// program's entry, so the shell never includes their headers.
class XC_GameProcedureFactory
{
public:
    typedef XC_GameProcedure* (*XF_Create)();

    // A later row of one id replaces the earlier; a null function removes it.
    static void Register(int iProcedureID, XF_Create pfnCreate);
    // A new procedure, or null when no row has the id.
    static XC_GameProcedure* Create(int iProcedureID);
    static bool HasProcedure(int iProcedureID);
    // The shell's own rows: the logo and the title.
    static void RegisterShellProcedures();
};
