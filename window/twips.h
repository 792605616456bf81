#pragma once

#include <QRect>

namespace zuvo::window {

// The window design is measured in twips; on screen 15 twips make one pixel.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace zuvo::window
