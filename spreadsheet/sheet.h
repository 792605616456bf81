#pragma once

#include "spreadsheet/cell.h"
#include "spreadsheet/clip.h"
#include "spreadsheet/format.h"

#include <QString>
#include <memory>

namespace zuvo::sheet {

// One worksheet of an open workbook. A cheap handle: copies refer to the same sheet.
// Every operation throws zuvo::Failure with an Italian message when the office fails.
class Sheet {
public:
    struct Impl;
    explicit Sheet(std::shared_ptr<Impl> impl);

    QString name() const;
    void rename(const QString& name);
    // How many columns the office gives a sheet (16384 in LibreOffice 7.4 Calc, A to XFD).
    int columnCount() const;

    // Cells. Reading gives the computed value of a formula.
    Cell cell(int row, int column) const;
    Cell cell(const QString& a1) const;
    QList<QList<Cell>> cells(const RangeAddress& range) const;
    // The formula of a cell in A1 notation as the office shows it ("=$C10*$E10"), "" if none.
    QString formula(int row, int column) const;

    void write(int row, int column, const CellInput& input);
    void write(const QString& a1, const CellInput& input);
    // Writes consecutive cells of one row in one call.
    void writeRow(int row, int firstColumn, const CellRow& inputs);
    // Writes a rectangular block (all rows the same length) in one call.
    void writeBlock(int firstRow, int firstColumn, const QList<CellRow>& rows);

    // Formats of a range.
    void setNumberFormat(const RangeAddress& range, const QString& format);
    QString numberFormat(int row, int column) const;
    void setBold(const RangeAddress& range, bool bold);
    void setItalic(const RangeAddress& range, bool italic);
    void setFont(const RangeAddress& range, const QString& name, double size);
    // Plain characters: no underline, strikethrough, outline or shadow, and the automatic
    // (black) colour. (A whole cell has no superscript or subscript to clear.)
    void setPlainCharacters(const RangeAddress& range);
    void setHorizontalAlignment(const RangeAddress& range, HorizontalAlignment alignment);
    void setBorder(const RangeAddress& range, Edge edge, Line line);
    // The grey fill of boxes: white darkened by 15 %.
    void setGreyFill(const RangeAddress& range);

    // Read-back of formats, for checks.
    // The cell's content as the office displays it with its number format ("12.50").
    QString displayedText(int row, int column) const;
    bool isBold(int row, int column) const;
    bool isItalic(int row, int column) const;
    QString fontName(int row, int column) const;
    double fontSize(int row, int column) const;
    // An inside edge reads as the cell's own right (vertical) or bottom (horizontal) line.
    Line border(int row, int column, Edge edge) const;
    unsigned fillColour(int row, int column) const; // 0xRRGGBB, 0xFFFFFFFF when none
    bool isStruckThrough(int row, int column) const;
    // The printed page's left margin, in cm.
    double leftMargin() const;

    // Sorts the rows of the range ascending on one column of the sheet, case-insensitive,
    // without header row. Formulas referring to their own row move with it.
    void sortRows(const RangeAddress& range, int keyColumn);
    // Copies cells with their formats; the clip stays pasteable after its workbook closes.
    Clip copy(const RangeAddress& range) const;
    // Pastes a clip with its top-left cell at (row, column), formats included.
    void paste(const Clip& clip, int row, int column);
    // Cut and paste: moves cells with their formats; references to moved cells follow them.
    void move(const RangeAddress& range, int toRow, int toColumn);
    // Copies whole rows, formats included, within this sheet.
    void copyRows(int firstRow, int lastRow, int toRow);
    void deleteRows(int firstRow, int count);
    void insertRows(int beforeRow, int count);
    void clearContents(const RangeAddress& range);
    void setPageBreakBefore(int row);
    bool hasPageBreakBefore(int row) const;

private:
    friend class Workbook;
    std::shared_ptr<Impl> impl_;
};

} // namespace zuvo::sheet
