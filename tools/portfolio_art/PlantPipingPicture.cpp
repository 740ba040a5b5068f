#include "PlantPipingPicture.h"

#include "MeshBuilder.h"
#include "NoiseField.h"
#include "PhotoFinish.h"
#include "SoftRenderer.h"

#include <cmath>
#include <vector>

namespace portfolio_art {

namespace {

struct PipingMaterials
{
    int whitePaint;
    int valveBlue;
    int stem;
    int rackSteel;
    int wall;
    int floor;
};

PipingMaterials definePipingMaterials(MeshBuilder &builder)
{
    PipingMaterials m{};
    m.whitePaint = builder.material({0.92, 0.92, 0.90}, 0.45, 50.0);
    m.valveBlue = builder.material({0.10, 0.30, 0.72}, 0.6, 60.0);
    m.stem = builder.material({0.62, 0.63, 0.64}, 0.8, 80.0);
    m.rackSteel = builder.material({0.42, 0.46, 0.44}, 0.25, 24.0);
    SurfaceMaterial wall;
    wall.albedo = linearFromDisplay({0.66, 0.65, 0.62});
    const NoiseField stains(0xA1, 0.5);
    wall.pattern = [stains](const Vec3 &p, const Vec3 &albedo) {
        // Precast panels 3 m wide with dark joints, and faint weathering.
        const double joint = std::abs(std::fmod(p.x + 300.0, 3.0) - 1.5);
        const double seam = joint > 1.47 ? 0.55 : 1.0;
        const double band = std::abs(std::fmod(p.y + 300.0, 2.4) - 1.2) > 1.18 ? 0.7 : 1.0;
        return albedo * (0.86 + 0.22 * stains.fractal(p.x * 3.0, p.y * 6.0, 4)) * seam * band;
    };
    m.wall = builder.customMaterial(wall);
    SurfaceMaterial floor;
    floor.albedo = linearFromDisplay({0.60, 0.60, 0.58});
    const NoiseField grit(0xA2, 0.1);
    floor.pattern = [grit](const Vec3 &p, const Vec3 &albedo) {
        return albedo * (0.88 + 0.2 * grit.fractal(p.x * 12.0, p.z * 12.0, 3));
    };
    m.floor = builder.customMaterial(floor);
    return m;
}

// A pipe through `points` (straight runs meeting at right angles), with long-radius elbows of
// 1.5 diameters at the corners and flanged joints every few metres.
void buildPipeRun(MeshBuilder &builder, const std::vector<Vec3> &points, double radius,
                  int material)
{
    const double bend = 3.0 * radius;
    std::vector<Vec3> starts;
    std::vector<Vec3> ends;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const Vec3 direction = (points[i + 1] - points[i]).normalized();
        starts.push_back(points[i] + direction * (i == 0 ? 0.0 : bend));
        ends.push_back(points[i + 1] - direction * (i + 2 == points.size() ? 0.0 : bend));
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        builder.cylinder(starts[i], ends[i], radius, 40, true, material);
        const Vec3 direction = (ends[i] - starts[i]).normalized();
        const double length = (ends[i] - starts[i]).length();
        for (double s = 1.6; s < length - 0.3; s += 3.2)
            builder.cylinder(starts[i] + direction * (s - 0.04), starts[i] + direction * (s + 0.04),
                             radius * 1.45, 40, true, material);
        if (i + 1 < starts.size()) {
            const Vec3 incoming = direction;
            const Vec3 outgoing = (ends[i + 1] - starts[i + 1]).normalized();
            const Vec3 centre = points[i + 1] - incoming * bend + outgoing * bend;
            builder.torusArc(centre, -outgoing, incoming, bend, radius, 0.0, 90.0, 16, 40,
                             material);
        }
    }
}

// A flanged gate valve on a pipe of `radius` along `axis`, its handwheel out along `stemDirection`.
void buildGateValve(MeshBuilder &builder, const PipingMaterials &m, const Vec3 &centre,
                    const Vec3 &axis, const Vec3 &stemDirection, double radius)
{
    const Vec3 along = axis.normalized();
    const Vec3 out = stemDirection.normalized();
    builder.cylinder(centre - along * (radius * 1.3), centre + along * (radius * 1.3), radius * 1.3,
                     40, true, m.valveBlue);
    for (double side : {-1.0, 1.0}) {
        const Vec3 face = centre + along * (side * radius * 1.3);
        builder.cylinder(face, face + along * (side * radius * 0.25), radius * 1.75, 40, true,
                         m.valveBlue);
    }
    builder.ellipsoid(centre, {radius * 1.45, radius * 1.45, radius * 1.45}, 32, m.valveBlue);
    builder.frustum(centre, centre + out * (radius * 2.6), radius * 1.0, radius * 0.75, 32, true,
                    m.valveBlue);
    builder.cylinder(centre + out * (radius * 2.5), centre + out * (radius * 2.7), radius * 1.0, 32,
                     true, m.valveBlue);
    builder.cylinder(centre + out * (radius * 2.6), centre + out * (radius * 4.6), radius * 0.12,
                     12, true, m.stem);
    // Yoke arms from the bonnet to the wheel.
    Vec3 across;
    Vec3 other;
    perpendicularPair(out, across, other);
    for (double side : {-1.0, 1.0})
        builder.bar(centre + out * (radius * 2.7) + across * (side * radius * 0.55),
                    centre + out * (radius * 3.8) + across * (side * radius * 0.25), radius * 0.16,
                    radius * 0.16, out, m.valveBlue);
    const Vec3 wheel = centre + out * (radius * 3.9);
    builder.torusArc(wheel, across, other, radius * 1.7, radius * 0.13, 0.0, 360.0, 48, 12,
                     m.valveBlue);
    for (int spoke = 0; spoke < 3; ++spoke) {
        const double angle = spoke * 2.0 * M_PI / 3.0 + 0.4;
        const Vec3 rim =
            wheel + (across * std::cos(angle) + other * std::sin(angle)) * (radius * 1.7);
        builder.bar(wheel, rim, radius * 0.14, radius * 0.14, out, m.valveBlue);
    }
    builder.cylinder(wheel - out * (radius * 0.2), wheel + out * (radius * 0.2), radius * 0.3, 16,
                     true, m.valveBlue);
}

void buildPlant(MeshBuilder &builder, const PipingMaterials &m)
{
    builder.quad({-20.0, 0.0, -3.2}, {-20.0, 0.0, 12.0}, {20.0, 0.0, 12.0}, {20.0, 0.0, -3.2},
                 m.floor);
    builder.quad({-20.0, 0.0, -3.2}, {20.0, 0.0, -3.2}, {20.0, 8.0, -3.2}, {-20.0, 8.0, -3.2},
                 m.wall);

    // Pipe rack: portal frames with two tiers of cross beams.
    for (double x : {-3.4, 2.6}) {
        for (double z : {-2.6, 0.6})
            builder.flangeBeam({x, 0.0, z}, {x, 3.6, z}, 0.26, 0.24, {1.0, 0.0, 0.0}, m.rackSteel);
        for (double y : {1.55, 3.0})
            builder.flangeBeam({x, y, -2.75}, {x, y, 0.75}, 0.22, 0.14, {0.0, 1.0, 0.0},
                               m.rackSteel);
        builder.axisBox({x - 0.3, 0.0, -2.9}, {x + 0.3, 0.06, -2.3}, m.rackSteel);
        builder.axisBox({x - 0.3, 0.0, 0.3}, {x + 0.3, 0.06, 0.9}, m.rackSteel);
    }

    // Upper tier: four lines along the rack.
    const double upperTop = 3.11;
    buildPipeRun(builder, {{-20.0, upperTop + 0.16, -2.2}, {20.0, upperTop + 0.16, -2.2}}, 0.16,
                 m.whitePaint);
    buildPipeRun(builder, {{-20.0, upperTop + 0.11, -1.65}, {20.0, upperTop + 0.11, -1.65}}, 0.11,
                 m.whitePaint);
    buildPipeRun(builder,
                 {{-20.0, upperTop + 0.2, -1.0},
                  {0.4, upperTop + 0.2, -1.0},
                  {0.4, 0.75, -1.0},
                  {20.0, 0.75, -1.0}},
                 0.2, m.whitePaint);
    buildPipeRun(builder, {{-20.0, upperTop + 0.13, -0.2}, {20.0, upperTop + 0.13, -0.2}}, 0.13,
                 m.whitePaint);
    // Lower tier.
    const double lowerTop = 1.66;
    buildPipeRun(builder,
                 {{-20.0, lowerTop + 0.14, -2.1},
                  {-1.4, lowerTop + 0.14, -2.1},
                  {-1.4, lowerTop + 0.14, 1.3},
                  {-1.4, 0.3, 1.3}},
                 0.14, m.whitePaint);
    builder.cylinder({-1.4, 0.3, 1.3}, {-1.4, 0.22, 1.3}, 0.24, 32, true, m.whitePaint);
    builder.axisBox({-1.75, 0.0, 0.95}, {-1.05, 0.22, 1.65}, m.rackSteel);
    buildPipeRun(builder, {{-20.0, lowerTop + 0.18, -1.2}, {20.0, lowerTop + 0.18, -1.2}}, 0.18,
                 m.whitePaint);
    buildPipeRun(builder,
                 {{1.6, 0.0, 0.2}, {1.6, lowerTop + 0.1, 0.2}, {20.0, lowerTop + 0.1, 0.2}}, 0.1,
                 m.whitePaint);

    // Blue gate valves with their handwheels.
    buildGateValve(builder, m, {0.4, 2.25, -1.0}, {0.0, 1.0, 0.0}, {-0.3, 0.0, 1.0}, 0.2);
    buildGateValve(builder, m, {-1.4, lowerTop + 0.14, 0.2}, {0.0, 0.0, 1.0}, {0.0, 1.0, 0.0},
                   0.14);
    buildGateValve(builder, m, {-0.2, lowerTop + 0.18, -1.2}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.45},
                   0.18);
    buildGateValve(builder, m, {1.6, 0.8, 0.2}, {0.0, 1.0, 0.0}, {-0.4, 0.0, 1.0}, 0.1);
    buildGateValve(builder, m, {1.7, 0.75, -1.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, 0.2);
}

} // namespace

