#include "tests/window/window_fixture.h"

#include "common/failure.h"
#include "database/database.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace zuvo::test {

namespace {

const char* const kRegister = R"sql(
CREATE TABLE Clienti (Nome TEXT, Indirizzo TEXT, CAP TEXT, "Località" TEXT, Prov TEXT);
INSERT INTO Clienti VALUES ('Rossi Scaffalature', 'Via Roma 1', '20121', 'Milano', 'MI');
INSERT INTO Clienti VALUES ('D''Angelo Logistica', 'Corso Francia 7', '10138', 'Torino', 'TO');
INSERT INTO Clienti VALUES (NULL, 'Via Senza Nome 3', '00100', 'Roma', 'RM');
INSERT INTO Clienti VALUES ('Bianchi Srl', '', NULL, 'Bergamo', '');
INSERT INTO Clienti VALUES ('Rossi Scaffalature', 'Via Seconda 2', '40100', 'Bologna', 'BO');
INSERT INTO Clienti VALUES ('Verdi & C.', 'Piazza Duomo 5', '50122', 'Firenze', 'FI');
)sql";

} // namespace

void RecordingBuilder::build(const zuvo::quote::QuoteRequest& given, zuvo::db::Database& conn)
{
    ++calls;
    request = given;
    statusAtCall = window->Text2->text();
    connOpenAtCall = conn.isOpen();
    if (failWith)
        throw zuvo::Failure(*failWith);
    if (failAfterHandOverWith)
        throw zuvo::quote::FailureAfterHandOver(*failAfterHandOverWith);
}

void WindowTest::SetUp()
{
    ASSERT_TRUE(dataDir.isValid());
    const QString script = dataDir.filePath(QStringLiteral("clienti.sql"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kRegister);
    file.close();
    zuvo::db::createDatabase(databaseFile(), {script});
    QFile::remove(script);

    hadZuvoData_ = qEnvironmentVariableIsSet("ZUVO_DATA");
    previousZuvoData_ = qgetenv("ZUVO_DATA");
    qputenv("ZUVO_DATA", dataDir.path().toLocal8Bit());
}

void WindowTest::TearDown()
{
    window.reset();
    if (hadZuvoData_)
        qputenv("ZUVO_DATA", previousZuvoData_);
    else
        qunsetenv("ZUVO_DATA");
}

zuvo::window::Form1& WindowTest::createWindow(zuvo::window::Program program)
{
    window = std::make_unique<zuvo::window::Form1>(program, builder);
    window->setErrorPresenter([this](const QString& message) { shown.append(message); });
    builder.window = window.get();
    return *window;
}

zuvo::window::Form1& WindowTest::openWindow(zuvo::window::Program program)
{
    createWindow(program);
    EXPECT_TRUE(window->Form_Load()) << shown.join(u'\n').toStdString();
    return *window;
}

void WindowTest::pick(const QString& name)
{
    QComboBox* list = window->cboCombo;
    const int row = list->findText(name);
    ASSERT_GE(row, 0) << name.toStdString();
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect entry = view->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
}

void WindowTest::click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::type(QWidget* box, const QString& text)
{
    QTest::keyClicks(box, text);
}

QStringList WindowTest::listEntries() const
{
    QStringList entries;
    for (int row = 0; row < window->cboCombo->count(); ++row)
        entries.append(window->cboCombo->itemText(row));
    return entries;
}

QList<zuvo::db::Customer> WindowTest::storedCustomers() const
{
    zuvo::db::Database database = zuvo::db::Database::open(databaseFile());
    return database.customers();
}

QString WindowTest::databaseFile() const
{
    return dataDir.filePath(QStringLiteral("dbzuvo.sqlite"));
}

} // namespace zuvo::test
