#include "app/answer_marks.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "lang/answer_check_texts.h"
#include "widgets/text_field.h"

namespace lernwerk {

namespace {

// How much of the text colour goes into the background behind a gap.
constexpr double kNearlyTint = 0.10;
constexpr double kMissingTint = 0.20;

QColor mixed(const QColor& background, const QColor& text, double share)
{
    const auto channel = [share](int from, int to) { return static_cast<int>(from + (to - from) * share + 0.5); };
    return QColor(channel(background.red(), text.red()), channel(background.green(), text.green()),
                  channel(background.blue(), text.blue()));
}

}  // namespace

AnswerMarks::AnswerMarks(const QPlainTextEdit& answer, QPlainTextEdit& solution)
    : QObject(&solution), answer_(answer), solution_(solution)
{
    connect(&solution_, &QPlainTextEdit::textChanged, this, [this] {
        if (!marking_)
            clear();
    });
    // A new font or colour of the field: the tints follow.
    solution_.installEventFilter(this);
}

void AnswerMarks::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled)
        clear();
}

void AnswerMarks::mark(std::u16string_view line, Language language)
{
    clear();
    if (!enabled_)
        return;
    // The answer is read here, at the reveal, and nowhere else.
    checks_ = quiz::check_answer(line, fieldText(answer_));
    if (checks_.empty())
        return;
    paint();
    solution_.setAccessibleDescription(answerCheckSummary(quiz::count_verdicts(checks_), language));
}

void AnswerMarks::clear()
{
    if (checks_.empty() && solution_.accessibleDescription().isEmpty())
        return;
    checks_.clear();
    solution_.setExtraSelections({});
    solution_.setAccessibleDescription(QString());
}

void AnswerMarks::paint()
{
    const QPalette& palette = solution_.palette();
    const QColor background = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const int end = solution_.document()->characterCount() - 1;

    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(static_cast<qsizetype>(checks_.size()));
    for (const quiz::GapCheck& check : checks_) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(solution_.document());
        // The gap with its underscores; an unclosed gap runs to the end.
        selection.cursor.setPosition(std::min(static_cast<int>(check.open), end));
        selection.cursor.setPosition(std::min(static_cast<int>(check.close) + 1, end), QTextCursor::KeepAnchor);
        selection.format.setUnderlineColor(text);
        switch (check.verdict) {
            case quiz::GapVerdict::AsTyped:
                selection.format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
                break;
            case quiz::GapVerdict::Nearly:
                selection.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
                selection.format.setBackground(mixed(background, text, kNearlyTint));
                break;
            case quiz::GapVerdict::Missing:
                selection.format.setUnderlineStyle(QTextCharFormat::DotLine);
                selection.format.setFontOverline(true);
                selection.format.setBackground(mixed(background, text, kMissingTint));
                break;
        }
        selections.append(selection);
    }
    marking_ = true;
    solution_.setExtraSelections(selections);
    marking_ = false;
}

bool AnswerMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &solution_ && event->type() == QEvent::PaletteChange && !checks_.empty())
        paint();
    return QObject::eventFilter(watched, event);
}

}  // namespace lernwerk
