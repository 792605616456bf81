#pragma once

#include "database/price_list.h"
#include "mezzanine_letter/scratch_quote_sheet.h"
#include "spreadsheet/workbook.h"
#include "tests/support/quote_run.h"
#include "tests/support/temp_data_folder.h"

#include <gtest/gtest.h>
#include <optional>

namespace zuvo::test {

// A scratch quote sheet, an untitled copy of the sample template, filled from order lines
// against the sample price list; closed unsaved at the end of the test.
class ScratchSheetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // An order line: the code, the eight-character measure field and the quantity.
    static quote::OrderLine orderLine(const QString& code, const QString& field, double quantity);
    // A request for the customer "=ROSSI & FIGLI" of MILANO with the three boxes as given.
    static quote::QuoteRequest request(const QString& sconto, const QString& trasporto,
                                       const QString& montaggio);

    letter::LetterValues fill(const QList<quote::OrderLine>& orders, const quote::QuoteRequest& request);
    sheet::Sheet scratch() const { return scratch_->activeSheet(); }
    QString text(int row, int column) const { return scratch().cell(row, column).text; }
    double number(int row, int column) const { return scratch().cell(row, column).toNumber(); }
    // Expects a total row: its bold label and its bold amount written as a number.
    void expectTotal(int row, const QString& label, double amount) const;

    TempDataFolder folder;

private:
    db::PriceList priceList_;
    std::optional<sheet::Workbook> scratch_;
};

} // namespace zuvo::test
