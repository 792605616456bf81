#include "common/text_lines.h"

#include "common/failure.h"

#include <QFile>
#include <QFileInfo>

namespace zuvo {

namespace {

[[noreturn]] void failToRead(const QString& path, const QString& reason)
{
    throw Failure(QStringLiteral("Impossibile leggere il file \"%1\": %2.").arg(path, reason));
}

QByteArray readWhole(const QFileInfo& info)
{
    const QString path = info.filePath();
    if (!info.exists())
        failToRead(path, QStringLiteral("il file non esiste"));
    if (info.isDir())
        failToRead(path, QStringLiteral("è una cartella"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failToRead(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        failToRead(path, file.errorString());
    return bytes;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        lines.append(text.mid(start, i - start));
        const bool crLf = c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n';
        i += crLf ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

Stamped<QStringList> readTextFile(const QString& path)
{
    // The hash is of the very bytes read: a change during the read leaves a stamp that the
    // file never matches again.
    const QFileInfo info(path);
    const QByteArray bytes = readWhole(info);
    FileStamp stamp = stampOf(info);
    stamp.contentHash = contentHashOf(bytes);
    return {splitLines(QString::fromLatin1(bytes)), stamp};
}

} // namespace zuvo
