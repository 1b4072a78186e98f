#include "GameProgram/Resource/XC_XFileAnimationReader.h"

#include "GameProgram/Common/XF_Common.h"
#include "GameProgram/Resource/XC_XFileAnimationController.h"

#include <d3dx9xof.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <unordered_set>

static const char* const s_szSourceFile = XM_SOURCE_FILE(SOURCE_PATH);

namespace {

// Ticks per second when the file does not say, as D3DX assumes.
const DWORD DEFAULT_TICKS_PER_SECOND = 4800;
// Ticks per second outside these are most likely a slip of the pen: a key
// a tick apart would be seconds or microseconds apart.
const DWORD FEWEST_TICKS_PER_SECOND = 10;
const DWORD MOST_TICKS_PER_SECOND = 1000000;
const size_t HEADER_SIZE = XC_XFileTokenizer::HEADER_SIZE;

enum KeyType { KEY_ROTATION = 0, KEY_SCALE = 1, KEY_POSITION = 2, KEY_MATRIX = 3, KEY_MATRIX_TOO = 4 };

// The number of values a key of the type holds, or 0 for an unknown type.
DWORD ValueCount(DWORD dwKeyType)
{
    switch (dwKeyType) {
    case KEY_ROTATION:
        return 4;
    case KEY_SCALE:
    case KEY_POSITION:
        return 3;
    case KEY_MATRIX:
    case KEY_MATRIX_TOO:
        return 16;
    default:
        return 0;
    }
}

template <typename Key>
void SortByTime(std::vector<Key>& keys)
{
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.Time < b.Time; });
}

// Whether two neighbours of the sorted keys share a time.
template <typename Key>
bool HasRepeatedTime(const std::vector<Key>& keys)
{
    return std::adjacent_find(keys.begin(), keys.end(),
                              [](const Key& a, const Key& b) { return a.Time == b.Time; })
        != keys.end();
}

void CollectFrames(D3DXFRAME* pFrame, std::vector<D3DXFRAME*>* pFrames)
{
    for (; pFrame != nullptr; pFrame = pFrame->pFrameSibling) {
        pFrames->push_back(pFrame);
        CollectFrames(pFrame->pFrameFirstChild, pFrames);
    }
}

} // namespace

XC_XFileAnimationReader::XC_XFileAnimationReader(const BYTE* pData, DWORD dwSize, const char* szShownName)
    : m_pText(reinterpret_cast<const char*>(pData))
    , m_uSize(pData != nullptr ? dwSize : 0)
    , m_strShownName(szShownName != nullptr ? szShownName : "")
    , m_Tokenizer(m_pText, m_uSize)
    , m_dwTicksPerSecond(DEFAULT_TICKS_PER_SECOND)
{
}

HRESULT XC_XFileAnimationReader::Read(D3DXFRAME* pFrameRoot, ID3DXAnimationController** ppController)
{
    *ppController = nullptr;
    if (!IsText(reinterpret_cast<const BYTE*>(m_pText), static_cast<DWORD>(m_uSize)))
        return S_OK;
    const HRESULT hr = ReadTopLevel();
    if (FAILED(hr))
        return hr;
    if (!m_PendingSets.empty())
        *ppController = BuildController(pFrameRoot);
    return S_OK;
}

bool XC_XFileAnimationReader::IsText(const BYTE* pData, DWORD dwSize)
{
    return pData != nullptr && dwSize >= HEADER_SIZE && std::memcmp(pData, "xof ", 4) == 0
        && std::memcmp(pData + 8, "txt ", 4) == 0;
}

HRESULT XC_XFileAnimationReader::Fail(const char* szWhat)
{
    XF_ReportError(s_szSourceFile, __LINE__,
                   XF_FormatText("Load XFile Error , animation : %s , at byte %u , in %s", szWhat,
                                 static_cast<unsigned>(m_Tokenizer.GetPosition()), m_strShownName.c_str()));
    return D3DXFERR_PARSEERROR;
}

