#include "MeshBuilder.h"

#include <cmath>

namespace portfolio_art {

namespace {

constexpr double degreesToRadians = M_PI / 180.0;

} // namespace

Vec3 linearFromDisplay(const Vec3 &displayColour)
{
    return {std::pow(displayColour.x, 2.2), std::pow(displayColour.y, 2.2),
            std::pow(displayColour.z, 2.2)};
}

void perpendicularPair(const Vec3 &direction, Vec3 &first, Vec3 &second)
{
    const Vec3 axis = direction.normalized();
    const Vec3 helper = std::abs(axis.y) < 0.9 ? Vec3{0.0, 1.0, 0.0} : Vec3{1.0, 0.0, 0.0};
    first = axis.cross(helper).normalized();
    second = first.cross(axis).normalized();
}

int MeshBuilder::material(const Vec3 &displayColour, double highlight, double shininess)
{
    SurfaceMaterial surface;
    surface.albedo = linearFromDisplay(displayColour);
    surface.highlight = highlight;
    surface.shininess = shininess;
    return customMaterial(surface);
}

int MeshBuilder::customMaterial(const SurfaceMaterial &surface)
{
    mesh_.materials.push_back(surface);
    return static_cast<int>(mesh_.materials.size()) - 1;
}

void MeshBuilder::triangle(const Vec3 &a, const Vec3 &b, const Vec3 &c, const Vec3 &na,
                           const Vec3 &nb, const Vec3 &nc, int material)
{
    mesh_.triangles.push_back({{a, b, c}, {na, nb, nc}, material});
}

void MeshBuilder::quad(const Vec3 &p0, const Vec3 &p1, const Vec3 &p2, const Vec3 &p3, int material)
{
    const Vec3 normal = (p1 - p0).cross(p3 - p0).normalized();
    triangle(p0, p1, p2, normal, normal, normal, material);
    triangle(p0, p2, p3, normal, normal, normal, material);
}

void MeshBuilder::box(const Vec3 &origin, const Vec3 &edgeU, const Vec3 &edgeV, const Vec3 &edgeW,
                      int material)
{
    const Vec3 o = origin;
    const Vec3 u = edgeU;
    const Vec3 v = edgeV;
    const Vec3 w = edgeW;
    quad(o, o + v, o + u + v, o + u, material);
    quad(o + w, o + u + w, o + u + v + w, o + v + w, material);
    quad(o, o + u, o + u + w, o + w, material);
    quad(o + v, o + v + w, o + u + v + w, o + u + v, material);
    quad(o, o + w, o + v + w, o + v, material);
    quad(o + u, o + u + v, o + u + v + w, o + u + w, material);
}

void MeshBuilder::axisBox(const Vec3 &low, const Vec3 &high, int material)
{
    box(low, {high.x - low.x, 0.0, 0.0}, {0.0, high.y - low.y, 0.0}, {0.0, 0.0, high.z - low.z},
        material);
}

void MeshBuilder::bar(const Vec3 &a, const Vec3 &b, double width, double height, const Vec3 &up,
                      int material)
{
    const Vec3 along = b - a;
    const Vec3 direction = along.normalized();
    Vec3 side = direction.cross(up).normalized();
    if (side.length() < 0.5) {
        Vec3 other;
        perpendicularPair(direction, side, other);
    }
    const Vec3 lift = side.cross(direction).normalized();
    const Vec3 origin = a - side * (width / 2.0) - lift * (height / 2.0);
    box(origin, along, side * width, lift * height, material);
}

void MeshBuilder::flangeBeam(const Vec3 &a, const Vec3 &b, double depth, double flangeWidth,
                             const Vec3 &up, int material)
{
    const Vec3 direction = (b - a).normalized();
    Vec3 side = direction.cross(up).normalized();
    if (side.length() < 0.5) {
        Vec3 other;
        perpendicularPair(direction, side, other);
    }
    const Vec3 lift = side.cross(direction).normalized();
    const double flangeThickness = depth * 0.09;
    const double webThickness = flangeWidth * 0.07;
    const Vec3 topOffset = lift * (depth / 2.0 - flangeThickness / 2.0);
    bar(a + topOffset, b + topOffset, flangeWidth, flangeThickness, lift, material);
    bar(a - topOffset, b - topOffset, flangeWidth, flangeThickness, lift, material);
    bar(a, b, webThickness, depth - 2.0 * flangeThickness, lift, material);
}

void MeshBuilder::frustum(const Vec3 &a, const Vec3 &b, double radiusA, double radiusB,
                          int segments, bool capped, int material)
{
    Vec3 first;
    Vec3 second;
    const Vec3 axis = (b - a).normalized();
    perpendicularPair(axis, first, second);
    const double length = (b - a).length();
    // The side normal leans along the axis where the radius changes.
    const double slope = (radiusA - radiusB) / length;
    for (int segment = 0; segment < segments; ++segment) {
        const double angle0 = 2.0 * M_PI * segment / segments;
        const double angle1 = 2.0 * M_PI * (segment + 1) / segments;
        const Vec3 radial0 = first * std::cos(angle0) + second * std::sin(angle0);
        const Vec3 radial1 = first * std::cos(angle1) + second * std::sin(angle1);
        const Vec3 normal0 = (radial0 + axis * slope).normalized();
        const Vec3 normal1 = (radial1 + axis * slope).normalized();
        const Vec3 a0 = a + radial0 * radiusA;
        const Vec3 a1 = a + radial1 * radiusA;
        const Vec3 b0 = b + radial0 * radiusB;
        const Vec3 b1 = b + radial1 * radiusB;
        triangle(a0, a1, b1, normal0, normal1, normal1, material);
        triangle(a0, b1, b0, normal0, normal1, normal0, material);
        if (capped) {
            triangle(a, a1, a0, -axis, -axis, -axis, material);
            triangle(b, b0, b1, axis, axis, axis, material);
        }
    }
}

void MeshBuilder::cylinder(const Vec3 &a, const Vec3 &b, double radius, int segments, bool capped,
                           int material)
{
    frustum(a, b, radius, radius, segments, capped, material);
}

void MeshBuilder::torusArc(const Vec3 &centre, const Vec3 &axisX, const Vec3 &axisY,
                           double ringRadius, double tubeRadius, double fromDegrees,
                           double toDegrees, int ringSegments, int tubeSegments, int material)
{
    const Vec3 ringNormal = axisX.cross(axisY).normalized();
    const auto point = [&](double ringAngle, double tubeAngle, Vec3 &normal) {
        const Vec3 outward = axisX * std::cos(ringAngle) + axisY * std::sin(ringAngle);
        normal = outward * std::cos(tubeAngle) + ringNormal * std::sin(tubeAngle);
        return centre + outward * ringRadius + normal * tubeRadius;
    };
    for (int ring = 0; ring < ringSegments; ++ring) {
        const double r0 =
            (fromDegrees + (toDegrees - fromDegrees) * ring / ringSegments) * degreesToRadians;
        const double r1 = (fromDegrees + (toDegrees - fromDegrees) * (ring + 1) / ringSegments) *
                          degreesToRadians;
        for (int tube = 0; tube < tubeSegments; ++tube) {
            const double t0 = 2.0 * M_PI * tube / tubeSegments;
            const double t1 = 2.0 * M_PI * (tube + 1) / tubeSegments;
            Vec3 n00;
            Vec3 n01;
            Vec3 n10;
            Vec3 n11;
            const Vec3 p00 = point(r0, t0, n00);
            const Vec3 p01 = point(r0, t1, n01);
            const Vec3 p10 = point(r1, t0, n10);
            const Vec3 p11 = point(r1, t1, n11);
            triangle(p00, p10, p11, n00, n10, n11, material);
            triangle(p00, p11, p01, n00, n11, n01, material);
        }
    }
}

void MeshBuilder::ellipsoid(const Vec3 &centre, const Vec3 &radii, int segments, int material)
{
    const int rings = segments / 2;
    const auto point = [&](int ring, int segment, Vec3 &normal) {
        const double polar = M_PI * ring / rings;
        const double azimuth = 2.0 * M_PI * segment / segments;
        const Vec3 unit{std::sin(polar) * std::cos(azimuth), std::cos(polar),
                        std::sin(polar) * std::sin(azimuth)};
        normal = Vec3{unit.x / radii.x, unit.y / radii.y, unit.z / radii.z}.normalized();
        return centre + Vec3{unit.x * radii.x, unit.y * radii.y, unit.z * radii.z};
    };
    for (int ring = 0; ring < rings; ++ring) {
        for (int segment = 0; segment < segments; ++segment) {
            Vec3 n00;
            Vec3 n01;
            Vec3 n10;
            Vec3 n11;
            const Vec3 p00 = point(ring, segment, n00);
            const Vec3 p01 = point(ring, segment + 1, n01);
            const Vec3 p10 = point(ring + 1, segment, n10);
            const Vec3 p11 = point(ring + 1, segment + 1, n11);
            triangle(p00, p10, p11, n00, n10, n11, material);
            triangle(p00, p11, p01, n00, n11, n01, material);
        }
    }
}

} // namespace portfolio_art
