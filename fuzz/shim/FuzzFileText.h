#pragma once

#include <fstream>
#include <sstream>
#include <string>

// Files the fuzzing targets write and compare.

// A path in the folder the target runs in (the runner starts it in its build
// folder), relative to it: the same text on every run and from every clone,
// so a run from a fixed seed repeats.
inline std::string WorkPath(const std::string& strName)
{
    return "./" + strName;
}

inline std::string ReadAll(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The text without its "//!" note lines, among them the date line.
inline std::string WithoutNotes(const std::string& strText)
{
    std::string strKept;
    for (size_t at = 0; at < strText.size();) {
        const size_t end = strText.find('\n', at);
        const size_t next = end == std::string::npos ? strText.size() : end + 1;
        if (strText.compare(at, 3, "//!") != 0)
            strKept.append(strText, at, next - at);
        at = next;
    }
    return strKept;
}
