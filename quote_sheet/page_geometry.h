#pragma once

#include <QString>

namespace zuvo::quote {

// The quote sheet is printed in page blocks of 56 rows. Page rows 1 to 8 of a block hold the
// page header, rows 9 to 42 the ruled body with the quote rows from page row 10; a block that
// the quote continues from says so with "segue..." in the amount column of page row 44.
inline constexpr int kPageRows = 56;
inline constexpr int kHeaderLastPageRow = 8;
inline constexpr int kBodyFirstPageRow = 9;
inline constexpr int kBodyLastPageRow = 42;
inline constexpr int kListFirstPageRow = 10;
inline constexpr int kContinuesPageRow = 44;
inline const QString kContinuesText = QStringLiteral("segue...");

// The first sheet row of page block `block` (1, 2, 3, ...).
constexpr int pageBlockFirstRow(int block)
{
    return kPageRows * (block - 1) + 1;
}

// The sheet row of page row `pageRow` of the block that starts at `blockFirstRow`.
constexpr int sheetRowOf(int blockFirstRow, int pageRow)
{
    return blockFirstRow + pageRow - 1;
}

} // namespace zuvo::quote
