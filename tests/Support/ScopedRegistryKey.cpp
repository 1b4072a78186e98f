#include "tests/Support/ScopedRegistryKey.h"

#include <windows.h>

ScopedRegistryKey::ScopedRegistryKey(const std::string& name)
    : m_path("Software\\OskelTests\\" + name + "_" + std::to_string(GetCurrentProcessId()))
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
}

ScopedRegistryKey::~ScopedRegistryKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
}
