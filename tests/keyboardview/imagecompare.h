#pragma once

#include <QImage>

#include <algorithm>
#include <cstdlib>

// The largest difference of any channel of any pixel of two pictures of the same size.
inline int largestDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (int d :
                 {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q), qAlpha(p) - qAlpha(q)})
                worst = std::max(worst, std::abs(d));
        }
    return worst;
}
