#include "pages/answer_marks.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCursor>
#include <QToolTip>

#include "lang/answer_check_texts.h"
#include "quiz/gaps.h"
#include "widgets/text_field.h"

namespace lernwerk {

namespace {

// How much of the verdict's colour goes into the background behind a gap.
constexpr double kNearlyTint = 0.15;
constexpr double kMissingTint = 0.25;
// The verdicts' hues, from a set that people with any common colour vision
// deficiency tell apart: blue, orange and vermilion.
const QColor kAsTypedHue(0, 114, 178);
const QColor kNearlyHue(230, 159, 0);
const QColor kMissingHue(213, 94, 0);
// The lightness of a mark: dark on a light background, light on a dark one.
constexpr double kDarkMark = 0.36;
constexpr double kLightMark = 0.70;
constexpr double kHalf = 0.5;

QColor mixed(const QColor& background, const QColor& text, double share)
{
    const auto channel = [share](int from, int to) { return static_cast<int>(from + (to - from) * share + 0.5); };
    return QColor(channel(background.red(), text.red()), channel(background.green(), text.green()),
                  channel(background.blue(), text.blue()));
}

// The hue with the lightness that reads on `background`.
QColor readableOn(const QColor& background, const QColor& hue)
{
    const double lightness = background.lightnessF() < kHalf ? kLightMark : kDarkMark;
    return QColor::fromHslF(hue.hslHueF(), hue.hslSaturationF(), static_cast<float>(lightness));
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
    viewport_ = solution_.viewport();
    viewport_->installEventFilter(this);
    connect(&solution_, &QPlainTextEdit::cursorPositionChanged, this, &AnswerMarks::explainAtCaret);
}

void AnswerMarks::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled)
        clear();
}

void AnswerMarks::mark(std::u16string_view line, Language language, std::optional<int> gap)
{
    clear();
    if (!enabled_)
        return;
    // The answer is read here, at the reveal, and nowhere else.
    const std::u16string answer = fieldText(answer_);
    checks_ = gap ? quiz::check_answer(quiz::only_gap(line, static_cast<std::size_t>(*gap)), answer)
                  : quiz::check_answer(line, answer);
    if (checks_.empty())
        return;
    answerAtReveal_ = QString::fromStdU16String(answer);
    language_ = language;
    paint();
    const QString summary = answerCheckSummary(quiz::count_verdicts(checks_), language);
    solution_.setAccessibleDescription(summary);
    solution_.setToolTip(summary + QStringLiteral("\n") + answerCheckTexts().legend.in(language));
}

void AnswerMarks::clear()
{
    if (checks_.empty() && solution_.accessibleDescription().isEmpty())
        return;
    checks_.clear();
    answerAtReveal_.clear();
    solution_.setExtraSelections({});
    solution_.setAccessibleDescription(QString());
    solution_.setToolTip(QString());
}

void AnswerMarks::paint()
{
    const QPalette& palette = solution_.palette();
    const QColor background = palette.color(QPalette::Base);
    const int end = solution_.document()->characterCount() - 1;

    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(static_cast<qsizetype>(checks_.size()));
    for (const quiz::GapCheck& check : checks_) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(solution_.document());
        // The gap with its underscores; an unclosed gap runs to the end.
        selection.cursor.setPosition(std::min(static_cast<int>(check.open), end));
        selection.cursor.setPosition(std::min(static_cast<int>(check.close) + 1, end), QTextCursor::KeepAnchor);
        switch (check.verdict) {
            case quiz::GapVerdict::AsTyped:
                selection.format.setUnderlineStyle(QTextCharFormat::SingleUnderline);
                selection.format.setUnderlineColor(readableOn(background, kAsTypedHue));
                break;
            case quiz::GapVerdict::Nearly: {
                const QColor mark = readableOn(background, kNearlyHue);
                selection.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
                selection.format.setUnderlineColor(mark);
                selection.format.setBackground(mixed(background, mark, kNearlyTint));
                break;
            }
            case quiz::GapVerdict::Missing: {
                const QColor mark = readableOn(background, kMissingHue);
                selection.format.setUnderlineStyle(QTextCharFormat::DotLine);
                selection.format.setUnderlineColor(mark);
                selection.format.setFontOverline(true);
                selection.format.setBackground(mixed(background, mark, kMissingTint));
                break;
            }
        }
        selections.append(selection);
    }
    marking_ = true;
    solution_.setExtraSelections(selections);
    marking_ = false;
}

// The words of the answer that hold the gap: the first run of them that the
// check alone gives the gap's verdict for, without the separators around it.
// Looked for only when asked, and among a bounded number of runs.
QString AnswerMarks::heldFor(const quiz::GapCheck& check) const
{
    if (check.verdict == quiz::GapVerdict::Missing)
        return {};
    const QString line = solution_.toPlainText();
    const QString gap =
        line.mid(static_cast<qsizetype>(check.open) + 1, static_cast<qsizetype>(check.close - check.open) - 1);
    const std::u16string asLine = (QLatin1Char('_') + gap + QLatin1Char('_')).toStdU16String();
    const QStringList words = answerAtReveal_.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const qsizetype longest = gap.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size() + 1;
    constexpr qsizetype kMostRuns = 20'000;
    qsizetype tried = 0;
    // The shortest runs first, so that a word is not shown with its neighbours.
    for (qsizetype count = 1; count <= longest; ++count) {
        for (qsizetype first = 0; first + count <= words.size() && tried < kMostRuns; ++first, ++tried) {
            const QString run = words.mid(first, count).join(QLatin1Char(' '));
            const std::vector<quiz::GapCheck> alone = quiz::check_answer(asLine, run.toStdU16String());
            if (!alone.empty() && alone.front().verdict == check.verdict) {
                static const QRegularExpression edges(QStringLiteral("^[^\\w]+|[^\\w]+$"),
                                                      QRegularExpression::UseUnicodePropertiesOption);
                return QString(run).remove(edges);
            }
        }
    }
    return {};
}

QString AnswerMarks::explanationAt(int position) const
{
    const auto at = static_cast<std::size_t>(position);
    for (const quiz::GapCheck& check : checks_) {
        if (at < check.open || at > check.close)
            continue;
        return gapVerdictText(check.verdict, heldFor(check), language_);
    }
    return {};
}

void AnswerMarks::explainAtCaret()
{
    // The viewport goes first when the field is destroyed.
    if (checks_.empty() || viewport_.isNull() || !solution_.hasFocus())
        return;
    const QString explanation = explanationAt(solution_.textCursor().position());
    if (explanation.isEmpty())
        return;
    const QRect caret = solution_.cursorRect();
    QToolTip::showText(viewport_->mapToGlobal(caret.bottomLeft()), explanation, viewport_, caret);
}

bool AnswerMarks::eventFilter(QObject* watched, QEvent* event)
{
    // The event's type is looked at first: the filter also sees the events
    // of a field that is being destroyed.
    if (event->type() == QEvent::PaletteChange && watched == &solution_ && !checks_.empty())
        paint();
    // Pointing at a marked gap tells its verdict; elsewhere the field's own
    // tooltip gives the summary.
    if (event->type() == QEvent::ToolTip && watched == viewport_ && !checks_.empty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString explanation = explanationAt(solution_.cursorForPosition(help->pos()).position());
        if (!explanation.isEmpty()) {
            QToolTip::showText(help->globalPos(), explanation, viewport_);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lernwerk
