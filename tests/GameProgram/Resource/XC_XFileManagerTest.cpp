#include "GameProgram/Resource/XC_XFileManager.h"

#include "GameProgram/Resource/XF_SkinMeshContainer.h"

#include "tests/GameProgram/Resource/XFileManagerFixture.h"
#include "tests/GameProgram/Resource/XFileTexts.h"
#include "tests/Support/BitmapFile.h"

#include <d3dx9.h>
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

typedef XFileManagerFixture XFileManagerTest;

std::vector<D3DXATTRIBUTERANGE> AttributeTable(ID3DXMesh* pMesh)
{
    DWORD dwSize = 0;
    pMesh->GetAttributeTable(nullptr, &dwSize);
    std::vector<D3DXATTRIBUTERANGE> table(dwSize);
    if (dwSize > 0)
        pMesh->GetAttributeTable(table.data(), &dwSize);
    return table;
}

D3DXVECTOR3 NormalOfVertex(ID3DXMesh* pMesh, DWORD dwIndex)
{
    void* pVertices = nullptr;
    pMesh->LockVertexBuffer(D3DLOCK_READONLY, &pVertices);
    const BYTE* const pVertex = static_cast<const BYTE*>(pVertices) + dwIndex * pMesh->GetNumBytesPerVertex();
    const D3DXVECTOR3 vNormal = reinterpret_cast<const D3DXVECTOR3*>(pVertex)[1];
    pMesh->UnlockVertexBuffer();
    return vNormal;
}

void ExpectColour(const D3DCOLORVALUE& actual, float r, float g, float b, float a)
{
    EXPECT_FLOAT_EQ(actual.r, r);
    EXPECT_FLOAT_EQ(actual.g, g);
    EXPECT_FLOAT_EQ(actual.b, b);
    EXPECT_FLOAT_EQ(actual.a, a);
}

} // namespace

// A static mesh without normals gets them; its attribute ranges are numbered
// in table order with the file's materials they used (ambient taken from
// diffuse) and their textures, a missing one shown as "error.bmp".
TEST_F(XFileManagerTest, StaticMeshGetsNormalsMaterialsAndTextures)
{
    AddImage("red.bmp", 0xFF0000);
    AddImage("error.bmp", 0xFF00FF);
    m_Pack.Add("mesh\\quad.x", QuadText());

    XC_XFileObject* const pXFileObj = m_XFiles.GetXFile("Mesh/Quad.X");
    ASSERT_NE(pXFileObj, nullptr) << m_Log.Text();
    EXPECT_EQ(m_XFiles.GetXFile("mesh\\quad.x"), pXFileObj);
    EXPECT_EQ(pXFileObj->GetRef(), 2);
    EXPECT_EQ(pXFileObj->GetAnimationController(), nullptr);

    XS_XFileMeshContainer* const pMeshContainer = ContainerOf(pXFileObj, "Quad");
    ASSERT_NE(pMeshContainer, nullptr);
    ID3DXMesh* const pMesh = pMeshContainer->MeshData.pMesh;
    EXPECT_TRUE(pMesh->GetFVF() & D3DFVF_NORMAL);
    EXPECT_EQ(pMeshContainer->pSkinInfo, nullptr) << "a mesh without bones is not skinned";
    const D3DXVECTOR3 vNormal = NormalOfVertex(pMesh, 3);
    EXPECT_NEAR(std::fabs(vNormal.z), 1.0f, 1e-4f);

    // The platform's loader sorts the faces by material: ranges of materials 0 and 2.
    const std::vector<D3DXATTRIBUTERANGE> table = AttributeTable(pMesh);
    ASSERT_EQ(table.size(), 2u);
    ASSERT_EQ(pMeshContainer->NumMaterials, 2u);
    for (DWORD i = 0; i < table.size(); ++i)
        EXPECT_EQ(table[i].AttribId, i);
    EXPECT_EQ(table[0].FaceCount, 1u);
    EXPECT_EQ(table[1].FaceCount, 2u);

    const D3DMATERIAL9& first = pMeshContainer->pMaterials[0].MatD3D;
    ExpectColour(first.Diffuse, 1, 1, 1, 1);
    ExpectColour(first.Ambient, 1, 1, 1, 1);
    const D3DMATERIAL9& second = pMeshContainer->pMaterials[1].MatD3D;
    ExpectColour(second.Diffuse, 0, 0, 1, 1);
    ExpectColour(second.Ambient, 0, 0, 1, 1);
    EXPECT_EQ(pMeshContainer->pMaterials[0].pTextureFilename, nullptr);
    ASSERT_NE(pMeshContainer->m_ppTextureObj[0], nullptr);
    EXPECT_STREQ(pMeshContainer->m_ppTextureObj[0]->GetName(), "red.bmp");
    ASSERT_NE(pMeshContainer->m_ppTextureObj[1], nullptr);
    EXPECT_STREQ(pMeshContainer->m_ppTextureObj[1]->GetName(), "error.bmp");
    EXPECT_TRUE(m_Log.Contains("讀取檔案失敗 missing.bmp"));

    pXFileObj->Release();
    pXFileObj->Release();
    EXPECT_EQ(m_XFiles.GetResourceCount(), 0u);
    EXPECT_EQ(m_Manager.GetResourceCount(), 0u) << "the mesh's textures went with it";
}

