#include "mezzanine_letter/technical_data_cells.h"

namespace zuvo::letter {

namespace {

using sheet::CellInput;

constexpr int kDeckWithDescription = 38;

CellInput valueOrAbsent(std::int16_t value)
{
    return value == 0 ? CellInput::of(QStringLiteral("non presente")) : CellInput::of(value);
}

} // namespace

void writeTechnicalData(sheet::Sheet& letter, const TechnicalData& datiTecnici)
{
    letter.writeBlock(71, 3,
                      {{CellInput::of(datiTecnici[0])},
                       {CellInput::of(datiTecnici[1])},
                       {CellInput::of(datiTecnici[2])},
                       {CellInput::of(datiTecnici[3])}});
    letter.write(78, 3, valueOrAbsent(datiTecnici[4]));
    if (datiTecnici[5] == kDeckWithDescription) {
        letter.writeBlock(75, 2,
                          {{CellInput::of(QStringLiteral("TRUCIOLARE DECK38 - Reazione al fuoco "
                                                         "Classe 1 - Finitura superficie"))},
                           {CellInput::of(QStringLiteral("superiore grigio antiscivolo, fresato "
                                                         "maschio/femmina sui 4 lati"))},
                           {CellInput::of(QStringLiteral(" "))}});
    }
    letter.write(79, 3, valueOrAbsent(datiTecnici[5]));
}

} // namespace zuvo::letter
