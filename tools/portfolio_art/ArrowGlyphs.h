#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

enum class ArrowDirection
{
    Up,
    Down
};

// A glossy green round button face with a white arrow, on white (the key colour). Edges blend
// towards the light grey button face (240, 240, 240) that shows once white is removed.
QImage drawArrowGlyph(QSize size, ArrowDirection direction);

} // namespace portfolio_art
