#include "GameProgram/Script/XF_ScriptFunctions.h"

#include "GameProgram/Common/XC_Strtok.h"
#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/D3DCommon/XF_D3DCommon.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

typedef XC_ScriptParameterAnalyzer XA;

namespace {

const float PI = 3.1415927f;
const float DEGREE_TO_RADIAN = 0.017453292f;

// One argument of each type, read with the analyzer's evaluator.
HRESULT Arg(XA* p, XC_Strtok* t, XC_String* r) { return p->EvaluateString(t, r); }
HRESULT Arg(XA* p, XC_Strtok* t, LONG* r) { return p->EvaluateLong(t, r); }
HRESULT Arg(XA* p, XC_Strtok* t, DWORD* r) { return p->EvaluateDword(t, r); }
HRESULT Arg(XA* p, XC_Strtok* t, float* r) { return p->EvaluateFloat(t, r); }
HRESULT Arg(XA* p, XC_Strtok* t, BOOL* r) { return p->EvaluateBool(t, r); }
HRESULT Arg(XA* p, XC_Strtok* t, D3DXVECTOR3* r) { return p->EvaluateXYZ(t, r); }
HRESULT Arg(XA* p, XC_Strtok* t, D3DXMATRIX* r) { return p->EvaluateMatrix(t, r); }

// The arguments left to right; the first failure stops the reading.
template <class... T>
HRESULT Args(XA* p, XC_Strtok* t, T*... args)
{
    HRESULT hr = S_OK;
    ((hr = SUCCEEDED(hr) ? Arg(p, t, args) : hr), ...);
    return hr;
}

// The extra location report some rows add to the evaluator's own.
HRESULT Reported(HRESULT hr)
{
    if (FAILED(hr))
        XF_ReportError(s_szSourceFile, __LINE__, nullptr);
    return hr;
}

template <class T, class R, class Op>
HRESULT Binary(XA* p, XC_Strtok* t, R* r, Op op)
{
    T a{};
    T b{};
    if (FAILED(Args(p, t, &a, &b)))
        return E_FAIL;
    *r = op(a, b);
    return S_OK;
}

template <class T, class R, class Op>
HRESULT Unary(XA* p, XC_Strtok* t, R* r, Op op)
{
    T a{};
    if (FAILED(Arg(p, t, &a)))
        return E_FAIL;
    *r = op(a);
    return S_OK;
}

// The next token for a row that takes one unevaluated; null, reported, when none.
const char* TakeToken(XC_Strtok* t)
{
    const char* const szToken = t->GetToken(TRUE);
    if (szToken == nullptr)
        XM_REPORT_FAILED("szParameter");
    return szToken;
}

// "%d": blanks, an optional sign and decimal digits, wrapping at 32 bits.
bool ParseDecimal(const char* szText, DWORD* pdwResult)
{
    while (*szText == ' ' || (*szText >= '\t' && *szText <= '\r'))
        ++szText;
    const bool bNegative = *szText == '-';
    if (*szText == '-' || *szText == '+')
        ++szText;
    if (*szText < '0' || *szText > '9')
        return false;
    DWORD dwValue = 0;
    for (; *szText >= '0' && *szText <= '9'; ++szText)
        dwValue = dwValue * 10 + static_cast<DWORD>(*szText - '0');
    *pdwResult = bNegative ? 0u - dwValue : dwValue;
    return true;
}

bool HexDigitValue(char c, DWORD* pdwDigit)
{
    if (c >= '0' && c <= '9')
        *pdwDigit = static_cast<DWORD>(c - '0');
    else if (c >= 'a' && c <= 'f')
        *pdwDigit = static_cast<DWORD>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
        *pdwDigit = static_cast<DWORD>(c - 'A' + 10);
    else
        return false;
    return true;
}

// The DWORD literal: "0x" and hexadecimal, else "%d".
bool ParseDword(const char* szText, DWORD* pdwResult)
{
    if (std::strncmp(szText, "0x", 2) != 0)
        return ParseDecimal(szText, pdwResult);
    DWORD dwValue = 0;
    DWORD dwDigit = 0;
    for (const char* c = szText + 2; HexDigitValue(*c, &dwDigit); ++c)
        dwValue = (dwValue << 4) | dwDigit;
    *pdwResult = dwValue;
    return true;
}

bool ParseFloat(const char* szText, float* pfResult)
{
    char* pEnd = nullptr;
    const float fValue = std::strtof(szText, &pEnd);
    if (pEnd == szText)
        return false;
    *pfResult = fValue;
    return true;
}

// A float truncated toward zero to 64 bits and cut to the low 32; values no
// 64-bit integer holds fail instead of being undefined.
bool FloatToLow32(float f, DWORD* pdwResult)
{
    if (!(f > -9.2e18f && f < 9.2e18f)) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("#FLOAT out of range , %f", static_cast<double>(f)));
        return false;
    }
    *pdwResult = static_cast<DWORD>(static_cast<unsigned long long>(static_cast<long long>(f)));
    return true;
}

