#include "common/failure.h"
#include "workbook_fixture.h"

#include <QFile>
#include <QFileInfo>

namespace zuvo::test {
namespace {

using sheet::CellInput;
using sheet::RangeAddress;

using WorkbookFilesTest = WorkbookTest;

TEST_F(WorkbookFilesTest, SavedXlsxReopensWithValuesFormulasAndFormats)
{
    sheet->writeRow(10, 1, {CellInput::of(QStringLiteral("70000010")), CellInput::of(2.0),
                            CellInput::of(12.5), CellInput::formula(QStringLiteral("=RC2*RC3"))});
    sheet->setNumberFormat(RangeAddress::cell(10, 3), QStringLiteral("0.00"));
    sheet->setBold(RangeAddress::cell(10, 1), true);
    sheet->setBorder(RangeAddress::cell(10, 4), sheet::Edge::Bottom, sheet::Line::Thin);
    sheet->setGreyFill(RangeAddress::cell(10, 4));
    sheet->setPageBreakBefore(20);
    const QString file = path(QStringLiteral("offerta.xlsx"));
    book->saveAs(file);
    EXPECT_EQ(book->location(), file);
    book->close();
    book.reset();

    auto reopened = office().open(file);
    auto saved = reopened.activeSheet();
    EXPECT_TRUE(saved.cell(10, 1).isText());
    EXPECT_EQ(saved.cell(10, 1).text, "70000010");
    EXPECT_EQ(saved.formula(10, 4), "=$B10*$C10");
    EXPECT_DOUBLE_EQ(saved.cell(10, 4).number, 25);
    EXPECT_EQ(saved.displayedText(10, 3), "12.50");
    EXPECT_TRUE(saved.isBold(10, 1));
    EXPECT_EQ(saved.border(10, 4, sheet::Edge::Bottom), sheet::Line::Thin);
    EXPECT_EQ(saved.fillColour(10, 4), 0xD9D9D9u);
    EXPECT_TRUE(saved.hasPageBreakBefore(20));
    reopened.close();
}

TEST_F(WorkbookFilesTest, SaveWritesBackToTheOpenedFile)
{
    const QString file = path(QStringLiteral("listino.xlsx"));
    book->saveAs(file);
    auto opened = office().open(file);
    opened.activeSheet().write(1, 1, CellInput::of(7.0));
    opened.save();
    opened.close();

    auto again = office().open(file);
    EXPECT_DOUBLE_EQ(again.activeSheet().cell(1, 1).number, 7);
    again.close();
}

TEST_F(WorkbookFilesTest, CopyOfATemplateNeverOverwritesIt)
{
    sheet->write(1, 1, CellInput::of(QStringLiteral("modello")));
    const QString templateFile = path(QStringLiteral("modello.xlsx"));
    book->saveAs(templateFile);

    auto copy = office().openCopyOf(templateFile);
    EXPECT_EQ(copy.location(), "");
    EXPECT_EQ(copy.activeSheet().cell(1, 1).text, "modello");
    copy.activeSheet().write(1, 1, CellInput::of(QStringLiteral("offerta")));
    EXPECT_THROW(copy.save(), Failure);
    copy.saveAs(path(QStringLiteral("offerta.xlsx")));
    copy.close();

    auto original = office().open(templateFile);
    EXPECT_EQ(original.activeSheet().cell(1, 1).text, "modello");
    original.close();
}

TEST_F(WorkbookFilesTest, ImportedSheetKeepsContentAndFormatsUnderItsNewName)
{
    sheet->rename(QStringLiteral("Offerta"));
    auto source = office().create();
    auto conditions = source.activeSheet();
    conditions.rename(QStringLiteral("Condizioni"));
    conditions.write(2, 2, CellInput::of(QStringLiteral("Pagamento a 30 giorni")));
    conditions.setItalic(RangeAddress::cell(2, 2), true);

    auto imported = book->importSheet(source, QStringLiteral("Condizioni"), QStringLiteral("Offerta"),
                                      QStringLiteral("Condizioni generali"));
    source.close();

    EXPECT_EQ(imported.name(), "Condizioni generali");
    auto found = book->sheet(QStringLiteral("Condizioni generali"));
    EXPECT_EQ(found.cell(2, 2).text, "Pagamento a 30 giorni");
    EXPECT_TRUE(found.isItalic(2, 2));
}

TEST_F(WorkbookFilesTest, MissingFilesAndSheetsAreReported)
{
    EXPECT_THROW(office().open(path(QStringLiteral("manca.xlsx"))), Failure);
    EXPECT_THROW(office().openCopyOf(path(QStringLiteral("manca.xlsx"))), Failure);
    auto source = office().create();
    EXPECT_THROW(book->importSheet(source, QStringLiteral("Manca"), sheet->name(), QStringLiteral("X")),
                 Failure);
    source.close();
    EXPECT_THROW(book->saveAs(path(QStringLiteral("manca/offerta.xlsx"))), Failure);
}

// An office lock that names no one keeps the office from opening the file: the refusal says so.
TEST_F(WorkbookFilesTest, AFileTheOfficeRefusesIsToldWithWhatIsKnownOfIt)
{
    const QString file = path(QStringLiteral("listino.xlsx"));
    book->saveAs(file);
    book->close();
    book.reset();
    QFile lock(path(QStringLiteral(".~lock.listino.xlsx#")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();
    try {
        office().open(file);
        ADD_FAILURE() << "the office opened it";
    } catch (const Failure& refusal) {
        EXPECT_TRUE(refusal.message().contains(QStringLiteral(
            "il file di blocco \".~lock.listino.xlsx#\" di LibreOffice, che non indica chi lo tiene")))
            << refusal.what();
    }
}

} // namespace
} // namespace zuvo::test
