#include "SoftRenderer.h"

#include "MeshBuilder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace portfolio_art {

namespace {

constexpr double nearPlane = 0.05;

// Everything the shading pass needs about the nearest surface at one rendered pixel.
struct SurfaceBuffer
{
    int width = 0;
    int height = 0;
    std::vector<float> depth;    // camera-space z; infinity where nothing was drawn
    std::vector<float> position; // world x, y, z
    std::vector<float> normal;   // world normal (not yet normalised)
    std::vector<int> material;

    SurfaceBuffer(int w, int h)
        : width(w), height(h),
          depth(static_cast<std::size_t>(w) * h, std::numeric_limits<float>::infinity()),
          position(static_cast<std::size_t>(w) * h * 3),
          normal(static_cast<std::size_t>(w) * h * 3), material(static_cast<std::size_t>(w) * h, -1)
    {
    }
};

// Depth of the scene seen from the sun, for shadows.
struct ShadowMap
{
    int size = 0;
    Vec3 right;
    Vec3 up;
    Vec3 forward; // away from the sun
    double minX = 0.0;
    double minY = 0.0;
    double texel = 1.0; // metres per texel
    std::vector<float> depth;

    bool toMap(const Vec3 &world, double &x, double &y, double &d) const
    {
        x = (world.dot(right) - minX) / texel;
        y = (world.dot(up) - minY) / texel;
        d = world.dot(forward);
        return x >= 0.0 && y >= 0.0 && x < size && y < size;
    }
};

// Fills the triangle (x, y, value) with the smallest value per cell; `store` receives the
// barycentric weights of each covered cell centre.
template <typename Cell>
void scanTriangle(const std::array<double, 3> &xs, const std::array<double, 3> &ys, int width,
                  int height, Cell &&cell)
{
    const double area = (xs[1] - xs[0]) * (ys[2] - ys[0]) - (xs[2] - xs[0]) * (ys[1] - ys[0]);
    if (std::abs(area) < 1e-12)
        return;
    const int left = std::max(0, static_cast<int>(std::floor(std::min({xs[0], xs[1], xs[2]}))));
    const int right =
        std::min(width - 1, static_cast<int>(std::ceil(std::max({xs[0], xs[1], xs[2]}))));
    const int top = std::max(0, static_cast<int>(std::floor(std::min({ys[0], ys[1], ys[2]}))));
    const int bottom =
        std::min(height - 1, static_cast<int>(std::ceil(std::max({ys[0], ys[1], ys[2]}))));
    for (int y = top; y <= bottom; ++y) {
        const double py = y + 0.5;
        for (int x = left; x <= right; ++x) {
            const double px = x + 0.5;
            const double w0 = ((xs[1] - px) * (ys[2] - py) - (xs[2] - px) * (ys[1] - py)) / area;
            const double w1 = ((xs[2] - px) * (ys[0] - py) - (xs[0] - px) * (ys[2] - py)) / area;
            const double w2 = 1.0 - w0 - w1;
            if (w0 < -1e-9 || w1 < -1e-9 || w2 < -1e-9)
                continue;
            cell(x, y, w0, w1, w2);
        }
    }
}

ShadowMap buildShadowMap(const SceneMesh &mesh, const SceneLighting &lighting)
{
    ShadowMap map;
    map.size = lighting.shadowMapSize;
    map.forward = (-lighting.towardsSun).normalized();
    const Vec3 helper = std::abs(map.forward.y) < 0.95 ? Vec3{0.0, 1.0, 0.0} : Vec3{1.0, 0.0, 0.0};
    map.right = map.forward.cross(helper).normalized();
    map.up = map.right.cross(map.forward).normalized();
    map.minX = lighting.shadowCentre.dot(map.right) - lighting.shadowRadius;
    map.minY = lighting.shadowCentre.dot(map.up) - lighting.shadowRadius;
    map.texel = 2.0 * lighting.shadowRadius / map.size;
    map.depth.assign(static_cast<std::size_t>(map.size) * map.size,
                     std::numeric_limits<float>::infinity());

    for (const MeshTriangle &triangle : mesh.triangles) {
        std::array<double, 3> xs{};
        std::array<double, 3> ys{};
        std::array<double, 3> ds{};
        for (int corner = 0; corner < 3; ++corner) {
            const Vec3 &p = triangle.corner[static_cast<std::size_t>(corner)];
            xs[static_cast<std::size_t>(corner)] = (p.dot(map.right) - map.minX) / map.texel;
            ys[static_cast<std::size_t>(corner)] = (p.dot(map.up) - map.minY) / map.texel;
            ds[static_cast<std::size_t>(corner)] = p.dot(map.forward);
        }
        scanTriangle(xs, ys, map.size, map.size,
                     [&](int x, int y, double w0, double w1, double w2) {
                         const float d = static_cast<float>(w0 * ds[0] + w1 * ds[1] + w2 * ds[2]);
                         float &stored = map.depth[static_cast<std::size_t>(y) * map.size + x];
                         stored = std::min(stored, d);
                     });
    }
    return map;
}

// Share of the sun that reaches `position` (0 in full shadow, 1 in full light), with a soft edge.
double sunVisibility(const ShadowMap &map, const SceneLighting &lighting, const Vec3 &position,
                     const Vec3 &normal)
{
    const Vec3 lifted = position + normal * (map.texel * 1.5) +
                        lighting.towardsSun.normalized() * (map.texel * 1.0);
    double x = 0.0;
    double y = 0.0;
    double d = 0.0;
    if (!map.toMap(lifted, x, y, d))
        return 1.0;
    const double step = std::max(0.5, lighting.shadowSoftness / 2.0);
    // A surface sloping away from the sun changes depth across the filter; let the allowance grow
    // with the tap's distance so flat lit ground does not shadow itself.
    const double facing = std::max(0.05, normal.dot(lighting.towardsSun.normalized()));
    const double slope = std::min(4.0, std::sqrt(1.0 - facing * facing) / facing);
    const double bias = map.texel * 1.5;
    int lit = 0;
    int taps = 0;
    for (int j = -2; j <= 2; ++j) {
        for (int i = -2; i <= 2; ++i) {
            const int sx = static_cast<int>(x + i * step);
            const int sy = static_cast<int>(y + j * step);
            ++taps;
            if (sx < 0 || sy < 0 || sx >= map.size || sy >= map.size) {
                ++lit;
                continue;
            }
            const double allowance =
                bias + slope * map.texel * step * std::sqrt(double(i * i + j * j) + 1.0);
            if (d - allowance <= map.depth[static_cast<std::size_t>(sy) * map.size + sx])
                ++lit;
        }
    }
    return static_cast<double>(lit) / taps;
}

double toneMapped(double value)
{
    // Linear up to 0.8, then a soft shoulder that approaches 1.
    if (value < 0.8)
        return std::max(0.0, value);
    return 0.8 + 0.2 * (1.0 - std::exp(-(value - 0.8) / 0.2));
}

int displayChannel(double linear)
{
    const double display = std::pow(toneMapped(linear), 1.0 / 2.2);
    return std::clamp(static_cast<int>(std::lround(display * 255.0)), 0, 255);
}

std::uint32_t pixelHash(int x, int y)
{
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 0x8DA6B343u ^ static_cast<std::uint32_t>(y) * 0xD8163841u;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h;
}

} // namespace

