#include "GameProgram/Common/XF_Common.h"

#include "GameProgram/Common/XC_ErrorLog.h"

#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

const int FORMAT_RING_SIZE = 20;
const int FORMAT_BUFFER_SIZE = 260;
char s_szFormatRing[FORMAT_RING_SIZE][FORMAT_BUFFER_SIZE];
int s_iFormatIndex = 0;

const float TWO_PI = 6.2831855f;
const float PI = 3.1415927f;

float WrapAngle(float fAngle)
{
    if (!std::isfinite(fAngle))
        return 0.0f;
    fAngle = std::fmod(fAngle, TWO_PI);
    while (fAngle < 0.0f)
        fAngle += TWO_PI;
    while (fAngle >= TWO_PI)
        fAngle -= TWO_PI;
    return fAngle;
}

} // namespace

void XF_ReportError(const char* szFile, int iLine, const char* szMessage)
{
    g_pErrorLog->Report(szFile, iLine, szMessage);
}

void XF_ReportMessage(const char* szMessage)
{
    g_pErrorLog->WriteMessage(szMessage);
}

const char* XF_FormatText(const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    va_list measureArgs;
    va_copy(measureArgs, args);
    const int iLength = std::vsnprintf(nullptr, 0, szFormat, measureArgs);
    va_end(measureArgs);
    if (iLength < 0 || iLength >= FORMAT_BUFFER_SIZE) {
        va_end(args);
        return nullptr;
    }
    if (s_iFormatIndex >= FORMAT_RING_SIZE)
        s_iFormatIndex = 0;
    char* szBuffer = s_szFormatRing[s_iFormatIndex++];
    std::vsnprintf(szBuffer, FORMAT_BUFFER_SIZE, szFormat, args);
    va_end(args);
    return szBuffer;
}

HRESULT XF_StrCopy(char** pszDest, const char* szSource)
{
    if (szSource == nullptr) {
        XM_REPORT_FAILED("szSource");
        return E_FAIL;
    }
    const size_t length = std::strlen(szSource);
    char* szCopy = new (std::nothrow) char[length + 1];
    if (szCopy == nullptr)
        return E_OUTOFMEMORY;
    std::memcpy(szCopy, szSource, length + 1);
    *pszDest = szCopy;
    return S_OK;
}

float XF_Round(float fValue)
{
    // Past this size a float holds only whole numbers, and ten times it would
    // not fit the 32-bit step below.
    if (!(std::fabs(fValue) < 100000000.0f))
        return fValue;
    const int iTenths = static_cast<int>(fValue * 10.0f);
    const int iDigit = std::abs(iTenths) % 10;
    const int iWhole = iTenths / 10;
    if (iDigit < 5)
        return static_cast<float>(iWhole);
    return static_cast<float>(fValue >= 0.0f ? iWhole + 1 : iWhole - 1);
}

int XF_CompareRounded(float fA, float fB, unsigned int uPlaces)
{
    float fScale = 1.0f;
    for (unsigned int i = 0; i < uPlaces; ++i)
        fScale *= 10.0f;
    const float fRoundedA = XF_Round(fA * fScale);
    const float fRoundedB = XF_Round(fB * fScale);
    if (fRoundedA > fRoundedB)
        return 1;
    if (fRoundedA < fRoundedB)
        return -1;
    return 0;
}

int XF_RandomInt(int iA, int iB)
{
    if (iA == iB)
        return iA;
    const std::int64_t lo = iA < iB ? iA : iB;
    const std::int64_t hi = iA < iB ? iB : iA;
    return static_cast<int>(lo + std::rand() % (hi - lo + 1));
}

unsigned int XF_RandomUInt(unsigned int uA, unsigned int uB)
{
    if (uA == uB)
        return uA;
    const std::uint64_t lo = uA < uB ? uA : uB;
    const std::uint64_t hi = uA < uB ? uB : uA;
    return static_cast<unsigned int>(lo + static_cast<std::uint64_t>(std::rand()) % (hi - lo + 1));
}

float XF_RandomFloat(float fA, float fB)
{
    if (fA == fB)
        return fA;
    const double lo = fA < fB ? fA : fB;
    const double hi = fA < fB ? fB : fA;
    return static_cast<float>(lo + (hi - lo) * (std::rand() / 32767.0));
}

float XF_AngleDiff(float fFrom, float fTo)
{
    const float fDiff = WrapAngle(fTo) - WrapAngle(fFrom);
    if (fDiff > PI)
        return fDiff - TWO_PI;
    if (fDiff < -PI)
        return fDiff + TWO_PI;
    return fDiff;
}

bool XF_FloatEqual(float fA, float fB)
{
    return std::fabs(fA - fB) < 0.001f;
}

int XF_AngleToQuarter(float fAngle)
{
    const float fWrapped = WrapAngle(fAngle);
    if (fWrapped < 0.7853982f)
        return 0;
    if (fWrapped < 2.3561945f)
        return 1;
    if (fWrapped < 3.926991f)
        return 2;
    if (fWrapped < 5.497787f)
        return 3;
    return 0;
}

HRESULT XF_LoadFile(const char* szPath, BYTE** ppData, DWORD* pdwSize)
{
    *ppData = nullptr;
    *pdwSize = 0;
    const HANDLE hFile = CreateFileA(szPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return XF_E_LOAD_OPEN;

    LARGE_INTEGER size;
    if (!GetFileSizeEx(hFile, &size) || size.QuadPart > MAXDWORD) {
        CloseHandle(hFile);
        return E_FAIL;
    }
    const DWORD dwSize = static_cast<DWORD>(size.QuadPart);
    BYTE* pData = new (std::nothrow) BYTE[dwSize];
    DWORD dwRead = 0;
    const BOOL bRead = pData != nullptr && ReadFile(hFile, pData, dwSize, &dwRead, nullptr);
    CloseHandle(hFile);
    if (!bRead || dwRead != dwSize) {
        delete[] pData;
        return E_FAIL;
    }
    *ppData = pData;
    *pdwSize = dwSize;
    return S_OK;
}
