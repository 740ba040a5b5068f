#pragma once

#include <QImage>
#include <QList>

// The program icon: three overlapping tilted square sheets, white in front of pale violet and
// grey, with soft shadows, on a clear ground. Each size is drawn on its own pixel grid, with
// line widths and shadow softness chosen for that size, rather than scaled from another.
class IconPainter
{
public:
    // The sizes the icon is made in, in pixels, smallest first.
    static QList<int> sizes() { return {32, 48, 64, 96, 128}; }

    // The icon at `size` x `size` pixels (16..256), ARGB32 with a transparent ground.
    static QImage paint(int size);
};
