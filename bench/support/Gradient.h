#pragma once

#include <QImage>

// A picture for the screen benchmarks in which neighbouring pixels differ, so that every step
// of the cursor lands on another colour: red follows x, green y, blue x XOR y.
inline QImage Gradient(QSize Size) {
    QImage image(Size, QImage::Format_ARGB32);
    for (int y = 0; y < Size.height(); ++y) {
        for (int x = 0; x < Size.width(); ++x) {
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
        }
    }
    return image;
}
