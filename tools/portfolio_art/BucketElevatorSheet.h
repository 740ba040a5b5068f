#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a drawing sheet of a bucket elevator, filling `size`. Deterministic.
QImage drawBucketElevatorSheet(QSize size);

} // namespace portfolio_art
