#include "SteelFramePicture.h"

#include "MeshBuilder.h"
#include "NoiseField.h"
#include "PhotoFinish.h"
#include "SoftRenderer.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace portfolio_art {

namespace {

constexpr double bay = 6.0;
constexpr double storey = 3.8;

struct SiteMaterials
{
    int ground;
    int primer;
    int deck;
    int crane;
    int counterweight;
    int container;
    int concrete;
    int distant;
};

SiteMaterials defineSiteMaterials(MeshBuilder &builder)
{
    SiteMaterials m{};
    SurfaceMaterial ground;
    ground.albedo = linearFromDisplay({0.52, 0.46, 0.38});
    const NoiseField soil(0x51, 1.2);
    const NoiseField patches(0x52, 9.0);
    ground.pattern = [soil, patches](const Vec3 &p, const Vec3 &albedo) {
        const double grit = soil.fractal(p.x * 6.0, p.z * 6.0, 3);
        const double patch = patches.fractal(p.x * 3.0, p.z * 3.0, 3);
        const Vec3 gravel = linearFromDisplay({0.60, 0.58, 0.54});
        return mix(albedo, gravel, std::clamp((patch - 0.45) * 3.0, 0.0, 1.0)) * (0.8 + 0.4 * grit);
    };
    m.ground = builder.customMaterial(ground);
    SurfaceMaterial primer;
    primer.albedo = linearFromDisplay({0.56, 0.25, 0.17});
    primer.highlight = 0.12;
    primer.shininess = 20.0;
    const NoiseField weathering(0x53, 0.6);
    primer.pattern = [weathering](const Vec3 &p, const Vec3 &albedo) {
        return albedo * (0.88 + 0.24 * weathering.fractal(p.x * 4.0 + p.z * 3.0, p.y * 4.0, 2));
    };
    m.primer = builder.customMaterial(primer);
    m.deck = builder.material({0.62, 0.64, 0.66}, 0.3, 30.0);
    m.crane = builder.material({0.93, 0.74, 0.10}, 0.25, 24.0);
    m.counterweight = builder.material({0.62, 0.62, 0.6}, 0.05, 8.0);
    m.container = builder.material({0.16, 0.36, 0.58}, 0.2, 20.0);
    m.concrete = builder.material({0.70, 0.69, 0.66}, 0.05, 8.0);
    m.distant = builder.material({0.50, 0.54, 0.56}, 0.0, 8.0);
    return m;
}

// A square lattice mast: four corner chords with zig-zag lacing on every face.
void buildLatticeMast(MeshBuilder &builder, const Vec3 &base, double height, double width,
                      int material)
{
    const std::array<Vec3, 4> corners{base, base + Vec3{width, 0.0, 0.0},
                                      base + Vec3{width, 0.0, width}, base + Vec3{0.0, 0.0, width}};
    for (const Vec3 &corner : corners)
        builder.bar(corner, corner + Vec3{0.0, height, 0.0}, 0.16, 0.16, {1.0, 0.0, 0.0}, material);
    for (std::size_t face = 0; face < 4; ++face) {
        const Vec3 &a = corners[face];
        const Vec3 &b = corners[(face + 1) % 4];
        bool toB = true;
        for (double y = 0.0; y + width <= height; y += width) {
            const Vec3 from = (toB ? a : b) + Vec3{0.0, y, 0.0};
            const Vec3 to = (toB ? b : a) + Vec3{0.0, y + width, 0.0};
            builder.bar(from, to, 0.08, 0.08, {0.0, 1.0, 0.0}, material);
            toB = !toB;
        }
    }
}

// A triangular lattice boom from `root` to `tip` (horizontal), `width` across and `depth` tall.
void buildLatticeBoom(MeshBuilder &builder, const Vec3 &root, const Vec3 &tip, double width,
                      double depth, int material)
{
    const Vec3 direction = (tip - root).normalized();
    const Vec3 side = direction.cross({0.0, 1.0, 0.0}).normalized() * (width / 2.0);
    const Vec3 lift{0.0, depth, 0.0};
    const double length = (tip - root).length();
    builder.bar(root - side, tip - side, 0.14, 0.14, {0.0, 1.0, 0.0}, material);
    builder.bar(root + side, tip + side, 0.14, 0.14, {0.0, 1.0, 0.0}, material);
    builder.bar(root + lift, tip + lift * 0.6, 0.12, 0.12, {0.0, 1.0, 0.0}, material);
    const double step = depth;
    bool forward = true;
    for (double s = 0.0; s + step <= length; s += step) {
        const Vec3 here = root + direction * s;
        const Vec3 next = root + direction * (s + step);
        const double lift0 = 1.0 - 0.4 * s / length;
        const double lift1 = 1.0 - 0.4 * (s + step) / length;
        const Vec3 bottom = forward ? here : next;
        const Vec3 top = (forward ? next : here) + lift * (forward ? lift1 : lift0);
        builder.bar(bottom - side, top, 0.07, 0.07, {0.0, 1.0, 0.0}, material);
        builder.bar(bottom + side, top, 0.07, 0.07, {0.0, 1.0, 0.0}, material);
        builder.bar(here - side, here + side, 0.07, 0.07, {0.0, 1.0, 0.0}, material);
        forward = !forward;
    }
}

void buildFrame(MeshBuilder &builder, const SiteMaterials &m)
{
    const int columnsX = 4;
    const int columnsZ = 3;
    const int storeys = 5;
    const auto columnHeight = [&](int i, int k) {
        // The far corner is still being erected: its columns stop one storey lower.
        return (i >= 2 && k == 0) ? storeys - 1 : storeys;
    };
    for (int i = 0; i < columnsX; ++i) {
        for (int k = 0; k < columnsZ; ++k) {
            const Vec3 foot{i * bay, 0.0, -k * bay};
            builder.axisBox(foot + Vec3{-0.5, -0.2, -0.5}, foot + Vec3{0.5, 0.15, 0.5}, m.concrete);
            builder.flangeBeam(foot + Vec3{0.0, 0.15, 0.0},
                               foot + Vec3{0.0, columnHeight(i, k) * storey + 0.3, 0.0}, 0.36, 0.34,
                               {1.0, 0.0, 0.0}, m.primer);
        }
    }
    for (int level = 1; level <= storeys; ++level) {
        const double y = level * storey;
        for (int i = 0; i < columnsX; ++i) {
            for (int k = 0; k < columnsZ; ++k) {
                const Vec3 node{i * bay, y, -k * bay};
                const bool nodeStands = columnHeight(i, k) >= level;
                // Beams along x.
                if (i + 1 < columnsX && nodeStands && columnHeight(i + 1, k) >= level &&
                    !(level == storeys && i == 1 && k == 1))
                    builder.flangeBeam(node, node + Vec3{bay, 0.0, 0.0}, 0.42, 0.2, {0.0, 1.0, 0.0},
                                       m.primer);
                // Beams along z.
                if (k + 1 < columnsZ && nodeStands && columnHeight(i, k + 1) >= level &&
                    !(level == storeys && i == 3))
                    builder.flangeBeam(node, node + Vec3{0.0, 0.0, -bay}, 0.36, 0.18,
                                       {0.0, 1.0, 0.0}, m.primer);
            }
        }
        // Secondary beams and metal deck on the finished lower floors.
        if (level <= 2) {
            for (double x = bay / 3.0; x < (columnsX - 1) * bay; x += bay / 3.0)
                builder.flangeBeam({x, y, 0.0}, {x, y, -(columnsZ - 1) * bay}, 0.25, 0.12,
                                   {0.0, 1.0, 0.0}, m.primer);
            builder.axisBox({0.0, y + 0.21, -(columnsZ - 1) * bay},
                            {(columnsX - 1) * bay, y + 0.3, 0.0}, m.deck);
        }
    }
    // Cross bracing in the end bays.
    for (int level = 0; level < 4; ++level) {
        const double low = level * storey + 0.3;
        const double high = (level + 1) * storey - 0.2;
        builder.bar({0.0, low, -bay * 0.0}, {0.0, high, -bay}, 0.12, 0.12, {1.0, 0.0, 0.0},
                    m.primer);
        builder.bar({0.0, high, 0.0}, {0.0, low, -bay}, 0.12, 0.12, {1.0, 0.0, 0.0}, m.primer);
        builder.bar({bay, low, 0.0}, {2 * bay, high, 0.0}, 0.12, 0.12, {0.0, 0.0, 1.0}, m.primer);
        builder.bar({bay, high, 0.0}, {2 * bay, low, 0.0}, 0.12, 0.12, {0.0, 0.0, 1.0}, m.primer);
    }
}

void buildSite(MeshBuilder &builder, const SiteMaterials &m)
{
    builder.quad({-300.0, 0.0, -300.0}, {-300.0, 0.0, 300.0}, {300.0, 0.0, 300.0},
                 {300.0, 0.0, -300.0}, m.ground);
    // Tower crane beside the frame, its jib swung over the building.
    const Vec3 mastBase{23.0, 0.0, -4.0};
    const double mastHeight = 31.0;
    builder.axisBox(mastBase + Vec3{-1.0, -0.2, -1.0}, mastBase + Vec3{2.8, 0.5, 2.8}, m.concrete);
    buildLatticeMast(builder, mastBase + Vec3{0.0, 0.5, 0.0}, mastHeight, 1.8, m.crane);
    const Vec3 top = mastBase + Vec3{0.9, mastHeight + 0.5, 0.9};
    builder.axisBox(top + Vec3{-1.2, 0.0, -1.2}, top + Vec3{1.2, 1.0, 1.2}, m.crane);
    builder.axisBox(top + Vec3{0.4, 1.0, 0.6}, top + Vec3{2.2, 2.8, 2.0}, m.crane);
    const Vec3 jibRoot = top + Vec3{0.0, 1.0, 0.0};
    const Vec3 jibTip = jibRoot + Vec3{-32.0, 0.0, -6.0};
    buildLatticeBoom(builder, jibRoot, jibTip, 1.4, 1.6, m.crane);
    const Vec3 counterTip = jibRoot + Vec3{11.0, 0.0, 2.0};
    buildLatticeBoom(builder, jibRoot, counterTip, 1.6, 0.8, m.crane);
    builder.axisBox(counterTip + Vec3{-3.0, -2.2, -1.0}, counterTip + Vec3{-0.4, 0.0, 1.0},
                    m.counterweight);
    builder.bar(jibRoot + Vec3{0.0, 0.0, 0.0}, jibRoot + Vec3{0.0, 6.0, 0.0}, 0.3, 0.3,
                {1.0, 0.0, 0.0}, m.crane);
    // Load hanging from the hook: a beam on its way up.
    const Vec3 hook = jibRoot + Vec3{-18.0, -9.0, -3.4};
    builder.flangeBeam(hook + Vec3{-3.0, -0.6, 0.0}, hook + Vec3{3.0, -0.6, 0.0}, 0.4, 0.2,
                       {0.0, 1.0, 0.0}, m.primer);
    builder.axisBox(hook + Vec3{-0.25, -0.3, -0.2}, hook + Vec3{0.25, 0.4, 0.2}, m.counterweight);

    // Site furniture: a container, a stack of beams, distant buildings on the skyline.
    builder.axisBox({-16.0, 0.0, -14.0}, {-13.6, 2.6, -8.0}, m.container);
    for (int layer = 0; layer < 3; ++layer)
        for (int beam = 0; beam < 4 - layer; ++beam) {
            const double z = 7.0 + beam * 0.45 + layer * 0.22;
            builder.flangeBeam({4.0, 0.2 + layer * 0.32, z}, {14.0, 0.2 + layer * 0.32, z}, 0.3,
                               0.3, {0.0, 1.0, 0.0}, m.primer);
        }
    for (int block = 0; block < 9; ++block) {
        const double x = -70.0 + block * 19.0;
        const double height = 8.0 + std::fmod(block * 7.3, 14.0);
        builder.axisBox({x, 0.0, -150.0 - std::fmod(block * 13.0, 40.0)},
                        {x + 12.0 + std::fmod(block * 5.0, 8.0), height,
                         -135.0 - std::fmod(block * 13.0, 40.0)},
                        m.distant);
    }
}

QImage skyBackdrop(QSize size, double horizonY)
{
    QImage sky(size, QImage::Format_RGB32);
    QPainter painter(&sky);
    QLinearGradient gradient(0, 0, 0, horizonY);
    gradient.setColorAt(0.0, QColor(58, 108, 176));
    gradient.setColorAt(0.7, QColor(132, 172, 214));
    gradient.setColorAt(1.0, QColor(202, 214, 224));
    painter.fillRect(sky.rect(), gradient);
    painter.end();
    // Soft fair-weather clouds.
    const NoiseField clouds(0x5C, 60.0);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(sky.scanLine(y));
        const double height = std::clamp(1.0 - y / std::max(1.0, horizonY), 0.0, 1.0);
        for (int x = 0; x < size.width(); ++x) {
            const double density = clouds.fractal(x * 1.0, y * 2.2, 5);
            const double cover =
                std::clamp((density - 0.56) * 4.0, 0.0, 1.0) * std::clamp(height * 2.5, 0.0, 1.0);
            const double shade = 0.86 + 0.14 * std::clamp((density - 0.56) * 6.0, 0.0, 1.0);
            const QColor base = QColor::fromRgb(line[x]);
            const auto blend = [&](int channel, double white) {
                return static_cast<int>(std::lround(channel + (white * shade - channel) * cover));
            };
            line[x] = qRgb(blend(base.red(), 248.0), blend(base.green(), 249.0),
                           blend(base.blue(), 252.0));
        }
    }
    return sky;
}

} // namespace

