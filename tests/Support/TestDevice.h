#pragma once

#include "bench/Support/WindowedDevice.h"

#include <string>

// The window and device of the tests that render, of a window class other
// than the game frame's own.
class TestDevice : public WindowedDevice
{
public:
    TestDevice();

    // Saves the back buffer as a ".bmp" in the bench's output folder and
    // gives its path, or an empty text on failure.
    std::string SaveBackBuffer(const std::string& name) const;
};
