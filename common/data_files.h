#pragma once

#include <QString>

namespace zuvo::files {

// The names of the data folder's files, exactly as the office's other programs write them.
inline const QString kDatabase = QStringLiteral("dbzuvo.sqlite");
inline const QString kQuoteTemplate = QStringLiteral("SchedaScaff.xlsx");
inline const QString kGeneralConditions = QStringLiteral("Condizioni.xlsx");
inline const QString kLetterTemplate = QStringLiteral("MemSopp.xlsx");
inline const QString kSeismicTemplate = QStringLiteral("SchedaSism.xlsx");
inline const QString kMezzanineOrders = QStringLiteral("codord.txt");
inline const QString kMezzanineCodes = QStringLiteral("cod.txt");
inline const QString kTechnicalData = QStringLiteral("dtec.txt");
inline const QString kSeismicData = QStringLiteral("dscheda.txt");

} // namespace zuvo::files