QImage drawSteelFramePicture(QSize size)
{
    SceneMesh mesh;
    MeshBuilder builder(mesh);
    const SiteMaterials materials = defineSiteMaterials(builder);
    buildSite(builder, materials);
    buildFrame(builder, materials);

    SceneCamera camera;
    camera.eye = {-9.0, 1.7, 17.0};
    camera.target = {9.0, 11.5, -5.0};
    camera.fieldOfViewDegrees = 58.0;
    const SoftRenderer renderer(size, 3, camera);

    QPointF horizon;
    renderer.project(camera.eye + Vec3{1000.0, 0.0, -1000.0}, horizon);

    SceneLighting lighting;
    lighting.towardsSun = Vec3{-0.55, 0.7, 0.45}.normalized();
    lighting.sunColour = {1.35, 1.22, 1.02};
    lighting.skyColour = {0.30, 0.38, 0.52};
    lighting.groundColour = {0.2, 0.17, 0.13};
    lighting.shadowCentre = {10.0, 8.0, -4.0};
    lighting.shadowRadius = 32.0;
    lighting.shadowMapSize = 4096;
    lighting.shadowSoftness = 2.5;
    lighting.occlusionStrength = 0.5;
    lighting.occlusionRadius = 0.6;
    lighting.fogColour = linearFromDisplay({0.80, 0.84, 0.88});
    lighting.fogDensity = 0.008;
    lighting.fogStart = 25.0;

    QImage picture = renderer.render(mesh, lighting, skyBackdrop(size, horizon.y()));

    // The hoist ropes, too thin to model, drawn over the render.
    QPointF trolley;
    QPointF hook;
    const Vec3 jibRoot{23.9, 32.4, -3.1};
    if (renderer.project(jibRoot + Vec3{-18.0, 0.0, -3.4}, trolley) &&
        renderer.project(jibRoot + Vec3{-18.0, -8.6, -3.4}, hook)) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(40, 40, 44, 200), 0.7));
        painter.drawLine(trolley + QPointF(-0.8, 0.0), hook + QPointF(-0.8, 0.0));
        painter.drawLine(trolley + QPointF(0.8, 0.0), hook + QPointF(0.8, 0.0));
    }
    return finishLikePhotograph(picture, 0x5F);
}

} // namespace portfolio_art
