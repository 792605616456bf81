#include "spreadsheet/office_pipes.h"

#include <QCryptographicHash>
#include <QFile>
#include <unistd.h>

namespace zuvo::sheet {

namespace {

QString pipePath(const QString& name)
{
    return QStringLiteral("/tmp/OSL_PIPE_%1_%2").arg(getuid()).arg(name);
}

// The office names its instance pipe after an MD5 of its profile URL in UTF-16, each byte
// written in hexadecimal without a leading zero.
QString instancePipeName(const QString& profileUrl)
{
    const QByteArray utf16(reinterpret_cast<const char*>(profileUrl.utf16()),
                           profileUrl.size() * qsizetype(sizeof(char16_t)));
    QString name = QStringLiteral("SingleOfficeIPC_");
    for (const char byte : QCryptographicHash::hash(utf16, QCryptographicHash::Md5))
        name += QString::number(static_cast<unsigned char>(byte), 16);
    return name;
}

} // namespace

OfficePipes::OfficePipes(const QString& pipeName, const QString& profileUrl)
    : connectionPipe_(pipePath(pipeName)), instancePipe_(pipePath(instancePipeName(profileUrl)))
{
}

OfficePipes::~OfficePipes()
{
    QFile::remove(connectionPipe_);
    QFile::remove(instancePipe_);
}

} // namespace zuvo::sheet
