#include "GameProgram/Resource/XC_XFileAnimationController.h"

#include "GameProgram/Resource/XC_XFileAnimationSet.h"

#include <d3dx9.h>
#include <gtest/gtest.h>

namespace {

// A one-second set (100 ticks a second) that moves "Bone" from the origin to
// the target.
XC_XFileAnimationSet* MakeSet(const char* szName, const D3DXVECTOR3& vTarget)
{
    XC_XFileAnimationSet* const pSet = new XC_XFileAnimationSet(szName, 100.0);
    XC_XFileAnimationSet::Animation animation;
    animation.strName = "Bone";
    animation.TranslationKeys.push_back(D3DXKEY_VECTOR3{0.0f, D3DXVECTOR3(0, 0, 0)});
    animation.TranslationKeys.push_back(D3DXKEY_VECTOR3{100.0f, vTarget});
    pSet->AddAnimation(std::move(animation));
    return pSet;
}

class XC_XFileAnimationControllerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        D3DXMatrixIdentity(&m_matBone);
        m_pController = new XC_XFileAnimationController(1, 2, 2, 0);
        ASSERT_EQ(m_pController->RegisterAnimationOutput("Bone", &m_matBone, nullptr, nullptr, nullptr), S_OK);
        m_pSetX = MakeSet("X", D3DXVECTOR3(4, 0, 0));
        m_pSetY = MakeSet("Y", D3DXVECTOR3(0, 4, 0));
        ASSERT_EQ(m_pController->RegisterAnimationSet(m_pSetX), S_OK);
        ASSERT_EQ(m_pController->RegisterAnimationSet(m_pSetY), S_OK);
        ASSERT_EQ(m_pController->SetTrackAnimationSet(0, m_pSetX), S_OK);
        ASSERT_EQ(m_pController->SetTrackEnable(0, TRUE), S_OK);
    }

    void TearDown() override
    {
        m_pSetX->Release();
        m_pSetY->Release();
        m_pController->Release();
    }

    D3DXVECTOR3 BonePosition() const { return D3DXVECTOR3(m_matBone._41, m_matBone._42, m_matBone._43); }

    D3DXMATRIX m_matBone;
    XC_XFileAnimationController* m_pController = nullptr;
    XC_XFileAnimationSet* m_pSetX = nullptr;
    XC_XFileAnimationSet* m_pSetY = nullptr;
};

void ExpectNear(const D3DXVECTOR3& actual, const D3DXVECTOR3& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}

} // namespace

// The way a drawable uses the file's controller: a clone sized by the
// original's maxima drives the same frames with a time of its own, and
// resetting the time (when the drawable's timer wraps) keeps the track's
// position, so the animation goes on from where it was.
TEST_F(XC_XFileAnimationControllerTest, CloneDrivesTheSameFramesOnItsOwnTime)
{
    m_pController->AdvanceTime(0.25, nullptr);
    ID3DXAnimationController* pClone = nullptr;
    ASSERT_EQ(m_pController->CloneAnimationController(
                  m_pController->GetMaxNumAnimationOutputs(), m_pController->GetMaxNumAnimationSets(),
                  m_pController->GetMaxNumTracks(), m_pController->GetMaxNumEvents(), &pClone),
              S_OK);
    EXPECT_EQ(pClone->GetNumAnimationSets(), 2u);
    EXPECT_DOUBLE_EQ(pClone->GetTime(), 0.25);

    pClone->AdvanceTime(0.25, nullptr);
    ExpectNear(BonePosition(), D3DXVECTOR3(2, 0, 0));
    m_pController->AdvanceTime(0.0, nullptr);
    ExpectNear(BonePosition(), D3DXVECTOR3(1, 0, 0));

    ASSERT_EQ(pClone->ResetTime(), S_OK);
    EXPECT_DOUBLE_EQ(pClone->GetTime(), 0.0);
    pClone->AdvanceTime(0.25, nullptr);
    ExpectNear(BonePosition(), D3DXVECTOR3(3, 0, 0));
    pClone->Release();

    ID3DXAnimationController* pSmall = nullptr;
    EXPECT_EQ(m_pController->CloneAnimationController(0, 2, 1, 0, &pSmall), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_pController->CloneAnimationController(1, 1, 1, 0, &pSmall), D3DERR_INVALIDCALL);
    EXPECT_EQ(pSmall, nullptr);
}

