#include "calc/keypad_layout.h"

#include <cmath>

namespace vidorev::calc {

int gridUnit(int length, int count) {
    // nearbyint under the default rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(static_cast<double>(length) / count));
}

std::array<QRect, 8> keypadLayout(std::int16_t wide, int innerWidth, int innerHeight,
                                  TwoColumnGrid grid) {
    std::array<QRect, 8> rects;
    switch (wide) {
    case 1: { // one column
        const int u = gridUnit(innerWidth, 6), v = gridUnit(innerHeight, 42);
        for (int k = 0; k < 8; ++k)
            rects[static_cast<std::size_t>(k)] = QRect(u, (2 + 5 * k) * v, 4 * u, 4 * v);
        break;
    }
    case 2: { // four columns of two, filled column by column
        const int u = gridUnit(innerWidth, 21), v = gridUnit(innerHeight, 12);
        for (int k = 0; k < 8; ++k) {
            const int c = k / 2, r = k % 2;
            rects[static_cast<std::size_t>(k)] =
                QRect((1 + 5 * c) * u, (2 + 5 * r) * v, 4 * u, 4 * v);
        }
        break;
    }
    case 3: { // one row
        const int u = gridUnit(innerWidth, 41), v = gridUnit(innerHeight, 7);
        for (int k = 0; k < 8; ++k)
            rects[static_cast<std::size_t>(k)] = QRect((1 + 5 * k) * u, 2 * v, 4 * u, 4 * v);
        break;
    }
    default: { // two columns of four, filled row by row
        const bool narrow = grid == TwoColumnGrid::Narrow11;
        const int u = gridUnit(innerWidth, narrow ? 11 : 13), v = gridUnit(innerHeight, 22);
        const int step = narrow ? 5 : 6, width = narrow ? 4 : 5;
        for (int k = 0; k < 8; ++k) {
            const int c = k % 2, r = k / 2;
            rects[static_cast<std::size_t>(k)] =
                QRect((1 + step * c) * u, (2 + 5 * r) * v, width * u, 4 * v);
        }
        break;
    }
    }
    return rects;
}

QRect gridRect(int width, int height, int gridWidth, int gridHeight, int x, int y, int w, int h) {
    const int u = gridUnit(width, gridWidth), v = gridUnit(height, gridHeight);
    return QRect(x * u, y * v, w * u, h * v);
}

} // namespace vidorev::calc
