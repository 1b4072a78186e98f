#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Looks over the meshes of a text ".x" file for mistakes the platform's
// loader takes in silence: a material list of no materials (the mesh is drawn
// with the default material) and two weight lists for one bone (both move the
// mesh, so its vertices follow the bone twice).
class XC_XFileMeshCheck
{
public:
    // What is wrong, one line each; empty for a sound file, or one that is
    // not a text ".x" file.
    static std::vector<std::string> Check(const BYTE* pData, DWORD dwSize);
};
