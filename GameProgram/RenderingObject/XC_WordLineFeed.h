#pragma once

#include "GameProgram/Resource/Font/XI_Word.h"

// The line-break word of a text: so wide that a layout with line breaking
// always starts a new line after it; it draws nothing. It starts with one
// reference and deletes itself at the last release.
class XC_WordLineFeed : public XI_Word
{
public:
    XC_WordLineFeed();
    void Release() override;
    HRESULT Render(const D3DXMATRIX* pmatWorld) override;
};