float ClampUnit(float f)
{
    return f < -1.0f ? -1.0f : (f > 1.0f ? 1.0f : f);
}

D3DXVECTOR3 Normalized(const D3DXVECTOR3& v)
{
    D3DXVECTOR3 n;
    D3DXVec3Normalize(&n, &v);
    return n;
}

// The yaw of a normalised direction, measured from +z towards +x.
float YawOf(const D3DXVECTOR3& n)
{
    const float fYaw = std::asin(ClampUnit(n.x / std::sqrt(n.x * n.x + n.z * n.z)));
    return n.z < 0.0f ? PI - fYaw : fYaw;
}

float PitchOf(const D3DXVECTOR3& n)
{
    return -std::asin(ClampUnit(n.y));
}

// Formats one number with the script's own format, which must hold exactly
// one conversion of the argument's kind.
template <class T>
HRESULT FormatNumber(XA* p, XC_Strtok* t, XC_String* r, const char* szConversions)
{
    XC_String strFormat;
    T value{};
    if (FAILED(Args(p, t, &strFormat, &value)))
        return E_FAIL;
    if (!XF_IsSingleConversionFormat(strFormat.c_str(), szConversions)) {
        XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("Bad number format %s", strFormat.c_str()));
        return E_FAIL;
    }
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    // A float argument reaches the formatter as a double, as the format expects.
    const char* const szText = XF_FormatText(strFormat.c_str(), value);
#pragma GCC diagnostic pop
    if (szText == nullptr)
        return E_FAIL;
    *r = szText;
    return S_OK;
}

} // namespace

HRESULT XF_ReadStringLiteral(XA*, XC_Strtok* t, XC_String* r)
{
    const char* const szToken = TakeToken(t);
    if (szToken == nullptr)
        return E_FAIL;
    *r = szToken;
    return S_OK;
}

HRESULT XF_ReadLongLiteral(XA*, XC_Strtok* t, LONG* r)
{
    const char* const szToken = TakeToken(t);
    DWORD dwValue = 0;
    if (szToken == nullptr || !ParseDecimal(szToken, &dwValue))
        return E_FAIL;
    *r = static_cast<LONG>(dwValue);
    return S_OK;
}

HRESULT XF_ReadDwordLiteral(XA*, XC_Strtok* t, DWORD* r)
{
    const char* const szToken = TakeToken(t);
    if (szToken == nullptr || !ParseDword(szToken, r))
        return E_FAIL;
    return S_OK;
}

HRESULT XF_ReadFloatLiteral(XA*, XC_Strtok* t, float* r)
{
    const char* const szToken = TakeToken(t);
    if (szToken == nullptr || !ParseFloat(szToken, r))
        return E_FAIL;
    return S_OK;
}

HRESULT XF_ReadBoolLiteral(XA*, XC_Strtok* t, BOOL* r)
{
    const char* const szToken = TakeToken(t);
    if (szToken == nullptr)
        return E_FAIL;
    *r = (std::strcmp(szToken, "1") == 0 || std::strcmp(szToken, "TRUE") == 0 || std::strcmp(szToken, "true") == 0)
             ? TRUE
             : FALSE;
    return S_OK;
}

HRESULT XF_ReadXYZLiteral(XA* p, XC_Strtok* t, D3DXVECTOR3* r)
{
    // Each component lands the moment it is read.
    return Args(p, t, &r->x, &r->y, &r->z);
}

