#include "racking/cantilever_rules.h"

#include "common/number_parse.h"
#include "common/rounding.h"

#include <cmath>

namespace zuvo::racking {

namespace {

void setColumnState(CantileverState& state, const QString& codice, double quantita)
{
    const QString prefix = codice.left(2);
    if (prefix == QLatin1String("CB")) {
        state.qtaColonne = quantita;
        state.latiColonna = 2;
    }
    if (prefix == QLatin1String("CM")) {
        state.qtaColonne = quantita;
        state.latiColonna = 1;
    }
    if (prefix == QLatin1String("BT")) {
        state.presBT = true;
        // Characters 5 and 6 give the arm length: up to 12 the arms come in pairs.
        state.fattoreBracci = lenientNumber(codice.mid(4, 2)) <= 12 ? 2 : 3;
    }
}

// Accessories by the line's metres: the count times the quantity, then times the length.
// The order matters: another one can land a hair off an exact half and round the other way.
double byLineMetres(int count, const CurrentLine& line)
{
    return count * line.quantita * line.lunghezza;
}

// The first accessory of an omega profile goes with the columns and their arms, the others
// with the profile's own metres.
void addOmegaAccessories(const CantileverState& state, FamilyList& list)
{
    const CurrentLine& line = list.line();
    list.expandAccessories([&state, &line](double current, int count, int element) {
        const double amount = element == 1
            ? double(count) * state.latiColonna * state.fattoreBracci * state.qtaColonne
            : byLineMetres(count, line);
        return roundHalfEven(current + amount);
    });
}

// A COL or LAM line joins its metre run; its accessories go by the line's own metres.
void mergeWithAccessories(FamilyList& list, const QString& target)
{
    list.mergeMetreRun(target);
    const CurrentLine& line = list.line();
    list.expandAccessories([&line](double current, int count, int) {
        return roundHalfEven(current + byLineMetres(count, line));
    });
}

// The first accessory of a PIA line is quoted by the metre in place of the line: folded into
// an earlier metre row of it (all its metres kept), or on the line's own row. A per-piece row
// of the same code is left alone.
void placeFirstAccessory(FamilyList& list, double pezzi1)
{
    const QString code = list.line().article.cacc[1];
    const auto found = list.search(code, quote::SearchRange::BeforeLastRow);
    if (found && list.rows()[*found].hasMeasure()) {
        quote::QuoteRow& row = list.rows()[*found];
        row.measure = row.quantity * row.measure + pezzi1;
        row.quantity = 1;
        list.deleteLine();
        return;
    }
    list.deleteLine();
    list.newRow(code, 1);
    list.rows().last().measure = pezzi1;
    list.rows().last().numericMeasure = true;
}

// The second accessory of a PIA line: one per three whole metres of the run, and one more
// per piece when its length is not a multiple of three metres.
double secondAccessoryPieces(double quantita, double lunghezza)
{
    double pezzi2 = std::trunc(roundHalfEven(quantita * lunghezza) / 3);
    if (std::fmod(roundHalfEven(lunghezza), 3) > 0)
        pezzi2 += quantita;
    return pezzi2;
}

void addPlatformAccessories(FamilyList& list)
{
    const CurrentLine line = list.line();
    // Without a first accessory (a code missing from the price list) the line stays as read.
    if (!line.article.cacc[1].isEmpty())
        placeFirstAccessory(list, line.quantita * line.lunghezza * line.article.nAcc[1] * 0.25);
    if (line.article.nAcc[2] == 0)
        return;
    const double pezzi2 = secondAccessoryPieces(line.quantita, line.lunghezza);
    list.addToRow(line.article.cacc[2], [pezzi2](double current) { return current + pezzi2; });
}

} // namespace

void applyCantileverRules(CantileverState& state, FamilyList& list)
{
    const CurrentLine& line = list.line();
    setColumnState(state, line.codice, line.quantita);
    const QString prefix = line.codice.left(3);
    state.endsOnAAA = prefix == QLatin1String("AAA");
    if (prefix == QLatin1String("POM")) {
        addOmegaAccessories(state, list);
    } else if (prefix == QLatin1String("COL")) {
        mergeWithAccessories(list, QStringLiteral("COLMTT"));
    } else if (prefix == QLatin1String("LAM")) {
        mergeWithAccessories(list, QStringLiteral("LAMTTCL"));
    } else if (prefix == QLatin1String("AAA")) {
        state.presAAA = true;
        list.deleteLine();
    } else if (prefix == QLatin1String("PIA")) {
        addPlatformAccessories(list);
    } else {
        list.expandAccessories(quote::byQuantity(line.quantita));
    }
}

} // namespace zuvo::racking