SoftRenderer::SoftRenderer(QSize outputSize, int supersample, const SceneCamera &camera)
    : outputSize_(outputSize), supersample_(std::clamp(supersample, 1, 4)), camera_(camera)
{
    forward_ = (camera.target - camera.eye).normalized();
    right_ = forward_.cross(camera.up).normalized();
    up_ = right_.cross(forward_).normalized();
    const double renderHeight = static_cast<double>(outputSize.height()) * supersample_;
    focalPixels_ = renderHeight / 2.0 / std::tan(camera.fieldOfViewDegrees * M_PI / 360.0);
}

Vec3 SoftRenderer::toView(const Vec3 &world) const
{
    const Vec3 offset = world - camera_.eye;
    return {offset.dot(right_), offset.dot(up_), offset.dot(forward_)};
}

bool SoftRenderer::project(const Vec3 &point, QPointF &pixel) const
{
    const Vec3 view = toView(point);
    if (view.z < nearPlane)
        return false;
    const double width = static_cast<double>(outputSize_.width()) * supersample_;
    const double height = static_cast<double>(outputSize_.height()) * supersample_;
    pixel = QPointF((width / 2.0 + view.x / view.z * focalPixels_) / supersample_,
                    (height / 2.0 - view.y / view.z * focalPixels_) / supersample_);
    return true;
}

