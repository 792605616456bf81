#include "tests/mezzanine_letter/letter_fixture.h"

#include "mezzanine_letter/letter_fill.h"
#include "mezzanine_letter/technical_data.h"
#include "tests/support/office_environment.h"

#include <QFile>

namespace zuvo::test {

void CoveringLetter::TearDown()
{
    for (sheet::Workbook& letter : letters_)
        letter.close();
}

void CoveringLetter::writeTechnicalFile(const QStringList& lines)
{
    QFile file(folder.file(QStringLiteral("dtec.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (const QString& line : lines)
        file.write(line.toLatin1() + "\r\n");
}

sheet::Sheet CoveringLetter::fill(const letter::LetterValues& values)
{
    const letter::TechnicalData datiTecnici =
        letter::readTechnicalData(folder.file(QStringLiteral("dtec.txt"))).content;
    letters_.append(office().openCopyOf(templatePath()));
    sheet::Sheet letter = letters_.last().activeSheet();
    letter::fillLetter(letter, customer(), datiTecnici, values);
    return letter;
}

QStringList CoveringLetter::texts(const sheet::Sheet& letter, int column, int first, int last)
{
    QStringList texts;
    for (const auto& row : letter.cells(sheet::RangeAddress::rows(first, last, column, column)))
        texts << row.first().toText();
    return texts;
}

bool CoveringLetter::underlined(const sheet::Sheet& letter, int row)
{
    using sheet::Edge;
    using sheet::Line;
    return letter.border(row, 1, Edge::Bottom) == Line::Thin
           && letter.border(row, 2, Edge::Bottom) == Line::Thin
           && letter.border(row, 3, Edge::Bottom) == Line::Thin
           && letter.border(row, 4, Edge::Bottom) == Line::None;
}

quote::Customer CoveringLetter::customer()
{
    // A name that looks like a formula must stay a name.
    return {QStringLiteral("=ROSSI SOPPALCHI S.R.L."), QStringLiteral("VIA DEL LAVORO 12"),
            QStringLiteral("20090"), QStringLiteral("SEGRATE"), QStringLiteral("MI")};
}

QString CoveringLetter::templatePath() const
{
    return folder.file(QStringLiteral("MemSopp.xlsx"));
}

} // namespace zuvo::test
