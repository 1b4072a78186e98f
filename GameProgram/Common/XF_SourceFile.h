#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The source-file name a file's reports print, made at compile time from the
// file's own path, so that it always names where the file really is:
//
//     static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);
//
// The compiler names files by absolute or build-relative paths alike; the
// part before the repository's folders is found from this header's own path,
// which is named the same way.

// How a module's reports write the file.
enum XE_SourceFileForm
{
    SOURCE_PATH,           // GameProgram\Common\XF_Common
    SOURCE_DOT_PATH,       // .\JC_Order\JC_OrderManager
    SOURCE_PATH_EXTENSION, // TemplateSystem\JC_DataFile.cpp
    SOURCE_NAME,           // JC_EventManager
};

// What the compiler puts before a path of the repository.
inline constexpr std::string_view XF_SOURCE_ROOT = [] {
    constexpr std::string_view header = __FILE__;
    constexpr std::string_view place = "GameProgram/Common/XF_SourceFile.h";
    static_assert(header.ends_with(place), "this header moved: update its place");
    return header.substr(0, header.size() - place.size());
}();

// A path literal held as a template argument.
template <std::size_t N>
struct XS_SourcePath
{
    char szText[N] = {};

    constexpr XS_SourcePath(const char (&szPath)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            szText[i] = szPath[i];
    }

    constexpr std::string_view Text() const { return std::string_view(szText, N - 1); }
};

template <std::size_t N>
constexpr std::array<char, N + 2> XF_MakeSourceFileName(const XS_SourcePath<N>& path, XE_SourceFileForm form)
{
    std::string_view text = path.Text().substr(XF_SOURCE_ROOT.size());
    if (form == SOURCE_NAME)
        text.remove_prefix(text.find_last_of('/') + 1);
    if (form != SOURCE_PATH_EXTENSION)
        text = text.substr(0, text.find_last_of('.'));
    std::array<char, N + 2> name = {};
    std::size_t at = 0;
    if (form == SOURCE_DOT_PATH) {
        name[at++] = '.';
        name[at++] = '\\';
    }
    for (const char c : text)
        name[at++] = c == '/' ? '\\' : c;
    return name;
}

template <XS_SourcePath path, XE_SourceFileForm form>
struct XS_SourceFileName
{
    static_assert(path.Text().starts_with(XF_SOURCE_ROOT), "a source file outside the repository");
    static constexpr std::array<char, sizeof(path.szText) + 2> s_Name = XF_MakeSourceFileName(path, form);
};

#define XM_SOURCE_FILE(form) (XS_SourceFileName<__FILE__, form>::s_Name.data())
