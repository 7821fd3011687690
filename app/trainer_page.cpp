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

    questionHeading_ = makeHeading(this, "Label10");
    questionHeading_->move(kFieldLeft, 14);
    question_ = makeTrainerField(this, "frage");
    answerHeading_ = makeHeading(this, "Label11");
    answer_ = makeTrainerField(this, "antwort");
    solutionHeading_ = makeHeading(this, "Label12");
    solution_ = makeTrainerField(this, "loesung");
    marks_ = new AnswerMarks(*answer_, *solution_);

    solve_ = makeTrainerButton(this, "bt_solve", "solve");
    correct_ = makeTrainerButton(this, "bt_correct", "correct");
    wrong_ = makeTrainerButton(this, "bt_wrong", "wrong");
    clock_ = makeTrainerButton(this, "bt_clock", "clock");
    QWidget::setTabOrder(question_, answer_);
    QWidget::setTabOrder(answer_, solution_);
    QWidget::setTabOrder(solution_, solve_);
    QWidget::setTabOrder(solve_, correct_);
    QWidget::setTabOrder(correct_, wrong_);
    QWidget::setTabOrder(wrong_, clock_);

    connect(solve_, &QPushButton::clicked, this, &TrainerPage::solveClicked);
    connect(correct_, &QPushButton::clicked, this, [this] { emit markClicked(quiz::Marking::Correct); });
    connect(wrong_, &QPushButton::clicked, this, [this] { emit markClicked(quiz::Marking::Wrong); });
    connect(clock_, &QPushButton::clicked, this, [this] { emit markClicked(quiz::Marking::Postponed); });
}

void TrainerPage::takeRoundKeysIn(QWidget& window)
{
    for (const auto& [keys, button] : {std::pair{kSolveKey, solve_}, std::pair{kCorrectKey, correct_},
                                       std::pair{kWrongKey, wrong_}, std::pair{kClockKey, clock_}})
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
    questionHeading_->resize(fieldWidth, questionHeading_->height());

    question_->setGeometry(kFieldLeft, 40, fieldWidth, 2 * a - 40);
    answerHeading_->setGeometry(kFieldLeft, 2 * a + 8, fieldWidth, answerHeading_->height());
    answer_->setGeometry(kFieldLeft, answerHeading_->y() + kHeadingToField, fieldWidth, a);
    solutionHeading_->setGeometry(kFieldLeft, 3 * a + 40, fieldWidth, solutionHeading_->height());
    solution_->setGeometry(kFieldLeft, solutionHeading_->y() + kHeadingToField, fieldWidth, 2 * a - 40);

    const int buttonTop = height - kButtonHeight - kButtonBottom;
    solve_->move(kFieldLeft, buttonTop);
    int x = width - kFieldRight - kButtonWidth;
    for (QPushButton* button : {clock_, wrong_, correct_}) {
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
    caption(correct_, texts.correct, kCorrectKey);
    caption(wrong_, texts.wrong, kWrongKey);
    caption(clock_, texts.clock, kClockKey);
    caption(solve_, texts.solve, kSolveKey);
    questionHeading_->setText(texts.questionHeading.in(language));
    answerHeading_->setText(texts.answerHeading.in(language));
    solutionHeading_->setText(texts.solutionHeading.in(language));
    // A screen reader names each field by its heading.
    question_->setAccessibleName(texts.questionHeading.in(language));
    answer_->setAccessibleName(texts.answerHeading.in(language));
    solution_->setAccessibleName(texts.solutionHeading.in(language));
    replaceFieldLines(*answer_, texts.answerField.in(language));
    replaceFieldLines(*solution_, texts.solutionField.in(language));
    replaceFieldLines(*question_, texts.questionField.in(language));
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
         std::initializer_list<QWidget*>{correct_, wrong_, clock_, solve_, question_, answer_, solution_})
        control->setEnabled(true);
}

void TrainerPage::show_trainer_page()
{
    emit showRequested();
    // A new round: the cursor waits in the answer field, where the keys of
    // the round work too.
    answer_->setFocus(Qt::OtherFocusReason);
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
    question_->clear();
    answer_->clear();
    solution_->clear();
}

void TrainerPage::show_question(std::u16string_view text)
{
    setWrappedText(*question_, fromView(text));
    speech_.questionShown(spokenQuestion(question_->toPlainText(), speechTexts().gap.in(language_.current())));
}

void TrainerPage::show_solution(std::u16string_view text)
{
    setWrappedText(*solution_, fromView(text));
    marks_->mark(text, language_.current());
    // The marks leave their summary as the field's description.
    speech_.solutionShown(spokenSolution(solution_->toPlainText()), solution_->accessibleDescription());
}

void TrainerPage::finish_trainer()
{
    for (QPushButton* button : {correct_, wrong_, clock_, solve_})
        button->setEnabled(false);
    clear_fields();
    for (QPlainTextEdit* field : {question_, answer_, solution_})
        field->setEnabled(false);
    speech_.roundEnded(statusBar_.panelText(StatusBar::kPhasePanel));
    emit finished();
}

}  // namespace lernwerk
