#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a photograph-like picture of a steel frame under construction, filling `size`.
// Deterministic.
QImage drawSteelFramePicture(QSize size);

} // namespace portfolio_art
