#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a drawing sheet of duct bends with expansion joints, filling `size`. Deterministic.
QImage drawDuctBendSheet(QSize size);

} // namespace portfolio_art
