#include "quote_sheet/general_conditions.h"

#include "common/data_files.h"
#include "common/data_folder.h"
#include "common/failure.h"
#include "quote_sheet/page_geometry.h"
#include "spreadsheet/untitled_copy.h"

#include <QFileInfo>

namespace zuvo::quote {

namespace {

const QString& kConditionsFile = files::kGeneralConditions;
const QString kConditionsRange = QStringLiteral("A1:G165");

sheet::Clip copyConditions(sheet::Office& office, const QString& path)
{
    return sheet::withUntitledCopy(office, path, [](sheet::Workbook& conditions) {
        return conditions.activeSheet().copy(sheet::RangeAddress::parse(kConditionsRange));
    });
}

} // namespace

void pasteGeneralConditions(sheet::Office& office, sheet::Sheet& quoteSheet, int firstRow)
{
    const QString path = dataFile(kConditionsFile);
    if (!QFileInfo(path).isFile()) {
        throw Failure(QStringLiteral("Manca nella cartella dati %1 il file delle condizioni "
                                     "generali di vendita \"%2\".")
                          .arg(dataFolder(), kConditionsFile));
    }
    const sheet::Clip clip = copyConditions(office, path);
    quoteSheet.paste(clip, firstRow, 1);
    const auto firstPageColumnA = sheet::RangeAddress::rows(firstRow, firstRow + kPageRows - 1, 1, 1);
    quoteSheet.setFont(firstPageColumnA, QStringLiteral("Arial"), 8);
    quoteSheet.setPlainCharacters(firstPageColumnA);
}

} // namespace zuvo::quote
