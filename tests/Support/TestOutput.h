#pragma once

#include <string>

// The path of a file in the bench's output folder, where tests leave pictures
// of what their windows showed ("build/bench/output"); the working folder when
// the program runs outside the bench.
std::string TestOutputFile(const std::string& name);
