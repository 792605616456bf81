#pragma once

#include "quote_sheet/quote_row.h"

#include <QList>
#include <QString>

namespace zuvo::mezzanine {

// What a total row adds up in the amount column.
struct AmountSum {
    enum class Form {
        // The rows from `first` to two rows above the total, counted from the total's row:
        // "=SUM(R[-4]C:R[-2]C)".
        Above,
        // The same range, anchored at the sheet row `first`: "=SUM(R10C:R[-2]C)".
        FromRow,
        // The rows listed, by their sheet rows: "=SUM(R19C7,R25C7)".
        Rows,
    };
    Form form = Form::Above;
    int first = 0;
    QList<int> rows;
};

// One row of the cost sheet's body, from the article list down to the fee's note.
struct BodyLine {
    enum class Kind { Blank, Article, Total, Fee, Note };
    Kind kind = Kind::Blank;
    quote::QuoteRow article;  // Article
    QString label;            // Total, Fee, Note
    AmountSum sum;            // Total
    double fee = 0;           // Fee

    static BodyLine blank() { return {}; }
    static BodyLine articleRow(const quote::QuoteRow& row);
    static BodyLine total(const QString& label, const AmountSum& sum);
    static BodyLine feeRow(const QString& label, double fee);
    static BodyLine note(const QString& text);
};

// The body of the cost sheet, built in memory by the groups, totals and fee, one line per
// row from the first list row down, as if the sheet had no page breaks; the page layout
// writes it in one go. Row numbers here are such body rows until the layout places them.
struct CostSheetBody {
    int firstRow = 10;
    QList<BodyLine> lines;
    // One past the last row that the sorted list took on the sheet: rows the body no longer
    // fills up to there are emptied when it is written.
    int sheetListEnd = 10;

    // The last mezzanine total, the fee's note, and the next row to use.
    int rigaTotComplessivo = 0;
    int rigaProve = 0;
    int rigaGruppo = 0;

    // One past the last line's row.
    int endRow() const { return firstRow + int(lines.size()); }
    // Appends a line; returns its row.
    int append(const BodyLine& line);
    BodyLine& at(int row) { return lines[row - firstRow]; }
    const BodyLine& at(int row) const { return lines[row - firstRow]; }
};

} // namespace zuvo::mezzanine
