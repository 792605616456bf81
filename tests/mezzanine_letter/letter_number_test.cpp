#include "tests/mezzanine_letter/letter_fixture.h"

#include "common/failure.h"
#include "mezzanine_letter/letter_number.h"
#include "spreadsheet/sheet.h"
#include "tests/support/office_environment.h"

#include <QFile>

namespace zuvo::test {
namespace {

class LetterNumber : public CoveringLetter {
protected:
    void setTemplateB9(const QString& text)
    {
        sheet::Workbook workbook = office().open(templatePath());
        workbook.activeSheet().write(QStringLiteral("B9"), sheet::CellInput::of(text));
        workbook.save();
        workbook.close();
    }

    // B9, B62, B110 and B161 of the template as stored.
    QStringList templateNumbers()
    {
        sheet::Workbook workbook = office().open(templatePath());
        const sheet::Sheet page = workbook.activeSheet();
        QStringList numbers;
        for (int row : {9, 62, 110, 161})
            numbers << page.cell(row, 2).toText();
        workbook.close();
        return numbers;
    }

    double raise() { return letter::raiseLetterNumber(office(), templatePath()); }
};

TEST_F(LetterNumber, RaisedOnAllFourPagesAndSavedAtOnce)
{
    // A number stored as a text counts as that number.
    setTemplateB9(QStringLiteral("41"));
    EXPECT_EQ(raise(), 42);
    EXPECT_EQ(templateNumbers(), QStringList({"42", "42", "42", "42"}));
    EXPECT_EQ(raise(), 43);
    EXPECT_EQ(templateNumbers(), QStringList({"43", "43", "43", "43"}));
    EXPECT_FALSE(QFile::exists(templatePath() + QStringLiteral(".lock")));
}

TEST_F(LetterNumber, TextThatIsNotANumberIsRefused)
{
    setTemplateB9(QStringLiteral("N/D"));
    try {
        raise();
        ADD_FAILURE() << "the text N/D was raised";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains(QStringLiteral("B9")));
    }
    EXPECT_EQ(templateNumbers(), QStringList({"N/D", "41", "41", "41"}));
}

} // namespace
} // namespace zuvo::test
