#pragma once

#include <string>

// A path below HKEY_CURRENT_USER that no other test uses; the key and
// everything below it are deleted when the object goes.
class ScopedRegistryKey
{
public:
    explicit ScopedRegistryKey(const std::string& name);
    ~ScopedRegistryKey();
    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
