#pragma once

#include "SceneMesh.h"

namespace portfolio_art {

// Adds simple solids to a SceneMesh. Positions and sizes are metres, y points up; angles are
// degrees. Curved solids get smooth normals, flat faces flat ones.
class MeshBuilder
{
public:
    explicit MeshBuilder(SceneMesh &mesh) : mesh_(mesh) {}

    // Registers a material given in display (sRGB) colour 0..1; returns its index.
    int material(const Vec3 &displayColour, double highlight = 0.0, double shininess = 16.0);
    // Registers a complete material (albedo already linear); returns its index.
    int customMaterial(const SurfaceMaterial &surface);

    // Flat quad p0-p1-p2-p3 (in order round its edge).
    void quad(const Vec3 &p0, const Vec3 &p1, const Vec3 &p2, const Vec3 &p3, int material);
    // Box spanned by `origin` and the three edge vectors (any orientation).
    void box(const Vec3 &origin, const Vec3 &edgeU, const Vec3 &edgeV, const Vec3 &edgeW,
             int material);
    // Axis-aligned box between two corners.
    void axisBox(const Vec3 &low, const Vec3 &high, int material);
    // Rectangular bar along a→b, `width` across and `height` along `up` (made square to the bar).
    void bar(const Vec3 &a, const Vec3 &b, double width, double height, const Vec3 &up,
             int material);
    // Wide-flange (I or H) beam along a→b; `depth` along `up`, `flangeWidth` across.
    void flangeBeam(const Vec3 &a, const Vec3 &b, double depth, double flangeWidth, const Vec3 &up,
                    int material);
    // Truncated cone along a→b with radii at both ends; `capped` closes both ends.
    void frustum(const Vec3 &a, const Vec3 &b, double radiusA, double radiusB, int segments,
                 bool capped, int material);
    // Cylinder along a→b.
    void cylinder(const Vec3 &a, const Vec3 &b, double radius, int segments, bool capped,
                  int material);
    // Part of a torus: the tube of radius `tubeRadius` follows a circle of radius `ringRadius`
    // round `centre` in the plane of the unit vectors `axisX`, `axisY`, from angle `fromDegrees`
    // to `toDegrees` (measured from axisX towards axisY).
    void torusArc(const Vec3 &centre, const Vec3 &axisX, const Vec3 &axisY, double ringRadius,
                  double tubeRadius, double fromDegrees, double toDegrees, int ringSegments,
                  int tubeSegments, int material);
    // Ellipsoid with the given radii along x, y and z.
    void ellipsoid(const Vec3 &centre, const Vec3 &radii, int segments, int material);

private:
    void triangle(const Vec3 &a, const Vec3 &b, const Vec3 &c, const Vec3 &na, const Vec3 &nb,
                  const Vec3 &nc, int material);

    SceneMesh &mesh_;
};

// Two unit vectors square to `direction` and to each other.
void perpendicularPair(const Vec3 &direction, Vec3 &first, Vec3 &second);

// Converts a display (sRGB) colour 0..1 to linear light.
Vec3 linearFromDisplay(const Vec3 &displayColour);

} // namespace portfolio_art
