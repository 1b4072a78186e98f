#include "TemplateSystem/JC_FileOpening.h"

#include "GameProgram/Common/XF_Cp950.h"
#include "TemplateSystem/JC_StrNumSwitch.h"

namespace {

constexpr DWORD MIN_VERSION = 0x00080000;
constexpr DWORD MAX_VERSION = 0x0008FFFF;

} // namespace

JC_FileOpening::JC_FileOpening(std::string_view prefix, const JS_VersionCodes& codes)
    : m_strFile(std::string(prefix) + "[File]")
    , m_strHead(std::string(prefix) + "[Head]")
    , m_strVersion(std::string(prefix) + "@Version")
    , m_Codes(codes)
{
}

bool JC_FileOpening::IsRead() const
{
    return m_Step == Step::Read;
}

DWORD JC_FileOpening::TakeLine(std::string_view line)
{
    switch (m_Step) {
    case Step::File:
        if (Holds(line, m_strFile))
            m_Step = Step::Head;
        return 0;
    case Step::Head:
        if (Holds(line, m_strHead))
            m_Step = Step::Version;
        return 0;
    case Step::Version: {
        const size_t at = XF_FindText(line, m_strVersion);
        return at != std::string::npos ? ReadVersion(line, at) : 0;
    }
    case Step::Read:
        return 0;
    }
    return 0;
}

DWORD JC_FileOpening::GetVersion() const
{
    return m_dwVersion;
}

bool JC_FileOpening::Holds(std::string_view line, std::string_view keyword)
{
    return XF_FindText(line, keyword) != std::string::npos;
}

bool JC_FileOpening::QuotedText(std::string_view line, size_t from, std::string_view& text)
{
    text = {};
    const size_t open = XF_FindChar(line, '"', from);
    const size_t close = open == std::string::npos ? open : XF_FindChar(line, '"', open + 1);
    if (close == std::string::npos)
        return false;
    text = line.substr(open + 1, close - open - 1);
    return true;
}

bool JC_FileOpening::QuotedValue(std::string_view line, std::string_view keyword, std::string_view& text)
{
    text = {};
    const size_t at = XF_FindText(line, keyword);
    return at != std::string::npos && QuotedText(line, at + keyword.size(), text);
}

DWORD JC_FileOpening::ReadVersion(std::string_view line, size_t at)
{
    std::string_view value;
    if (!QuotedText(line, at + m_strVersion.size(), value))
        return m_Codes.dwNoQuotes;
    DWORD dwVersion = 0;
    if (JC_StrNumSwitch::ParseHex(value, dwVersion) != 0)
        return m_Codes.dwNotHex;
    if (dwVersion < MIN_VERSION || dwVersion > MAX_VERSION)
        return m_Codes.dwOutside;
    m_dwVersion = dwVersion;
    m_Step = Step::Read;
    return 0;
}
