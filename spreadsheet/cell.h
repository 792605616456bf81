#pragma once

#include <QList>
#include <QString>

namespace zuvo::sheet {

// A cell's content as read back: empty, a number or a text. For a formula cell it is the
// computed result.
struct Cell {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    QString text;

    bool isEmpty() const { return kind == Kind::Empty; }
    bool isNumber() const { return kind == Kind::Number; }
    bool isText() const { return kind == Kind::Text; }
    // The number, or 0 for an empty cell or a text.
    double toNumber() const { return isNumber() ? number : 0; }
    // The text as the cell shows it plainly: a number in its shortest form, "" when empty.
    QString toText() const;
};

// What to write into a cell, each kind on purpose: a text is never coerced into a number.
struct CellInput {
    enum class Kind { Nothing, Number, Text, FormulaR1C1 };
    Kind kind = Kind::Nothing;
    double number = 0;
    QString text;

    static CellInput nothing() { return {}; }
    static CellInput of(double value) { return {Kind::Number, value, {}}; }
    static CellInput of(const QString& value) { return {Kind::Text, 0, value}; }
    static CellInput formula(const QString& r1c1) { return {Kind::FormulaR1C1, 0, r1c1}; }
    // Like a cell's Value: a text starting with "=" is an R1C1 formula, any other a text.
    static CellInput value(const QString& text);
};

using CellRow = QList<CellInput>;

// Rows and columns count from 1 (A = 1).
struct RangeAddress {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    static RangeAddress cell(int row, int column) { return {row, column, row, column}; }
    static RangeAddress rows(int firstRow, int lastRow, int firstColumn, int lastColumn)
    {
        return {firstRow, firstColumn, lastRow, lastColumn};
    }
    // "B2" or "A1:G165"; throws zuvo::Failure on a malformed name.
    static RangeAddress parse(const QString& a1);
    int rowCount() const { return lastRow - firstRow + 1; }
    int columnCount() const { return lastColumn - firstColumn + 1; }
};

} // namespace zuvo::sheet
