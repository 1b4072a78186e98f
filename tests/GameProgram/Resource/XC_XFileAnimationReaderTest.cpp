#include "GameProgram/Resource/XC_XFileAnimationReader.h"

#include "tests/Support/ErrorLogCapture.h"

#include <d3dx9.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// A root frame "Root" with one child "Bone", both at rest.
class Hierarchy
{
public:
    Hierarchy()
    {
        m_Root.Name = m_szRoot;
        m_Bone.Name = m_szBone;
        D3DXMatrixIdentity(&m_Root.TransformationMatrix);
        D3DXMatrixIdentity(&m_Bone.TransformationMatrix);
        m_Root.pFrameFirstChild = &m_Bone;
    }

    D3DXFRAME* Root() { return &m_Root; }
    const D3DXMATRIX& Bone() const { return m_Bone.TransformationMatrix; }
    const D3DXMATRIX& RootMatrix() const { return m_Root.TransformationMatrix; }

private:
    char m_szRoot[5] = "Root";
    char m_szBone[5] = "Bone";
    D3DXFRAME m_Root = {};
    D3DXFRAME m_Bone = {};
};

const std::string HEADER = "xof 0303txt 0032\n";

std::string AnimationFile(const std::string& keys, const std::string& ticks = "AnimTicksPerSecond { 100; }\n")
{
    return HEADER + ticks
         + "Frame Root {\n FrameTransformMatrix { 1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,0.0,1.0;; }\n"
           " Frame Bone { }\n}\n"
           "AnimationSet Walk {\n Animation {\n  { Bone }\n  AnimationKey {\n"
         + keys + "\n  }\n }\n}\n";
}

// Reads the text against the hierarchy; the controller comes back in *ppController.
HRESULT ReadText(const std::string& text, Hierarchy& hierarchy, ID3DXAnimationController** ppController)
{
    XC_XFileAnimationReader reader(reinterpret_cast<const BYTE*>(text.data()), static_cast<DWORD>(text.size()));
    return reader.Read(hierarchy.Root(), ppController);
}

D3DXVECTOR3 Moved(const D3DXMATRIX& matrix, const D3DXVECTOR3& point)
{
    D3DXVECTOR3 result;
    D3DXVec3TransformCoord(&result, &point, &matrix);
    return result;
}

void ExpectNear(const D3DXVECTOR3& actual, const D3DXVECTOR3& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

} // namespace

// Position keys at 0 and 100 ticks (100 ticks a second): the bone is halfway
// after half a second, at the end key just before the period ends, and the
// set loops after it. The root, which no animation names, is not touched.
TEST(XC_XFileAnimationReader, PositionKeysAreInterpolatedAndLoop)
{
    Hierarchy hierarchy;
    ID3DXAnimationController* pController = nullptr;
    ASSERT_EQ(ReadText(AnimationFile("2;\n2;\n0;3;0.0,0.0,0.0;;,\n100;3;4.0,2.0,0.0;;;"), hierarchy, &pController),
              S_OK);
    ASSERT_NE(pController, nullptr);
    EXPECT_EQ(pController->GetMaxNumAnimationOutputs(), 1u);
    ID3DXAnimationSet* pSet = nullptr;
    ASSERT_EQ(pController->GetAnimationSet(0, &pSet), S_OK);
    EXPECT_STREQ(pSet->GetName(), "Walk");
    EXPECT_DOUBLE_EQ(pSet->GetPeriod(), 1.0);
    pSet->Release();

    hierarchy.Root()->TransformationMatrix._41 = 7.0f;
    ASSERT_EQ(pController->AdvanceTime(0.5, nullptr), S_OK);
    ExpectNear(Moved(hierarchy.Bone(), D3DXVECTOR3(0, 0, 0)), D3DXVECTOR3(2.0f, 1.0f, 0.0f));
    EXPECT_FLOAT_EQ(hierarchy.RootMatrix()._41, 7.0f);
    pController->AdvanceTime(0.499999, nullptr);
    ExpectNear(Moved(hierarchy.Bone(), D3DXVECTOR3(0, 0, 0)), D3DXVECTOR3(4.0f, 2.0f, 0.0f));
    pController->AdvanceTime(0.250001, nullptr);
    ExpectNear(Moved(hierarchy.Bone(), D3DXVECTOR3(0, 0, 0)), D3DXVECTOR3(1.0f, 0.5f, 0.0f));
    EXPECT_NEAR(pController->GetTime(), 1.25, 1e-9);
    pController->Release();
}

