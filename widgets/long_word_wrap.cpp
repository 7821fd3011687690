#include "widgets/long_word_wrap.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace lernwerk {

namespace {

// Longer than any word of a language written with spaces; a run this long
// wraps the same way whether breaks are sought at word boundaries or not.
constexpr int kLongestWord = 256;
// Up to this size the whole text is looked at after every edit; above it only
// the text around the edit, and a field once wrapping anywhere goes on doing
// so until its text is replaced.
constexpr int kWholeTextLimit = 1 << 20;

// The field property that is true while setWrappedText puts in a text whose
// wrap mode it has chosen.
constexpr const char* kWrapChosen = "lernwerkWrapChosen";

bool breaksWords(QChar unit) { return unit.isSpace() || unit == QChar::ParagraphSeparator; }

bool holdsLongRun(const QString& text)
{
    int run = 0;
    for (const QChar unit : text) {
        run = breaksWords(unit) ? 0 : run + 1;
        if (run > kLongestWord)
            return true;
    }
    return false;
}

class LongRunWatch : public QObject {
public:
    explicit LongRunWatch(QPlainTextEdit& field) : QObject(&field), field_(field)
    {
        // The change is reported before the field lays the text out, so the
        // layout already wraps as set here.
        connect(field.document(), &QTextDocument::contentsChange, this, &LongRunWatch::changed);
    }

private:
    void changed(int position, int, int added)
    {
        QTextDocument* document = field_.document();
        const int size = document->characterCount();
        if (document->isEmpty() || field_.property(kWrapChosen).toBool())
            return;  // nothing to wrap, or chosen already
        const bool whole = size <= kWholeTextLimit || (position == 0 && added >= size - 1);
        bool longRun = false;
        if (whole) {
            longRun = holdsLongRun(document->toRawText());
        } else if (added > 0) {
            QTextCursor around(document);
            around.setPosition(std::max(0, position - kLongestWord));
            around.setPosition(std::min(size - 1, position + added + kLongestWord), QTextCursor::KeepAnchor);
            longRun = holdsLongRun(around.selectedText());
        }
        const QTextOption::WrapMode mode = longRun || (!whole && field_.wordWrapMode() == QTextOption::WrapAnywhere)
                                               ? QTextOption::WrapAnywhere
                                               : QTextOption::WrapAtWordBoundaryOrAnywhere;
        if (field_.wordWrapMode() != mode)
            field_.setWordWrapMode(mode);
    }

    QPlainTextEdit& field_;
};

}  // namespace

void wrapLongRunsAnywhere(QPlainTextEdit& field) { new LongRunWatch(field); }

void setWrappedText(QPlainTextEdit& field, const QString& text)
{
    const QTextOption::WrapMode mode =
        holdsLongRun(text) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (field.wordWrapMode() != mode) {
        // Another wrap mode lays the whole text out again: the old text goes
        // first, so that only the new one is laid out, once.
        field.clear();
        field.setWordWrapMode(mode);
    }
    field.setProperty(kWrapChosen, true);
    field.setPlainText(text);
    field.setProperty(kWrapChosen, false);
}

}  // namespace lernwerk
