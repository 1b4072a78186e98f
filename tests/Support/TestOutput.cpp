#include "tests/Support/TestOutput.h"

#include <cstdlib>

std::string TestOutputFile(const std::string& name)
{
    const char* folder = std::getenv("OSKEL_TEST_OUTPUT");
    if (folder == nullptr || *folder == '\0')
        return name;
    return std::string(folder) + "\\" + name;
}
