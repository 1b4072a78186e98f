#include "GameProgram/Module/XC_RenderModule.h"

#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/Module/XC_ModuleManager.h"

#include "tests/GameProgram/Painter/FakeDrawable.h"
#include "tests/Support/ErrorLogCapture.h"

#include <gtest/gtest.h>

TEST(XC_RenderModule, StackedModulesDrawThroughTheirOwnPainters)
{
    DrawLog log;
    ClearLoggingDevice device(log);
    g_pVar->g_pD3DDevice = &device;
    XC_RenderModule lower, upper;
    upper.SetShowLowerModule(TRUE);
    EXPECT_EQ(lower.GetEnvironmentOfRender()->GetPainter(), lower.GetPainter());
    FakeDrawable background(log, "background", 10), menu(log, "menu", 70, CS_Screen);
    ASSERT_TRUE(lower.GetPainter()->AddRenderObj(&background));
    ASSERT_TRUE(upper.GetPainter()->AddRenderObj(&menu));

    XC_ModuleManager manager;
    manager.AddModule(&lower);
    manager.AddModule(&upper);
    manager.Render();
    EXPECT_EQ(log, DrawLog({"|", "background", "|", "menu"}));

    log.clear();
    upper.SetShowLowerModule(FALSE);
    manager.Render();
    EXPECT_EQ(log, DrawLog({"|", "menu"}));

    manager.RemoveAllModules();
    lower.GetPainter()->RemoveRenderObj(&background);
    upper.GetPainter()->RemoveRenderObj(&menu);
    g_pVar->g_pD3DDevice = nullptr;
}
