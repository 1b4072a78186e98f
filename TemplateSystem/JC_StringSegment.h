#pragma once

#include <string>

// The text toolbox that readers and the data layer's deal, behaviour and
// script classes inherit: trimming blanks (the space character only), cutting
// "//" comments and "//!" notes, stripping backslashes. Each operation has a
// copying form, which returns the result it was given, and an in-place form.
// Texts are code page 950: searches step over double-byte characters.
class JC_StringSegment
{
public:
    virtual ~JC_StringSegment() = default;

    virtual std::string& TrimLeftCopy(std::string& strResult, const std::string& strText) const;
    virtual void TrimLeft(std::string& strText) const;
    virtual std::string& TrimRightCopy(std::string& strResult, const std::string& strText) const;
    virtual void TrimRight(std::string& strText) const;
    virtual std::string& TrimCopy(std::string& strResult, const std::string& strText) const;
    virtual void Trim(std::string& strText) const;
    // The text before the first "//" / "//!"; the whole text without one.
    virtual std::string& CutCommentCopy(std::string& strResult, const std::string& strText) const;
    virtual std::string& CutNoteCopy(std::string& strResult, const std::string& strText) const;
    virtual void CutComment(std::string& strText) const;
    virtual void CutNote(std::string& strText) const;
    virtual std::string& StripLeadingBackslashesCopy(std::string& strResult,
                                                     const std::string& strText) const;
    virtual void StripLeadingBackslashes(std::string& strText) const;
    virtual std::string& StripTrailingBackslashesCopy(std::string& strResult,
                                                      const std::string& strText) const;
    virtual void StripTrailingBackslashes(std::string& strText) const;
    // Leading, then trailing backslashes, through the two operations above.
    virtual std::string& StripBackslashesCopy(std::string& strResult, const std::string& strText) const;
    virtual void StripBackslashes(std::string& strText) const;
};
