#pragma once

#include <QImage>
#include <QRect>

// The bounds of the pixels of `image` brighter than mid-grey (grey level above 100 of 255): where
// white ink drawn on black lies. An empty rectangle when there is none.
QRect brightBounds(const QImage &image);
