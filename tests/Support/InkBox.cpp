#include "tests/Support/InkBox.h"

#include <algorithm>

InkBox FindInk(const BitmapFile& picture, std::uint32_t background, int left, int top, int right, int bottom)
{
    InkBox box;
    right = std::min(right, picture.Width());
    bottom = std::min(bottom, picture.Height());
    for (int y = std::max(top, 0); y < bottom; ++y) {
        for (int x = std::max(left, 0); x < right; ++x) {
            if (picture.Pixel(x, y) == background)
                continue;
            if (box.bEmpty) {
                box = {false, x, y, x, y};
                continue;
            }
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}
