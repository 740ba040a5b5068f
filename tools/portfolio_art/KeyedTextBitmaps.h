#pragma once

#include <QImage>
#include <QSize>

namespace portfolio_art {

// The key colour of the contact banner and the industries list: navy (0, 0, 128).
constexpr unsigned int navyKey = 0xFF000080u;

// The maker's contact banner: white Persian name and address, then telephone, fax and web
// address, on the navy key. All text lies within the top 46 rows (the rest is cut off on screen).
// Edges are blended towards the window background behind the banner's place (61, 342).
QImage drawContactBanner(QSize size);

// Six yellow Persian lines naming the industries served, right aligned, on the navy key.
// Edges are blended towards the window background behind the list's place (472, 88).
QImage drawIndustriesList(QSize size);

} // namespace portfolio_art
