#include "GameProgram/Resource/XF_SkinMeshContainer.h"

#include "tests/GameProgram/Resource/XFileManagerFixture.h"
#include "tests/GameProgram/Resource/XFileTexts.h"

#include <d3dx9.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

typedef XFileManagerFixture SkinMeshContainerTest;

std::vector<D3DXVECTOR3> Positions(ID3DXMesh* pMesh)
{
    std::vector<D3DXVECTOR3> positions;
    void* pVertices = nullptr;
    if (FAILED(pMesh->LockVertexBuffer(D3DLOCK_READONLY, &pVertices)))
        return positions;
    for (DWORD i = 0; i < pMesh->GetNumVertices(); ++i) {
        const BYTE* const pVertex = static_cast<const BYTE*>(pVertices) + i * pMesh->GetNumBytesPerVertex();
        positions.push_back(*reinterpret_cast<const D3DXVECTOR3*>(pVertex));
    }
    pMesh->UnlockVertexBuffer();
    return positions;
}

void ExpectNear(const D3DXVECTOR3& actual, float x, float y, float z)
{
    EXPECT_NEAR(actual.x, x, 1e-4f);
    EXPECT_NEAR(actual.y, y, 1e-4f);
    EXPECT_NEAR(actual.z, z, 1e-4f);
}

} // namespace

// The skinned, animated strip: the file's controller, cloned as a drawable
// clones it, poses Knee half-way after half a second; skinning then moves the
// top row by Knee alone, the middle row half-way and leaves the foot to Hip,
// all in the space of the world matrix the frames were combined with.
TEST_F(SkinMeshContainerTest, BoneMovesItsVerticesAfterAKnownTime)
{
    m_Pack.Add("strip.x", StripText());
    XC_XFileObject* const pXFileObj = m_XFiles.GetXFile("strip.x");
    ASSERT_NE(pXFileObj, nullptr) << m_Log.Text();
    XS_XFileMeshContainer* const pMeshContainer = ContainerOf(pXFileObj, "Root");
    ASSERT_NE(pMeshContainer, nullptr);
    ASSERT_NE(pMeshContainer->pSkinInfo, nullptr);
    EXPECT_EQ(pMeshContainer->pSkinInfo->GetNumBones(), 2u);
    EXPECT_EQ(pMeshContainer->m_dwInfluenceCount, 2u);
    EXPECT_EQ(pMeshContainer->m_dwPaletteEntryCount, 2u);
    EXPECT_EQ(pMeshContainer->m_dwAttributeGroupCount, 1u);
    EXPECT_NE(pMeshContainer->MeshData.pMesh, pMeshContainer->m_pLoadedMesh);
    EXPECT_TRUE(pMeshContainer->MeshData.pMesh->GetOptions() & D3DXMESH_SYSTEMMEM);
    EXPECT_TRUE(pMeshContainer->m_pLoadedMesh->GetFVF() & D3DFVF_NORMAL);
    EXPECT_FLOAT_EQ(pMeshContainer->pBoneOffsetMatrices[1]._42, -1.0f);

    ID3DXAnimationController* const pFileController = pXFileObj->GetAnimationController();
    ASSERT_NE(pFileController, nullptr);
    ID3DXAnimationController* pController = nullptr;
    ASSERT_EQ(pFileController->CloneAnimationController(
                  pFileController->GetMaxNumAnimationOutputs(), pFileController->GetMaxNumAnimationSets(),
                  pFileController->GetMaxNumTracks(), pFileController->GetMaxNumEvents(), &pController),
              S_OK);
    ASSERT_EQ(pController->GetNumAnimationSets(), 1u);
    ID3DXAnimationSet* pAnimSet = nullptr;
    ASSERT_EQ(pController->GetAnimationSet(0, &pAnimSet), S_OK);
    EXPECT_DOUBLE_EQ(pAnimSet->GetPeriod(), 1.0);
    pAnimSet->Release();

    ASSERT_EQ(pController->AdvanceTime(0.5, nullptr), S_OK);
    D3DXMATRIX matWorld;
    D3DXMatrixTranslation(&matWorld, 10.0f, 0.0f, 0.0f);
    UpdateFrames(pXFileObj->GetFrameRoot(), matWorld);
    ASSERT_EQ(XF_SkinMeshContainer(pMeshContainer, pXFileObj->GetFrameRoot()), S_OK);

    const std::vector<D3DXVECTOR3> positions = Positions(pMeshContainer->MeshData.pMesh);
    ASSERT_EQ(positions.size(), 6u);
    ExpectNear(positions[0], 9.5f, 0.0f, 0.0f);
    ExpectNear(positions[1], 10.5f, 0.0f, 0.0f);
    ExpectNear(positions[2], 10.0f, 1.0f, 0.0f);
    ExpectNear(positions[3], 11.0f, 1.0f, 0.0f);
    ExpectNear(positions[4], 10.5f, 2.0f, 0.0f);
    ExpectNear(positions[5], 11.5f, 2.0f, 0.0f);
    ExpectNear(Positions(pMeshContainer->m_pLoadedMesh)[4], -0.5f, 2.0f, 0.0f);
    pController->Release();
    pXFileObj->Release();
}