QImage SoftRenderer::render(const SceneMesh &mesh, const SceneLighting &lighting,
                            const QImage &backdrop) const
{
    const int width = outputSize_.width() * supersample_;
    const int height = outputSize_.height() * supersample_;
    SurfaceBuffer surface(width, height);

    // Geometry pass: clip each triangle at the near plane, project, keep the nearest surface.
    for (const MeshTriangle &triangle : mesh.triangles) {
        std::vector<ViewPoint> polygon;
        for (std::size_t corner = 0; corner < 3; ++corner)
            polygon.push_back({toView(triangle.corner[corner]), triangle.corner[corner],
                               triangle.normal[corner]});
        std::vector<ViewPoint> clipped;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const ViewPoint &a = polygon[i];
            const ViewPoint &b = polygon[(i + 1) % polygon.size()];
            const bool aInside = a.view.z >= nearPlane;
            const bool bInside = b.view.z >= nearPlane;
            if (aInside)
                clipped.push_back(a);
            if (aInside != bInside) {
                const double t = (nearPlane - a.view.z) / (b.view.z - a.view.z);
                clipped.push_back(
                    {mix(a.view, b.view, t), mix(a.world, b.world, t), mix(a.normal, b.normal, t)});
            }
        }
        if (clipped.size() < 3)
            continue;
        std::vector<double> screenX(clipped.size());
        std::vector<double> screenY(clipped.size());
        for (std::size_t i = 0; i < clipped.size(); ++i) {
            screenX[i] = width / 2.0 + clipped[i].view.x / clipped[i].view.z * focalPixels_;
            screenY[i] = height / 2.0 - clipped[i].view.y / clipped[i].view.z * focalPixels_;
        }
        for (std::size_t fan = 1; fan + 1 < clipped.size(); ++fan) {
            const std::array<std::size_t, 3> index{0, fan, fan + 1};
            const std::array<double, 3> xs{screenX[index[0]], screenX[index[1]], screenX[index[2]]};
            const std::array<double, 3> ys{screenY[index[0]], screenY[index[1]], screenY[index[2]]};
            std::array<double, 3> inverseDepth{};
            for (std::size_t k = 0; k < 3; ++k)
                inverseDepth[k] = 1.0 / clipped[index[k]].view.z;
            scanTriangle(xs, ys, width, height, [&](int x, int y, double w0, double w1, double w2) {
                const double weights[3] = {w0 * inverseDepth[0], w1 * inverseDepth[1],
                                           w2 * inverseDepth[2]};
                const double inverse = weights[0] + weights[1] + weights[2];
                const double depth = 1.0 / inverse;
                const std::size_t cell = static_cast<std::size_t>(y) * width + x;
                if (depth >= surface.depth[cell])
                    return;
                surface.depth[cell] = static_cast<float>(depth);
                Vec3 world;
                Vec3 normal;
                for (std::size_t k = 0; k < 3; ++k) {
                    world += clipped[index[k]].world * (weights[k] / inverse);
                    normal += clipped[index[k]].normal * (weights[k] / inverse);
                }
                surface.position[cell * 3] = static_cast<float>(world.x);
                surface.position[cell * 3 + 1] = static_cast<float>(world.y);
                surface.position[cell * 3 + 2] = static_cast<float>(world.z);
                surface.normal[cell * 3] = static_cast<float>(normal.x);
                surface.normal[cell * 3 + 1] = static_cast<float>(normal.y);
                surface.normal[cell * 3 + 2] = static_cast<float>(normal.z);
                surface.material[cell] = triangle.material;
            });
        }
    }

    const ShadowMap shadows = buildShadowMap(mesh, lighting);
    const QImage ground =
        backdrop.convertToFormat(QImage::Format_RGB32)
            .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    // A fixed set of directions for the occlusion samples, turned per pixel.
    std::array<Vec3, 12> kernel{};
    for (std::size_t i = 0; i < kernel.size(); ++i) {
        const double angle = 2.399963 * static_cast<double>(i);
        const double rise = (static_cast<double>(i) + 0.5) / kernel.size();
        const double spread = std::sqrt(1.0 - rise * rise);
        const double reach = 0.25 + 0.75 * static_cast<double>((i * 7) % 12) / 12.0;
        kernel[i] = Vec3{std::cos(angle) * spread, rise, std::sin(angle) * spread} * reach;
    }

    const Vec3 towardsSun = lighting.towardsSun.normalized();
    QImage rendered(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(rendered.scanLine(y));
        const auto *groundLine = reinterpret_cast<const QRgb *>(ground.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t cell = static_cast<std::size_t>(y) * width + x;
            const int materialIndex = surface.material[cell];
            if (materialIndex < 0) {
                line[x] = groundLine[x];
                continue;
            }
            const SurfaceMaterial &material =
                mesh.materials[static_cast<std::size_t>(materialIndex)];
            const Vec3 position{surface.position[cell * 3], surface.position[cell * 3 + 1],
                                surface.position[cell * 3 + 2]};
            Vec3 normal = Vec3{surface.normal[cell * 3], surface.normal[cell * 3 + 1],
                               surface.normal[cell * 3 + 2]}
                              .normalized();
            const Vec3 towardsEye = (camera_.eye - position).normalized();
            if (normal.dot(towardsEye) < 0.0)
                normal = -normal; // thin plates are lit from the side that is seen

            // Screen-space ambient occlusion: how many nearby hemisphere points hide behind
            // surfaces already in the depth buffer.
            double occlusion = 0.0;
            if (lighting.occlusionStrength > 0.0) {
                Vec3 tangent;
                Vec3 bitangent;
                perpendicularPair(normal, tangent, bitangent);
                const double turn = (pixelHash(x, y) % 1024) / 1024.0 * 2.0 * M_PI;
                const double c = std::cos(turn);
                const double s = std::sin(turn);
                int hidden = 0;
                for (const Vec3 &sample : kernel) {
                    const double sx = sample.x * c - sample.z * s;
                    const double sz = sample.x * s + sample.z * c;
                    const Vec3 probe =
                        position + (tangent * sx + normal * sample.y + bitangent * sz) *
                                       lighting.occlusionRadius;
                    const Vec3 view = toView(probe);
                    if (view.z < nearPlane)
                        continue;
                    const int px = static_cast<int>(width / 2.0 + view.x / view.z * focalPixels_);
                    const int py = static_cast<int>(height / 2.0 - view.y / view.z * focalPixels_);
                    if (px < 0 || py < 0 || px >= width || py >= height)
                        continue;
                    const double stored = surface.depth[static_cast<std::size_t>(py) * width + px];
                    const double gap = view.z - stored;
                    if (gap > 0.02 && gap < lighting.occlusionRadius * 2.0)
                        ++hidden;
                }
                occlusion =
                    lighting.occlusionStrength * hidden / static_cast<double>(kernel.size());
            }

            const Vec3 albedo =
                material.pattern ? material.pattern(position, material.albedo) : material.albedo;
            const double facing = normal.dot(towardsSun);
            double sun = 0.0;
            if (facing > 0.0)
                sun = facing * sunVisibility(shadows, lighting, position, normal);
            const Vec3 ambient =
                mix(lighting.groundColour, lighting.skyColour, 0.5 + 0.5 * normal.y) *
                (1.0 - occlusion);
            Vec3 colour = albedo.times(ambient + lighting.sunColour * sun) + material.emission +
                          albedo * material.glow;
            if (material.highlight > 0.0 && sun > 0.0) {
                const Vec3 halfway = (towardsSun + towardsEye).normalized();
                const double sheen =
                    std::pow(std::max(0.0, normal.dot(halfway)), material.shininess);
                colour += lighting.sunColour * (material.highlight * sheen * sun);
            }
            if (lighting.fogDensity > 0.0) {
                const double distance =
                    std::max(0.0, (position - camera_.eye).length() - lighting.fogStart);
                colour = mix(lighting.fogColour, colour, std::exp(-lighting.fogDensity * distance));
            }
            colour = colour * lighting.exposure;
            line[x] =
                qRgb(displayChannel(colour.x), displayChannel(colour.y), displayChannel(colour.z));
        }
    }
    return rendered.scaled(outputSize_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace portfolio_art
