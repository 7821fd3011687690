#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <optional>

#include <string_view>
#include <vector>

#include "lang/interface_language.h"
#include "quiz/answer_check.h"

class QPlainTextEdit;

namespace lernwerk {

// Marks, in the solution field, how the learner's typed answer stands to each
// gap of the revealed line. The marks are formatting only: the field's text
// stays exactly the line. Each verdict has an underline style of its own, in
// the colour of the field's text, so the marks read wherever the text does,
// in any colour the learner chose and in a light or a dark theme:
//   as typed  a solid underline;
//   nearly    a wavy underline, on a faint tint;
//   missing   a dotted underline and a line above, on a stronger tint.
// The marks differ in hue as well (blue, orange, vermilion, a set told apart
// also by the colour-blind), made dark on a light background and light on a
// dark one; the tints mix that hue into the field's background. Pointing at
// a marked gap, or moving the caret onto it, shows its verdict and what the
// answer held for it; the field's tooltip gives the summary ("2 of 3 gaps as
// typed, 1 nearly") and what the marks mean, and a screen reader finds the
// summary as the field's description. Any change of the field's text takes
// the marks away.
class AnswerMarks : public QObject {
public:
    AnswerMarks(const QPlainTextEdit& answer, QPlainTextEdit& solution);

    // Switched off, revealing shows the line alone, as without the comparison.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }

    // The solution field now holds `line`: marks its gaps against the answer
    // field. A blank answer marks nothing.
    // With `gap`, the question asked only that gap: only it is held against the answer.
    void mark(std::u16string_view line, Language language, std::optional<int> gap = std::nullopt);
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint();
    // The verdict of the gap at a place of the solution's text, or empty.
    QString explanationAt(int position) const;
    QString heldFor(const quiz::GapCheck& check) const;
    void explainAtCaret();

    const QPlainTextEdit& answer_;
    QPlainTextEdit& solution_;
    QPointer<QWidget> viewport_;
    bool enabled_ = true;
    bool marking_ = false;
    std::vector<quiz::GapCheck> checks_;
    QString answerAtReveal_;
    Language language_ = Language::English;
};

}  // namespace lernwerk
