#pragma once

#include <QString>

namespace zuvo::letter {

// What the scratch quote sheet tells the covering letter.
struct LetterValues {
    double impSoppalco = 0;
    double impParapetto = 0;
    double impCancelli = 0;
    double impScala = 0;
    double totGenerale = 0;
    int nScorr150 = 0;
    int nScorr200 = 0;
    int nBasc200 = 0;
    int nBasc150 = 0;
    bool presCVV = false;
    double qtaCVV = 0;
    double costoDeposito = 0;
    double importoTrasporto = 0;
    double importoPosa = 0;
    double importoOneri = 0;
    QString descScala;
    bool flgParapetti = false;
    bool flgScale = false;
};

} // namespace zuvo::letter
