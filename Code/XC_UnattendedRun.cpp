#include "Code/XC_UnattendedRun.h"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

bool XC_UnattendedRun::s_bUnattended = false;
unsigned int XC_UnattendedRun::s_uSeed = 1;

bool XC_UnattendedRun::Parse(const char* szCommandLine)
{
    static const char s_szSwitch[] = "-unattended";
    const char* szFound = szCommandLine != nullptr ? std::strstr(szCommandLine, s_szSwitch) : nullptr;
    if (szFound == nullptr)
        return false;
    char* szEnd = nullptr;
    const unsigned long ulSeed = std::strtoul(szFound + sizeof(s_szSwitch) - 1, &szEnd, 10);
    Set(true, szEnd != szFound + sizeof(s_szSwitch) - 1 ? static_cast<unsigned int>(ulSeed) : 1u);
    return true;
}

void XC_UnattendedRun::Set(bool bUnattended, unsigned int uSeed)
{
    s_bUnattended = bUnattended;
    s_uSeed = uSeed;
}

bool XC_UnattendedRun::IsOn()
{
    return s_bUnattended;
}

unsigned int XC_UnattendedRun::GetSeed()
{
    return s_bUnattended ? s_uSeed : static_cast<unsigned int>(std::time(nullptr));
}

int XC_UnattendedRun::ShowBox(const char* szText, const char* szCaption, UINT uType)
{
    if (!s_bUnattended)
        return MessageBoxA(nullptr, szText, szCaption, uType);
    OutputDebugStringA((std::string(szCaption) + " " + szText + "\n").c_str());
    return IDOK;
}