HRESULT XF_ReadMatrixLiteral(XA*, XC_Strtok*, D3DXMATRIX*)
{
    return E_FAIL;
}

bool XF_IsSingleConversionFormat(const char* szFormat, const char* szConversions)
{
    int iConversions = 0;
    for (const char* c = szFormat; *c != '\0'; ++c) {
        if (*c != '%')
            continue;
        ++c;
        if (*c == '%')
            continue;
        while (*c != '\0' && std::strchr("-+ #0", *c) != nullptr)
            ++c;
        for (int iDigits = 0; *c >= '0' && *c <= '9'; ++c)
            if (++iDigits > 3)
                return false;
        if (*c == '.') {
            ++c;
            for (int iDigits = 0; *c >= '0' && *c <= '9'; ++c)
                if (++iDigits > 3)
                    return false;
        }
        if (*c == 'l')
            ++c;
        if (*c == '\0' || std::strchr(szConversions, *c) == nullptr)
            return false;
        ++iConversions;
    }
    return iConversions == 1;
}

void XF_AddStringFunctions(std::map<XC_String, XF_StringFunction>* pTable)
{
    std::map<XC_String, XF_StringFunction>& table = *pTable;
    table["#String"] = XF_ReadStringLiteral;
    table["#LONG"] = [](XA* p, XC_Strtok* t, XC_String* r) { return FormatNumber<LONG>(p, t, r, "di"); };
    table["#DWORD"] = [](XA* p, XC_Strtok* t, XC_String* r) { return FormatNumber<DWORD>(p, t, r, "diuxXo"); };
    table["#FLOAT"] = [](XA* p, XC_Strtok* t, XC_String* r) { return FormatNumber<float>(p, t, r, "fFeEgGaA"); };
    table["#XYZ"] = [](XA* p, XC_Strtok* t, XC_String* r) {
        D3DXVECTOR3 v(0.0f, 0.0f, 0.0f);
        if (FAILED(Arg(p, t, &v)))
            return E_FAIL;
        const char* const szText = XF_FormatText("%f , %f , %f ", static_cast<double>(v.x), static_cast<double>(v.y),
                                                 static_cast<double>(v.z));
        if (szText == nullptr)
            return E_FAIL;
        *r = szText;
        return S_OK;
    };
    table["#Parameter"] = [](XA* p, XC_Strtok* t, XC_String* r) {
        XC_String strName;
        if (FAILED(Arg(p, t, &strName)))
            return E_FAIL;
        *r = p->GetStringParameter(strName.c_str(), "");
        return p->IsDepthExceeded() ? E_FAIL : S_OK;
    };
    table["#add"] = [](XA* p, XC_Strtok* t, XC_String* r) {
        return Binary<XC_String>(p, t, r, [](const XC_String& a, const XC_String& b) { return XC_String(a + b); });
    };
}

