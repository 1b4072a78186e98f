// Measures, on a real device and the sample game's pictures, in one run:
// - 2,000 page animations of 2 to 4 pictures in one render-queue group: the
//   painter's visibility test, sort and draw per frame, against a pass that
//   only asks each object whether it is in the frustum;
// - 10 particle emitters of 2,000 particles each: their update and their
//   draw per frame, against a walk that only reads every particle once.
// Prints the milliseconds per frame and the ratios.
//
//   drawables-bench SAMPLE_GAME_FOLDER

#include "GameProgram/CameraMan/XC_CameraMan.h"
#include "GameProgram/Common/XC_IOTextFile.h"
#include "GameProgram/Common/XC_TextTree.h"
#include "GameProgram/D3DCommon/XC_GlobalVariable.h"
#include "GameProgram/LightMan/XC_LightMan.h"
#include "GameProgram/Painter/XC_Painter.h"
#include "GameProgram/Painter/XI_EnvironmentOfRender.h"
#include "GameProgram/RenderingObject/XC_ParticleEmitter.h"
#include "GameProgram/RenderingObject/XC_RenderAnimation.h"
#include "GameProgram/Resource/PackFile/XC_PackFile.h"
#include "GameProgram/Resource/XC_2DTextureManager.h"
#include "GameProgram/Resource/XC_AnimationObject.h"
#include "GameProgram/Resource/XC_TextureManager.h"
#include "bench/Support/WindowedDevice.h"

#include <windows.h>
#include <d3d9.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const int ANIMATION_COUNT = 2000;
const int EMITTER_COUNT = 10;
const int FRAMES = 20;
const float FRAME_STEP = 1.0f / 60.0f;

// The painter and the men the drawables are seen through.
class Environment : public XI_EnvironmentOfRender
{
public:
    XI_Painter* GetPainter() override { return &painter; }
    XC_LightMan* GetWorldLightMan() override { return &light; }
    XC_CameraMan* GetWorldCameraMan() override { return &camera; }
    XC_LightMan* GetScreenLightMan() override { return &light; }
    XC_CameraMan* GetScreenCameraMan() override { return &camera; }

    XC_Painter painter;
    XC_CameraMan camera;
    XC_LightMan light;
};

// An animation of one page with iPictures pictures of the hero.
XC_AnimationObject* MakeAnimation(int iPictures, XC_2DTextureManager* p2DTextureManager)
{
    std::string text = "1\npages\n100 0 0 -1 " + std::to_string(iPictures) + " 0 48 0 64\n";
    for (int i = 0; i < iPictures; ++i)
        text += std::string(i % 2 == 0 ? "HeroA1.bmp" : "HeroB2.bmp")
              + " 1 1 0 0 0 1 0 0 0 1 " + std::to_string(i * 8) + " 48 0 4 4 1 5 6 ffffffff\n";
    XC_IOTextFile file;
    file.LoadFromMemory(text.c_str(), static_cast<DWORD>(text.size()));
    XC_AnimationObject* const pAnimation = new XC_AnimationObject;
    pAnimation->LoadAnimation(&file, p2DTextureManager, nullptr);
    pAnimation->AddRef();
    return pAnimation;
}

template <class Frame> double MillisecondsPerFrame(const WindowedDevice& window, Frame frame)
{
    return window.SecondsPerFrame(FRAMES, frame) * 1000.0;
}

void BenchAnimations(const WindowedDevice& window, Environment& environment, XC_2DTextureManager& textures)
{
    std::vector<XC_AnimationObject*> animations;
    for (int iPictures = 2; iPictures <= 4; ++iPictures)
        animations.push_back(MakeAnimation(iPictures, &textures));
    std::vector<std::unique_ptr<XC_RenderAnimation>> objects;
    for (int i = 0; i < ANIMATION_COUNT; ++i) {
        XC_RenderAnimation* const pObject = new XC_RenderAnimation;
        pObject->SetAnimationObject(animations[i % animations.size()], TRUE);
        pObject->SetUseRatioOfPic(TRUE);
        pObject->SetPositionXYZ(static_cast<float>(i % 50) * 0.4f - 10.0f, static_cast<float>(i / 50 % 40) * 0.3f - 6.0f,
                                static_cast<float>(i % 7));
        pObject->SetEnvironmentOfRender(&environment);
        pObject->SetShow(TRUE);
        objects.emplace_back(pObject);
    }
    XF_UpdateAllRenderNodes();
    const XC_Frustum* const pFrustum = environment.camera.GetFrustum();
    int iInside = 0;
    const double dCullOnly = MillisecondsPerFrame(window, [&]() {
        iInside = 0;
        for (const auto& pObject : objects)
            iInside += pObject->IsInFrustum(pFrustum) ? 1 : 0;
    });
    const double dPainter = MillisecondsPerFrame(window, [&]() {
        g_iRenderCount = 0;
        g_iRenderMaxCount = ANIMATION_COUNT;
        environment.painter.Render();
    });
    std::printf("animations: %d of 2 to 4 pictures, %d in the frustum\n", ANIMATION_COUNT, iInside);
    std::printf("  cull only:                 %8.3f ms/frame\n", dCullOnly);
    std::printf("  painter (test, sort, draw): %8.3f ms/frame  ratio %.2f\n", dPainter, dPainter / dCullOnly);
    objects.clear();
    for (XC_AnimationObject* pAnimation : animations)
        delete pAnimation;
}

