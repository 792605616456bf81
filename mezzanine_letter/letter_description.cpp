#include "mezzanine_letter/letter_description.h"

#include <algorithm>

namespace zuvo::letter {

namespace {

using sheet::CellInput;

// The description area: a text in column B, the words for an absent item beside it in C.
class DescriptionLines {
public:
    explicit DescriptionLines(sheet::Sheet& letter) : letter_(letter) {}

    void present(const QString& text)
    {
        letter_.write(rigaLettera_++, 2, CellInput::of(text));
    }

    void absent(const QString& item, const QString& words)
    {
        letter_.writeRow(rigaLettera_++, 2, {CellInput::of(item), CellInput::of(words)});
    }

private:
    sheet::Sheet& letter_;
    int rigaLettera_ = 80;
};

QString counted(const QString& count, const char* what)
{
    return QStringLiteral("Nr.") + count + QLatin1String(what);
}

void writeGates(DescriptionLines& lines, const LetterValues& values)
{
    const struct {
        int count;
        const char* what;
    } gates[] = {
        {values.nScorr150, " cancelli scorrevoli su guide da cm.150"},
        {values.nScorr200, " cancelli scorrevoli su guide da cm.200"},
        {values.nBasc200, " cancelli basculanti da cm.200"},
        {values.nBasc150, " cancelli basculanti da cm.150"},
    };
    const auto noGate = [](const auto& gate) { return gate.count == 0; };
    if (std::all_of(std::begin(gates), std::end(gates), noGate))
        lines.absent(QStringLiteral("Cancelli scorrevoli"), QStringLiteral("non presenti"));
    for (const auto& gate : gates) {
        if (gate.count != 0)
            lines.present(counted(QString::number(gate.count), gate.what));
    }
}

} // namespace

void writeDescriptionLines(sheet::Sheet& letter, const LetterValues& values)
{
    DescriptionLines lines(letter);
    if (values.flgParapetti)
        lines.present(QStringLiteral("Parapetti a norma di legge come da disegno allegato"));
    else
        lines.absent(QStringLiteral("Parapetti"), QStringLiteral("non presenti"));
    writeGates(lines, values);
    // One stair line, with the last stair's description, however many stairs there are.
    if (values.flgScale)
        lines.present(QStringLiteral("Nr.1 ") + values.descScala);
    else
        lines.absent(QStringLiteral("Scale"), QStringLiteral("non presenti"));
    if (values.presCVV) {
        // Plain digits up to fifteen significant ones: 100000 never reads "1e+05".
        const QString quantity = QString::number(values.qtaCVV, 'g', 15);
        lines.present(counted(quantity, " controventature verticali"));
    } else {
        lines.absent(QStringLiteral("Controventatura"), QStringLiteral("non presente"));
    }
}

} // namespace zuvo::letter
