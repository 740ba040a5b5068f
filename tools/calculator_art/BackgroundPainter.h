#pragma once

#include <QImage>

// The calculator panel's background picture: an abstract dark-brown-to-amber ground with sweeping
// curved bands of light, a yellow-green streak rising from the lower left and a pink-red glow at
// the top. Only the top-left 369 x 424 pixels show on the window, and the family drawing covers
// most of it below y = 208, so the composition is made for the top band: the shape pictures sit
// at y 12..70 and the white labels at x 32..240, y 80..200, where the ground is kept dark.
class BackgroundPainter
{
public:
    static constexpr int width = 469;
    static constexpr int height = 523;

    // The picture, RGB32, width x height.
    static QImage paint();
};
