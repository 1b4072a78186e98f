#pragma once

#include "GameProgram/Scene/XC_Scene.h"

#include "tests/GameProgram/Scene/RenderFixture.h"

// A scene on the render fixture: the floor has no texture and meshes are
// reported missing.
class SceneFixture : public RenderFixture
{
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        ASSERT_EQ(m_Scene.Init(&m_Environment, &m_Pack), S_OK);
    }

    XC_Scene m_Scene;
};