void BenchParticles(const WindowedDevice& window, Environment& environment)
{
    XC_TextTree tree;
    const std::string text = "[Bench]\n{\nTexture = Spark.bmp\ndwSrcBlend = 2\ndwDestBlend = 2\n"
                             "dwMaxParticles = 2000\nfEmitRate1 = 1000000\nfEmitRate2 = 1000000\n"
                             "fLifeTime1 = 1000\nfLifeTime2 = 1000\nxyzPosStart1 = -1 , -1 , 0\n"
                             "xyzPosStart2 = 1 , 1 , 1\nxyzPosEnd1 = 0 , 1 , 0\nxyzPosEnd2 = 0 , 2 , 0\n"
                             "fSizeStart1 = 0.1\nfSizeStart2 = 0.2\nfSizeEnd1 = 0.1\nfSizeEnd2 = 0.1\n}\n";
    tree.LoadMem(text.data(), static_cast<DWORD>(text.size()));
    std::vector<std::unique_ptr<XC_ParticleEmitter>> emitters;
    for (int i = 0; i < EMITTER_COUNT; ++i) {
        XC_ParticleEmitter* const pEmitter = new XC_ParticleEmitter;
        pEmitter->LoadParticleFromNode(tree.FindChildNode(0));
        pEmitter->SetEnvironmentOfRender(&environment);
        pEmitter->SetPositionXYZ(static_cast<float>(i) - 5.0f, 0.0f, 5.0f);
        emitters.emplace_back(pEmitter);
    }
    std::srand(1);
    // One step fills every store.
    for (const auto& pEmitter : emitters)
        pEmitter->UpdateEmitter(FRAME_STEP);
    float fSum = 0.0f;
    const double dWalk = MillisecondsPerFrame(window, [&]() {
        for (const auto& pEmitter : emitters)
            pEmitter->ForEachParticle([&](const XS_Particle& particle) { fSum += particle.vPosition.y; });
    });
    const double dUpdate = MillisecondsPerFrame(window, [&]() {
        for (const auto& pEmitter : emitters)
            pEmitter->UpdateEmitter(FRAME_STEP);
    });
    const double dDraw = MillisecondsPerFrame(window, [&]() {
        for (const auto& pEmitter : emitters)
            pEmitter->Render();
    });
    DWORD dwLive = 0;
    for (const auto& pEmitter : emitters)
        dwLive += pEmitter->GetLiveCount();
    std::printf("particles: %d emitters, %u live (checksum %.0f)\n", EMITTER_COUNT, static_cast<unsigned>(dwLive), fSum);
    std::printf("  walk only:                 %8.3f ms/frame\n", dWalk);
    std::printf("  update:                    %8.3f ms/frame  ratio %.2f\n", dUpdate, dUpdate / dWalk);
    std::printf("  draw:                      %8.3f ms/frame  ratio %.2f\n", dDraw, dDraw / dWalk);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawables-bench SAMPLE_GAME_FOLDER\n");
        return 1;
    }
    const std::string strFolder = std::string(argv[1]) + "\\";
    const WindowedDevice window("drawables-bench");
    if (!window.IsReady()) {
        std::fprintf(stderr, "drawables-bench: no Direct3D device: %s\n", window.Error().c_str());
        return 1;
    }
    IDirect3DDevice9* const pDevice = window.Device();
    g_pVar->g_pD3DDevice = pDevice;
    D3DXMatrixScaling(&g_pVar->g_matModelScale, 0.008f, 0.008f, 0.008f);
    D3DXMatrixRotationY(&g_pVar->g_matModelRotation, 3.1415927f);
    pDevice->SetRenderState(D3DRS_LIGHTING, FALSE);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    XC_PackFile aniTexturePack, texturePack;
    aniTexturePack.SetPath((strFolder + "AniTexture\\").c_str());
    texturePack.SetPath((strFolder + "Texture\\").c_str());
    int iResult = 0;
    {
        XC_2DTextureManager textures2D;
        XC_TextureManager textures;
        if (FAILED(textures2D.Init(&aniTexturePack, 256, 16)) || FAILED(textures.Init(&texturePack))) {
            std::fprintf(stderr, "drawables-bench: the texture managers cannot start on %s\n", strFolder.c_str());
            iResult = 1;
        } else {
            textures.SetMessageBox(FALSE);
            g_pTextureManager = &textures;
            Environment environment;
            environment.camera.SetPerspectiveProjection(0.7853982f, 800.0f, 600.0f, 1.0f, 1000.0f);
            environment.camera.PlaceCamera(0.0f, 0.0f, 3.0f, 15.0f, 0.0f, 0.0f);
            environment.camera.UpdateFrustum();
            BenchAnimations(window, environment, textures2D);
            BenchParticles(window, environment);
            g_pTextureManager = nullptr;
            textures.Fini();
            textures2D.Fini();
        }
    }
    g_pVar->g_pD3DDevice = nullptr;
    return iResult;
}
