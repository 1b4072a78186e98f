#pragma once

#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationManager.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/GameProgram/Resource/FakeMusicManager.h"

#include <string>

// The animation manager over a memory pack of the person "Person\Hero" in
// poses 01, 02 and 12, put in place of the game's for its life. Every pose
// has three pages of 0.1 s whose messages are 10, 11 and 12; no picture is
// ever drawn.
class PersonAnimations
{
public:
    static constexpr const char* PATH = "Person\\Hero";

    PersonAnimations() : m_pOldManager(g_pAnimationManager)
    {
        m_AnimationPack.Add("error.ant", AntFile(1));
        for (const char* szPose : {"01", "02", "12"}) {
            m_AnimationPack.Add(std::string(PATH) + "\\" + szPose + "A.ant", AntFile(3));
            m_AnimationPack.Add(std::string(PATH) + "\\" + szPose + "B.ant", AntFile(3));
        }
        m_Manager.Init(&m_AnimationPack, &m_2DTextureManager, &m_MusicManager);
        g_pAnimationManager = &m_Manager;
    }
    ~PersonAnimations()
    {
        g_pAnimationManager = m_pOldManager;
        m_Manager.Fini();
    }

private:
    static std::string AntFile(int iPages)
    {
        std::string text = std::to_string(iPages) + "\nheader\n";
        for (int page = 0; page < iPages; ++page) {
            text += "100 " + std::to_string(10 + page) + " 0 -1 1 0 0 0 50\n";
            text += "pic.bmp 1 1 0 0 0 1 0 0 0 1 0 0 0 4 4 0 0 0 ffffffff\n";
        }
        return text;
    }

    MemoryPackFile m_AnimationPack;
    XC_2DTextureManager m_2DTextureManager;
    FakeMusicManager m_MusicManager;
    XC_AnimationManager m_Manager;
    XC_AnimationManager* m_pOldManager;
};