// A file that declares the skinning templates itself, as exporters write
// them, loads as one that does not.
TEST_F(SkinMeshContainerTest, FileDeclaringItsTemplatesLoads)
{
    const std::string strTemplates = std::string(XSKINEXP_TEMPLATES).substr(16);
    const std::string strStrip = StripText();
    m_Pack.Add("declared.x", strStrip.substr(0, 17) + strTemplates + "\n" + strStrip.substr(17));
    XC_XFileObject* const pXFileObj = m_XFiles.GetXFile("declared.x");
    ASSERT_NE(pXFileObj, nullptr) << m_Log.Text();
    EXPECT_NE(pXFileObj->GetAnimationController(), nullptr);
    XS_XFileMeshContainer* const pMeshContainer = ContainerOf(pXFileObj, "Root");
    ASSERT_NE(pMeshContainer, nullptr);
    EXPECT_NE(pMeshContainer->pSkinInfo, nullptr);
    pXFileObj->Release();
}

// A bone whose name matches no frame: the failure is reported and the mesh is
// still handed out; skinning leaves that bone out: the vertices that only it
// moves follow the frame holding the mesh, those it shares follow the others.
TEST_F(SkinMeshContainerTest, BoneWithoutFrameIsReportedAndLeftOut)
{
    m_Pack.Add("ghost.x", StripText("Ghost"));
    XC_XFileObject* const pXFileObj = m_XFiles.GetXFile("ghost.x");
    ASSERT_NE(pXFileObj, nullptr) << m_Log.Text();
    EXPECT_TRUE(m_Log.Contains(" SetupBoneMatrixPointersOnMesh 錯誤 hr = 80004005"));
    EXPECT_TRUE(m_Log.Contains("( SetupBoneMatrixPointers( m_pFrameRoot ) ) failed , hr = 80004005"));

    XS_XFileMeshContainer* const pMeshContainer = ContainerOf(pXFileObj, "Root");
    ASSERT_NE(pMeshContainer, nullptr);
    ASSERT_NE(pMeshContainer->m_ppBoneMatrix, nullptr);
    EXPECT_EQ(pMeshContainer->m_ppBoneMatrix[1], nullptr);
    D3DXMATRIX matWorld;
    D3DXMatrixTranslation(&matWorld, 0.0f, 5.0f, 0.0f);
    UpdateFrames(pXFileObj->GetFrameRoot(), matWorld);
    ASSERT_EQ(XF_SkinMeshContainer(pMeshContainer, pXFileObj->GetFrameRoot()), S_OK);
    const std::vector<D3DXVECTOR3> positions = Positions(pMeshContainer->MeshData.pMesh);
    ExpectNear(positions[0], -0.5f, 5.0f, 0.0f);
    ExpectNear(positions[2], -0.5f, 6.0f, 0.0f);
    ExpectNear(positions[4], -0.5f, 7.0f, 0.0f);
    pXFileObj->Release();
}

// Skin weights that name a vertex the mesh lacks fail the load with a report;
// a container without skin is refused by the skinning.
TEST_F(SkinMeshContainerTest, BadSkinIsRefused)
{
    std::string text = StripText();
    text.replace(text.find("2, 3, 4, 5;"), 11, "2, 3, 4, 9;");
    m_Pack.Add("bad.x", text);
    EXPECT_EQ(m_XFiles.GetXFile("bad.x"), nullptr);
    EXPECT_TRUE(m_Log.Contains("Load XFile Error , GenerateSkinnedMesh()")) << m_Log.Text();

    m_Pack.Add("tree.x", HierarchyText());
    XC_XFileObject* const pXFileObj = m_XFiles.GetXFile("tree.x");
    ASSERT_NE(pXFileObj, nullptr);
    EXPECT_EQ(XF_SkinMeshContainer(ContainerOf(pXFileObj, "Arm"), pXFileObj->GetFrameRoot()), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( pMeshContainer is skinned && pFrame ) failed"));
    pXFileObj->Release();
}
