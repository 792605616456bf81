#pragma once

#include "quote_sheet/quote_row.h"

#include <QList>

namespace zuvo::quote {

// The article list of a quote sheet, kept in memory while it is built and written to the
// sheet in one go. Row numbers are the sheet's: the first article sits on firstRow().
class ArticleList {
public:
    explicit ArticleList(int firstRow = 10) : firstRow_(firstRow) {}

    int firstRow() const { return firstRow_; }
    // One past the last article's row.
    int endRow() const { return firstRow_ + int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    qsizetype size() const { return rows_.size(); }

    QuoteRow& append(const QuoteRow& row);
    const QuoteRow& atRow(int sheetRow) const;
    QuoteRow& last() { return rows_.last(); }

    const QList<QuoteRow>& rows() const { return rows_; }
    QList<QuoteRow>& rows() { return rows_; }

private:
    int firstRow_;
    QList<QuoteRow> rows_;
};

} // namespace zuvo::quote
