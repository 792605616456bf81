#pragma once

namespace zuvo::racking {

// What the cantilever list leaves for its pricing pass and its closing.
struct CantileverState {
    // An AAA line was read: the list is galvanised and takes the zinc surcharge row.
    bool presAAA = false;
    // A line whose code begins "BT" was read: the list has a roof.
    bool presBT = false;
    // The last line read was an AAA line: the ZINC row takes the row that line left, with its
    // blank measure, where otherwise it starts a row whose measure cell stays empty.
    bool endsOnAAA = false;
    // The column state from the last CB or CM line and the last BT line, sizing the first
    // accessory of POM lines.
    double qtaColonne = 0;
    int latiColonna = 0;
    int fattoreBracci = 0;
    // The zinc surcharge rate, 0 without an AAA line.
    double aliquotaZinc = 0;
};

} // namespace zuvo::racking
