#pragma once

#include "database/price_list.h"
#include "order_reading/article_lookup.h"
#include "order_reading/order_file.h"
#include "quote_sheet/accessory_walk.h"
#include "quote_sheet/quote_row.h"
#include "quote_sheet/row_by_code.h"

#include <QList>
#include <optional>

namespace zuvo::racking {

// The order line being handled, with its measure in metres and what its lookup found.
struct CurrentLine {
    QString codice;
    QString campoMisura;   // the measure field as it stands: stairs pack their data in it
    double lunghezza = 0;  // metres, rounded to two decimals
    double quantita = 0;
    quote::Article article;
};

// One family's article list while its order lines are read, kept in memory: the current
// line's base row is always the last row, rules add rows below it or remove it.
class FamilyList {
public:
    explicit FamilyList(const db::PriceList& priceList) : priceList_(priceList) {}

    const QList<quote::QuoteRow>& rows() const { return rows_; }
    QList<quote::QuoteRow>& rows() { return rows_; }
    const CurrentLine& line() const { return line_; }

    // Looks the line's code up and appends its base row.
    void addLine(const quote::OrderLine& order);

    // The index of the last row in `range` with exactly this code.
    std::optional<qsizetype> search(const QString& code, quote::SearchRange range) const;
    // The current line's row, while no rule has added rows below it.
    quote::QuoteRow& currentRow() { return rows_.last(); }
    // Removes the current line's row.
    void deleteLine();
    // Appends a per-piece row for a code with its price-list description, price and sort key.
    void newRow(const QString& code, double quantity);
    // Writes such a row over the current line's row.
    void replaceLine(const QString& code, double quantity);
    // Gives the last row of `code` (the current line's row included) its new quantity, or
    // appends a row of the code with the quantity of a new row; an empty code adds nothing.
    void addToRow(const QString& code, const quote::RowQuantity& quantity);
    // Adds or increases a row for each of the article's accessories, up to the first count
    // of 0, skipping those without a code.
    void expandAccessories(const quote::AccessoryQuantity& quantity);
    // Adds or increases the row of accessory `element` alone by its count x the quantity,
    // a count of 0 included; nothing when the code is empty.
    void addAccessory(int element);
    // Folds the line's metres into the last earlier row of `target`, or turns the line's
    // row into a metre run of its own: quantity 1, the metres in the measure column. A line
    // without a length, or a target row without metres, keeps its per-piece row.
    void mergeMetreRun(const QString& target);

private:
    quote::QuoteRow lookedUpRow(const QString& code, double quantity);

    const db::PriceList& priceList_;
    QList<quote::QuoteRow> rows_;
    CurrentLine line_;
    // The sort key a new row takes: the N6 of the last code found in the price list.
    double sortKey_ = 0;
};

} // namespace zuvo::racking
