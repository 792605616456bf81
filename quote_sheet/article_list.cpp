#include "quote_sheet/article_list.h"

namespace zuvo::quote {

QuoteRow& ArticleList::append(const QuoteRow& row)
{
    rows_.append(row);
    return rows_.last();
}

QuoteRow& ArticleList::atRow(int sheetRow)
{
    return rows_[sheetRow - firstRow_];
}

const QuoteRow& ArticleList::atRow(int sheetRow) const
{
    return rows_[sheetRow - firstRow_];
}

std::optional<int> ArticleList::lastRowWithCode(const QString& code) const
{
    for (qsizetype i = rows_.size() - 1; i >= 0; --i) {
        if (rows_[i].code == code)
            return firstRow_ + int(i);
    }
    return std::nullopt;
}

} // namespace zuvo::quote
