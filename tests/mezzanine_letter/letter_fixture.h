#pragma once

#include "mezzanine_letter/letter_values.h"
#include "quote_sheet/customer_header.h"
#include "spreadsheet/workbook.h"
#include "tests/support/quote_run.h"
#include "tests/support/temp_data_folder.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace zuvo::test {

// Covering letters filled on copies of the sample template "MemSopp.xlsx" of a fresh data
// folder, through the shared test office.
class CoveringLetter : public ::testing::Test {
protected:
    void TearDown() override;

    // Replaces the folder's technical data file with the lines, each ended by CR LF.
    void writeTechnicalFile(const QStringList& lines);
    // A letter for customer(), from the folder's technical data file and the
    // values; it stays open until the end of the test.
    sheet::Sheet fill(const letter::LetterValues& values);
    // The texts of one column from row `first` to row `last`.
    static QStringList texts(const sheet::Sheet& letter, int column, int first, int last);
    // True when row's columns A to C are underlined and D is not.
    static bool underlined(const sheet::Sheet& letter, int row);

    static quote::Customer customer();
    QString templatePath() const;

    TempDataFolder folder;

private:
    QList<sheet::Workbook> letters_;
};

} // namespace zuvo::test