void XF_AddLongFunctions(std::map<XC_String, XF_LongFunction>* pTable)
{
    std::map<XC_String, XF_LongFunction>& table = *pTable;
    table["#String"] = [](XA* p, XC_Strtok* t, LONG* r) {
        XC_String s;
        DWORD dwValue = 0;
        if (FAILED(Arg(p, t, &s)) || !ParseDecimal(s.c_str(), &dwValue))
            return E_FAIL;
        *r = static_cast<LONG>(dwValue);
        return S_OK;
    };
    table["#LONG"] = XF_ReadLongLiteral;
    table["#FLOAT"] = [](XA* p, XC_Strtok* t, LONG* r) {
        float f = 0.0f;
        DWORD dwValue = 0;
        if (FAILED(Arg(p, t, &f)) || !FloatToLow32(f, &dwValue))
            return E_FAIL;
        *r = static_cast<LONG>(dwValue);
        return S_OK;
    };
    table["#DWORD"] = [](XA* p, XC_Strtok* t, LONG* r) {
        return Unary<DWORD>(p, t, r, [](DWORD d) { return static_cast<LONG>(d); });
    };
    table["#Parameter"] = [](XA* p, XC_Strtok* t, LONG* r) {
        XC_String strName;
        if (FAILED(Arg(p, t, &strName)))
            return E_FAIL;
        *r = p->GetLongParameter(strName.c_str(), 0);
        return p->IsDepthExceeded() ? E_FAIL : S_OK;
    };
    table["#Random"] = [](XA* p, XC_Strtok* t, LONG* r) {
        return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return static_cast<LONG>(XF_RandomInt(a, b)); });
    };
    // Sums and products wrap at 32 bits, as unsigned arithmetic does.
    table["#add"] = [](XA* p, XC_Strtok* t, LONG* r) {
        return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return static_cast<LONG>(static_cast<DWORD>(a) + static_cast<DWORD>(b)); });
    };
    table["#sub"] = [](XA* p, XC_Strtok* t, LONG* r) {
        return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return static_cast<LONG>(static_cast<DWORD>(a) - static_cast<DWORD>(b)); });
    };
    table["#mul"] = [](XA* p, XC_Strtok* t, LONG* r) {
        return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return static_cast<LONG>(static_cast<DWORD>(a) * static_cast<DWORD>(b)); });
    };
    table["#div"] = [](XA* p, XC_Strtok* t, LONG* r) {
        LONG a = 0;
        LONG b = 0;
        if (FAILED(Args(p, t, &a, &b)))
            return E_FAIL;
        if (b == 0 || (a == LONG_MIN && b == -1)) {
            XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("#div %ld / %ld", a, b));
            return E_FAIL;
        }
        *r = a / b;
        return S_OK;
    };
    table["#max"] = [](XA* p, XC_Strtok* t, LONG* r) { return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return a < b ? b : a; }); };
    table["#min"] = [](XA* p, XC_Strtok* t, LONG* r) { return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return a > b ? b : a; }); };
}

void XF_AddDwordFunctions(std::map<XC_String, XF_DwordFunction>* pTable)
{
    std::map<XC_String, XF_DwordFunction>& table = *pTable;
    table["#String"] = [](XA* p, XC_Strtok* t, DWORD* r) {
        XC_String s;
        if (FAILED(Arg(p, t, &s)) || !ParseDword(s.c_str(), r))
            return E_FAIL;
        return S_OK;
    };
    table["#LONG"] = [](XA* p, XC_Strtok* t, DWORD* r) {
        return Unary<LONG>(p, t, r, [](LONG l) { return static_cast<DWORD>(l); });
    };
    table["#FLOAT"] = [](XA* p, XC_Strtok* t, DWORD* r) {
        float f = 0.0f;
        if (FAILED(Arg(p, t, &f)) || !FloatToLow32(f, r))
            return E_FAIL;
        return S_OK;
    };
    table["#DWORD"] = XF_ReadDwordLiteral;
    table["#Parameter"] = [](XA* p, XC_Strtok* t, DWORD* r) {
        XC_String strName;
        if (FAILED(Arg(p, t, &strName)))
            return E_FAIL;
        *r = p->GetDwordParameter(strName.c_str(), 0);
        return p->IsDepthExceeded() ? E_FAIL : S_OK;
    };
    table["#Random"] = [](XA* p, XC_Strtok* t, DWORD* r) {
        return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return static_cast<DWORD>(XF_RandomUInt(a, b)); });
    };
    table["#RGBA"] = [](XA* p, XC_Strtok* t, DWORD* r) {
        DWORD red = 0;
        DWORD green = 0;
        DWORD blue = 0;
        DWORD alpha = 0;
        if (FAILED(Args(p, t, &red, &green, &blue, &alpha)))
            return E_FAIL;
        auto clamp = [](DWORD c) { return c > 255 ? 255u : c; };
        *r = (clamp(alpha) << 24) | (clamp(red) << 16) | (clamp(green) << 8) | clamp(blue);
        return S_OK;
    };
    table["#add"] = [](XA* p, XC_Strtok* t, DWORD* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return a + b; }); };
    table["#sub"] = [](XA* p, XC_Strtok* t, DWORD* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return a - b; }); };
    table["#mul"] = [](XA* p, XC_Strtok* t, DWORD* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return a * b; }); };
    table["#div"] = [](XA* p, XC_Strtok* t, DWORD* r) {
        DWORD a = 0;
        DWORD b = 0;
        if (FAILED(Args(p, t, &a, &b)))
            return E_FAIL;
        if (b == 0) {
            XF_ReportError(s_szSourceFile, __LINE__, XF_FormatText("#div %lu / 0", a));
            return E_FAIL;
        }
        *r = a / b;
        return S_OK;
    };
    table["#max"] = [](XA* p, XC_Strtok* t, DWORD* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return a < b ? b : a; }); };
    table["#min"] = [](XA* p, XC_Strtok* t, DWORD* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return a > b ? b : a; }); };
}

