#include "tests/support/temp_data_folder.h"

#include "common/failure.h"
#include "sample_data/sample_data.h"

#include <QDir>
#include <QFile>

namespace zuvo::test {

namespace {
constexpr char dataVariable[] = "ZUVO_DATA";
}

TempDataFolder::TempDataFolder()
{
    if (!dir_.isValid())
        throw Failure(QStringLiteral("Impossibile creare la cartella temporanea: %1")
                          .arg(dir_.errorString()));
    sample::prepareDataFolder(dir_.path());
    hadZuvoData_ = qEnvironmentVariableIsSet(dataVariable);
    previousZuvoData_ = qgetenv(dataVariable);
    qputenv(dataVariable, QFile::encodeName(dir_.path()));
}

TempDataFolder::~TempDataFolder()
{
    if (hadZuvoData_)
        qputenv(dataVariable, previousZuvoData_);
    else
        qunsetenv(dataVariable);
}

QString TempDataFolder::path() const
{
    return dir_.path();
}

QString TempDataFolder::file(const QString& name) const
{
    return QDir(dir_.path()).filePath(name);
}

} // namespace zuvo::test
