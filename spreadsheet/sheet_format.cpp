#include "spreadsheet/sheet.h"

#include "spreadsheet/impl.h"

#include <com/sun/star/awt/FontSlant.hpp>
#include <com/sun/star/awt/FontStrikeout.hpp>
#include <com/sun/star/awt/FontUnderline.hpp>
#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>
#include <com/sun/star/table/CellHoriJustify.hpp>
#include <com/sun/star/table/TableBorder2.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/util/XNumberFormats.hpp>
#include <com/sun/star/util/XNumberFormatsSupplier.hpp>

namespace zuvo::sheet {
namespace {

using css::table::BorderLine2;

// 0.75 pt, the office's "thin" line, which .xlsx keeps as a thin border.
constexpr sal_uInt32 thinWidth = 26;
constexpr sal_Int32 greyFill = 0xD9D9D9;

// Format codes are written the English way ("0.00", "$ #,##0.00") whatever the locale of
// the document, so they are looked up and added in en-US.
const css::lang::Locale formatLocale("en", "US", "");

Reference<css::util::XNumberFormats> numberFormats(const Sheet::Impl& impl)
{
    Reference<css::util::XNumberFormatsSupplier> supplier(impl.book->document, UNO_QUERY_THROW);
    return supplier->getNumberFormats();
}

BorderLine2 borderLine(Line line)
{
    BorderLine2 border;
    if (line == Line::Thin) {
        border.Color = 0;
        border.OuterLineWidth = thinWidth;
        border.LineWidth = thinWidth;
        border.LineStyle = css::table::BorderLineStyle::SOLID;
    } else {
        border.LineStyle = css::table::BorderLineStyle::NONE;
    }
    return border;
}

// A table border in which only the chosen edge is marked valid, so the others stay as they are.
css::table::TableBorder2 tableBorder(Edge edge, Line line)
{
    css::table::TableBorder2 border;
    const BorderLine2 value = borderLine(line);
    switch (edge) {
    case Edge::Left:
        border.LeftLine = value;
        border.IsLeftLineValid = true;
        break;
    case Edge::Top:
        border.TopLine = value;
        border.IsTopLineValid = true;
        break;
    case Edge::Bottom:
        border.BottomLine = value;
        border.IsBottomLineValid = true;
        break;
    case Edge::Right:
        border.RightLine = value;
        border.IsRightLineValid = true;
        break;
    case Edge::InsideVertical:
        border.VerticalLine = value;
        border.IsVerticalLineValid = true;
        break;
    case Edge::InsideHorizontal:
        border.HorizontalLine = value;
        border.IsHorizontalLineValid = true;
        break;
    case Edge::DiagonalDown:
    case Edge::DiagonalUp:
        break;
    }
    return border;
}

// The cell property that shows an edge; an inside line is the one on the cell's right or
// bottom side.
const char* cellBorderProperty(Edge edge)
{
    switch (edge) {
    case Edge::Left:
        return "LeftBorder2";
    case Edge::Top:
        return "TopBorder2";
    case Edge::Bottom:
    case Edge::InsideHorizontal:
        return "BottomBorder2";
    case Edge::Right:
    case Edge::InsideVertical:
        return "RightBorder2";
    case Edge::DiagonalDown:
        return "DiagonalTLBR2";
    case Edge::DiagonalUp:
        return "DiagonalBLTR2";
    }
    return "";
}

} // namespace

void Sheet::setNumberFormat(const RangeAddress& range, const QString& format)
{
    const QString doing = QStringLiteral("impostare il formato \"%1\" su %2").arg(format, rangeName(range));
    guarded(impl_->link(), doing, [&] {
        auto formats = numberFormats(*impl_);
        sal_Int32 key = formats->queryKey(toOUString(format), formatLocale, false);
        if (key < 0)
            key = formats->addNew(toOUString(format), formatLocale);
        setProperty(impl_->rangeAt(range), "NumberFormat", Any(key));
    });
}

QString Sheet::numberFormat(int row, int column) const
{
    const QString doing = QStringLiteral("leggere il formato della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        const auto key = property<sal_Int32>(impl_->cellAt(row, column), "NumberFormat");
        return toQString(property<OUString>(numberFormats(*impl_)->getByKey(key), "FormatString"));
    });
}

void Sheet::setBold(const RangeAddress& range, bool bold)
{
    const QString doing = QStringLiteral("impostare il grassetto su %1").arg(rangeName(range));
    guarded(impl_->link(), doing, [&] {
        const float weight = bold ? css::awt::FontWeight::BOLD : css::awt::FontWeight::NORMAL;
        setProperty(impl_->rangeAt(range), "CharWeight", Any(weight));
    });
}

void Sheet::setItalic(const RangeAddress& range, bool italic)
{
    guarded(impl_->link(), QStringLiteral("impostare il corsivo su %1").arg(rangeName(range)), [&] {
        setProperty(impl_->rangeAt(range), "CharPosture",
                    Any(italic ? css::awt::FontSlant_ITALIC : css::awt::FontSlant_NONE));
    });
}

