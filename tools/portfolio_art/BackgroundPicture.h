#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// The portfolio window's backdrop: a dark teal texture crossed by faint, lighter diagonal bands.
// It stays dark everywhere (white labels sit on it). Deterministic for a given size.
QImage drawBackgroundPicture(QSize size);

} // namespace portfolio_art