// The kinds of key: a rotation key is written w, x, y, z of the inverse
// rotation, as D3DX reads it; scale keys scale; a matrix key (type 3 or 4)
// poses the frame with its own matrix.
TEST(XC_XFileAnimationReader, RotationScaleAndMatrixKeysPoseTheFrame)
{
    struct Case
    {
        const char* szKeys;
        D3DXVECTOR3 vPoint;
        D3DXVECTOR3 vExpected;
    };
    const Case cases[] = {
        // w = cos 45°, z = sin 45°: a quarter turn that takes +x to -y.
        {"0; 1; 0;4;0.7071068,0.0,0.0,0.7071068;;;", D3DXVECTOR3(1, 0, 0), D3DXVECTOR3(0, -1, 0)},
        {"1; 1; 0;3;2.0,3.0,4.0;;;", D3DXVECTOR3(1, 1, 1), D3DXVECTOR3(2, 3, 4)},
        {"4; 1; 0;16;0.0,1.0,0.0,0.0,-1.0,0.0,0.0,0.0,0.0,0.0,1.0,0.0,5.0,6.0,7.0,1.0;;;", D3DXVECTOR3(1, 0, 0),
         D3DXVECTOR3(5, 7, 7)},
        {"3; 1; 0;16;2.0,0.0,0.0,0.0,0.0,2.0,0.0,0.0,0.0,0.0,2.0,0.0,1.0,0.0,0.0,1.0;;;", D3DXVECTOR3(1, 1, 0),
         D3DXVECTOR3(3, 2, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szKeys);
        Hierarchy hierarchy;
        ID3DXAnimationController* pController = nullptr;
        ASSERT_EQ(ReadText(AnimationFile(c.szKeys), hierarchy, &pController), S_OK);
        ASSERT_NE(pController, nullptr);
        pController->AdvanceTime(0.0, nullptr);
        ExpectNear(Moved(hierarchy.Bone(), c.vPoint), c.vExpected);
        pController->Release();
    }
}

// Without AnimTicksPerSecond a second has 4800 ticks, as in D3DX.
TEST(XC_XFileAnimationReader, TicksDefaultTo4800)
{
    Hierarchy hierarchy;
    ID3DXAnimationController* pController = nullptr;
    ASSERT_EQ(ReadText(AnimationFile("2; 2; 0;3;0.0,0.0,0.0;;, 9600;3;2.0,0.0,0.0;;;", ""), hierarchy, &pController),
              S_OK);
    ASSERT_NE(pController, nullptr);
    pController->AdvanceTime(1.0, nullptr);
    ExpectNear(Moved(hierarchy.Bone(), D3DXVECTOR3(0, 0, 0)), D3DXVECTOR3(1, 0, 0));
    pController->Release();
}

// Files with nothing to animate give no controller and no report: no set, a
// binary file, comments and templates around a static frame.
TEST(XC_XFileAnimationReader, NothingToAnimateGivesNoController)
{
    const std::string texts[] = {
        HEADER + "Frame Root { Frame Bone { } }\n",
        "xof 0303bin 0032\x01\x02\x03",
        HEADER + "// AnimationSet in a comment {\n# another {\ntemplate Foo { <12345678-1234-1234-1234-123456789012> "
                 "DWORD a; array DWORD b[a]; [ ... ] }\nFoo F { 1; 2; \"{ } AnimationSet\"; }\n",
        "xof",
    };
    for (const std::string& text : texts) {
        ErrorLogCapture log;
        Hierarchy hierarchy;
        ID3DXAnimationController* pController = reinterpret_cast<ID3DXAnimationController*>(1);
        EXPECT_EQ(ReadText(text, hierarchy, &pController), S_OK) << text;
        EXPECT_EQ(pController, nullptr) << text;
        EXPECT_EQ(log.Text(), "") << text;
    }
}

// Damaged animation text fails with the parse error and a report naming the
// fault, never reads past the text and never allocates by a stated count.
TEST(XC_XFileAnimationReader, DamagedAnimationIsReportedAndRefused)
{
    struct Case
    {
        std::string text;
        const char* szReport;
    };
    const Case cases[] = {
        {AnimationFile("7; 1; 0;3;1.0,1.0,1.0;;;"), "unknown AnimationKey type"},
        {AnimationFile("2; 1; 0;4;1.0,1.0,1.0,1.0;;;"), "value count does not fit"},
        {AnimationFile("2; 4000000000; 0;3;1.0,1.0,1.0;;;"), "whole number expected"},
        {AnimationFile("2; 1; 0;3;1.0,1.0,1.0;; 5;"), "more than its keys"},
        {AnimationFile("2; 1; 0;3;1.0,x,1.0;;;"), "number expected"},
        {AnimationFile("2; 1; 0;3;1.0,1.0,1.0;;;", "AnimTicksPerSecond { 0; }\n"), "AnimTicksPerSecond is 0"},
        {HEADER + "AnimationSet Walk { Animation { { Bone } AnimationKey { 2; 1; 0;3;1.0,", "number expected"},
        {HEADER + "Frame Root { Frame Bone {", "object not closed"},
        {HEADER + "AnimationSet Walk { Animation { { Bone }", "Animation not closed"},
        {HEADER + "Frame Root { Mesh M { \"unterminated } }", "object not closed"},
        {HEADER + "} Frame Root { }", "a data object or template expected"},
        {AnimationFile("2; 1; 0;3;1.0,nan,1.0;;;"), "number expected"},
        {AnimationFile("2; 1; 0;3;1.0,1.0,inf;;;"), "number expected"},
        {AnimationFile("2; 2; 5;3;1.0,1.0,1.0;;, 5;3;2.0,2.0,2.0;;;"), "two keys of one kind at one time"},
    };
    for (const Case& c : cases) {
        ErrorLogCapture log;
        Hierarchy hierarchy;
        ID3DXAnimationController* pController = nullptr;
        EXPECT_EQ(ReadText(c.text, hierarchy, &pController), D3DXFERR_PARSEERROR) << c.text;
        EXPECT_EQ(pController, nullptr);
        EXPECT_TRUE(log.Contains(c.szReport)) << c.text << "\n" << log.Text();
    }
}

// The controller binds its outputs when a set is attached: frames the set
// does not animate stay as they are, and a second set changes the bindings.
TEST(XC_XFileAnimationReader, OutputsAreBoundWhenASetIsAttached)
{
    Hierarchy hierarchy;
    ID3DXAnimationController* pController = nullptr;
    const std::string text = AnimationFile("2; 2; 0;3;0.0,0.0,0.0;;, 100;3;2.0,0.0,0.0;;;")
                           + "AnimationSet Lift { Animation { { Root } AnimationKey { 2; 2; 0;3;0.0,0.0,0.0;;, "
                             "100;3;0.0,4.0,0.0;;; } } }\n";
    ASSERT_EQ(ReadText(text, hierarchy, &pController), S_OK);
    ASSERT_NE(pController, nullptr);
    pController->AdvanceTime(0.5, nullptr);
    ExpectNear(Moved(hierarchy.Bone(), D3DXVECTOR3(0.0f, 0.0f, 0.0f)), D3DXVECTOR3(1.0f, 0.0f, 0.0f));
    ExpectNear(Moved(hierarchy.RootMatrix(), D3DXVECTOR3(0.0f, 0.0f, 0.0f)), D3DXVECTOR3(0.0f, 0.0f, 0.0f));

    ID3DXAnimationSet* pLift = nullptr;
    ASSERT_EQ(pController->GetAnimationSetByName("Lift", &pLift), S_OK);
    pController->SetTrackAnimationSet(0, pLift);
    pController->SetTrackPosition(0, 0.25);
    pController->AdvanceTime(0.0, nullptr);
    ExpectNear(Moved(hierarchy.RootMatrix(), D3DXVECTOR3(0.0f, 0.0f, 0.0f)), D3DXVECTOR3(0.0f, 1.0f, 0.0f));
    ExpectNear(Moved(hierarchy.Bone(), D3DXVECTOR3(0.0f, 0.0f, 0.0f)), D3DXVECTOR3(1.0f, 0.0f, 0.0f));
    pLift->Release();
    pController->Release();
}

// Names that bind to nothing, or to the first of two frames, load with a report.
TEST(XC_XFileAnimationReader, NamesThatBindToNothingAreReported)
{
    const struct
    {
        std::string text;
        const char* szReport;
    } CASES[] = {
        {HEADER + "Frame Root { Frame Bone { } }\nAnimationSet Walk { Animation { { Knee } AnimationKey { 2; 1; "
                  "0;3;1.0,1.0,1.0;;; } } }\n",
         "Load XFile mesh.x , animation set Walk names frame Knee , which the mesh lacks"},
        {HEADER + "Frame Root { Frame Bone { } Frame Bone { } }\nAnimationSet Walk { Animation { { Bone } "
                  "AnimationKey { 2; 1; 0;3;1.0,1.0,1.0;;; } } }\n",
         "Load XFile mesh.x , two frames are named Bone ; animations move the first"},
    };
    for (const auto& c : CASES) {
        D3DXFRAME root = {}, bone = {}, twin = {};
        char szRoot[] = "Root", szBone[] = "Bone", szTwin[] = "Bone";
        root.Name = szRoot;
        bone.Name = szBone;
        twin.Name = szTwin;
        root.pFrameFirstChild = &bone;
        if (c.text.find("Frame Bone { } Frame Bone") != std::string::npos)
            bone.pFrameSibling = &twin;
        ErrorLogCapture log;
        XC_XFileAnimationReader reader(reinterpret_cast<const BYTE*>(c.text.data()), static_cast<DWORD>(c.text.size()),
                                       "mesh.x");
        ID3DXAnimationController* pController = nullptr;
        EXPECT_EQ(reader.Read(&root, &pController), S_OK);
        EXPECT_TRUE(log.Contains(c.szReport)) << log.Text();
        if (pController != nullptr)
            pController->Release();
    }
}
