#pragma once

#include <windows.h>

// The names of the template layer's item read and write failures, filled up
// with blanks to 37 characters; an empty text for any other code.
const char* JF_ItemReadErrorName(DWORD dwResult);
const char* JF_ItemWriteErrorName(DWORD dwResult);