void XF_AddFloatFunctions(std::map<XC_String, XF_FloatFunction>* pTable)
{
    std::map<XC_String, XF_FloatFunction>& table = *pTable;
    table["#String"] = [](XA* p, XC_Strtok* t, float* r) {
        XC_String s;
        if (FAILED(Arg(p, t, &s)) || !ParseFloat(s.c_str(), r))
            return E_FAIL;
        return S_OK;
    };
    table["#LONG"] = [](XA* p, XC_Strtok* t, float* r) { return Unary<LONG>(p, t, r, [](LONG l) { return static_cast<float>(l); }); };
    table["#FLOAT"] = XF_ReadFloatLiteral;
    table["#DWORD"] = [](XA* p, XC_Strtok* t, float* r) { return Unary<DWORD>(p, t, r, [](DWORD d) { return static_cast<float>(d); }); };
    table["#Parameter"] = [](XA* p, XC_Strtok* t, float* r) {
        XC_String strName;
        if (FAILED(Arg(p, t, &strName)))
            return E_FAIL;
        *r = p->GetFloatParameter(strName.c_str(), 0.0f);
        return p->IsDepthExceeded() ? E_FAIL : S_OK;
    };
    table["#Random"] = [](XA* p, XC_Strtok* t, float* r) { return Binary<float>(p, t, r, XF_RandomFloat); };
    table["#FromXYZ"] = [](XA* p, XC_Strtok* t, float* r) {
        D3DXVECTOR3 v(0.0f, 0.0f, 0.0f);
        XC_String strAxis;
        if (FAILED(Reported(Args(p, t, &v, &strAxis))))
            return E_FAIL;
        switch (strAxis.empty() ? '\0' : strAxis[0]) {
        case 'x': *r = v.x; return S_OK;
        case 'y': *r = v.y; return S_OK;
        case 'z': *r = v.z; return S_OK;
        default: return Reported(E_FAIL);
        }
    };
    table["#add"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Binary<float>(p, t, r, [](float a, float b) { return a + b; })); };
    table["#sub"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Binary<float>(p, t, r, [](float a, float b) { return a - b; })); };
    table["#mul"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Binary<float>(p, t, r, [](float a, float b) { return a * b; })); };
    table["#div"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Binary<float>(p, t, r, [](float a, float b) { return a / b; })); };
    table["#max"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Binary<float>(p, t, r, [](float a, float b) { return a < b ? b : a; })); };
    table["#min"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Binary<float>(p, t, r, [](float a, float b) { return a > b ? b : a; })); };
    table["#sqrt"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Unary<float>(p, t, r, [](float x) { return std::sqrt(x); })); };
    table["#ToPi"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Unary<float>(p, t, r, [](float x) { return x * DEGREE_TO_RADIAN; })); };
    table["#sin"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Unary<float>(p, t, r, [](float x) { return std::sin(x); })); };
    table["#cos"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Unary<float>(p, t, r, [](float x) { return std::cos(x); })); };
    table["#tan"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Unary<float>(p, t, r, [](float x) { return std::tan(x); })); };
    table["#asin"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Unary<float>(p, t, r, [](float x) { return std::asin(x); })); };
    table["#acos"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Unary<float>(p, t, r, [](float x) { return std::acos(x); })); };
    table["#atan"] = [](XA* p, XC_Strtok* t, float* r) { return Reported(Unary<float>(p, t, r, [](float x) { return std::atan(x); })); };
    table["#VecLength"] = [](XA* p, XC_Strtok* t, float* r) {
        return Reported(Unary<D3DXVECTOR3>(p, t, r, [](const D3DXVECTOR3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }));
    };
    table["#VerDist"] = [](XA* p, XC_Strtok* t, float* r) {
        return Reported(Binary<D3DXVECTOR3>(p, t, r, [](const D3DXVECTOR3& a, const D3DXVECTOR3& b) {
            const D3DXVECTOR3 d = a - b;
            return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        }));
    };
    table["#VecToRotX"] = [](XA* p, XC_Strtok* t, float* r) {
        return Reported(Unary<D3DXVECTOR3>(p, t, r, [](const D3DXVECTOR3& v) { return PitchOf(Normalized(v)); }));
    };
    table["#VecToRotY"] = [](XA* p, XC_Strtok* t, float* r) {
        return Reported(Unary<D3DXVECTOR3>(p, t, r, [](const D3DXVECTOR3& v) {
            const D3DXVECTOR3 n = Normalized(v);
            // Straight up or down has no yaw of its own.
            if (std::fabs(n.x) < 0.001f && std::fabs(n.z) < 0.001f)
                return PI;
            return YawOf(n);
        }));
    };
}

