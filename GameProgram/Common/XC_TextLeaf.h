#pragma once

#include <windows.h>

#include <optional>
#include <string>

// A leaf of a text tree: "name = value", with an optional comment that is
// never written. Each text may be absent (null).
class XC_TextLeaf
{
public:
    virtual ~XC_TextLeaf() = default;
    virtual void Clear();
    virtual void SetName(const char* szName);
    virtual void SetValue(const char* szValue);
    virtual void SetComment(const char* szComment);
    virtual const char* GetName() const;
    virtual const char* GetValue() const;
    virtual const char* GetComment() const;
    virtual const char* GetStr() const;
    virtual int GetInt() const;
    virtual DWORD GetDword() const;
    virtual float GetFloat() const;
    virtual BOOL GetBool() const;
    // " x , y , z": true with the three numbers, else false with zeros.
    virtual bool GetVector3(float* pfX, float* pfY, float* pfZ) const;
    // "r , g , b , a" as an ARGB colour, each part limited to 255; the
    // default when four numbers cannot be read.
    virtual DWORD GetColor(DWORD dwDefault) const;
    // Four integers: true with them, else false with 255 in each.
    virtual bool GetInt4(int* piA, int* piB, int* piC, int* piD) const;

private:
    // The value, or the empty text when there is none.
    const char* ValueText() const;

    std::optional<std::string> m_Name;
    std::optional<std::string> m_Value;
    std::optional<std::string> m_Comment;
};
