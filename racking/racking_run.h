#pragma once

#include "database/price_list.h"
#include "racking/cantilever_state.h"
#include "racking/family.h"
#include "spreadsheet/sheet.h"

#include <QString>
#include <array>

namespace zuvo::racking {

// The working state of one racking quotation run, shared by its sections.
struct RackingRun {
    RackingRun(sheet::Sheet quoteSheet, db::PriceList prices, QString discountText)
        : sheet(std::move(quoteSheet)), priceList(std::move(prices)),
          sconto(std::move(discountText))
    {
    }

    bool isPresent(Family family) const { return present[indexOf(family)]; }
    // True when a family other than this one is quoted too.
    bool hasOtherFamilies(Family family) const;

    sheet::Sheet sheet;
    db::PriceList priceList;
    QString sconto;  // the discount box as typed

    // Family flags, taken once at set-up.
    std::array<bool, kFamilyCount> present{};
    int numFamiglie = 0;
    int famiglieDaChiudere = 0;

    // First row of the current 56-row page block.
    int rigaPagina = 1;
    // The row the conditions block is placed below: the document total's value row.
    int rigaTotale = 0;
    // Each family's section total row, in a quote of several families.
    std::array<int, kFamilyCount> rigaTotaleFamiglia{};

    // A pallet line whose code begins "ANT" was read: later F08020/F08021 lines take their
    // second accessory.
    bool antPresente = false;
    // Quantity x price of the drive-in or sat-drive lines beginning "F0801": the base of
    // their cutting charge.
    double valoreF0801 = 0;
    CantileverState cantilever;
};

} // namespace zuvo::racking
