#pragma once

namespace zuvo::sheet {

enum class HorizontalAlignment { Left, Right };

// The border lines of a range that can be set one by one.
enum class Edge {
    Left,
    Top,
    Bottom,
    Right,
    InsideVertical,
    InsideHorizontal,
    DiagonalDown,
    DiagonalUp,
};

// A border is either absent or a thin continuous line in the automatic (black) colour.
enum class Line { None, Thin };

} // namespace zuvo::sheet
