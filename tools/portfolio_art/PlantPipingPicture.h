#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a photograph-like picture of white plant piping with blue valves, filling `size`.
// Deterministic.
QImage drawPlantPipingPicture(QSize size);

} // namespace portfolio_art
