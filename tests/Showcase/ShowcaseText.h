#pragma once

#include "tests/Showcase/ShowcaseDrawable.h"

#include <vector>

class XI_Word;

// A line of text on the screen: the font's words side by side, blended,
// from the pen position on the baseline.
class ShowcaseText : public ShowcaseDrawable
{
public:
    // Takes the words' references.
    ShowcaseText(std::vector<XI_Word*> words, float x, float y);
    ~ShowcaseText() override;
    void Render() override;

private:
    std::vector<XI_Word*> m_Words;
    float m_fX;
    float m_fY;
};