HRESULT XC_XFileAnimationReader::ReadTopLevel()
{
    for (;;) {
        const Token token = NextToken();
        if (token.type == XC_XFileTokenizer::TOKEN_END)
            return S_OK;
        if (token.type != XC_XFileTokenizer::TOKEN_NAME)
            return Fail("a data object or template expected");
        std::string strName;
        HRESULT hr = OpenObject(&strName);
        if (FAILED(hr))
            return hr;
        if (token.strText == "AnimTicksPerSecond")
            hr = ReadTicksPerSecond();
        else if (token.strText == "AnimationSet")
            hr = ReadAnimationSet(strName);
        else
            hr = SkipBody();
        if (FAILED(hr))
            return hr;
    }
}

// Reads what follows an object's type up to its opening brace: its name, if any.
HRESULT XC_XFileAnimationReader::OpenObject(std::string* pstrName)
{
    pstrName->clear();
    Token token = NextToken();
    if (token.type == XC_XFileTokenizer::TOKEN_NAME) {
        *pstrName = token.strText;
        token = NextToken();
    }
    return token.type == XC_XFileTokenizer::TOKEN_OPEN ? S_OK : Fail("'{' expected");
}

// Reads up to the brace that closes the object just opened.
HRESULT XC_XFileAnimationReader::SkipBody()
{
    for (int iDepth = 1; iDepth > 0;) {
        const Token token = NextToken();
        if (token.type == XC_XFileTokenizer::TOKEN_END || token.type == XC_XFileTokenizer::TOKEN_ERROR)
            return Fail("object not closed");
        if (token.type == XC_XFileTokenizer::TOKEN_OPEN)
            ++iDepth;
        else if (token.type == XC_XFileTokenizer::TOKEN_CLOSE)
            --iDepth;
    }
    return S_OK;
}

HRESULT XC_XFileAnimationReader::ReadTicksPerSecond()
{
    DWORD dwTicks;
    const HRESULT hr = ReadUInt(&dwTicks);
    if (FAILED(hr))
        return hr;
    if (dwTicks == 0)
        return Fail("AnimTicksPerSecond is 0");
    if (dwTicks < FEWEST_TICKS_PER_SECOND || dwTicks > MOST_TICKS_PER_SECOND) {
        XF_ReportError(s_szSourceFile, __LINE__,
                       XF_FormatText("Load XFile %s , AnimTicksPerSecond %lu is outside %lu to %lu",
                                     m_strShownName.c_str(), dwTicks, FEWEST_TICKS_PER_SECOND, MOST_TICKS_PER_SECOND));
    }
    m_dwTicksPerSecond = dwTicks;
    return SkipBody();
}

HRESULT XC_XFileAnimationReader::ReadAnimationSet(const std::string& strName)
{
    PendingSet set;
    set.strName = strName;
    for (;;) {
        const Token token = NextToken();
        HRESULT hr = S_OK;
        if (token.type == XC_XFileTokenizer::TOKEN_CLOSE)
            break;
        if (token.type == XC_XFileTokenizer::TOKEN_OPEN) {
            hr = SkipBody();
        } else if (token.type == XC_XFileTokenizer::TOKEN_NAME) {
            std::string strObjectName;
            hr = OpenObject(&strObjectName);
            if (SUCCEEDED(hr))
                hr = token.strText == "Animation" ? ReadAnimation(&set) : SkipBody();
        } else if (token.type != XC_XFileTokenizer::TOKEN_GUID) {
            hr = Fail("AnimationSet not closed");
        }
        if (FAILED(hr))
            return hr;
    }
    m_PendingSets.push_back(std::move(set));
    return S_OK;
}

HRESULT XC_XFileAnimationReader::ReadAnimation(PendingSet* pSet)
{
    XC_XFileAnimationSet::Animation animation;
    for (;;) {
        const Token token = NextToken();
        HRESULT hr = S_OK;
        if (token.type == XC_XFileTokenizer::TOKEN_CLOSE)
            break;
        if (token.type == XC_XFileTokenizer::TOKEN_OPEN) {
            hr = ReadReference(&animation.strName);
        } else if (token.type == XC_XFileTokenizer::TOKEN_NAME) {
            std::string strObjectName;
            hr = OpenObject(&strObjectName);
            if (SUCCEEDED(hr))
                hr = token.strText == "AnimationKey" ? ReadKey(&animation) : SkipBody();
        } else if (token.type != XC_XFileTokenizer::TOKEN_GUID) {
            hr = Fail("Animation not closed");
        }
        if (FAILED(hr))
            return hr;
    }
    // An animation that names no frame moves nothing.
    if (!animation.strName.empty())
        pSet->Animations.push_back(std::move(animation));
    return S_OK;
}