// Tracks: speed scales the track's time, enabled tracks are blended by their
// weights, a disabled track or one without the output's animation adds nothing.
TEST_F(XC_XFileAnimationControllerTest, TracksBlendByWeightAndSpeed)
{
    m_pController->SetTrackSpeed(0, 2.0f);
    m_pController->AdvanceTime(0.25, nullptr);
    ExpectNear(BonePosition(), D3DXVECTOR3(2, 0, 0));

    m_pController->SetTrackSpeed(0, 1.0f);
    m_pController->SetTrackPosition(0, 0.5);
    m_pController->SetTrackAnimationSet(1, m_pSetY);
    m_pController->SetTrackPosition(1, 0.5);
    m_pController->SetTrackWeight(1, 3.0f);
    m_pController->AdvanceTime(0.0, nullptr);
    ExpectNear(BonePosition(), D3DXVECTOR3(2, 0, 0));
    m_pController->SetTrackEnable(1, TRUE);
    m_pController->AdvanceTime(0.0, nullptr);
    ExpectNear(BonePosition(), D3DXVECTOR3(0.5f, 1.5f, 0));

    D3DXTRACK_DESC desc;
    ASSERT_EQ(m_pController->GetTrackDesc(1, &desc), S_OK);
    EXPECT_FLOAT_EQ(desc.Weight, 3.0f);
    EXPECT_EQ(m_pController->SetTrackWeight(2, 1.0f), D3DERR_INVALIDCALL);
}

namespace {

// A set that counts the lookups of its animations by name.
class CountingSet : public XC_XFileAnimationSet
{
public:
    CountingSet() : XC_XFileAnimationSet("Counted", 100.0) {}
    STDMETHOD(GetAnimationIndexByName)(const char* szName, UINT* puIndex) override
    {
        ++m_iLookups;
        return XC_XFileAnimationSet::GetAnimationIndexByName(szName, puIndex);
    }
    int m_iLookups = 0;
};

} // namespace

// Outputs are bound to their animations when a set is attached: frames of
// the file then cost no search by name (once per output per frame before).
TEST(XC_XFileAnimationController, OutputsAreLookedUpOnceWhenTheSetIsAttached)
{
    const int iOutputs = 1000;
    std::vector<D3DXMATRIX> matrices(iOutputs);
    XC_XFileAnimationController* const pController = new XC_XFileAnimationController(iOutputs, 1, 1, 0);
    CountingSet* const pSet = new CountingSet;
    for (int i = 0; i < iOutputs; ++i) {
        const std::string strName = "Bone" + std::to_string(i);
        D3DXMatrixIdentity(&matrices[i]);
        ASSERT_EQ(pController->RegisterAnimationOutput(strName.c_str(), &matrices[i], nullptr, nullptr, nullptr), S_OK);
        if (i % 2 != 0)
            continue;
        XC_XFileAnimationSet::Animation animation;
        animation.strName = strName;
        animation.TranslationKeys.push_back(D3DXKEY_VECTOR3{0.0f, D3DXVECTOR3(0, 0, 0)});
        animation.TranslationKeys.push_back(D3DXKEY_VECTOR3{100.0f, D3DXVECTOR3(0, 2, 0)});
        pSet->AddAnimation(std::move(animation));
    }
    pController->RegisterAnimationSet(pSet);
    pController->SetTrackAnimationSet(0, pSet);
    pController->SetTrackEnable(0, TRUE);
    EXPECT_EQ(pSet->m_iLookups, iOutputs);
    for (int iFrame = 0; iFrame < 50; ++iFrame)
        pController->AdvanceTime(0.01, nullptr);
    EXPECT_EQ(pSet->m_iLookups, iOutputs);
    EXPECT_NEAR(matrices[998]._42, 1.0f, 1e-4f);
    EXPECT_FLOAT_EQ(matrices[999]._42, 0.0f);
    pSet->Release();
    pController->Release();
}
