#pragma once

#include <QImage>
#include <functional>

// An image of Size whose pixel at each point is Pixel(point).
inline QImage ImageOf(QSize Size, const std::function<QRgb(QPoint)>& Pixel) {
    QImage image(Size, QImage::Format_ARGB32);
    for (int y = 0; y < Size.height(); ++y) {
        for (int x = 0; x < Size.width(); ++x) {
            image.setPixel(x, y, Pixel(QPoint(x, y)));
        }
    }
    return image;
}
