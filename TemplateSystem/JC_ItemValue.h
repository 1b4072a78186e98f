#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <variant>
#include <vector>

class JC_DataComponent;

// The arrays of VECTOR items. A component hands them out by pointer and the
// data layer edits them in place: INT32 and UINT32 elements are kept as their
// 32-bit patterns, FLOAT and STRING elements as they are.
using JC_DWordArray = std::vector<DWORD>;
using JC_FloatArray = std::vector<float>;
using JC_StringArray = std::vector<std::string>;

// One item's value in a component, by the item's type: INT32 and BOOL int;
// UINT32, COMBO and SPACE32 DWORD; FLOAT float; SPACE64 ULONGLONG; STRING
// text; VECTOR an array; Template the owned sub-component or null. A slot
// without a value holds std::monostate: a component keeps one value per item
// of its template, and a flag of its own would cost every value 8 bytes.
using JC_ItemValue = std::variant<std::monostate, int, DWORD, float, ULONGLONG, std::string, JC_DWordArray,
                                  JC_FloatArray, JC_StringArray, std::unique_ptr<JC_DataComponent>>;

// The caller's variable a value is set from. A 32-bit item takes an int or a
// DWORD; every other type takes its own holder type, so a mismatch is a
// failure code and never a write into the wrong storage.
using JC_ValueIn = std::variant<const int*, const DWORD*, const float*, const ULONGLONG*, const std::string*,
                                const JC_DWordArray*, const JC_FloatArray*, const JC_StringArray*,
                                const JC_DataComponent*>;

// The caller's variable a value is read into; arrays and sub-components are
// handed out as pointers to the component's own.
using JC_ValueOut = std::variant<int*, DWORD*, float*, ULONGLONG*, std::string*, JC_DWordArray**,
                                 JC_FloatArray**, JC_StringArray**, JC_DataComponent**>;
