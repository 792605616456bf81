// Start-up: the initial state of each program's window, and a database that cannot be used.
#include "tests/window/window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace zuvo::test {
namespace {

using zuvo::window::Program;

TEST_F(WindowTest, MezzanineWindowsStartWithOneBlankInTransport)
{
    for (Program program : {Program::Mordisk, Program::Pellanor}) {
        const auto& form = openWindow(program);
        EXPECT_EQ(form.Text1->text(), " ");
        EXPECT_EQ(form.Text4->text(), "");
        EXPECT_EQ(form.Text5->text(), "");
        EXPECT_EQ(form.Label8->text(), "Importo al  mq");
    }
}

TEST_F(WindowTest, TavreloWindowHasTheDiscountOnly)
{
    const auto& form = openWindow(Program::Tavrelo);
    EXPECT_EQ(form.Label1->text(), "SCONTO %");
    EXPECT_EQ(form.Text1, nullptr);
    EXPECT_EQ(form.Text5, nullptr);
    EXPECT_EQ(form.Label5, nullptr);
    EXPECT_EQ(form.Text4->geometry(), QRect(112, 176, 105, 19));
}

TEST_F(WindowTest, DesignSizesColoursAndTabOrder)
{
    const auto& form = createWindow(Program::Mordisk);
    EXPECT_EQ(form.windowTitle(), "Generazione preventivo");
    EXPECT_EQ(form.size(), QSize(624, 295));
    EXPECT_EQ(form.Label4->text(), "CLIENTE");
    EXPECT_EQ(form.Label16->text(), "Località");
    EXPECT_EQ(form.Text3[4]->text(), "Text3");
    EXPECT_EQ(form.Command1->geometry(), QRect(352, 176, 233, 51));
    EXPECT_EQ(form.Text3[2]->geometry(), QRect(280, 128, 49, 19));

    const QPalette colours = form.Text2->palette();
    EXPECT_EQ(colours.color(QPalette::Text), QColor(192, 0, 0));
    EXPECT_EQ(colours.color(QPalette::Base), form.palette().color(QPalette::Button));

    const QList<QWidget*> expected{form.cboCombo, form.Command1, form.Command2, form.Text3[0],
                                   form.Text3[1], form.Text3[2], form.Text3[3], form.Text3[4],
                                   form.Command3, form.Text1, form.Text5, form.Text4};
    QList<QWidget*> chain{form.cboCombo};
    for (QWidget* next = form.cboCombo->nextInFocusChain(); next != form.cboCombo;
         next = next->nextInFocusChain()) {
        if (expected.contains(next))
            chain.append(next);
    }
    EXPECT_EQ(chain, expected);
}

// The design places the client area, not the frame around it, on the screen.
TEST_F(WindowTest, ClientAreaIsPlacedWhereTheDesignSays)
{
    auto& form = openWindow(Program::Tavrelo);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.geometry(), QRect(502, 141, 624, 295));
}

TEST_F(WindowTest, MissingDatabaseStopsTheStartWithAMessage)
{
    QFile::remove(databaseFile());
    auto& form = createWindow(Program::Mordisk);
    EXPECT_FALSE(form.Form_Load());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().contains("non può partire")) << shown.first().toStdString();
    EXPECT_TRUE(shown.first().contains(databaseFile()));
    EXPECT_FALSE(form.conn.has_value());
}

TEST_F(WindowTest, UnreadableDatabaseStopsTheStartWithAMessage)
{
    QFile file(databaseFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(4096, 'x'));
    file.close();
    auto& form = createWindow(Program::Tavrelo);
    EXPECT_FALSE(form.Form_Load());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.first().contains("non può partire"));
}

TEST_F(WindowTest, LockedDatabaseStopsTheStartWithAMessage)
{
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        other.setDatabaseName(databaseFile());
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));

        auto& form = createWindow(Program::Pellanor);
        EXPECT_FALSE(form.Form_Load());
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown.first().contains("bloccato")) << shown.first().toStdString();
        other.close();
    }
    QSqlDatabase::removeDatabase("other-program");
}

} // namespace
} // namespace zuvo::test
