#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zuvo::test {

// A fresh copy of the sample data folder in a temporary directory, removed at the end of
// the test. While it lives, ZUVO_DATA points at it.
class TempDataFolder {
public:
    TempDataFolder();
    ~TempDataFolder();
    QString path() const;
    QString file(const QString& name) const;

private:
    QTemporaryDir dir_;
    QByteArray previousZuvoData_;
    bool hadZuvoData_ = false;
};

} // namespace zuvo::test
