#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a drawing sheet of a drag-chain conveyor, filling `size`. Deterministic.
QImage drawDragChainSheet(QSize size);

} // namespace portfolio_art
