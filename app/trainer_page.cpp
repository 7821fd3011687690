// The trainer and statistics pages and the handlers of the question round.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/error_box_transition.h"
#include "widgets/page_control.h"
#include "widgets/status_bar.h"
#include "app/tprog.h"
#include "widgets/controls.h"

namespace lernwerk {

namespace {

constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 27;
constexpr int kButtonGap = 7;
constexpr int kFieldLeft = 16;
constexpr int kFieldRight = 8;
constexpr int kButtonBottom = 12;  // space under the buttons
constexpr int kHeadingToField = 25;

QPlainTextEdit* makeTrainerField(QWidget* page, const char* name)
{
    auto* field = makeMemo(page, name);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(13);
    field->setFont(courier);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    field->setEnabled(false);
    return field;
}

QPushButton* makeTrainerButton(QWidget* page, const char* name, const char* glyph)
{
    auto* button = new QPushButton(page);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(kButtonWidth, kButtonHeight);
    QIcon icon;
    icon.addFile(QStringLiteral(":/glyphs/%1.png").arg(QLatin1String(glyph)), {}, QIcon::Normal);
    icon.addFile(QStringLiteral(":/glyphs/%1_disabled.png").arg(QLatin1String(glyph)), {}, QIcon::Disabled);
    button->setIcon(icon);
    button->setEnabled(false);
    return button;
}

}  // namespace

void Tprog::createStatusBar()
{
    anzeige = new StatusBar(this);
    setStatusBar(anzeige);
    connect(anzeige, &StatusBar::clicked, this, [this](int x) { guarded([&] { anzeigeClick(x); }); });
}

void Tprog::createPages()
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    // The page control keeps these distances to the window's edges.
    layout->setContentsMargins(9, 8, 8, 6);
    blatt = new PageControl(client);
    layout->addWidget(blatt);
    setCentralWidget(client);

    tb1 = createTrainerPage();
    blatt->addTab(tb1, QString());
    blatt->addTab(createStatisticsPage(), QString());
    blatt->addTab(createListsPage(), QString());
    editor = createEditorPage();
    blatt->addTab(editor, QStringLiteral("Editor"));
    createInfoPages();

    blatt->setPageVisible(editor, false);
    tb1->installEventFilter(this);
    editor->installEventFilter(this);
    connect(blatt, &PageControl::userChange, this, [this] { guarded([this] { blattChange(); }); });
}

QWidget* Tprog::createTrainerPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tb1"));

    auto* label10 = makeHeading(page, "Label10");
    label10->move(kFieldLeft, 14);
    frage = makeTrainerField(page, "frage");
    makeHeading(page, "Label11");
    antwort = makeTrainerField(page, "antwort");
    makeHeading(page, "Label12");
    loesung = makeTrainerField(page, "loesung");

    bt_solve = makeTrainerButton(page, "bt_solve", "solve");
    bt_correct = makeTrainerButton(page, "bt_correct", "correct");
    bt_wrong = makeTrainerButton(page, "bt_wrong", "wrong");
    bt_clock = makeTrainerButton(page, "bt_clock", "clock");
    QWidget::setTabOrder(frage, antwort);
    QWidget::setTabOrder(antwort, loesung);
    QWidget::setTabOrder(loesung, bt_solve);
    QWidget::setTabOrder(bt_solve, bt_correct);
    QWidget::setTabOrder(bt_correct, bt_wrong);
    QWidget::setTabOrder(bt_wrong, bt_clock);

    connect(bt_solve, &QPushButton::clicked, this, [this] { guarded([this] { bt_solveClick(); }); });
    for (QPushButton* marking : {bt_correct, bt_wrong, bt_clock})
        connect(marking, &QPushButton::clicked, this,
                [this, marking] { guarded([this, marking] { fragestellen(marking); }); });
    return page;
}

void Tprog::layoutTrainerPage(int width, int height)
{
    const int a = (height - 74) / 5;
    const int fieldWidth = std::max(0, width - kFieldLeft - kFieldRight);
    auto* label11 = control<QLabel>("Label11");
    auto* label12 = control<QLabel>("Label12");
    control<QLabel>("Label10")->resize(fieldWidth, control<QLabel>("Label10")->height());

    frage->setGeometry(kFieldLeft, 40, fieldWidth, 2 * a - 40);
    label11->setGeometry(kFieldLeft, 2 * a + 8, fieldWidth, label11->height());
    antwort->setGeometry(kFieldLeft, label11->y() + kHeadingToField, fieldWidth, a);
    label12->setGeometry(kFieldLeft, 3 * a + 40, fieldWidth, label12->height());
    loesung->setGeometry(kFieldLeft, label12->y() + kHeadingToField, fieldWidth, 2 * a - 40);

    const int buttonTop = height - kButtonHeight - kButtonBottom;
    bt_solve->move(kFieldLeft, buttonTop);
    int x = width - kFieldRight - kButtonWidth;
    for (QPushButton* button : {bt_clock, bt_wrong, bt_correct}) {
        button->move(x, buttonTop);
        x -= kButtonWidth + kButtonGap;
    }
}

QWidget* Tprog::createStatisticsPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tb2"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(kFieldLeft, 14, kFieldRight, 8);
    layout->addWidget(makeHeading(page, "Label5"));
    Memo3 = makeMemo(page, "Memo3");
    QFont sans(QStringLiteral("MS Sans Serif"));
    sans.setPixelSize(11);
    Memo3->setFont(sans);
    Memo3->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(Memo3, 1);
    return page;
}

void Tprog::Button1Click()
{
    round_->restart();
}

void Tprog::fragestellen(QObject* sender)
{
    quiz::Marking marking = quiz::Marking::None;
    if (sender == bt_correct)
        marking = quiz::Marking::Correct;
    else if (sender == bt_wrong)
        marking = quiz::Marking::Wrong;
    else if (sender == bt_clock)
        marking = quiz::Marking::Postponed;
    round_->step(marking);
}

void Tprog::bt_solveClick()
{
    round_->reveal();
}

void Tprog::blattChange()
{
    scrollInfoPagesToTop();
}

}  // namespace lernwerk
