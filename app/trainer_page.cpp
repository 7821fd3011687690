#include "app/trainer_page.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include "app/answer_marks.h"
#include "app/spoken_question.h"
#include "app/statistics_page.h"
#include "lang/speech_texts.h"
#include "lang/trainer_texts.h"
#include "widgets/controls.h"
#include "widgets/long_word_wrap.h"
#include "widgets/speaker.h"
#include "widgets/status_bar.h"
#include "widgets/text_field.h"
#include "widgets/timestamp.h"

namespace lernwerk {

namespace {

constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 27;
constexpr int kButtonGap = 7;
constexpr int kButtonBottom = 12;  // space under the buttons
constexpr int kHeadingToField = 25;

QPlainTextEdit* makeTrainerField(QWidget* page, const char* name)
{
    auto* field = makeMemo(page, name);
    QFont courier(QStringLiteral("Courier New"));
    courier.setPixelSize(13);
    field->setFont(courier);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    wrapLongRunsAnywhere(*field);
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

QString fromView(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TrainerPage::TrainerPage(const InterfaceLanguage& language, StatusBar& statusBar, StatisticsPage& log, Speaker& speaker,
                         std::function<QString()> listName, QWidget* parent)
    : QWidget(parent),
      language_(language),
      statusBar_(statusBar),
      log_(log),
      listName_(std::move(listName)),
      speaker_(speaker),
      speech_(speaker)
{
    setObjectName(QStringLiteral("tb1"));

    Label10 = makeHeading(this, "Label10");
    Label10->move(kFieldLeft, 14);
    frage = makeTrainerField(this, "frage");
    Label11 = makeHeading(this, "Label11");
    antwort = makeTrainerField(this, "antwort");
    Label12 = makeHeading(this, "Label12");
    loesung = makeTrainerField(this, "loesung");
    marks_ = new AnswerMarks(*antwort, *loesung);

    bt_solve = makeTrainerButton(this, "bt_solve", "solve");
    bt_correct = makeTrainerButton(this, "bt_correct", "correct");
    bt_wrong = makeTrainerButton(this, "bt_wrong", "wrong");
    bt_clock = makeTrainerButton(this, "bt_clock", "clock");
    QWidget::setTabOrder(frage, antwort);
    QWidget::setTabOrder(antwort, loesung);
    QWidget::setTabOrder(loesung, bt_solve);
    QWidget::setTabOrder(bt_solve, bt_correct);
    QWidget::setTabOrder(bt_correct, bt_wrong);
    QWidget::setTabOrder(bt_wrong, bt_clock);

    connect(bt_solve, &QPushButton::clicked, this, &TrainerPage::solveClicked);
    connect(bt_correct, &QPushButton::clicked, this, [this] { emit markClicked(quiz::Marking::Correct); });
    connect(bt_wrong, &QPushButton::clicked, this, [this] { emit markClicked(quiz::Marking::Wrong); });
    connect(bt_clock, &QPushButton::clicked, this, [this] { emit markClicked(quiz::Marking::Postponed); });
}

void TrainerPage::takeRoundKeysIn(QWidget& window)
{
    for (const auto& [keys, button] : {std::pair{kSolveKey, bt_solve}, std::pair{kCorrectKey, bt_correct},
                                       std::pair{kWrongKey, bt_wrong}, std::pair{kClockKey, bt_clock}})
        addShortcut(window, keys, button);
}

void TrainerPage::addShortcut(QWidget& window, const QKeySequence& keys, QPushButton* button)
{
    // Works on every page of the window, wherever the cursor is. Where no
    // round runs the button stays unpressed, and the learner hears why.
    auto* shortcut = new QShortcut(keys, &window);
    connect(shortcut, &QShortcut::activated, button, [this, keys, button] {
        if (button->isEnabled()) {
            button->click();
            return;
        }
        speaker_.say(speechTexts().noRound.in(language_.current()).arg(keys.toString(QKeySequence::NativeText)));
    });
}

void TrainerPage::layoutFor(int width, int height)
{
    const int a = (height - 74) / 5;
    const int fieldWidth = std::max(0, width - kFieldLeft - kFieldRight);
    Label10->resize(fieldWidth, Label10->height());

    frage->setGeometry(kFieldLeft, 40, fieldWidth, 2 * a - 40);
    Label11->setGeometry(kFieldLeft, 2 * a + 8, fieldWidth, Label11->height());
    antwort->setGeometry(kFieldLeft, Label11->y() + kHeadingToField, fieldWidth, a);
    Label12->setGeometry(kFieldLeft, 3 * a + 40, fieldWidth, Label12->height());
    loesung->setGeometry(kFieldLeft, Label12->y() + kHeadingToField, fieldWidth, 2 * a - 40);

    const int buttonTop = height - kButtonHeight - kButtonBottom;
    bt_solve->move(kFieldLeft, buttonTop);
    int x = width - kFieldRight - kButtonWidth;
    for (QPushButton* button : {bt_clock, bt_wrong, bt_correct}) {
        button->move(x, buttonTop);
        x -= kButtonWidth + kButtonGap;
    }
}

void TrainerPage::retranslate(Language language)
{
    const TrainerTexts& texts = trainerTexts();
    const auto caption = [language](QPushButton* button, const Text& text, const QKeySequence& keys) {
        button->setText(text.in(language));
        button->setToolTip(text.in(language) + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) +
                           QLatin1Char(')'));
    };
    caption(bt_correct, texts.correct, kCorrectKey);
    caption(bt_wrong, texts.wrong, kWrongKey);
    caption(bt_clock, texts.clock, kClockKey);
    caption(bt_solve, texts.solve, kSolveKey);
    Label10->setText(texts.questionHeading.in(language));
    Label11->setText(texts.answerHeading.in(language));
    Label12->setText(texts.solutionHeading.in(language));
    // A screen reader names each field by its heading.
    frage->setAccessibleName(texts.questionHeading.in(language));
    antwort->setAccessibleName(texts.answerHeading.in(language));
    loesung->setAccessibleName(texts.solutionHeading.in(language));
    replaceFieldLines(*antwort, texts.answerField.in(language));
    replaceFieldLines(*loesung, texts.solutionField.in(language));
    replaceFieldLines(*frage, texts.questionField.in(language));
}

// ---------------------------------------------------------------- the round's view

quiz::Language TrainerPage::language() const { return language_.current(); }

std::u16string TrainerPage::timestamp() const
{
    return logTimestamp(QDateTime::currentDateTime(), QLocale::system()).toStdU16String();
}

std::u16string TrainerPage::list_name() const { return listName_().toStdU16String(); }

void TrainerPage::enable_trainer()
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{bt_correct, bt_wrong, bt_clock, bt_solve, frage, antwort, loesung})
        control->setEnabled(true);
}

void TrainerPage::show_trainer_page()
{
    emit showRequested();
    // A new round: the cursor waits in the answer field, where the keys of
    // the round work too.
    antwort->setFocus(Qt::OtherFocusReason);
    speech_.roundStarted();
}

void TrainerPage::set_phase(std::u16string_view text)
{
    statusBar_.setPanelText(StatusBar::kPhasePanel, fromView(text));
}

void TrainerPage::set_result(std::u16string_view text)
{
    statusBar_.setPanelText(StatusBar::kResultPanel, fromView(text));
    speech_.resultShown(fromView(text));
}

void TrainerPage::append_log(std::u16string_view line) { log_.appendLog(fromView(line)); }

void TrainerPage::clear_fields()
{
    frage->clear();
    antwort->clear();
    loesung->clear();
}

void TrainerPage::show_question(std::u16string_view text)
{
    setWrappedText(*frage, fromView(text));
    speech_.questionShown(spokenQuestion(frage->toPlainText(), speechTexts().gap.in(language_.current())));
}

void TrainerPage::show_solution(std::u16string_view text)
{
    setWrappedText(*loesung, fromView(text));
    marks_->mark(text, language_.current());
    // The marks leave their summary as the field's description.
    speech_.solutionShown(spokenSolution(loesung->toPlainText()), loesung->accessibleDescription());
}

void TrainerPage::finish_trainer()
{
    for (QPushButton* button : {bt_correct, bt_wrong, bt_clock, bt_solve})
        button->setEnabled(false);
    clear_fields();
    for (QPlainTextEdit* field : {frage, antwort, loesung})
        field->setEnabled(false);
    speech_.roundEnded(statusBar_.panelText(StatusBar::kPhasePanel));
    emit finished();
}

}  // namespace lernwerk
