// The window design: controls, their places and the order of tabbing.
#include "window/form1.h"
#include "window/twips.h"

#include <QColor>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace zuvo::window {

namespace {

constexpr int kLabelHeight = 255;
constexpr int kTextHeight = 285;

QLabel* label(QWidget* parent, const QString& caption, int left, int top, int width)
{
    auto* control = new QLabel(caption, parent);
    control->setGeometry(twipsRect(left, top, width, kLabelHeight));
    return control;
}

QLineEdit* textBox(QWidget* parent, int left, int top, int width, int height = kTextHeight)
{
    auto* control = new QLineEdit(parent);
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height)
{
    auto* control = new QPushButton(caption, parent);
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

// The status line: button-face background, dark red text; the user reads it, never types in it.
void styleStatusLine(QLineEdit* statusLine)
{
    QPalette colours = statusLine->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    colours.setColor(QPalette::Text, QColor(192, 0, 0));
    statusLine->setPalette(colours);
    statusLine->setReadOnly(true);
    statusLine->setFocusPolicy(Qt::NoFocus);
}

} // namespace

void Form1::createControls()
{
    setWindowTitle(QStringLiteral("Generazione preventivo"));
    // The design places the client area; setGeometry, unlike move, leaves the frame outside it.
    setGeometry(twipsRect(7530, 2115, 9360, 4425));
    // The design's measures fit a narrow 8-point sans font at 96 dpi (Arial or its metric twin
    // Liberation Sans); a larger or wider desktop font would clip the captions and the status.
    QFont small(QStringLiteral("Arial"));
    small.setStyleHint(QFont::SansSerif);
    small.setPixelSize(11);
    setFont(small);

    createCommonControls();
    if (program_ == Program::Tavrelo)
        createRackingInputs();
    else
        createMezzanineInputs();
    chainTabOrder();
}

void Form1::createCommonControls()
{
    cboCombo = new QComboBox(this);
    cboCombo->setEditable(true);
    cboCombo->setInsertPolicy(QComboBox::NoInsert);
    cboCombo->setGeometry(twipsRect(600, 720, 3285, 315));

    Command1 = button(this, QStringLiteral("Genera preventivo"), 5280, 2640, 3495, 765);
    Label4 = label(this, QStringLiteral("CLIENTE"), 600, 480, 1455);
    Text2 = textBox(this, 5280, 3480, 3495, 375);
    styleStatusLine(Text2);
    Command2 = button(this, QStringLiteral("Nuovo cliente"), 600, 1320, 3255, 375);

    Text3[0] = textBox(this, 4200, 720, 4575);
    Text3[1] = textBox(this, 4200, 1320, 4575);
    Text3[2] = textBox(this, 4200, 1920, 735);
    Text3[3] = textBox(this, 4920, 1920, 3255);
    Text3[4] = textBox(this, 8160, 1920, 615);
    for (QLineEdit* box : Text3)
        box->setText(QStringLiteral("Text3"));

    Command3 = button(this, QStringLiteral("Salva"), 600, 1800, 3255, 375);
    Label2 = label(this, QStringLiteral("Ragione Sociale"), 4200, 480, 1575);
    Label3 = label(this, QStringLiteral("Indirizzo"), 4200, 1080, 1575);
    Label14 = label(this, QStringLiteral("Cap"), 4200, 1680, 735);
    Label16 = label(this, QStringLiteral("Località"), 4920, 1680, 1575);
    Label17 = label(this, QStringLiteral("Prov"), 8160, 1680, 615);

    connect(cboCombo, &QComboBox::activated, this, &Form1::cboCombo_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

// Mordisk and Pellanor: assembly, transport and discount, in three columns.
void Form1::createMezzanineInputs()
{
    const bool pellanor = program_ == Program::Pellanor;
    Label7 = label(this, QStringLiteral("MONTAGGIO"), 600, 2640, pellanor ? 1095 : 1215);
    Label8 = label(this, QStringLiteral("Importo al  mq"), 600, 2880, pellanor ? 1095 : 1215);
    Text5 = textBox(this, 600, 3120, 1095);
    Label1 = label(this, QStringLiteral("TRASPORTO"), 1920, 2640, 1095);
    Label6 = label(this, QStringLiteral("Importo"), 1920, 2880, pellanor ? 1095 : 975);
    Text1 = textBox(this, 1920, 3120, 1095);
    Label5 = label(this, QStringLiteral("SCONTO"), 3240, 2640, 1095);
    Label9 = label(this, QStringLiteral("%"), 3240, 2880, pellanor ? 1095 : 735);
    Text4 = textBox(this, 3240, 3120, 1095);
}

// Tavrelo: the discount only.
void Form1::createRackingInputs()
{
    Label1 = label(this, QStringLiteral("SCONTO %"), 600, 2640, 975);
    Text4 = textBox(this, 1680, 2640, 1575);
}

// Tab order of the design; labels and the status line take no focus.
void Form1::chainTabOrder()
{
    QList<QWidget*> order{cboCombo, Command1, Command2, Text3[0], Text3[1],
                          Text3[2], Text3[3], Text3[4], Command3};
    if (program_ == Program::Tavrelo)
        order << Text4;
    else
        order << Text1 << Text5 << Text4;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace zuvo::window