// Reads a reference "{ Name }" (the name may be followed by a GUID, or be
// missing) after its opening brace.
HRESULT XC_XFileAnimationReader::ReadReference(std::string* pstrName)
{
    const Token token = NextToken();
    if (token.type == XC_XFileTokenizer::TOKEN_CLOSE)
        return S_OK;
    if (token.type == XC_XFileTokenizer::TOKEN_NAME)
        *pstrName = token.strText;
    return SkipBody();
}

HRESULT XC_XFileAnimationReader::ReadKey(XC_XFileAnimationSet::Animation* pAnimation)
{
    DWORD dwKeyType, dwKeyCount;
    HRESULT hr = ReadUInt(&dwKeyType);
    if (SUCCEEDED(hr))
        hr = ReadUInt(&dwKeyCount);
    if (FAILED(hr))
        return hr;
    if (ValueCount(dwKeyType) == 0)
        return Fail("unknown AnimationKey type");
    // Every key is read from the text before it is kept, so the count of a
    // damaged file cannot make anything large.
    for (DWORD i = 0; i < dwKeyCount; ++i) {
        DWORD dwTime, dwValueCount;
        hr = ReadUInt(&dwTime);
        if (SUCCEEDED(hr))
            hr = ReadUInt(&dwValueCount);
        if (SUCCEEDED(hr) && dwValueCount != ValueCount(dwKeyType))
            hr = Fail("AnimationKey value count does not fit its type");
        if (SUCCEEDED(hr))
            hr = ReadKeyValues(dwKeyType, static_cast<float>(dwTime), pAnimation);
        if (FAILED(hr))
            return hr;
    }
    SortByTime(pAnimation->ScaleKeys);
    SortByTime(pAnimation->RotationKeys);
    SortByTime(pAnimation->TranslationKeys);
    if (HasRepeatedTime(pAnimation->ScaleKeys) || HasRepeatedTime(pAnimation->RotationKeys)
        || HasRepeatedTime(pAnimation->TranslationKeys))
        return Fail("two keys of one kind at one time");
    return NextToken().type == XC_XFileTokenizer::TOKEN_CLOSE ? S_OK : Fail("AnimationKey holds more than its keys");
}

HRESULT XC_XFileAnimationReader::ReadKeyValues(DWORD dwKeyType, float fTime, XC_XFileAnimationSet::Animation* pAnimation)
{
    float afValue[16];
    const DWORD dwCount = ValueCount(dwKeyType);
    for (DWORD i = 0; i < dwCount; ++i) {
        const HRESULT hr = ReadFloat(&afValue[i]);
        if (FAILED(hr))
            return hr;
    }
    if (dwKeyType == KEY_ROTATION) {
        // The file writes w, x, y, z of the inverse rotation.
        const D3DXQUATERNION qRotation(-afValue[1], -afValue[2], -afValue[3], afValue[0]);
        pAnimation->RotationKeys.push_back(D3DXKEY_QUATERNION{fTime, qRotation});
    } else if (dwKeyType == KEY_SCALE) {
        pAnimation->ScaleKeys.push_back(D3DXKEY_VECTOR3{fTime, D3DXVECTOR3(afValue)});
    } else if (dwKeyType == KEY_POSITION) {
        pAnimation->TranslationKeys.push_back(D3DXKEY_VECTOR3{fTime, D3DXVECTOR3(afValue)});
    } else {
        const D3DXMATRIX matKey(afValue);
        D3DXVECTOR3 vScale, vTranslation;
        D3DXQUATERNION qRotation;
        if (FAILED(D3DXMatrixDecompose(&vScale, &qRotation, &vTranslation, &matKey)))
            return Fail("matrix key cannot be decomposed");
        pAnimation->ScaleKeys.push_back(D3DXKEY_VECTOR3{fTime, vScale});
        pAnimation->RotationKeys.push_back(D3DXKEY_QUATERNION{fTime, qRotation});
        pAnimation->TranslationKeys.push_back(D3DXKEY_VECTOR3{fTime, vTranslation});
    }
    return S_OK;
}

