#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a photograph-like picture of a training class, filling `size`. Deterministic.
QImage drawTrainingClassPicture(QSize size);

} // namespace portfolio_art
