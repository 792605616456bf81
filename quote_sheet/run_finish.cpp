#include "quote_sheet/run_finish.h"

#include "common/data_folder.h"

#include <QFile>

namespace zuvo::quote {

bool finishRun(sheet::Workbook& quotation, HandOver& handOver, const QStringList& consumedFiles)
{
    if (!handOver.handOver(quotation))
        return false;
    for (const QString& name : consumedFiles)
        QFile::remove(dataFile(name));
    return true;
}

} // namespace zuvo::quote
