#include "Code/XC_GameProcedureFactory.h"

#include "Code/Begin/XC_GameProcedure_Begin.h"
#include "Code/Logo/XC_GameProcedure_Logo.h"

#include <map>

namespace {

std::map<int, XC_GameProcedureFactory::XF_Create>& Table()
{
    static std::map<int, XC_GameProcedureFactory::XF_Create> s_Table;
    return s_Table;
}

template <typename T>
XC_GameProcedure* CreateProcedure()
{
    return new T;
}

} // namespace

void XC_GameProcedureFactory::Register(int iProcedureID, XF_Create pfnCreate)
{
    if (pfnCreate == nullptr)
        Table().erase(iProcedureID);
    else
        Table()[iProcedureID] = pfnCreate;
}

XC_GameProcedure* XC_GameProcedureFactory::Create(int iProcedureID)
{
    const auto it = Table().find(iProcedureID);
    return it != Table().end() ? it->second() : nullptr;
}

bool XC_GameProcedureFactory::HasProcedure(int iProcedureID)
{
    return Table().count(iProcedureID) != 0;
}

void XC_GameProcedureFactory::RegisterShellProcedures()
{
    Register(GP_Logo, &CreateProcedure<XC_GameProcedure_Logo>);
    Register(GP_Begin, &CreateProcedure<XC_GameProcedure_Begin>);
}
