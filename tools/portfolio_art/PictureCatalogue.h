#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace portfolio_art {

enum class PictureFormat
{
    BaselineJpeg,
    TrueColourBitmap
};

// One picture of the portfolio window: the file name under which it is embedded, its exact
// pixel size, its file format and the function that draws it.
struct PictureRecipe
{
    QString fileName;
    QSize size;
    PictureFormat format;
    std::function<QImage()> draw;
};

// Every picture of the portfolio window, in the order of the window's entries.
std::vector<PictureRecipe> portfolioPictures();

} // namespace portfolio_art
