#include "quote_run/quote_number.h"

#include "common/failure.h"
#include "common/replace_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cmath>

namespace zuvo::quote {

namespace {

constexpr int kLockWaitMs = 15000;

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
    QLockFile lock(templatePath + QStringLiteral(".lock"));
    // The lock is held while the office opens and saves the template, which can stall: Qt's
    // default would break a lock older than 30 s even while its owner lives. Only a lock
    // whose owner is gone is broken.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(kLockWaitMs)) {
        throw Failure(QStringLiteral("Il numero progressivo di \"%1\" è in uso da un altro "
                                     "programma: riprovare tra qualche istante.")
                          .arg(info.fileName()));
    }
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
