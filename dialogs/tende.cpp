#include "dialogs/tende.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/error_box_transition.h"
#include "app/tprog.h"
#include "app/tstart.h"
#include "textfile/encodings.h"
#include "textfile/u_WideFunc.h"

namespace lernwerk {

namespace {

constexpr QRgb kCream = 0xFFFBF0;
constexpr QRgb kHeadingGrey = 0x3A3A3A;
constexpr QRgb kBevelShadow = 0xA0A0A0;

const QString kGermanExplanation = QStringLiteral(
    "Das ist wirklich die letzte Frage.. ;) Das Programm kann sich Ihre aktuelle Fragenliste merken, "
    "damit Sie beim nächsten Start sofort automatisch geöffnet werden kann. Dazu wird im Programmordner "
    "die Datei \"LetzteFrageliste.txt\" angelegt.. ");
const QString kEnglishExplanation = QStringLiteral(
    "That's really the last question! ;) The Drillbook can remember your last used Question List, so that "
    "it can be loaded automatically when starting the program for the next time. Therefore a file named "
    "\"LastQuestionnaire.txt\" will be written in the application directory.");

// A panel framed by a lowered outer and a raised inner bevel.
class BevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect outer = rect();
        const QRect inner = outer.adjusted(1, 1, -1, -1);
        const QColor shadow(kBevelShadow);
        const QColor light(Qt::white);
        drawBevel(painter, outer, shadow, light);
        drawBevel(painter, inner, light, shadow);
    }

private:
    static void drawBevel(QPainter& painter, const QRect& box, const QColor& topLeft, const QColor& bottomRight)
    {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    }
};

QLabel* makeExplanation(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

Tende::Tende(Tstart& start, Tprog& prog)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), start_(start), prog_(prog)
{
    setObjectName(QStringLiteral("ende"));
    setModal(true);
    setFixedSize(431, 207);
    QPalette cream = palette();
    cream.setColor(QPalette::Window, QColor(kCream));
    setPalette(cream);
    setAutoFillBackground(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(12, 12, 48, 48);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/lernwerk.png")));

    auto* panel = new BevelPanel(this);
    panel->setObjectName(QStringLiteral("Panel4"));
    panel->setGeometry(72, 10, 349, 152);
    panel->setContentsMargins(2, 2, 2, 2);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(4);
    Label18 = new QLabel(panel);
    Label18->setObjectName(QStringLiteral("Label18"));
    QFont headingFont = Label18->font();
    headingFont.setPixelSize(16);
    Label18->setFont(headingFont);
    QPalette grey = Label18->palette();
    grey.setColor(QPalette::WindowText, QColor(kHeadingGrey));
    Label18->setPalette(grey);
    layout->addWidget(Label18);
    StaticText1 = makeExplanation(panel, "StaticText1", kGermanExplanation);
    StaticText2 = makeExplanation(panel, "StaticText2", kEnglishExplanation);
    StaticText2->hide();
    layout->addWidget(StaticText1);
    layout->addWidget(StaticText2);
    layout->addStretch(1);
    RadioButton1 = new QRadioButton(panel);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(panel);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    layout->addWidget(RadioButton1);
    layout->addWidget(RadioButton2);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(346, 172, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
}

void Tende::applyLanguage(const QString& flag)
{
    if (flag == QStringLiteral("de")) {
        setWindowTitle(QStringLiteral("Lernwerk"));
        Label18->setText(QStringLiteral("Zuletzt geöffnete Liste speichern?"));
        RadioButton1->setText(QStringLiteral("Ja, Liste speichern"));
        RadioButton2->setText(QStringLiteral("Nein, Liste nicht abspeichern"));
        StaticText1->show();
        StaticText2->hide();
    }
    if (flag == QStringLiteral("en")) {
        setWindowTitle(QStringLiteral("Drillbook"));
        Label18->setText(QStringLiteral("Remember Last List?"));
        RadioButton1->setText(QStringLiteral("Yes, Save List"));
        RadioButton2->setText(QStringLiteral("No, Do Not Save List"));
        StaticText2->show();
        StaticText1->hide();
    }
}

QString Tende::lastListFile(const QString& programFolder, const QString& flag)
{
    return programFolder +
           (flag == QStringLiteral("de") ? QStringLiteral("LetzteFrageliste.txt") : QStringLiteral("LastQuestionnaire.txt"));
}

void Tende::Button1Click()
{
    if (RadioButton1->isChecked()) {
        // The folder may not exist yet (an installed program keeps its lists
        // in the user's data folder). If it cannot be made, the write below
        // fails with its own message.
        QDir().mkpath(prog_.programFolder());
        // Written through a temporary file: a failure leaves the list saved
        // before untouched, shows its message and keeps this dialog open.
        textfile::WriteTextFile(prog_.questionListText(),
                                lastListFile(prog_.programFolder(), start_.language()).toStdU16String(),
                                textfile::kUtf8, true);
    }
    accept();
    start_.close();
}

void Tende::reject() {}

}  // namespace lernwerk
