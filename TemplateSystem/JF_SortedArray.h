#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// Searches in sorted arrays of unique entries. Names sort case-sensitively in
// byte order, which for code page 950 text is the order of its characters
// (a single byte is below every lead byte); numbers sort as unsigned values,
// 32-bit or pointer-sized.

// The index of the entry equal to the key, or -1.
template <typename T>
int JF_FindSorted(const T& key, const std::vector<T>& array)
{
    const auto it = std::lower_bound(array.begin(), array.end(), key);
    return it != array.end() && *it == key ? static_cast<int>(it - array.begin()) : -1;
}

// The position where the key belongs, or -1 when it is present.
template <typename T>
int JF_FindSortedInsertPos(const T& key, const std::vector<T>& array)
{
    const auto it = std::lower_bound(array.begin(), array.end(), key);
    return it != array.end() && *it == key ? -1 : static_cast<int>(it - array.begin());
}

inline int FindString(const std::string_view& strKey, const std::vector<std::string>& array)
{
    const auto it = std::lower_bound(array.begin(), array.end(), strKey);
    return it != array.end() && *it == strKey ? static_cast<int>(it - array.begin()) : -1;
}

inline int FindStringInsertPos(const std::string& strKey, const std::vector<std::string>& array)
{
    return JF_FindSortedInsertPos(strKey, array);
}

template <typename T>
int FindNumber(T key, const std::vector<T>& array)
{
    return JF_FindSorted(key, array);
}

template <typename T>
int FindNumberInsertPos(T key, const std::vector<T>& array)
{
    return JF_FindSortedInsertPos(key, array);
}
