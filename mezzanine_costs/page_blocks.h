#pragma once

namespace zuvo::mezzanine {

// Where the body of a cost sheet lands on the 56-row page blocks. A body whose fee note stands
// at row 46 or above closes on the first page. A longer one continues: the first block keeps
// its rows up to 42, and every further block takes the next 33 body rows at its page rows 10
// to 42; the last block may also hold the note at page row 43.
class PageBlocks {
public:
    // The blocks for a body whose last row, the fee's note, is `noteRow`.
    static PageBlocks forNoteRow(int noteRow);

    int count() const { return count_; }
    bool continues() const { return count_ > 1; }
    // The sheet row of a body row.
    int sheetRow(int bodyRow) const;
    // The row of the document total's label: 48 on one page, else page row 44 of the last block.
    int documentTotalRow() const;
    int lastBlockFirstRow() const;

private:
    explicit PageBlocks(int count) : count_(count) {}
    int count_;
};

} // namespace zuvo::mezzanine
