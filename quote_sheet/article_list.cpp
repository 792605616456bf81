#include "quote_sheet/article_list.h"

namespace zuvo::quote {

QuoteRow& ArticleList::append(const QuoteRow& row)
{
    rows_.append(row);
    return rows_.last();
}

const QuoteRow& ArticleList::atRow(int sheetRow) const
{
    return rows_[sheetRow - firstRow_];
}

} // namespace zuvo::quote
