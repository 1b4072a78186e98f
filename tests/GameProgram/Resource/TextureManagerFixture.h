#pragma once

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Resource/XC_TextureManager.h"

#include "tests/GameProgram/Resource/ImageFiles.h"
#include "tests/Support/MemoryPackFile.h"
#include "tests/Support/ErrorLogCapture.h"
#include "tests/Support/TestDevice.h"

#include <gtest/gtest.h>

// A texture manager on a real device, reading a memory pack file, installed
// as g_pTextureManager with its failure box off.
class TextureManagerFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
        g_pVar->g_pD3DDevice = m_Device.Device();
        m_Manager.SetMessageBox(FALSE);
        ASSERT_EQ(m_Manager.Init(&m_Pack), S_OK);
        g_pTextureManager = &m_Manager;
    }

    void TearDown() override
    {
        m_Manager.Fini();
        g_pTextureManager = nullptr;
        g_pVar->g_pD3DDevice = nullptr;
    }

    // Adds a small opaque image of one colour (0x00RRGGBB).
    void AddImage(const std::string& name, std::uint32_t colour, int width = 4, int height = 4)
    {
        m_Pack.Add(name, MakeBmp24(width, height, Solid(colour)));
    }

    TestDevice m_Device;
    ErrorLogCapture m_Log;
    MemoryPackFile m_Pack;
    XC_TextureManager m_Manager;
};
