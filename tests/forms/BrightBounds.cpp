#include "BrightBounds.h"

QRect brightBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 100)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}
