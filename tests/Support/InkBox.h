#pragma once

#include "tests/Support/BitmapFile.h"

#include <cstdint>

// The smallest box around the pixels of a picture's region that differ from
// its background colour, as drawn text leaves them. Bounds are inclusive.
struct InkBox
{
    bool bEmpty = true;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int CenterX() const { return (left + right) / 2; }
    int CenterY() const { return (top + bottom) / 2; }
};

// Searches x in [left, right) and y in [top, bottom), clipped to the picture.
InkBox FindInk(const BitmapFile& picture, std::uint32_t background, int left, int top, int right, int bottom);
