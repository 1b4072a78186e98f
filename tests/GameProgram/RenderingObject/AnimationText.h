#pragma once

#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "tests/GameProgram/Resource/FakeMusicManager.h"

#include <string>

// An animation read from text, with a 2D texture manager that is never asked
// (no picture is drawn) and silent sounds. Each page lasts its milliseconds
// and carries its message; every page has one picture.
class AnimationText
{
public:
    // Page times in milliseconds; the message of page i is 10 + i.
    explicit AnimationText(std::initializer_list<int> pageTimes, bool bSound = false)
    {
        std::string text = std::to_string(pageTimes.size()) + "\nheader\n";
        int iMessage = 10;
        for (const int iTime : pageTimes) {
            text += std::to_string(iTime) + " " + std::to_string(iMessage++) + " 0 " + (bSound ? "Beep.wav" : "-1")
                  + " 1 0 0 0 32\n";
            text += "pic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n";
        }
        m_File.LoadFromMemory(text.c_str(), static_cast<DWORD>(text.size()));
        m_Animation.LoadAnimation(&m_File, &m_2DTextureManager, &m_MusicManager);
        m_Animation.AddRef();
    }

    XC_AnimationObject* Get() { return &m_Animation; }

private:
    XC_IOTextFile m_File;
    XC_2DTextureManager m_2DTextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationObject m_Animation;
};
