#pragma once

#include <windows.h>

// Tints what stage 0 draws: the texture factor takes the colour and stage 0
// takes its second colour and alpha arguments from it.
void XF_SetTextureFactorColor(DWORD dwColor);
// Back to an opaque white factor and the diffuse colour as second arguments.
void XF_RestoreTextureFactor();
// The per-channel product of two ARGB colours, each channel divided by 255.
DWORD XF_ModulateColor(DWORD dwFirst, DWORD dwSecond);
