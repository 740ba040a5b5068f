#pragma once

#include <QImage>
#include <QRgb>

namespace portfolio_art {

// Turns an antialiased figure into a keyed bitmap (the key colour is left undrawn on screen).
//
// `figure` is a premultiplied ARGB picture of the figure on a fully transparent ground.
// `backdrop` is what the bitmap will be shown over, at least as large as `figure`; edge pixels of
// the figure are blended towards it, so no near-key fringe shows once the key is removed.
// Pixels that the figure covers less than a trace are set to exactly `key`; no figure pixel ever
// equals `key`. The result is RGB32, the size of `figure`.
QImage flattenOntoKey(const QImage &figure, const QImage &backdrop, QRgb key);

} // namespace portfolio_art
