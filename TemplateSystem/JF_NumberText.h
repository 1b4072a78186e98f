#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Number conversions of the template data system's own. The C runtime's
// atol and _atoi64 stop at their limits and atof follows the locale, but a
// number text must read back exactly what the writers printed, on any machine.

// A decimal text by the rules of atol: leading white space, an optional sign,
// then digits up to the first other character; 0 when there are none. The
// value keeps the low 64 bits, so "%u" and "%I64u" texts read back unchanged
// and "-1" gives all bits set.
ULONGLONG JF_DecimalToUInt64(std::string_view strText);

// The same, keeping the low 32 bits as a signed number (the rules of atoi).
int JF_DecimalToInt(std::string_view strText);

// Whether the whole text is such a decimal number (at least one digit and
// nothing after the digits) whose value fits a signed 32-bit number; callers
// that read by atoi rules use it to report what those rules would hide.
bool JF_IsWholeDecimalInt(std::string_view strText);

// A real number by the rules of atof, with '.' as the decimal point whatever
// the locale: leading white space, an optional sign, digits with an optional
// fraction and exponent; 0 when there is none.
double JF_TextToReal(std::string_view strText);