void Sheet::setFont(const RangeAddress& range, const QString& name, double size)
{
    const QString doing = QStringLiteral("impostare il carattere su %1").arg(rangeName(range));
    guarded(impl_->link(), doing, [&] {
        auto cells = impl_->rangeAt(range);
        setProperty(cells, "CharFontName", Any(toOUString(name)));
        setProperty(cells, "CharHeight", Any(static_cast<float>(size)));
    });
}

void Sheet::setPlainCharacters(const RangeAddress& range)
{
    const QString doing = QStringLiteral("togliere gli effetti del carattere da %1").arg(rangeName(range));
    guarded(impl_->link(), doing, [&] {
        auto cells = impl_->rangeAt(range);
        setProperty(cells, "CharUnderline", Any(css::awt::FontUnderline::NONE));
        setProperty(cells, "CharStrikeout", Any(css::awt::FontStrikeout::NONE));
        setProperty(cells, "CharContoured", Any(false));
        setProperty(cells, "CharShadowed", Any(false));
        setProperty(cells, "CharColor", Any(sal_Int32(-1)));  // automatic
    });
}

void Sheet::setHorizontalAlignment(const RangeAddress& range, HorizontalAlignment alignment)
{
    guarded(impl_->link(), QStringLiteral("allineare %1").arg(rangeName(range)), [&] {
        setProperty(impl_->rangeAt(range), "HoriJustify",
                    Any(alignment == HorizontalAlignment::Left ? css::table::CellHoriJustify_LEFT
                                                               : css::table::CellHoriJustify_RIGHT));
    });
}

void Sheet::setBorder(const RangeAddress& range, Edge edge, Line line)
{
    guarded(impl_->link(), QStringLiteral("impostare un bordo su %1").arg(rangeName(range)), [&] {
        auto cells = impl_->rangeAt(range);
        if (edge == Edge::DiagonalDown || edge == Edge::DiagonalUp)
            setProperty(cells, cellBorderProperty(edge), Any(borderLine(line)));
        else
            setProperty(cells, "TableBorder2", Any(tableBorder(edge, line)));
    });
}

void Sheet::setGreyFill(const RangeAddress& range)
{
    const QString doing = QStringLiteral("impostare lo sfondo grigio su %1").arg(rangeName(range));
    guarded(impl_->link(), doing, [&] {
        auto cells = impl_->rangeAt(range);
        setProperty(cells, "IsCellBackgroundTransparent", Any(false));
        setProperty(cells, "CellBackColor", Any(greyFill));
    });
}

QString Sheet::displayedText(int row, int column) const
{
    const QString doing = QStringLiteral("leggere la cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        return toQString(Reference<css::text::XText>(impl_->cellAt(row, column), UNO_QUERY_THROW)->getString());
    });
}

bool Sheet::isBold(int row, int column) const
{
    const QString doing = QStringLiteral("leggere il carattere della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        return property<float>(impl_->cellAt(row, column), "CharWeight") >= css::awt::FontWeight::BOLD;
    });
}

bool Sheet::isItalic(int row, int column) const
{
    const QString doing = QStringLiteral("leggere il carattere della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        return property<css::awt::FontSlant>(impl_->cellAt(row, column), "CharPosture")
            == css::awt::FontSlant_ITALIC;
    });
}

bool Sheet::isStruckThrough(int row, int column) const
{
    const QString doing = QStringLiteral("leggere il carattere della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        return property<sal_Int16>(impl_->cellAt(row, column), "CharStrikeout")
            != css::awt::FontStrikeout::NONE;
    });
}

QString Sheet::fontName(int row, int column) const
{
    const QString doing = QStringLiteral("leggere il carattere della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        return toQString(property<OUString>(impl_->cellAt(row, column), "CharFontName"));
    });
}

double Sheet::fontSize(int row, int column) const
{
    const QString doing = QStringLiteral("leggere il carattere della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        return static_cast<double>(property<float>(impl_->cellAt(row, column), "CharHeight"));
    });
}

Line Sheet::border(int row, int column, Edge edge) const
{
    const QString doing = QStringLiteral("leggere i bordi della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        const auto line = property<BorderLine2>(impl_->cellAt(row, column), cellBorderProperty(edge));
        const bool drawn = line.LineStyle != css::table::BorderLineStyle::NONE
            && (line.LineWidth > 0 || line.OuterLineWidth > 0);
        return drawn ? Line::Thin : Line::None;
    });
}

unsigned Sheet::fillColour(int row, int column) const
{
    const QString doing = QStringLiteral("leggere lo sfondo della cella %1").arg(cellName(row, column));
    return guarded(impl_->link(), doing, [&] {
        auto cell = impl_->cellAt(row, column);
        if (property<bool>(cell, "IsCellBackgroundTransparent"))
            return 0xFFFFFFFFu;
        return static_cast<unsigned>(property<sal_Int32>(cell, "CellBackColor")) & 0xFFFFFFu;
    });
}

} // namespace zuvo::sheet
