#include "GameProgram/Resource/XC_XFileMeshCheck.h"

#include "GameProgram/Resource/XC_XFileAnimationReader.h"
#include "GameProgram/Resource/XC_XFileTokenizer.h"

#include <cctype>
#include <set>

namespace {

typedef XC_XFileTokenizer::Token Token;

// An object between its braces: its type, its name and, for a mesh, the bones
// its weight lists name.
struct XS_OpenObject
{
    std::string strType;
    std::string strName;
    std::set<std::string> bones;
};

// A type or a name, as against a number of the data.
bool IsIdentifier(const Token& token)
{
    return token.type == XC_XFileTokenizer::TOKEN_NAME && !token.strText.empty()
        && (std::isalpha(static_cast<unsigned char>(token.strText[0])) || token.strText[0] == '_');
}

XS_OpenObject* InnermostMesh(std::vector<XS_OpenObject>& open)
{
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        if (it->strType == "Mesh")
            return &*it;
    }
    return nullptr;
}

std::string MeshName(const XS_OpenObject* pMesh)
{
    return pMesh == nullptr || pMesh->strName.empty() ? "(no name)" : pMesh->strName;
}

} // namespace

std::vector<std::string> XC_XFileMeshCheck::Check(const BYTE* pData, DWORD dwSize)
{
    std::vector<std::string> faults;
    if (!XC_XFileAnimationReader::IsText(pData, dwSize))
        return faults;
    XC_XFileTokenizer tokenizer(reinterpret_cast<const char*>(pData), dwSize);
    std::vector<XS_OpenObject> open;
    Token before = {XC_XFileTokenizer::TOKEN_END, {}};
    Token last = before;
    for (Token token = tokenizer.Next(); token.type != XC_XFileTokenizer::TOKEN_END; token = tokenizer.Next()) {
        if (token.type == XC_XFileTokenizer::TOKEN_CLOSE && !open.empty()) {
            open.pop_back();
        } else if (token.type == XC_XFileTokenizer::TOKEN_OPEN) {
            // "Type {" or "Type Name {"; numbers of the data may come before.
            XS_OpenObject object;
            if (IsIdentifier(last) && IsIdentifier(before)) {
                object.strType = before.strText;
                object.strName = last.strText;
            } else if (IsIdentifier(last)) {
                object.strType = last.strText;
            }
            open.push_back(std::move(object));
        } else if (last.type == XC_XFileTokenizer::TOKEN_OPEN && !open.empty()) {
            // The first value of an object just opened.
            XS_OpenObject* const pMesh = InnermostMesh(open);
            if (open.back().strType == "MeshMaterialList" && token.strText == "0") {
                faults.push_back("mesh " + MeshName(pMesh) + " : MeshMaterialList holds 0 materials");
            } else if (open.back().strType == "SkinWeights" && token.type == XC_XFileTokenizer::TOKEN_STRING
                       && pMesh != nullptr && !pMesh->bones.insert(token.strText).second) {
                faults.push_back("mesh " + MeshName(pMesh) + " : two SkinWeights for bone " + token.strText);
            }
        }
        before = std::move(last);
        last = std::move(token);
    }
    return faults;
}