void XF_AddBoolFunctions(std::map<XC_String, XF_BoolFunction>* pTable)
{
    std::map<XC_String, XF_BoolFunction>& table = *pTable;
    table["!"] = [](XA* p, XC_Strtok* t, BOOL* r) { return Reported(Unary<BOOL>(p, t, r, [](BOOL b) { return b == 1 ? FALSE : TRUE; })); };
    // Both sides are always read, so each consumes its tokens.
    table["&&"] = [](XA* p, XC_Strtok* t, BOOL* r) {
        return Reported(Binary<BOOL>(p, t, r, [](BOOL a, BOOL b) { return (a != 0 && b != 0) ? TRUE : FALSE; }));
    };
    table["||"] = [](XA* p, XC_Strtok* t, BOOL* r) {
        return Reported(Binary<BOOL>(p, t, r, [](BOOL a, BOOL b) { return (a != 0 || b != 0) ? TRUE : FALSE; }));
    };
    table["#BOOL"] = XF_ReadBoolLiteral;
    table["#Parameter"] = [](XA* p, XC_Strtok* t, BOOL* r) {
        XC_String strName;
        if (FAILED(Arg(p, t, &strName)))
            return E_FAIL;
        *r = p->GetBoolParameter(strName.c_str(), FALSE);
        return p->IsDepthExceeded() ? E_FAIL : S_OK;
    };
    table[">"] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return BOOL(a > b); }); };
    table[">="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return BOOL(a >= b); }); };
    table["<"] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return BOOL(a < b); }); };
    table["<="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return BOOL(a <= b); }); };
    table["=="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return BOOL(a == b); }); };
    table["!="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<LONG>(p, t, r, [](LONG a, LONG b) { return BOOL(a != b); }); };
    table["d>"] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return BOOL(a > b); }); };
    table["d>="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return BOOL(a >= b); }); };
    table["d<"] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return BOOL(a < b); }); };
    table["d<="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return BOOL(a <= b); }); };
    table["d=="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return BOOL(a == b); }); };
    table["d!="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<DWORD>(p, t, r, [](DWORD a, DWORD b) { return BOOL(a != b); }); };
    table["f>"] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<float>(p, t, r, [](float a, float b) { return BOOL(a > b); }); };
    table["f>="] = [](XA* p, XC_Strtok* t, BOOL* r) {
        return Binary<float>(p, t, r, [](float a, float b) { return BOOL(a > b || XF_FloatEqual(a, b)); });
    };
    table["f<"] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<float>(p, t, r, [](float a, float b) { return BOOL(a < b); }); };
    table["f<="] = [](XA* p, XC_Strtok* t, BOOL* r) {
        return Binary<float>(p, t, r, [](float a, float b) { return BOOL(a < b || XF_FloatEqual(a, b)); });
    };
    table["f=="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<float>(p, t, r, [](float a, float b) { return BOOL(XF_FloatEqual(a, b)); }); };
    table["f!="] = [](XA* p, XC_Strtok* t, BOOL* r) { return Binary<float>(p, t, r, [](float a, float b) { return BOOL(!XF_FloatEqual(a, b)); }); };
}

