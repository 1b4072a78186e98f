#include "Code/Begin/XC_DirectXVersion.h"

#include <gtest/gtest.h>

#include <oleauto.h>

namespace {

VARIANT Number(ULONG ulValue, VARTYPE vt = VT_UI4)
{
    VARIANT var;
    VariantInit(&var);
    var.vt = vt;
    var.ulVal = ulValue;
    return var;
}

// The provider's answers as the diagnostics give them; the letter's text is
// freed with the case.
struct XS_Answer
{
    const char* szCase;
    VARIANT varMajor;
    VARIANT varMinor;
    const wchar_t* wszLetter;
    VARTYPE vtLetter;
    DWORD dwExpected;
};

} // namespace

TEST(XC_DirectXVersion, ComposesTheProvidersAnswers)
{
    const XS_Answer answers[] = {
        {"9.0b", Number(9), Number(0), L"b", VT_BSTR, 0x00090002},
        {"9.0c", Number(9), Number(0), L"c", VT_BSTR, 0x00090003},
        {"an upper-case letter adds nothing", Number(9), Number(0), L"C", VT_BSTR, 0x00090000},
        {"a blank letter adds nothing", Number(9), Number(0), L" ", VT_BSTR, 0x00090000},
        {"an empty letter fails the query", Number(9), Number(0), L"", VT_BSTR, 0},
        {"a major number of another type fails it", Number(9, VT_I4), Number(0), L"c", VT_BSTR, 0},
        {"a letter of another type fails it", Number(9), Number(0), L"c", VT_I4, 0},
    };
    for (const XS_Answer& answer : answers) {
        VARIANT varLetter;
        VariantInit(&varLetter);
        varLetter.vt = answer.vtLetter;
        varLetter.bstrVal = answer.vtLetter == VT_BSTR ? SysAllocString(answer.wszLetter) : nullptr;
        EXPECT_EQ(XC_DirectXVersion::Compose(answer.varMajor, answer.varMinor, varLetter), answer.dwExpected)
            << answer.szCase;
        if (answer.vtLetter == VT_BSTR)
            VariantClear(&varLetter);
    }
    EXPECT_LT(0x00090002u, XC_DirectXVersion::DX_VERSION_REQUIRED);
}

TEST(XC_DirectXVersion, TheInstalledRuntimeIsNewEnough)
{
    EXPECT_GE(XC_DirectXVersion::Query(), XC_DirectXVersion::DX_VERSION_REQUIRED);
}