// A hierarchy keeps its frames and their matrices; a mesh with normals keeps
// its own; the bounding sphere takes the frames' transformations into account;
// a mesh without materials gets one grey material over the whole mesh.
TEST_F(XFileManagerTest, HierarchyKeepsItsFramesAndGetsItsSphere)
{
    m_Pack.Add("tree.x", HierarchyText());
    XC_XFileObject* const pXFileObj = m_XFiles.GetXFile("tree.x");
    ASSERT_NE(pXFileObj, nullptr) << m_Log.Text();

    XS_XFileFrame* const pRoot = pXFileObj->GetFrameRoot();
    ASSERT_NE(pRoot, nullptr);
    EXPECT_STREQ(pRoot->Name, "Root");
    ASSERT_NE(pRoot->pFrameFirstChild, nullptr);
    EXPECT_STREQ(pRoot->pFrameFirstChild->Name, "Body");
    ASSERT_NE(pRoot->pFrameFirstChild->pFrameSibling, nullptr);
    EXPECT_STREQ(pRoot->pFrameFirstChild->pFrameSibling->Name, "Head");
    D3DXFRAME* const pArm = D3DXFrameFind(pRoot, "Arm");
    ASSERT_NE(pArm, nullptr);
    EXPECT_FLOAT_EQ(pArm->TransformationMatrix._42, 2.0f);
    EXPECT_TRUE(D3DXMatrixIsIdentity(&static_cast<XS_XFileFrame*>(pArm)->m_matCombined));
    EXPECT_EQ(D3DXFrameFind(pRoot, "Head")->pMeshContainer, nullptr);

    XS_XFileMeshContainer* const pMeshContainer = ContainerOf(pXFileObj, "Arm");
    ASSERT_NE(pMeshContainer, nullptr);
    const D3DXVECTOR3 vNormal = NormalOfVertex(pMeshContainer->MeshData.pMesh, 0);
    EXPECT_FLOAT_EQ(vNormal.y, 1.0f) << "the file's normals are kept";
    ASSERT_EQ(pMeshContainer->NumMaterials, 1u);
    ExpectColour(pMeshContainer->pMaterials[0].MatD3D.Diffuse, 0.5f, 0.5f, 0.5f, 0.0f);
    ExpectColour(pMeshContainer->pMaterials[0].MatD3D.Ambient, 0.5f, 0.5f, 0.5f, 0.0f);
    ExpectColour(pMeshContainer->pMaterials[0].MatD3D.Specular, 0.5f, 0.5f, 0.5f, 0.0f);
    EXPECT_EQ(pMeshContainer->m_ppTextureObj[0], nullptr);
    const std::vector<D3DXATTRIBUTERANGE> table = AttributeTable(pMeshContainer->MeshData.pMesh);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].FaceCount, 1u);
    EXPECT_EQ(table[0].VertexCount, 3u);

    // The triangle's corners lie at (0, 2), (2, 2) and (1, 5) once moved by
    // Body and Arm: their mean is (1, 3), the farthest corner 2 away.
    const XS_BoundingSphere* const pSphere = pXFileObj->GetBoundingSphere();
    EXPECT_NEAR(pSphere->vCenter.x, 1.0f, 1e-5f);
    EXPECT_NEAR(pSphere->vCenter.y, 3.0f, 1e-5f);
    EXPECT_NEAR(pSphere->vCenter.z, 0.0f, 1e-5f);
    EXPECT_NEAR(pSphere->fRadius, 2.0f, 1e-5f);
    pXFileObj->Release();
}