void XF_AddXYZFunctions(std::map<XC_String, XF_XYZFunction>* pTable)
{
    std::map<XC_String, XF_XYZFunction>& table = *pTable;
    table["#XYZ"] = XF_ReadXYZLiteral;
    table["#Parameter"] = [](XA* p, XC_Strtok* t, D3DXVECTOR3* r) {
        XC_String strName;
        if (FAILED(Arg(p, t, &strName)))
            return E_FAIL;
        *r = p->GetXYZParameter(strName.c_str());
        return p->IsDepthExceeded() ? E_FAIL : S_OK;
    };
    table["#mul_MAT"] = [](XA* p, XC_Strtok* t, D3DXVECTOR3* r) {
        D3DXVECTOR3 v(0.0f, 0.0f, 0.0f);
        D3DXMATRIX m;
        if (FAILED(Reported(Args(p, t, &v, &m))))
            return E_FAIL;
        *r = XF_TransformPoint(&v, &m);
        return S_OK;
    };
    typedef D3DXVECTOR3 V;
    table["#add"] = [](XA* p, XC_Strtok* t, V* r) { return Reported(Binary<V>(p, t, r, [](const V& a, const V& b) { return V(a + b); })); };
    table["#sub"] = [](XA* p, XC_Strtok* t, V* r) { return Reported(Binary<V>(p, t, r, [](const V& a, const V& b) { return V(a - b); })); };
    table["#mul"] = [](XA* p, XC_Strtok* t, V* r) {
        V v(0.0f, 0.0f, 0.0f);
        float f = 0.0f;
        if (FAILED(Reported(Args(p, t, &v, &f))))
            return E_FAIL;
        *r = v * f;
        return S_OK;
    };
    table["#div"] = [](XA* p, XC_Strtok* t, V* r) {
        V v(0.0f, 0.0f, 0.0f);
        float f = 0.0f;
        if (FAILED(Reported(Args(p, t, &v, &f))))
            return E_FAIL;
        const float fReciprocal = 1.0f / f;
        *r = V(v.x * fReciprocal, v.y * fReciprocal, v.z * fReciprocal);
        return S_OK;
    };
    table["#Normalize"] = [](XA* p, XC_Strtok* t, V* r) { return Reported(Unary<V>(p, t, r, Normalized)); };
    table["#Vector"] = [](XA* p, XC_Strtok* t, V* r) {
        return Reported(Binary<V>(p, t, r, [](const V& from, const V& to) { return Normalized(to - from); }));
    };
    table["#VecToRot"] = [](XA* p, XC_Strtok* t, V* r) {
        return Reported(Unary<V>(p, t, r, [](const V& v) {
            const V n = Normalized(v);
            return V(PitchOf(n), YawOf(n), 0.0f);
        }));
    };
}

void XF_AddMatrixFunctions(std::map<XC_String, XF_MatrixFunction>* pTable)
{
    std::map<XC_String, XF_MatrixFunction>& table = *pTable;
    typedef D3DXMATRIX M;
    typedef D3DXVECTOR3 V;
    table["#Parameter"] = [](XA* p, XC_Strtok* t, M* r) {
        XC_String strName;
        if (FAILED(Arg(p, t, &strName)))
            return E_FAIL;
        *r = p->GetMatrixParameter(strName.c_str());
        return p->IsDepthExceeded() ? E_FAIL : S_OK;
    };
    table["#Position"] = [](XA* p, XC_Strtok* t, M* r) {
        return Reported(Unary<V>(p, t, r, [](const V& v) { M m; D3DXMatrixTranslation(&m, v.x, v.y, v.z); return m; }));
    };
    table["#Rotation"] = [](XA* p, XC_Strtok* t, M* r) {
        return Reported(Unary<V>(p, t, r, [](const V& v) { M m; D3DXMatrixRotationYawPitchRoll(&m, v.y, v.x, v.z); return m; }));
    };
    table["#Scale"] = [](XA* p, XC_Strtok* t, M* r) {
        return Reported(Unary<V>(p, t, r, [](const V& v) { M m; D3DXMatrixScaling(&m, v.x, v.y, v.z); return m; }));
    };
    table["#mul"] = [](XA* p, XC_Strtok* t, M* r) {
        return Reported(Binary<M>(p, t, r, [](const M& a, const M& b) { M m; D3DXMatrixMultiply(&m, &a, &b); return m; }));
    };
}
