#include "quote_sheet/quote_number.h"

#include "common/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <cmath>
#include <cstdio>

namespace zuvo::quote {

namespace {

constexpr int kLockWaitMs = 15000;

double nextNumber(const sheet::Cell& current, const QString& cell, const QString& fileName)
{
    if (current.isEmpty())
        return 1;
    if (current.isNumber())
        return current.number + 1;
    bool isNumber = false;
    const double value = current.text.trimmed().toDouble(&isNumber);
    if (current.text.trimmed().isEmpty())
        return 1;
    // "inf" and "nan" read as numbers but number nothing.
    if (!isNumber || !std::isfinite(value)) {
        throw Failure(QStringLiteral("La cella %1 del modello \"%2\" contiene \"%3\", che non è "
                                     "un numero: correggere il numero progressivo nel modello.")
                          .arg(cell, fileName, current.text));
    }
    return value + 1;
}

// Moves the new file over the template in one step, so a crash never leaves half a file.
void replaceFile(const QString& newFile, const QString& target)
{
    if (std::rename(QFile::encodeName(newFile).constData(), QFile::encodeName(target).constData())
        != 0) {
        QFile::remove(newFile);
        throw Failure(QStringLiteral("Impossibile aggiornare il modello \"%1\".")
                          .arg(QFileInfo(target).fileName()));
    }
}

} // namespace

double raiseRunningNumber(sheet::Office& office, const QString& templatePath,
                          const QStringList& cells)
{
    const QFileInfo info(templatePath);
    QLockFile lock(templatePath + QStringLiteral(".lock"));
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
