#include "tests/mezzanine_letter/letter_fixture.h"

#include "spreadsheet/sheet.h"

namespace zuvo::test {
namespace {

const QString kStair = QStringLiteral("SCALA A GIORNO H.280 CM 14 GRADINI + 1 PIANEROTTOLO");

letter::LetterValues everyGroup()
{
    letter::LetterValues values;
    values.flgParapetti = true;
    values.flgScale = true;
    values.descScala = kStair;
    values.nScorr200 = 2;
    values.presCVV = true;
    values.qtaCVV = 6;
    values.impSoppalco = 12345.5;
    values.impParapetto = 950.25;
    values.impCancelli = 1600;
    values.impScala = 2100;
    values.importoPosa = 3000;
    values.importoOneri = 62;
    values.importoTrasporto = 150;
    values.costoDeposito = 550;
    return values;
}

TEST_F(CoveringLetter, EveryGroupPresent)
{
    const sheet::Sheet letter = fill(everyGroup());

    for (int row : {2, 55, 103, 154}) {
        EXPECT_EQ(texts(letter, 5, row, row + 2),
                  QStringList({"=ROSSI SOPPALCHI S.R.L.", "VIA DEL LAVORO 12", "20090 SEGRATE"}));
        EXPECT_TRUE(letter.cell(row, 5).isText());
    }
    EXPECT_EQ(texts(letter, 2, 80, 84),
              QStringList({"Parapetti a norma di legge come da disegno allegato",
                           "Nr.2 cancelli scorrevoli su guide da cm.200", "Nr.1 " + kStair,
                           "Nr.6 controventature verticali", ""}));
    EXPECT_EQ(texts(letter, 3, 80, 83), QStringList({"", "", "", ""}));

    EXPECT_EQ(texts(letter, 1, 112, 118),
              QStringList({"IMPORTO SOPPALCO", "", "IMPORTO SCALA", "", "IMPORTO CANCELLI", "",
                           "IMPORTO PARAPETTO"}));
    EXPECT_EQ(letter.cell(112, 3).number, 12345.5);
    EXPECT_EQ(letter.cell(114, 3).number, 2100);
    EXPECT_EQ(letter.cell(116, 3).number, 1600);
    EXPECT_EQ(letter.cell(118, 3).number, 950.25);
    for (int row : {112, 114, 116, 118})
        EXPECT_TRUE(underlined(letter, row)) << row;
    EXPECT_FALSE(underlined(letter, 113));

    EXPECT_EQ(letter.cell(120, 3).text, QStringLiteral("LISTINO"));
    EXPECT_EQ(letter.cell(124, 3).number, 3000);
    EXPECT_EQ(letter.cell(126, 3).number, 62);
    EXPECT_EQ(letter.cell(128, 3).number, 150);
    EXPECT_EQ(letter.cell(163, 3).number, 550);
}

TEST_F(CoveringLetter, NoGroupNoMezzanineAmountNoAssembly)
{
    letter::LetterValues values;
    // A safety charge without an assembly charge is still waived.
    values.importoOneri = 62;
    const sheet::Sheet letter = fill(values);

    EXPECT_EQ(texts(letter, 2, 80, 83),
              QStringList({"Parapetti", "Cancelli scorrevoli", "Scale", "Controventatura"}));
    EXPECT_EQ(texts(letter, 3, 80, 83),
              QStringList({"non presenti", "non presenti", "non presenti", "non presente"}));

    EXPECT_TRUE(letter.cell(112, 1).isEmpty());
    EXPECT_TRUE(letter.cell(112, 3).isEmpty());
    EXPECT_EQ(letter.border(112, 1, sheet::Edge::Bottom), sheet::Line::None);
    EXPECT_EQ(texts(letter, 1, 114, 118),
              QStringList({"IMPORTO SCALA", "", "IMPORTO CANCELLI", "", "IMPORTO PARAPETTO"}));
    EXPECT_EQ(texts(letter, 3, 114, 118),
              QStringList({"non presente", "", "non presenti", "", "non presente"}));
    for (int row : {114, 116, 118})
        EXPECT_TRUE(underlined(letter, row)) << row;

    EXPECT_EQ(texts(letter, 3, 124, 128), QStringList({"ESCLUSO", "", "ESCLUSI", "", "Compreso"}));
    EXPECT_EQ(letter.cell(163, 3).number, 0);
}

TEST_F(CoveringLetter, GateLinesShiftTheLinesBelow)
{
    const struct {
        int letter::LetterValues::*count;
        QString line;
    } gates[] = {
        {&letter::LetterValues::nScorr150, "Nr.3 cancelli scorrevoli su guide da cm.150"},
        {&letter::LetterValues::nScorr200, "Nr.3 cancelli scorrevoli su guide da cm.200"},
        {&letter::LetterValues::nBasc200, "Nr.3 cancelli basculanti da cm.200"},
        {&letter::LetterValues::nBasc150, "Nr.3 cancelli basculanti da cm.150"},
    };
    letter::LetterValues all;
    all.presCVV = true;
    all.qtaCVV = 100000;
    QStringList allLines = {"Parapetti"};
    for (const auto& gate : gates) {
        letter::LetterValues alone;
        alone.*gate.count = 3;
        EXPECT_EQ(texts(fill(alone), 2, 80, 83),
                  QStringList({"Parapetti", gate.line, "Scale", "Controventatura"}));
        all.*gate.count = 3;
        allLines << gate.line;
    }
    const sheet::Sheet letter = fill(all);
    EXPECT_EQ(texts(letter, 2, 80, 86),
              allLines << "Scale" << "Nr.100000 controventature verticali");
    EXPECT_EQ(texts(letter, 3, 81, 86), QStringList({"", "", "", "", "non presenti", ""}));
}

} // namespace
} // namespace zuvo::test