// A file that cannot be had or read gives no mesh and a report naming it;
// nothing is registered.
TEST_F(XFileManagerTest, FilesThatCannotBeLoadedAreReported)
{
    std::string strDeep = "xof 0303txt 0032\n";
    for (int i = 0; i < 200; ++i)
        strDeep += "Frame F" + std::to_string(i) + " {\n";
    strDeep += std::string(200, '}');
    // Each frame refers to the one before twice: 2^30 frames once followed.
    std::string strDoubling = "xof 0303txt 0032\nFrame A0 { }\n";
    for (int i = 1; i <= 30; ++i) {
        const std::string strInner = "{ A" + std::to_string(i - 1) + " }";
        strDoubling += "Frame A" + std::to_string(i) + " { " + strInner + " " + strInner + " }\n";
    }
    struct Case
    {
        const char* szName;
        std::string text;
        const char* szReport;
    };
    const Case cases[] = {
        {"absent.x", "", "XC_XFileManager::CreateObjct\n\t讀取檔案失敗 absent.x"},
        {"garbage.x", "not an x file at all", "載入XFile garbage.x ,  發生錯誤  \n D3DXLoadMeshHierarchyFromXInMemory"},
        {"cut.x", "xof 0303txt 0032\nFrame F { Mesh M { 3; 0.0;0.0;0.0;, 1.0;", "載入XFile cut.x"},
        {"empty.x", "", "載入XFile empty.x"},
        {"badkey.x", QuadText() + "AnimationSet A { Animation { { Quad } AnimationKey { 9; 0; } } }",
         "載入XFile badkey.x ,  發生錯誤  \n XC_XFileAnimationReader::Read"},
        {"knee.x", "xof 0303txt 0032\nFrame Knee { { Knee } }", "載入XFile knee.x ,  發生錯誤  \n \"Knee\" contains itself"},
        {"hip.x", "xof 0303txt 0032\nFrame Hip { Frame Knee { FrameTransformMatrix { 1;0;0;0;0;1;0;0;0;0;1;0;0;0;0;1;; } { Hip } } }",
         "載入XFile hip.x ,  發生錯誤  \n \"Hip\" contains itself"},
        {"zip.x", std::string("xof 0303tzip0032\0\0\0\0", 20), "載入XFile zip.x ,  發生錯誤  \n compressed .x files are not read"},
        {"bzip.x", std::string("xof 0303bzip0032\x10\0\0\0\0\0", 22), "compressed .x files are not read"},
        {"deep.x", strDeep, "載入XFile deep.x ,  發生錯誤  \n objects nested deeper than 128"},
        {"doubling.x", strDoubling, "載入XFile doubling.x ,  發生錯誤  \n more than 1048576 objects"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        if (std::string(c.szName) != "absent.x")
            m_Pack.Add(c.szName, c.text);
        EXPECT_EQ(m_XFiles.GetXFile(c.szName), nullptr);
        EXPECT_TRUE(m_Log.Contains(c.szReport)) << m_Log.Text();
        EXPECT_TRUE(m_Log.Contains(std::string("LoadResource Error , ") + c.szName));
    }
    EXPECT_EQ(m_XFiles.GetResourceCount(), 0u);
}

TEST_F(XFileManagerTest, MistakesTheLoaderTakesInSilenceAreReportedWithTheFile)
{
    const auto replaced = [](std::string strText, const std::string& strOld, const std::string& strNew) {
        return strText.replace(strText.find(strOld), strOld.size(), strNew);
    };
    struct Case
    {
        const char* szName;
        std::string text;
        const char* szReport;
    };
    const Case cases[] = {
        {"nomaterials.x", replaced(QuadText(), "3; 3; 2, 0, 2;;", "0; 3; 0, 0, 0;;"),
         "nomaterials.x , mesh QuadMesh : MeshMaterialList holds 0 materials"},
        {"twohips.x", StripText("Hip"), "twohips.x , mesh Strip : two SkinWeights for bone Hip"},
        {"slowticks.x", replaced(StripText(), "{ 100; }", "{ 1; }"), "slowticks.x , AnimTicksPerSecond 1 is outside 10 to 1000000"},
        {"fastticks.x", replaced(StripText(), "{ 100; }", "{ 4294967295; }"),
         "fastticks.x , AnimTicksPerSecond 4294967295 is outside 10 to 1000000"},
    };
    for (const Case& c : cases) {
        m_Pack.Add(c.szName, c.text);
        XC_XFileObject* const pXFileObj = m_XFiles.GetXFile(c.szName);
        if (pXFileObj != nullptr)
            pXFileObj->Release();
        EXPECT_TRUE(m_Log.Contains(c.szReport)) << c.szName << "\n" << m_Log.Text();
    }
    // Sound files give none of these.
    const std::string sound[] = {QuadText(), StripText()};
    for (size_t i = 0; i < 2; ++i) {
        ErrorLogCapture log;
        const std::string strName = "sound" + std::to_string(i) + ".x";
        m_Pack.Add(strName, sound[i]);
        XC_XFileObject* const pXFileObj = m_XFiles.GetXFile(strName.c_str());
        ASSERT_NE(pXFileObj, nullptr) << log.Text();
        pXFileObj->Release();
        EXPECT_FALSE(log.Contains("mesh ")) << log.Text();
        EXPECT_FALSE(log.Contains("AnimTicksPerSecond")) << log.Text();
    }
}

// Reloading puts the file's present content in place of the old hierarchy;
// a reload that fails leaves the object empty and says which file.
TEST_F(XFileManagerTest, ReloadReplacesTheHierarchy)
{
    m_Pack.Add("piece.x", QuadText());
    XC_XFileObject* const pXFileObj = m_XFiles.GetXFile("piece.x");
    ASSERT_NE(pXFileObj, nullptr);

    m_Pack.Add("piece.x", HierarchyText());
    ASSERT_EQ(m_XFiles.ReloadXFile(pXFileObj), S_OK);
    ASSERT_NE(pXFileObj->GetFrameRoot(), nullptr);
    EXPECT_STREQ(pXFileObj->GetFrameRoot()->Name, "Root");
    EXPECT_NEAR(pXFileObj->GetBoundingSphere()->fRadius, 2.0f, 1e-5f);

    m_Pack.Add("piece.x", "damaged");
    EXPECT_EQ(m_XFiles.ReloadXFile(pXFileObj), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("載入XFile \"piece.x\" ,  發生錯誤"));
    EXPECT_EQ(pXFileObj->GetFrameRoot(), nullptr);
    EXPECT_EQ(m_XFiles.ReloadXFile(nullptr), E_FAIL);
    EXPECT_TRUE(m_Log.Contains("( pXFileObj ) failed"));
    pXFileObj->Release();
}

TEST(XC_XFileManager, InitNeedsThePackFileAndTheTextureManager)
{
    ErrorLogCapture log;
    XC_XFileManager manager;
    EXPECT_EQ(manager.Init(nullptr, nullptr), E_FAIL);
    EXPECT_TRUE(log.Contains("( pPackFile ) failed"));
    EXPECT_TRUE(log.Contains("( pTextureManager ) failed"));
    EXPECT_EQ(manager.GetXFile("any.x"), nullptr);
    EXPECT_TRUE(log.Contains("( m_pPackFile ) failed"));
    EXPECT_STREQ(manager.GetManagerName(), "XC_XFileManager");
}

// Under the bench's display: the quad lit by a light at 60 degrees to its
// normal shows its red texture and its blue material (under the white
// "error.bmp") at half strength, and the skinned strip,
// posed half-way through its animation, shows its top bent to the right.
TEST_F(XFileManagerTest, LitMeshesAreDrawn)
{
    AddImage("red.bmp", 0xFF0000);
    AddImage("error.bmp", 0xFFFFFF);
    m_Pack.Add("quad.x", QuadText());
    m_Pack.Add("strip.x", StripText());
    XC_XFileObject* const pQuad = m_XFiles.GetXFile("quad.x");
    XC_XFileObject* const pStrip = m_XFiles.GetXFile("strip.x");
    ASSERT_NE(pQuad, nullptr);
    ASSERT_NE(pStrip, nullptr);
    ASSERT_NE(pStrip->GetAnimationController(), nullptr);

    IDirect3DDevice9* const pDevice = m_Device.Device();
    D3DXMATRIX matView, matProjection, matWorld;
    const D3DXVECTOR3 vEye(0, 0, -10), vAt(0, 0, 0), vUp(0, 1, 0);
    D3DXMatrixLookAtLH(&matView, &vEye, &vAt, &vUp);
    D3DXMatrixOrthoLH(&matProjection, 8.0f, 6.0f, 1.0f, 100.0f);
    pDevice->SetTransform(D3DTS_VIEW, &matView);
    pDevice->SetTransform(D3DTS_PROJECTION, &matProjection);
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = D3DCOLORVALUE{1.0f, 1.0f, 1.0f, 1.0f};
    light.Direction = D3DXVECTOR3(0.0f, -0.8660254f, 0.5f);
    pDevice->SetLight(0, &light);
    pDevice->LightEnable(0, TRUE);
    pDevice->SetRenderState(D3DRS_LIGHTING, TRUE);
    pDevice->SetRenderState(D3DRS_AMBIENT, 0);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);

    ASSERT_EQ(pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x000040, 1.0f, 0), S_OK);
    ASSERT_EQ(pDevice->BeginScene(), S_OK);
    D3DXMatrixTranslation(&matWorld, -2.0f, 0.0f, 0.0f);
    DrawContainer(ContainerOf(pQuad, "Quad"), matWorld);

    ID3DXAnimationController* const pController = pStrip->GetAnimationController();
    pController->AdvanceTime(0.5, nullptr);
    D3DXMatrixTranslation(&matWorld, 2.0f, -1.0f, 0.0f);
    UpdateFrames(pStrip->GetFrameRoot(), matWorld);
    XS_XFileMeshContainer* const pStripContainer = ContainerOf(pStrip, "Root");
    ASSERT_EQ(XF_SkinMeshContainer(pStripContainer, pStrip->GetFrameRoot()), S_OK);
    D3DXMatrixIdentity(&matWorld);
    DrawContainer(pStripContainer, matWorld);
    pDevice->EndScene();

    const std::string path = m_Device.SaveBackBuffer("XFileManager_LitMeshes");
    ASSERT_FALSE(path.empty());
    BitmapFile picture;
    ASSERT_TRUE(picture.Load(path));
    // 100 pixels a unit, the origin at (400, 300). The quad spans x 100..300.
    const std::uint32_t quad = picture.Pixel(250, 250);
    EXPECT_NEAR(static_cast<int>(quad >> 16), 128, 6) << std::hex << quad;
    EXPECT_EQ(quad & 0xFFFF, 0u) << std::hex << quad;
    const std::uint32_t blue = picture.Pixel(150, 350);
    EXPECT_NEAR(static_cast<int>(blue & 0xFF), 128, 6) << std::hex << blue;
    EXPECT_EQ(blue & 0xFFFF00, 0u) << std::hex << blue;
    EXPECT_EQ(picture.Pixel(50, 300), 0x000040u);
    // The strip's foot stays at x 550..650 (y 400); its top row moved from
    // x 550..650 to 650..750 (y 200).
    EXPECT_NE(picture.Pixel(600, 380), 0x000040u);
    EXPECT_NE(picture.Pixel(700, 210), 0x000040u);
    EXPECT_EQ(picture.Pixel(560, 210), 0x000040u);
    pQuad->Release();
    pStrip->Release();
}

