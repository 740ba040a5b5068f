#pragma once

#include "Vec3.h"

#include <array>
#include <functional>
#include <vector>

namespace portfolio_art {

// How a surface reflects light. Colours are linear (not gamma encoded), 0..1.
struct SurfaceMaterial
{
    Vec3 albedo;
    double highlight = 0.0;  // strength of the sun's highlight, 0..1
    double shininess = 16.0; // Blinn-Phong exponent: larger is a smaller, sharper highlight
    Vec3 emission;           // light the surface gives off itself (lamps)
    double glow = 0.0; // adds this share of the (patterned) albedo as light of its own (screens)
    // Optional texture: returns the albedo at a world position (metres), given the base albedo.
    std::function<Vec3(const Vec3 &position, const Vec3 &albedo)> pattern;
};

// One triangle with per-corner normals (smooth shading) and a material index.
struct MeshTriangle
{
    std::array<Vec3, 3> corner;
    std::array<Vec3, 3> normal;
    int material = 0;
};

// Everything the renderer draws: triangles in world space (metres, y up) and their materials.
struct SceneMesh
{
    std::vector<SurfaceMaterial> materials;
    std::vector<MeshTriangle> triangles;
};

} // namespace portfolio_art
