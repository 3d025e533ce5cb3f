#pragma once

#include <QRect>

#include <array>
#include <cstdint>

// Where the eight buttons of a keypad stand, by its orientation code. Sizes are whole grid
// units of the keypad's inner area; on this desktop a unit is a pixel.
namespace vidorev::calc {

// The two-column grid differs by pad: the arithmetic keypad and the extension pad use 13 x 22
// with buttons five units wide; the three function pads 11 x 22 with buttons four units wide.
enum class TwoColumnGrid { Wide13, Narrow11 };

// A unit: the length divided by the grid count, to the nearest integer with halves to even.
int gridUnit(int length, int count);

// The eight rectangles, button 1 first, relative to the inner area's top left.
std::array<QRect, 8> keypadLayout(std::int16_t wide, int innerWidth, int innerHeight,
                                  TwoColumnGrid grid = TwoColumnGrid::Wide13);

// A rectangle on a grid of gridWidth x gridHeight cells laid over a width x height area.
QRect gridRect(int width, int height, int gridWidth, int gridHeight, int x, int y, int w, int h);

} // namespace vidorev::calc