// Meshes and their textures live in the managed pool: after the device is
// reset they draw as before, with nothing for the manager to restore.
TEST_F(XFileManagerTest, MeshesDrawAfterADeviceReset)
{
    AddImage("red.bmp", 0xFF0000);
    AddImage("error.bmp", 0xFFFFFF);
    m_Pack.Add("quad.x", QuadText());
    XC_XFileObject* const pQuad = m_XFiles.GetXFile("quad.x");
    ASSERT_NE(pQuad, nullptr);

    IDirect3DDevice9* const pDevice = m_Device.Device();
    IDirect3DSwapChain9* pSwapChain = nullptr;
    ASSERT_EQ(pDevice->GetSwapChain(0, &pSwapChain), S_OK);
    D3DPRESENT_PARAMETERS parameters = {};
    pSwapChain->GetPresentParameters(&parameters);
    pSwapChain->Release();
    ASSERT_EQ(pDevice->Reset(&parameters), S_OK);
    EXPECT_EQ(m_XFiles.RestoreAllXFileWhenDeviceLose(), S_OK);

    D3DXMATRIX matView, matProjection, matWorld;
    const D3DXVECTOR3 vEye(0, 0, -10), vAt(0, 0, 0), vUp(0, 1, 0);
    D3DXMatrixLookAtLH(&matView, &vEye, &vAt, &vUp);
    D3DXMatrixOrthoLH(&matProjection, 8.0f, 6.0f, 1.0f, 100.0f);
    pDevice->SetTransform(D3DTS_VIEW, &matView);
    pDevice->SetTransform(D3DTS_PROJECTION, &matProjection);
    pDevice->SetRenderState(D3DRS_LIGHTING, FALSE);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    ASSERT_EQ(pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x000040, 1.0f, 0), S_OK);
    ASSERT_EQ(pDevice->BeginScene(), S_OK);
    D3DXMatrixTranslation(&matWorld, -2.0f, 0.0f, 0.0f);
    DrawContainer(ContainerOf(pQuad, "Quad"), matWorld);
    pDevice->EndScene();

    const std::string path = m_Device.SaveBackBuffer("XFileManager_AfterReset");
    ASSERT_FALSE(path.empty());
    BitmapFile picture;
    ASSERT_TRUE(picture.Load(path));
    // Unlit, the quad shows its red texture.
    EXPECT_EQ(picture.Pixel(250, 250), 0xFF0000u) << std::hex << picture.Pixel(250, 250);
    EXPECT_EQ(picture.Pixel(50, 300), 0x000040u);
    pQuad->Release();
}

