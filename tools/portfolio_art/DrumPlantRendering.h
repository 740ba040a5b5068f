#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a shaded 3D rendering of a rotary drum, duct, cyclone and support tower, filling `size`.
// Deterministic.
QImage drawDrumPlantRendering(QSize size);

} // namespace portfolio_art
