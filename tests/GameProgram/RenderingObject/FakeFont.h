#pragma once

#include "GameProgram/Resource/Font/XI_D3DFont.h"
#include "GameProgram/Resource/Font/XI_Word.h"

#include <map>
#include <memory>
#include <string>

// A glyph of a fixed width that draws nothing.
class FakeWord : public XI_Word
{
public:
    explicit FakeWord(float fWidth) { m_fWidth = fWidth; AddRef(); }
    HRESULT Render(const D3DXMATRIX*) override { return S_OK; }
};

// A font of 30-unit glyphs (two bytes for a first byte above 127) that has
// no glyph for '~'. It is the global font for its life.
class FakeFont : public XI_D3DFont
{
public:
    FakeFont() { g_pD3DFontObj = this; }
    ~FakeFont() override { g_pD3DFontObj = nullptr; }

    XI_Word* GetWord(const char* szText, DWORD* pdwLength) override
    {
        const DWORD dwLength = static_cast<unsigned char>(szText[0]) > 127 ? 2 : 1;
        *pdwLength = dwLength;
        if (szText[0] == '~')
            return nullptr;
        std::unique_ptr<FakeWord>& pWord = m_Words[std::string(szText, dwLength)];
        if (!pWord)
            pWord.reset(new FakeWord(30.0f));
        pWord->AddRef();
        return pWord.get();
    }

    HRESULT CreateObjct(const char*, XC_Resource**) override { return E_FAIL; }
    HRESULT DeleteResource(XC_Resource*) override { return S_OK; }

private:
    std::map<std::string, std::unique_ptr<FakeWord>> m_Words;
};
