#pragma once

#include "quote_sheet/article_list.h"
#include "spreadsheet/sheet.h"

#include <QString>

namespace zuvo::quote {

// The discount typed in the window: exactly one blank means no discount; any other text,
// the empty one included, is a discount of its lenient number (0 when it holds none).
struct Discount {
    bool given = true;
    double percent = 0;

    static Discount fromText(const QString& text);
};

// The R1C1 amount formula of a row: quantity x (measure x) price, less the discount.
QString amountFormula(bool byMeasure, bool discounted);

// The cells of a priced quote row, columns A to G.
sheet::CellRow quoteRowCells(const QuoteRow& row, const Discount& discount);

// Gives the measure format to column D of the rows, one call per run of adjacent rows.
void formatMeasures(sheet::Sheet& sheet, const QList<int>& measuredRows);

// Writes the articles' columns A to E (and H when a row has a sort key) and the measure
// format, in as few calls as the sheet allows.
void writeArticleRows(sheet::Sheet& sheet, const ArticleList& list);

// Sorts the list's rows (columns A to H) on one column, ascending, and reloads the list in
// the new order from the sheet.
void sortArticles(sheet::Sheet& sheet, ArticleList& list, int keyColumn);

} // namespace zuvo::quote
