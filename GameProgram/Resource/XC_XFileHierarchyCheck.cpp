#include "GameProgram/Resource/XC_XFileHierarchyCheck.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_XFileAnimationReader.h"
#include "GameProgram/Resource/XC_XFileTokenizer.h"

#include <d3dx9xof.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

// What an object holds once the references inside it are followed.
struct XS_Extent
{
    DWORD dwObjects;
    DWORD dwDepth;
};

// An object between its braces: the last name before its '{' (its own name,
// or its type when it has none), and what it holds so far.
struct XS_OpenObject
{
    std::string strName;
    XS_Extent extent;
    DWORD dwNames;
    std::string strOnlyName;
};

DWORD SaturatedSum(DWORD dwA, DWORD dwB)
{
    return dwA > 0xFFFFFFFFu - dwB ? 0xFFFFFFFFu : dwA + dwB;
}

void AddInside(XS_Extent* pOuter, const XS_Extent& inner)
{
    pOuter->dwObjects = SaturatedSum(pOuter->dwObjects, inner.dwObjects);
    pOuter->dwDepth = std::max(pOuter->dwDepth, SaturatedSum(inner.dwDepth, 1));
}

bool IsOpen(const std::vector<XS_OpenObject>& open, const std::string& strName)
{
    return std::any_of(open.begin(), open.end(), [&](const XS_OpenObject& object) { return object.strName == strName; });
}

bool IsCompressed(const BYTE* pData, DWORD dwSize)
{
    return dwSize >= XC_XFileTokenizer::HEADER_SIZE && std::memcmp(pData, "xof ", 4) == 0
        && (std::memcmp(pData + 8, "tzip", 4) == 0 || std::memcmp(pData + 8, "bzip", 4) == 0);
}

} // namespace

HRESULT XC_XFileHierarchyCheck::Check(const BYTE* pData, DWORD dwSize, std::string* pstrWhat)
{
    if (pData == nullptr)
        return S_OK;
    if (IsCompressed(pData, dwSize)) {
        *pstrWhat = "compressed .x files are not read";
        return D3DXFERR_PARSEERROR;
    }
    if (!XC_XFileAnimationReader::IsText(pData, dwSize))
        return S_OK;
    return CheckText(reinterpret_cast<const char*>(pData), dwSize, pstrWhat);
}

HRESULT XC_XFileHierarchyCheck::CheckText(const char* pText, size_t uSize, std::string* pstrWhat)
{
    XC_XFileTokenizer tokenizer(pText, uSize);
    std::vector<XS_OpenObject> open;
    std::unordered_map<std::string, XS_Extent> named;
    XS_Extent whole = {0, 0};
    std::string strLastName;
    for (XC_XFileTokenizer::Token token = tokenizer.Next(); token.type != XC_XFileTokenizer::TOKEN_END;
         token = tokenizer.Next()) {
        if (token.type == XC_XFileTokenizer::TOKEN_NAME) {
            strLastName = token.strText;
            if (!open.empty() && ++open.back().dwNames == 1)
                open.back().strOnlyName = token.strText;
        } else if (token.type == XC_XFileTokenizer::TOKEN_OPEN) {
            open.push_back(XS_OpenObject{strLastName, XS_Extent{1, 1}, 0, {}});
            strLastName.clear();
        } else if (token.type == XC_XFileTokenizer::TOKEN_CLOSE && !open.empty()) {
            const XS_OpenObject object = std::move(open.back());
            open.pop_back();
            strLastName.clear();
            XS_Extent inner = object.extent;
            // "{ Name }": a reference, which the loader replaces by the object it names.
            if (object.dwNames == 1 && object.extent.dwObjects == 1) {
                if (IsOpen(open, object.strOnlyName)) {
                    *pstrWhat = XF_FormatText("\"%s\" contains itself", object.strOnlyName.c_str());
                    return D3DXFERR_PARSEERROR;
                }
                const auto found = named.find(object.strOnlyName);
                if (found != named.end())
                    inner = found->second;
            } else {
                named.emplace(object.strName, inner);
            }
            XS_Extent* const pOuter = open.empty() ? &whole : &open.back().extent;
            AddInside(pOuter, inner);
            if (pOuter->dwObjects > MAX_OBJECTS) {
                *pstrWhat = XF_FormatText("more than %u objects , references followed",
                                          static_cast<unsigned>(MAX_OBJECTS));
                return D3DXFERR_PARSEERROR;
            }
        }
        if (open.size() > MAX_NESTING || whole.dwDepth > MAX_NESTING + 1
            || (!open.empty() && open.back().extent.dwDepth + open.size() > MAX_NESTING + 1)) {
            *pstrWhat = XF_FormatText("objects nested deeper than %u , references followed",
                                      static_cast<unsigned>(MAX_NESTING));
            return D3DXFERR_PARSEERROR;
        }
    }
    return S_OK;
}
