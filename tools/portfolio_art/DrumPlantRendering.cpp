#include "DrumPlantRendering.h"

#include "MeshBuilder.h"
#include "NoiseField.h"
#include "SoftRenderer.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <cmath>
#include <utility>

namespace portfolio_art {

namespace {

// The colours of the model, as a design office would assign them per part.
struct PlantMaterials
{
    int ground;
    int concrete;
    int drum;
    int darkSteel;
    int hood;
    int duct;
    int cyclone;
    int structure;
    int motor;
    int gearbox;
};

PlantMaterials definePlantMaterials(MeshBuilder &builder)
{
    PlantMaterials m{};
    SurfaceMaterial ground;
    ground.albedo = linearFromDisplay({0.70, 0.71, 0.72});
    const NoiseField floorNoise(0xD1, 3.0);
    ground.pattern = [floorNoise](const Vec3 &p, const Vec3 &albedo) {
        return albedo * (0.94 + 0.08 * floorNoise.fractal(p.x * 8.0, p.z * 8.0, 3));
    };
    m.ground = builder.customMaterial(ground);
    m.concrete = builder.material({0.74, 0.72, 0.68}, 0.05, 8.0);
    m.drum = builder.material({0.36, 0.50, 0.64}, 0.35, 40.0);
    m.darkSteel = builder.material({0.30, 0.31, 0.33}, 0.5, 60.0);
    m.hood = builder.material({0.55, 0.58, 0.60}, 0.2, 24.0);
    m.duct = builder.material({0.78, 0.80, 0.82}, 0.35, 40.0);
    m.cyclone = builder.material({0.84, 0.85, 0.87}, 0.4, 48.0);
    m.structure = builder.material({0.92, 0.64, 0.14}, 0.25, 24.0);
    m.motor = builder.material({0.14, 0.30, 0.66}, 0.5, 48.0);
    m.gearbox = builder.material({0.38, 0.44, 0.40}, 0.3, 32.0);
    return m;
}

Vec3 along(const Vec3 &from, const Vec3 &to, double share)
{
    return from + (to - from) * share;
}

void buildDrum(MeshBuilder &builder, const PlantMaterials &m)
{
    const Vec3 feedEnd{-9.0, 3.0, 0.0};
    const Vec3 dischargeEnd{5.0, 2.3, 0.0};
    const Vec3 axis = (dischargeEnd - feedEnd).normalized();
    builder.cylinder(feedEnd, dischargeEnd, 1.3, 64, true, m.drum);
    // Flange rings along the shell.
    for (double share : {0.08, 0.33, 0.62, 0.92}) {
        const Vec3 centre = along(feedEnd, dischargeEnd, share);
        builder.cylinder(centre - axis * 0.06, centre + axis * 0.06, 1.36, 64, true, m.drum);
    }
    // Riding rings on pairs of support rollers, on concrete piers.
    for (double share : {0.22, 0.78}) {
        const Vec3 centre = along(feedEnd, dischargeEnd, share);
        builder.cylinder(centre - axis * 0.25, centre + axis * 0.25, 1.52, 64, true, m.darkSteel);
        const double rollerReach = 1.52 + 0.36;
        for (double side : {-1.0, 1.0}) {
            const Vec3 roller = centre + Vec3{0.0, -rollerReach * std::cos(0.55),
                                              side * rollerReach * std::sin(0.55)};
            builder.cylinder(roller - axis * 0.32, roller + axis * 0.32, 0.36, 32, true,
                             m.darkSteel);
            builder.axisBox({roller.x - 0.45, roller.y - 0.5, roller.z - 0.35},
                            {roller.x + 0.45, roller.y - 0.3, roller.z + 0.35}, m.gearbox);
        }
        const double pierTop = centre.y - rollerReach * std::cos(0.55) - 0.5;
        builder.axisBox({centre.x - 0.8, 0.0, -1.9}, {centre.x + 0.8, pierTop, 1.9}, m.concrete);
    }
    // Girth gear with its pinion, gearbox and motor on a plinth beside the drum.
    const Vec3 gear = along(feedEnd, dischargeEnd, 0.47);
    builder.cylinder(gear - axis * 0.16, gear + axis * 0.16, 1.72, 72, true, m.darkSteel);
    const Vec3 pinion = gear + Vec3{0.0, -0.6, 1.95};
    builder.cylinder(pinion - axis * 0.2, pinion + axis * 0.2, 0.3, 24, true, m.darkSteel);
    builder.axisBox({gear.x - 1.6, 0.0, 1.4}, {gear.x + 2.6, 0.5, 3.8}, m.concrete);
    builder.axisBox({gear.x + 0.3, 0.5, 1.9}, {gear.x + 1.4, 1.7, 3.1}, m.gearbox);
    builder.cylinder({gear.x + 0.3, 1.15, 2.5}, {gear.x - 0.2, 1.15, 2.5}, 0.22, 24, true,
                     m.darkSteel);
    builder.cylinder({gear.x - 0.2, 1.05, 2.5}, {gear.x - 1.5, 1.05, 2.5}, 0.42, 32, true, m.motor);
    builder.axisBox({gear.x - 1.4, 0.5, 2.1}, {gear.x - 0.3, 0.65, 2.9}, m.motor);
    builder.cylinder({pinion.x + 0.3, pinion.y, pinion.z}, {gear.x + 0.3, 1.15, 2.5}, 0.12, 16,
                     false, m.darkSteel);

    // Feed hood with its chute at the upper end.
    builder.axisBox({-10.4, 1.2, -1.7}, {-9.05, 4.7, 1.7}, m.hood);
    builder.bar({-10.9, 7.2, 0.0}, {-9.8, 4.4, 0.0}, 0.9, 0.9, {0.0, 0.0, 1.0}, m.hood);
    builder.axisBox({-11.5, 7.0, -0.6}, {-10.3, 7.4, 0.6}, m.hood);
    builder.axisBox({-10.3, 0.0, -1.5}, {-10.0, 1.2, -1.2}, m.structure);
    builder.axisBox({-10.3, 0.0, 1.2}, {-10.0, 1.2, 1.5}, m.structure);
    // Discharge hood at the lower end, standing on legs.
    builder.axisBox({5.0, 0.9, -1.9}, {7.0, 5.6, 1.9}, m.hood);
    builder.frustum({6.0, 0.9, 0.0}, {6.0, 0.2, 0.0}, 0.7, 0.3, 32, true, m.hood);
    for (double x : {5.1, 6.7})
        for (double z : {-1.8, 1.5})
            builder.axisBox({x, 0.0, z}, {x + 0.25, 0.9, z + 0.25}, m.structure);
}

void buildCycloneAndTower(MeshBuilder &builder, const PlantMaterials &m)
{
    const double cx = 13.6;
    const double platformY = 9.0;
    // Cyclone: barrel, cone, dust outlet with rotary valve, vortex finder on top.
    builder.cylinder({cx, platformY + 0.2, 0.0}, {cx, 12.3, 0.0}, 1.3, 64, true, m.cyclone);
    builder.frustum({cx, platformY + 0.2, 0.0}, {cx, 5.8, 0.0}, 1.3, 0.32, 64, false, m.cyclone);
    builder.cylinder({cx, 5.85, 0.0}, {cx, 5.0, 0.0}, 0.3, 32, true, m.cyclone);
    builder.axisBox({cx - 0.45, 4.3, -0.45}, {cx + 0.45, 5.0, 0.45}, m.motor);
    builder.cylinder({cx, 12.3, 0.0}, {cx, 14.2, 0.0}, 0.62, 48, true, m.cyclone);
    builder.cylinder({cx, 14.2, 0.0}, {cx, 14.35, 0.0}, 0.72, 48, true, m.cyclone);
    builder.cylinder({cx, 12.25, 0.0}, {cx, 12.4, 0.0}, 1.38, 64, true, m.cyclone);
    // Tangential inlet box.
    builder.axisBox({cx - 2.0, 10.6, 0.35}, {cx, 11.9, 1.3}, m.cyclone);

    // Inclined duct from the discharge hood to the inlet, with flanges.
    const Vec3 ductStart{6.0, 5.6, 0.0};
    const Vec3 ductEnd{cx - 2.0, 11.25, 0.82};
    const Vec3 ductAxis = (ductEnd - ductStart).normalized();
    builder.cylinder(ductStart, ductEnd, 0.55, 48, false, m.duct);
    for (double share : {0.02, 0.5, 0.98}) {
        const Vec3 at = along(ductStart, ductEnd, share);
        builder.cylinder(at - ductAxis * 0.05, at + ductAxis * 0.05, 0.66, 48, true, m.duct);
    }
    builder.axisBox({ductStart.x - 0.75, 5.6, -0.75}, {ductStart.x + 0.75, 5.75, 0.75}, m.duct);

    // Support tower: four columns, ring beams, cross bracing, platform with handrail, ladder.
    const double half = 2.0;
    const std::array<Vec3, 4> corners{Vec3{cx - half, 0.0, -half}, Vec3{cx + half, 0.0, -half},
                                      Vec3{cx + half, 0.0, half}, Vec3{cx - half, 0.0, half}};
    for (const Vec3 &corner : corners) {
        builder.axisBox({corner.x - 0.45, 0.0, corner.z - 0.45},
                        {corner.x + 0.45, 0.3, corner.z + 0.45}, m.concrete);
        builder.flangeBeam(corner + Vec3{0.0, 0.3, 0.0}, corner + Vec3{0.0, platformY, 0.0}, 0.32,
                           0.3, {1.0, 0.0, 0.0}, m.structure);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        const Vec3 &a = corners[i];
        const Vec3 &b = corners[(i + 1) % 4];
        for (double level : {4.5, platformY})
            builder.bar(a + Vec3{0.0, level, 0.0}, b + Vec3{0.0, level, 0.0}, 0.2, 0.3,
                        {0.0, 1.0, 0.0}, m.structure);
        for (const auto &tier : {std::pair{0.3, 4.5}, std::pair{4.5, platformY}}) {
            builder.bar(a + Vec3{0.0, tier.first, 0.0}, b + Vec3{0.0, tier.second, 0.0}, 0.1, 0.1,
                        {0.0, 1.0, 0.0}, m.structure);
            builder.bar(b + Vec3{0.0, tier.first, 0.0}, a + Vec3{0.0, tier.second, 0.0}, 0.1, 0.1,
                        {0.0, 1.0, 0.0}, m.structure);
        }
    }
    // Platform grating round the cyclone (four plates leave a hole for the barrel).
    const double deck = platformY + 0.15;
    const double edge = half + 0.6;
    const double hole = 1.45;
    builder.axisBox({cx - edge, deck, -edge}, {cx + edge, deck + 0.08, -hole}, m.darkSteel);
    builder.axisBox({cx - edge, deck, hole}, {cx + edge, deck + 0.08, edge}, m.darkSteel);
    builder.axisBox({cx - edge, deck, -hole}, {cx - hole, deck + 0.08, hole}, m.darkSteel);
    builder.axisBox({cx + hole, deck, -hole}, {cx + edge, deck + 0.08, hole}, m.darkSteel);
    const std::array<Vec3, 4> railCorners{Vec3{cx - edge, deck, -edge},
                                          Vec3{cx + edge, deck, -edge}, Vec3{cx + edge, deck, edge},
                                          Vec3{cx - edge, deck, edge}};
    for (std::size_t i = 0; i < 4; ++i) {
        const Vec3 &a = railCorners[i];
        const Vec3 &b = railCorners[(i + 1) % 4];
        for (double height : {0.55, 1.1})
            builder.bar(a + Vec3{0.0, height, 0.0}, b + Vec3{0.0, height, 0.0}, 0.06, 0.06,
                        {0.0, 1.0, 0.0}, m.structure);
        for (double share = 0.0; share < 0.99; share += 0.25) {
            const Vec3 post = along(a, b, share);
            builder.bar(post, post + Vec3{0.0, 1.1, 0.0}, 0.07, 0.07, {1.0, 0.0, 0.0}, m.structure);
        }
    }
    // Ladder up the front left column.
    const Vec3 ladderBase = corners[3] + Vec3{-0.55, 0.0, 0.2};
    for (double side : {-0.25, 0.25})
        builder.bar(ladderBase + Vec3{0.0, 0.0, side}, ladderBase + Vec3{0.0, deck + 1.1, side},
                    0.06, 0.06, {1.0, 0.0, 0.0}, m.structure);
    for (double y = 0.3; y < deck; y += 0.3)
        builder.bar(ladderBase + Vec3{0.0, y, -0.25}, ladderBase + Vec3{0.0, y, 0.25}, 0.04, 0.04,
                    {0.0, 1.0, 0.0}, m.structure);
}

QImage studioBackdrop(QSize size)
{
    QImage backdrop(size, QImage::Format_RGB32);
    QPainter painter(&backdrop);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0.0, QColor(118, 142, 176));
    gradient.setColorAt(0.42, QColor(214, 222, 232));
    gradient.setColorAt(1.0, QColor(226, 230, 234));
    painter.fillRect(backdrop.rect(), gradient);
    return backdrop;
}

} // namespace