// Damaged copies of the test meshes, from a fixed seed: each gives a mesh or
// a report naming the file, never a crash or a hang of the platform's loader.
TEST_F(XFileManagerTest, DamagedFilesGiveAMeshOrAReport)
{
    const std::string seeds[] = {QuadText(), HierarchyText(), StripText()};
    const char* const pieces[] = {"{ Root }", "{ Knee }", "Frame Knee {", "}", "{", "nan", "-1", "4294967295;",
                                  "xof 0303tzip0032", "\0\0\0\0", "AnimationSet A { Animation { { Knee } } }"};
    std::mt19937 random(20261211);
    for (int iCase = 0; iCase < 1500; ++iCase) {
        std::string strText = seeds[iCase % 3];
        const int iEdits = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < iEdits; ++i) {
            const size_t at = 16 + random() % (strText.size() - 15);
            switch (random() % 4) {
            case 0: strText.insert(at, pieces[random() % (sizeof(pieces) / sizeof(pieces[0]))]); break;
            case 1: strText.erase(at, random() % 24); break;
            case 2: if (at < strText.size()) strText[at] = static_cast<char>(random() & 0xFF); break;
            default: strText.resize(at); break;
            }
        }
        if (iCase % 50 == 0)
            strText.replace(8, 4, "tzip");
        const std::string strName = "damaged" + std::to_string(iCase) + ".x";
        m_Pack.Add(strName, strText);
        ErrorLogCapture log;
        XC_XFileObject* const pXFileObj = m_XFiles.GetXFile(strName.c_str());
        if (pXFileObj != nullptr)
            pXFileObj->Release();
        else
            ASSERT_TRUE(log.Contains("載入XFile " + strName)) << strText << "\n" << log.Text();
    }
    EXPECT_EQ(m_XFiles.GetResourceCount(), 0u);
}
