#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws an engineering drawing sheet of a belt conveyor, filling `size`. Deterministic.
QImage drawBeltConveyorSheet(QSize size);

} // namespace portfolio_art
