#include "quote_run/quote_number.h"

#include "common/failure.h"
#include "common/replace_file.h"
#include "quote_run/number_lock.h"
#include "quote_run/template_in_use.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace zuvo::quote {

namespace {

constexpr std::chrono::seconds kLockWait{15};

double nextNumber(const sheet::Cell& current, const QString& cell, const QString& fileName)
{
    if (current.isEmpty())
        return 1;
    if (current.isNumber())
        return current.number + 1;
    // Only a truly empty cell counts as 0: blanks are a text that numbers nothing, and "inf"
    // and "nan" read as numbers but number nothing either.
    bool isNumber = false;
    const double value = current.text.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value)) {
        throw Failure(QStringLiteral("La cella %1 del modello \"%2\" contiene \"%3\", che non è "
                                     "un numero: correggere il numero progressivo nel modello.")
                          .arg(cell, fileName, current.text));
    }
    return value + 1;
}

} // namespace

double raiseRunningNumber(sheet::Office& office, const QString& templatePath,
                          const QStringList& cells)
{
    const QFileInfo info(templatePath);
    const NumberLock lock(templatePath, kLockWait);
    requireTemplateNotInUse(office, templatePath);
    sheet::Workbook workbook = office.open(templatePath);
    const QString newFile = info.dir().filePath(QStringLiteral(".~") + info.fileName());
    double number = 0;
    try {
        sheet::Sheet sheet = workbook.activeSheet();
        number = nextNumber(sheet.cell(cells.first()), cells.first(), info.fileName());
        for (const QString& cell : cells)
            sheet.write(cell, sheet::CellInput::of(number));
        workbook.saveAs(newFile);
        workbook.close();
    } catch (...) {
        workbook.closeAfterFailure();
        QFile::remove(newFile);
        throw;
    }
    replaceFile(newFile, templatePath);
    return number;
}

} // namespace zuvo::quote
