#pragma once

#include "common/file_stamp.h"

#include <QList>
#include <QString>
#include <optional>

namespace zuvo::quote {

// One article line of an order-code file, in its fixed columns: the code up to the first
// blank, the eight-character measure field in characters 11 to 18 (thousandths), the
// quantity from character 19 on.
struct OrderLine {
    QString codice;
    QString campoMisura;
    double misura = 0;   // the measure field's number / 1000
    double quantita = 0;
};

// Splits one line into its fields. An empty line is no article (nothing); a line without a
// blank is all code; a line shorter than 19 characters has quantity 0. Throws zuvo::Failure
// for a measure or quantity that is infinite or more than its field's digits can hold.
std::optional<OrderLine> parseOrderLine(const QString& line);

// An order-code file's article lines, stamped as read.
using OrderFile = Stamped<QList<OrderLine>>;

// Reads an order-code file: the two header lines are dropped, empty lines skipped.
// Throws zuvo::Failure when the file cannot be read or a line is refused, naming the file
// and the line.
OrderFile readOrderFile(const QString& path);

} // namespace zuvo::quote
