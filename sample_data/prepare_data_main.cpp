// zuvo-prepare-data <cartella>: fills a new data folder with the sample data.
#include "common/failure.h"
#include "sample_data/sample_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        err << "Uso: zuvo-prepare-data <cartella>\n";
        return 1;
    }
    const QString folder = QDir(arguments.at(1)).absolutePath();
    try {
        zuvo::sample::prepareDataFolder(folder);
    } catch (const zuvo::Failure& failure) {
        err << "Errore: " << failure.message() << '\n';
        return 1;
    } catch (const std::exception& failure) {
        err << "Errore inatteso: " << failure.what() << '\n';
        return 1;
    }
    QTextStream(stdout) << "Cartella dati pronta: " << QDir::toNativeSeparators(folder) << '\n';
    return 0;
}