HRESULT XC_XFileAnimationReader::ReadUInt(DWORD* pdwValue)
{
    const Token token = NextToken();
    const char* const pEnd = token.strText.data() + token.strText.size();
    if (token.type == XC_XFileTokenizer::TOKEN_NAME) {
        const auto result = std::from_chars(token.strText.data(), pEnd, *pdwValue);
        if (result.ec == std::errc() && result.ptr == pEnd)
            return S_OK;
    }
    return Fail("whole number expected");
}

HRESULT XC_XFileAnimationReader::ReadFloat(float* pfValue)
{
    const Token token = NextToken();
    const char* const pEnd = token.strText.data() + token.strText.size();
    if (token.type == XC_XFileTokenizer::TOKEN_NAME) {
        const auto result = std::from_chars(token.strText.data(), pEnd, *pfValue);
        if (result.ec == std::errc() && result.ptr == pEnd && std::isfinite(*pfValue))
            return S_OK;
    }
    return Fail("number expected");
}

ID3DXAnimationController* XC_XFileAnimationReader::BuildController(D3DXFRAME* pFrameRoot)
{
    std::unordered_set<std::string> animated;
    for (const PendingSet& set : m_PendingSets) {
        for (const XC_XFileAnimationSet::Animation& animation : set.Animations)
            animated.insert(animation.strName);
    }
    std::vector<D3DXFRAME*> frames;
    CollectFrames(pFrameRoot, &frames);
    ReportUnboundNames(frames);
    frames.erase(std::remove_if(frames.begin(), frames.end(),
                                [&animated](const D3DXFRAME* pFrame) {
                                    return pFrame->Name == nullptr || animated.count(pFrame->Name) == 0;
                                }),
                 frames.end());

    XC_XFileAnimationController* const pController = new XC_XFileAnimationController(
        static_cast<UINT>(frames.size()), static_cast<UINT>(m_PendingSets.size()), 1, 0);
    for (D3DXFRAME* pFrame : frames)
        pController->RegisterAnimationOutput(pFrame->Name, &pFrame->TransformationMatrix, nullptr, nullptr, nullptr);
    for (PendingSet& pending : m_PendingSets) {
        XC_XFileAnimationSet* const pAnimSet =
            new XC_XFileAnimationSet(pending.strName.c_str(), static_cast<double>(m_dwTicksPerSecond));
        for (XC_XFileAnimationSet::Animation& animation : pending.Animations)
            pAnimSet->AddAnimation(std::move(animation));
        pController->RegisterAnimationSet(pAnimSet);
        if (pController->GetNumAnimationSets() == 1)
            pController->SetTrackAnimationSet(0, pAnimSet);
        pAnimSet->Release();
    }
    pController->SetTrackEnable(0, TRUE);
    return pController;
}

void XC_XFileAnimationReader::ReportUnboundNames(const std::vector<D3DXFRAME*>& frames) const
{
    std::unordered_set<std::string> frameNames;
    for (const D3DXFRAME* pFrame : frames) {
        if (pFrame->Name != nullptr && *pFrame->Name != '\0' && !frameNames.insert(pFrame->Name).second) {
            XF_ReportError(s_szSourceFile, __LINE__,
                           XF_FormatText("Load XFile %s , two frames are named %s ; animations move the first",
                                         m_strShownName.c_str(), pFrame->Name));
        }
    }
    for (const PendingSet& set : m_PendingSets) {
        for (const XC_XFileAnimationSet::Animation& animation : set.Animations) {
            if (frameNames.count(animation.strName) == 0) {
                XF_ReportError(s_szSourceFile, __LINE__,
                               XF_FormatText("Load XFile %s , animation set %s names frame %s , which the mesh lacks",
                                             m_strShownName.c_str(), set.strName.c_str(), animation.strName.c_str()));
            }
        }
    }
}