QImage drawDrumPlantRendering(QSize size)
{
    SceneMesh mesh;
    MeshBuilder builder(mesh);
    const PlantMaterials materials = definePlantMaterials(builder);
    builder.quad({-80.0, 0.0, -80.0}, {-80.0, 0.0, 80.0}, {80.0, 0.0, 80.0}, {80.0, 0.0, -80.0},
                 materials.ground);
    buildDrum(builder, materials);
    buildCycloneAndTower(builder, materials);

    SceneCamera camera;
    camera.eye = {-12.5, 10.5, 20.5};
    camera.target = {1.9, 5.4, 0.0};
    camera.fieldOfViewDegrees = 44.0;

    SceneLighting lighting;
    lighting.towardsSun = Vec3{-0.6, 0.8, 0.32}.normalized();
    lighting.sunColour = {1.2, 1.14, 1.06};
    lighting.skyColour = {0.34, 0.38, 0.44};
    lighting.groundColour = {0.22, 0.21, 0.2};
    lighting.shadowCentre = {3.0, 5.0, 0.0};
    lighting.shadowRadius = 22.0;
    lighting.shadowMapSize = 3072;
    lighting.shadowSoftness = 5.0;
    lighting.occlusionStrength = 0.7;
    lighting.occlusionRadius = 1.1;
    lighting.fogColour = linearFromDisplay({0.84, 0.87, 0.91});
    lighting.fogDensity = 0.03;
    lighting.fogStart = 34.0;

    const SoftRenderer renderer(size, 2, camera);
    return renderer.render(mesh, lighting, studioBackdrop(size));
}

} // namespace portfolio_art
