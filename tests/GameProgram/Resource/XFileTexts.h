#pragma once

#include <string>

// Small text ".x" files for the mesh tests. Floats are written with a decimal
// point: the platform's text parser takes "1" for no float.

// A quad from (-1, -1) to (1, 1) in the plane z = 0, facing -z, without
// normals, and a small triangle beside it. Of three materials the faces use
// 2, 0 and 2: material 0 is white with "red.bmp", material 1 green, material 2
// blue with the absent "missing.bmp".
inline std::string QuadText()
{
    return R"(xof 0303txt 0032
Frame Quad {
 FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0;; }
 Mesh QuadMesh {
  7;
  -1.0;-1.0;0.0;, 1.0;-1.0;0.0;, -1.0;1.0;0.0;, 1.0;1.0;0.0;,
  1.2;0.0;0.0;, 1.2;0.4;0.0;, 1.6;0.0;0.0;;
  3;
  3;0,2,1;, 3;1,2,3;, 3;4,5,6;;
  MeshMaterialList {
   3; 3; 2, 0, 2;;
   Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "red.bmp"; } }
   Material { 0.0;1.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
   Material { 0.0;0.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "missing.bmp"; } }
  }
  MeshTextureCoords {
   7; 0.0;1.0;, 1.0;1.0;, 0.0;0.0;, 1.0;0.0;, 0.0;0.0;, 0.0;0.0;, 0.0;0.0;;
  }
 }
}
)";
}

// Frames Root > Body (at x 1) > Arm (at y 2) with a triangle whose file
// normals all point up, and Head (at y 5) beside Body. No materials.
inline std::string HierarchyText()
{
    return R"(xof 0303txt 0032
Frame Root {
 FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0;; }
 Frame Body {
  FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 1.0,0.0,0.0,1.0;; }
  Frame Arm {
   FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,2.0,0.0,1.0;; }
   Mesh ArmMesh {
    3; -1.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;3.0;0.0;;
    1; 3;0,2,1;;
    MeshNormals { 3; 0.0;1.0;0.0;, 0.0;1.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,2,1;; }
   }
  }
 }
 Frame Head {
  FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,5.0,0.0,1.0;; }
 }
}
)";
}

// A strip one unit wide and two high, facing -z, skinned to bones Hip (at the
// origin) and Knee (at y 1, a child of Hip): the bottom row follows Hip, the
// middle row both by half, the top row Knee. In one second (100 ticks) Knee
// moves from (0, 1, 0) to (2, 1, 0). The skinning templates are not declared,
// as D3DX on Windows does not need them.
inline std::string StripText(const std::string& strKneeBone = "Knee")
{
    return R"(xof 0303txt 0032
AnimTicksPerSecond { 100; }
Frame Root {
 FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0;; }
 Frame Hip {
  FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0;; }
  Frame Knee {
   FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,1.0,0.0,1.0;; }
  }
 }
 Mesh Strip {
  6; -0.5;0.0;0.0;, 0.5;0.0;0.0;, -0.5;1.0;0.0;, 0.5;1.0;0.0;, -0.5;2.0;0.0;, 0.5;2.0;0.0;;
  4; 3;0,2,1;, 3;1,2,3;, 3;2,4,3;, 3;3,4,5;;
  MeshMaterialList { 1; 4; 0, 0, 0, 0;; Material { 0.0;1.0;0.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; } }
  XSkinMeshHeader { 2; 4; 2; }
  SkinWeights {
   "Hip"; 4; 0, 1, 2, 3; 1.0, 1.0, 0.5, 0.5;
   1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,0.0,0.0,1.0;;
  }
  SkinWeights {
   ")" + strKneeBone + R"("; 4; 2, 3, 4, 5; 0.5, 0.5, 1.0, 1.0;
   1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 0.0,-1.0,0.0,1.0;;
  }
 }
}
AnimationSet Bend {
 Animation {
  { Knee }
  AnimationKey { 2; 2; 0;3;0.0,1.0,0.0;;, 100;3;2.0,1.0,0.0;;; }
 }
}
)";
}
