#include "pages/trainer_page.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "lang/speech_texts.h"
#include "lang/trainer_texts.h"
#include "pages/answer_marks.h"
#include "pages/spoken_question.h"
#include "widgets/classic_faces.h"
#include "widgets/controls.h"
#include "widgets/long_word_wrap.h"
#include "widgets/text_field.h"
#include "widgets/text_field_accessible.h"

namespace lernwerk {

namespace {

constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 27;
constexpr int kButtonGap = 7;
constexpr int kButtonBottom = 12;  // space under the buttons
constexpr int kHeadingToField = 25;
// The glance stands right of the question's heading, above the question field.
constexpr int kGlanceTop = 2;
constexpr int kGlanceHeight = 34;
constexpr int kGlanceGap = 16;

QPlainTextEdit* makeTrainerField(QWidget* page, const char* name)
{
    auto* field = makeMemo(page, name);
    field->setFont(classicFont(QStringLiteral("Courier New"), 13));
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

}  // namespace

TrainerPage::TrainerPage(std::vector<RoundButton> buttons, QWidget* parent)
    : QWidget(parent), buttonRows_(std::move(buttons))
{
    setObjectName(QStringLiteral("tb1"));

    questionHeading_ = makeHeading(this, "Label10");
    questionHeading_->move(kFieldLeft, 14);
    glance_ = new QLabel(this);
    glance_->setObjectName(QStringLiteral("glance"));
    glance_->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    glance_->setWordWrap(true);
    question_ = makeTrainerField(this, "frage");
    answerHeading_ = makeHeading(this, "Label11");
    answer_ = makeTrainerField(this, "antwort");
    solutionHeading_ = makeHeading(this, "Label12");
    solution_ = makeTrainerField(this, "loesung");
    marks_ = new AnswerMarks(*answer_, *solution_);

    QWidget::setTabOrder(question_, answer_);
    QWidget::setTabOrder(answer_, solution_);
    QWidget* before = solution_;
    for (int index = 0; index < static_cast<int>(buttonRows_.size()); ++index) {
        const RoundButton& row = buttonRows_[static_cast<std::size_t>(index)];
        QPushButton* button = makeTrainerButton(this, row.objectName, row.glyph);
        QWidget::setTabOrder(before, button);
        before = button;
        connect(button, &QPushButton::clicked, this, [this, index] { emit commandPressed(index); });
        buttons_.push_back(button);
        if (row.takesEnter)
            enterButton_ = button;
    }
    correct_ = findChild<QPushButton*>(QStringLiteral("bt_correct"), Qt::FindDirectChildrenOnly);
}

void TrainerPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutFor(width(), height());
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

    placeGlance();

    const int buttonTop = height - kButtonHeight - kButtonBottom;
    int left = kFieldLeft;
    int rightCount = 0;
    for (const RoundButton& row : buttonRows_)
        rightCount += row.side == RoundButton::Side::Right ? 1 : 0;
    int right = width - kFieldRight - rightCount * kButtonWidth - (rightCount - 1) * kButtonGap;
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        int& x = buttonRows_[index].side == RoundButton::Side::Left ? left : right;
        buttons_[index]->move(x, buttonTop);
        x += kButtonWidth + kButtonGap;
    }
}

void TrainerPage::retranslate(Language language)
{
    const TrainerTexts& texts = trainerTexts();
    setWindowTitle(texts.tab.in(language));
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        const RoundButton& row = buttonRows_[index];
        const QString caption = (texts.*row.caption).in(language);
        buttons_[index]->setText(caption);
        buttons_[index]->setToolTip(caption + QStringLiteral(" (") + row.key.toString(QKeySequence::NativeText) +
                                    QLatin1Char(')'));
    }
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
    // A screen reader reads the question's gaps as words, in the language of the moment.
    TextFieldAccessible::setReader(
        *question_, [gap = speechTexts().gap.in(language)](const QString& shown) { return readQuestion(shown, gap); });
    placeGlance();
}

void TrainerPage::placeGlance()
{
    const int left =
        kFieldLeft + questionHeading_->fontMetrics().horizontalAdvance(questionHeading_->text()) + kGlanceGap;
    glance_->setGeometry(left, kGlanceTop, std::max(0, width() - kFieldRight - left), kGlanceHeight);
}

void TrainerPage::showGlance(const QString& text) { glance_->setText(text); }

// ---------------------------------------------------------------- what a round shows

std::vector<std::pair<QKeySequence, QPushButton*>> TrainerPage::buttonKeys() const
{
    std::vector<std::pair<QKeySequence, QPushButton*>> keys;
    for (std::size_t index = 0; index < buttons_.size(); ++index)
        keys.emplace_back(buttonRows_[index].key, buttons_[index]);
    return keys;
}

bool TrainerPage::roundRunning() const { return correct_->isEnabled(); }

void TrainerPage::setHintEnabled(bool on)
{
    if (auto* hint = findChild<QPushButton*>(QStringLiteral("bt_hint"), Qt::FindDirectChildrenOnly))
        hint->setEnabled(on && roundRunning());
}

void TrainerPage::startRound()
{
    for (QPushButton* button : buttons_)
        button->setEnabled(true);
    for (QPlainTextEdit* field : {question_, answer_, solution_})
        field->setEnabled(true);
    answer_->setFocus(Qt::OtherFocusReason);
}

void TrainerPage::clearFields()
{
    question_->clear();
    answer_->clear();
    solution_->clear();
}

void TrainerPage::showQuestion(const QString& question) { setWrappedText(*question_, question); }

void TrainerPage::showSolution(std::u16string_view line, Language language, std::optional<int> gap)
{
    setWrappedText(*solution_, QString::fromUtf16(line.data(), static_cast<qsizetype>(line.size())));
    marks_->mark(line, language, gap);
}

QString TrainerPage::question() const { return question_->toPlainText(); }

QString TrainerPage::solution() const { return solution_->toPlainText(); }

// The marks leave their summary as the field's description.
QString TrainerPage::answerCheck() const { return solution_->accessibleDescription(); }

void TrainerPage::endRound()
{
    for (QPushButton* button : buttons_)
        button->setEnabled(false);
    clearFields();
    for (QPlainTextEdit* field : {question_, answer_, solution_})
        field->setEnabled(false);
}

}  // namespace lernwerk
