#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace {

// A crash ends the test program with a line instead of waiting on a debugger.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS* exception)
{
    std::fprintf(stderr, "test program crashed: exception 0x%08lx\n",
                 exception->ExceptionRecord->ExceptionCode);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

// GoogleTest's wildcards: '*' any text, '?' one character.
bool MatchesPattern(const char* szPattern, const char* szName)
{
    if (*szPattern == '\0')
        return *szName == '\0';
    if (*szPattern == '*')
        return MatchesPattern(szPattern + 1, szName) || (*szName != '\0' && MatchesPattern(szPattern, szName + 1));
    return *szName != '\0' && (*szPattern == '?' || *szPattern == *szName) && MatchesPattern(szPattern + 1, szName + 1);
}

bool MatchesAnyPattern(const std::string& patterns, const std::string& name)
{
    size_t start = 0;
    for (;;) {
        const size_t end = patterns.find(':', start);
        if (MatchesPattern(patterns.substr(start, end - start).c_str(), name.c_str()))
            return true;
        if (end == std::string::npos)
            return false;
        start = end + 1;
    }
}

// A filter of GoogleTest's form: positive patterns, then '-' and negative ones.
bool MatchesFilter(const std::string& filter, const std::string& name)
{
    const size_t dash = filter.find('-');
    const std::string positive = dash == std::string::npos ? filter : filter.substr(0, dash);
    if (!MatchesAnyPattern(positive.empty() ? "*" : positive, name))
        return false;
    return dash == std::string::npos || !MatchesAnyPattern(filter.substr(dash + 1), name);
}

// The test bench runs a whole suite per start of a program; to run only some
// of its cases it names them, one "Suite.Case" a line, in the file that
// OSKEL_TEST_CASES_FILE gives. The program then runs the named cases that
// its own filter also selects.
void SelectNamedCases()
{
    const char* szFile = std::getenv("OSKEL_TEST_CASES_FILE");
    if (szFile == nullptr || *szFile == '\0')
        return;
    std::ifstream file(szFile);
    if (!file) {
        std::fprintf(stderr, "the case list %s cannot be read\n", szFile);
        std::exit(2);
    }
    const std::string filter = GTEST_FLAG_GET(filter);
    std::string selected;
    std::string name;
    while (std::getline(file, name)) {
        if (!name.empty() && name.back() == '\r')
            name.pop_back();
        if (name.empty() || !MatchesFilter(filter, name))
            continue;
        selected += (selected.empty() ? "" : ":") + name;
    }
    GTEST_FLAG_SET(filter, selected.empty() ? std::string("-*") : selected);
}

} // namespace

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(ReportCrash);
    testing::InitGoogleTest(&argc, argv);
    SelectNamedCases();
    return RUN_ALL_TESTS();
}
