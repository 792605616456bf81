#include "mezzanine_letter/technical_data.h"

#include "common/failure.h"
#include "common/number_parse.h"
#include "common/rounding.h"
#include "common/text_lines.h"

#include <QFileInfo>
#include <algorithm>

namespace zuvo::letter {

namespace {
constexpr int kValueLength = 8; // the value stands in the last eight characters of its line
} // namespace

Stamped<TechnicalData> readTechnicalData(const QString& path)
{
    const Stamped<QStringList> file = readTextFile(path);
    const QStringList& lines = file.content;
    TechnicalData datiTecnici{};
    // Lines beyond the printed values are not checked: what they hold never reaches the letter.
    const qsizetype printed = std::min<qsizetype>(lines.size(), datiTecnici.size());
    for (qsizetype slot = 0; slot < printed; ++slot) {
        const double value = lenientNumber(QStringView(lines[slot]).right(kValueLength));
        try {
            datiTecnici[slot] = toInt16HalfEven(value);
        } catch (const Failure& outOfRange) {
            throw Failure(QStringLiteral("Dati tecnici non validi nel file \"%1\", riga %2. %3")
                              .arg(QFileInfo(path).fileName())
                              .arg(slot + 1)
                              .arg(outOfRange.message()));
        }
    }
    return {datiTecnici, file.stamp};
}

} // namespace zuvo::letter
