#pragma once

#include "GameProgram/Common/XF_SourceFile.h"

#include <windows.h>

// The engine's free helpers: the error report, the ring of format buffers,
// a string copier, rounding, random numbers, angles and a whole-file loader.

// Reports a failure with its source file and line through the global error
// log. A null text gives a report of the location alone.
void XF_ReportError(const char* szFile, int iLine, const char* szMessage);
// Writes a plain note (no location, no line breaks added) to the error log.
void XF_ReportMessage(const char* szMessage);

// Formats into the next of 20 static buffers of 260 bytes and returns it, or
// null when the text would not fit (the ring does not move then). The text
// stays valid until 20 further successful calls.
const char* XF_FormatText(const char* szFormat, ...) __attribute__((format(printf, 1, 2)));

// Stores a new copy of szSource (free it with delete[]) in *pszDest; E_FAIL
// for a null source, leaving *pszDest alone. The old pointer is not freed.
HRESULT XF_StrCopy(char** pszDest, const char* szSource);

// Rounds half away from zero, deciding by the first decimal digit only.
float XF_Round(float fValue);
// 1, 0 or -1 after rounding both values to the given decimal places.
int XF_CompareRounded(float fA, float fB, unsigned int uPlaces);

// Random values between two bounds, both included, drawn with rand().
int XF_RandomInt(int iA, int iB);
unsigned int XF_RandomUInt(unsigned int uA, unsigned int uB);
float XF_RandomFloat(float fA, float fB);

// The signed shortest turn from fFrom to fTo, in [-pi, pi].
float XF_AngleDiff(float fFrom, float fTo);
// True when the two values are within 0.001.
bool XF_FloatEqual(float fA, float fB);
// The quarter (0 to 3) of the circle the angle points into, centred on the axes.
int XF_AngleToQuarter(float fAngle);

// The file could not be opened (missing, a folder, held without sharing).
inline constexpr HRESULT XF_E_LOAD_OPEN = static_cast<HRESULT>(0x8007006E);

// Reads a whole file into a new buffer (free it with delete[]); S_OK, or a
// failure with a null buffer and a size of 0: XF_E_LOAD_OPEN when the file
// cannot be opened, E_FAIL when it cannot be read.
HRESULT XF_LoadFile(const char* szPath, BYTE** ppData, DWORD* pdwSize);

// Precondition and call reports of the form every module uses. The source
// file that reports is the constant s_szSourceFile of the calling file.
#define XM_REPORT_FAILED(szExpression) \
    XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("( %s ) failed", szExpression))
#define XM_REPORT_FAILED_HR(szCall, hr) \
    XF_ReportError(s_szSourceFile, __LINE__, \
                   XF_FormatText("( %s ) failed , hr = %x ", szCall, static_cast<unsigned>(hr)))
