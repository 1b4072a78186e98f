#pragma once

#include <string>

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class ScopedTempFolder
{
public:
    ScopedTempFolder();
    ~ScopedTempFolder();
    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // The path of a file in the folder.
    std::string File(const std::string& name) const;

private:
    std::string m_path;
};

// Writes bytes to a file, replacing it; false when it cannot.
bool WriteTestFile(const std::string& path, const std::string& bytes);
// The whole content of a file, or an empty text when it cannot be read.
std::string ReadTestFile(const std::string& path);
