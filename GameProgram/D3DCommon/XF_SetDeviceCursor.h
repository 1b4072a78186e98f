#pragma once

#include <d3d9.h>

// Makes a GDI cursor the Direct3D device cursor. With bAddWatermark, small
// grey marks in its top-left corner tell it apart from the system cursor.
// S_OK, or E_FAIL (or the device's failure) when it cannot be done.
HRESULT XF_SetDeviceCursor(IDirect3DDevice9* pDevice, HCURSOR hCursor, BOOL bAddWatermark);
