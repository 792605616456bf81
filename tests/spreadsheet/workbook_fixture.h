#pragma once

#include "spreadsheet/office.h"
#include "tests/support/office_environment.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zuvo::test {

// A new workbook in the shared office, closed after the test, and a folder for its files.
class WorkbookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        book.emplace(office().create());
        sheet.emplace(book->activeSheet());
    }

    void TearDown() override
    {
        if (book)
            book->close();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    std::optional<sheet::Workbook> book;
    std::optional<sheet::Sheet> sheet;
};

} // namespace zuvo::test
