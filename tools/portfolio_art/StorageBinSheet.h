#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// Draws a drawing sheet of a storage bin on its support structure, filling `size`. Deterministic.
QImage drawStorageBinSheet(QSize size);

} // namespace portfolio_art
