#pragma once

#include "SceneMesh.h"
#include "Vec3.h"

#include <QImage>
#include <QPointF>
#include <QSize>

namespace portfolio_art {

// Where the scene is seen from. World units are metres, y up.
struct SceneCamera
{
    Vec3 eye;
    Vec3 target;
    Vec3 up{0.0, 1.0, 0.0};
    double fieldOfViewDegrees = 45.0; // vertical
};

// The light of a scene: one sun with soft shadows, a sky/ground hemisphere for the ambient light,
// screen-space ambient occlusion, and optional fog. Colours are linear.
struct SceneLighting
{
    Vec3 towardsSun{0.4, 1.0, 0.3};
    Vec3 sunColour{1.0, 1.0, 1.0};
    Vec3 skyColour{0.35, 0.4, 0.5};
    Vec3 groundColour{0.15, 0.14, 0.12};
    // Shadow map coverage: a sphere round `shadowCentre` of `shadowRadius` metres.
    Vec3 shadowCentre;
    double shadowRadius = 20.0;
    int shadowMapSize = 2048;
    double shadowSoftness = 2.0; // penumbra half width, in shadow-map texels
    double occlusionStrength = 0.6;
    double occlusionRadius = 0.5; // metres
    Vec3 fogColour;
    double fogDensity = 0.0; // per metre beyond fogStart
    double fogStart = 0.0;   // metres from the eye where the fog begins
    double exposure = 1.0;
};

// A small z-buffered triangle rasteriser with per-pixel lighting, rendering supersampled and
// filtering down to the output size. Deterministic.
class SoftRenderer
{
public:
    // `supersample` (1..4) is the number of rendered pixels per output pixel along each axis.
    SoftRenderer(QSize outputSize, int supersample, const SceneCamera &camera);

    // Renders `mesh` over `backdrop` (an sRGB picture of the output size, shown where no
    // surface is) and returns the output-size picture.
    QImage render(const SceneMesh &mesh, const SceneLighting &lighting,
                  const QImage &backdrop) const;

    // The output pixel that `point` projects to; false when it lies behind the camera.
    bool project(const Vec3 &point, QPointF &pixel) const;

private:
    struct ViewPoint
    {
        Vec3 view; // camera space: x right, y up, z forward (depth)
        Vec3 world;
        Vec3 normal;
    };

    Vec3 toView(const Vec3 &world) const;

    QSize outputSize_;
    int supersample_;
    SceneCamera camera_;
    Vec3 right_;
    Vec3 up_;
    Vec3 forward_;
    double focalPixels_; // at the rendered (supersampled) size
};

} // namespace portfolio_art