QImage drawPlantPipingPicture(QSize size)
{
    SceneMesh mesh;
    MeshBuilder builder(mesh);
    const PipingMaterials materials = definePipingMaterials(builder);
    buildPlant(builder, materials);

    SceneCamera camera;
    camera.eye = {-3.0, 2.4, 4.8};
    camera.target = {0.1, 1.6, -1.2};
    camera.fieldOfViewDegrees = 54.0;

    SceneLighting lighting;
    lighting.towardsSun = Vec3{-0.45, 0.8, 0.55}.normalized();
    lighting.sunColour = {1.25, 1.18, 1.05};
    lighting.skyColour = {0.34, 0.38, 0.45};
    lighting.groundColour = {0.24, 0.23, 0.22};
    lighting.shadowCentre = {0.0, 2.0, -1.0};
    lighting.shadowRadius = 9.0;
    lighting.shadowMapSize = 3072;
    lighting.shadowSoftness = 4.0;
    lighting.occlusionStrength = 0.6;
    lighting.occlusionRadius = 0.3;

    const SoftRenderer renderer(size, 3, camera);
    QImage backdrop(size, QImage::Format_RGB32);
    backdrop.fill(QColor(170, 168, 162));
    return finishLikePhotograph(renderer.render(mesh, lighting, backdrop), 0xAF, 3.5);
}

} // namespace portfolio_art
