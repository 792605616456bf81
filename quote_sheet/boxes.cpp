#include "quote_sheet/boxes.h"

namespace zuvo::quote {

using sheet::Edge;
using sheet::Line;

void frameRange(sheet::Sheet& sheet, const sheet::RangeAddress& range)
{
    for (Edge edge : {Edge::Left, Edge::Top, Edge::Bottom, Edge::Right})
        sheet.setBorder(range, edge, Line::Thin);
}

void greyBox(sheet::Sheet& sheet, const sheet::RangeAddress& range)
{
    frameRange(sheet, range);
    sheet.setGreyFill(range);
}

// Side by side, the columns' own boxes share their vertical lines, so the whole range takes
// one frame and its inside vertical lines.
void columnBoxes(sheet::Sheet& sheet, const sheet::RangeAddress& range)
{
    sheet.setBorder(range, Edge::DiagonalDown, Line::None);
    sheet.setBorder(range, Edge::DiagonalUp, Line::None);
    frameRange(sheet, range);
    sheet.setBorder(range, Edge::InsideVertical, Line::Thin);
    sheet.setBorder(range, Edge::InsideHorizontal, Line::None);
}

void clearBorders(sheet::Sheet& sheet, const sheet::RangeAddress& range)
{
    for (Edge edge : {Edge::DiagonalDown, Edge::DiagonalUp, Edge::Left, Edge::Top, Edge::Bottom,
                      Edge::Right, Edge::InsideVertical, Edge::InsideHorizontal})
        sheet.setBorder(range, edge, Line::None);
}

} // namespace zuvo::quote
