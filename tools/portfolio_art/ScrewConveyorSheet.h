#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a drawing sheet of a screw conveyor, filling `size`. Deterministic.
QImage drawScrewConveyorSheet(QSize size);

} // namespace portfolio_art
