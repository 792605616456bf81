#pragma once

#include "tests/mezzanine_costs/mordisk_fixture.h"

#include <QString>
#include <QStringList>

namespace zuvo::test {

// A Mordisk run over the closing of the cost sheet: the sample price list plus plain articles
// of our own, "ZC100" at 10 a piece and "ZTOT", an article whose description begins with
// "TOTALE".
class ClosingRun : public MordiskRun {
protected:
    void SetUp() override;

    // An order line: the code, the eight-character measure field and the quantity.
    static QString orderLine(const QString& code, const QString& field, int quantity);
    // `count` lines of one ZC100 each.
    static QStringList plainLines(int count);
    // The text of column A from `first` to `last`, one entry per row.
    QStringList columnA(int first, int last);
};

} // namespace zuvo::test
