#include "tests/mezzanine_letter/letter_fixture.h"

#include "common/failure.h"
#include "mezzanine_letter/technical_data.h"
#include "spreadsheet/sheet.h"

namespace zuvo::test {
namespace {

const QString kTemplateDeckLine =
    QStringLiteral("Piano di calpestio in lamiera grecata o in grigliato elettrosaldato,");

// A line of the technical data file: a label and the eight characters of the value.
QString line(const char* value)
{
    return QStringLiteral("VALORE TECNICO                   ") + QLatin1String(value);
}

TEST_F(CoveringLetter, DeckOf38AndAbsentRailingHeight)
{
    QStringList lines = {line("00000120"), line("00000250"), line("      35"), line("     3.5"),
                         line("       0"), line("00000038")};
    // Lines after the sixth never reach the letter, whatever they hold.
    lines << line("00040000") << line("99999999") << line("-9999999");
    writeTechnicalFile(lines);
    const sheet::Sheet letter = fill({});

    EXPECT_EQ(texts(letter, 3, 71, 79),
              QStringList({"120", "250", "35", "4", "", "", "", "non presente", "38"}));
    EXPECT_TRUE(letter.cell(71, 3).isNumber());
    EXPECT_EQ(texts(letter, 2, 75, 77),
              QStringList({"TRUCIOLARE DECK38 - Reazione al fuoco Classe 1 - Finitura superficie",
                           "superiore grigio antiscivolo, fresato maschio/femmina sui 4 lati",
                           " "}));
}

TEST_F(CoveringLetter, OtherDeckKeepsTheTemplateTextAndHalvesGoToEven)
{
    writeTechnicalFile({line("00000120"), line("00000250"), line("    12.5"), line("    13.5"),
                        line("00001100"), line("00000040")});
    const sheet::Sheet letter = fill({});

    EXPECT_EQ(texts(letter, 3, 73, 79), QStringList({"12", "14", "", "", "", "1100", "40"}));
    EXPECT_EQ(letter.cell(75, 2).text, kTemplateDeckLine);
    EXPECT_TRUE(letter.cell(77, 2).isEmpty());
}

TEST_F(CoveringLetter, ShortTechnicalFileLeavesTheRestAbsent)
{
    writeTechnicalFile({line("00000120"), QStringLiteral("250")});
    const sheet::Sheet letter = fill({});

    EXPECT_EQ(texts(letter, 3, 71, 79),
              QStringList({"120", "250", "0", "0", "", "", "", "non presente", "non presente"}));
    EXPECT_EQ(letter.cell(75, 2).text, kTemplateDeckLine);
}

TEST_F(CoveringLetter, TechnicalValueOutsideSixteenBitsIsRefusedNamingItsLine)
{
    writeTechnicalFile({line("00000120"), line("00000250"), line("00000500"), line("00000012"),
                        line("00040000"), line("00000038")});
    try {
        letter::readTechnicalData(folder.file(QStringLiteral("dtec.txt")));
        ADD_FAILURE() << "the value 40000 was accepted";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains(QStringLiteral("\"dtec.txt\", riga 5")))
            << failure.message().toStdString();
    }
}

} // namespace
} // namespace zuvo::test
