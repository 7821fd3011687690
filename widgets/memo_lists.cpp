#include "widgets/memo_lists.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "widgets/text_field.h"

namespace lernwerk {

namespace {

// Up to this many empty lines are deleted one by one, more by a rebuild.
constexpr std::size_t kLineByLineLimit = 1000;

std::u16string blockText(const QTextBlock& block) { return lineText(block).toStdU16String(); }

}  // namespace

int lineCount(const QPlainTextEdit& memo)
{
    const QTextDocument* document = memo.document();
    if (document->blockCount() == 1 && document->firstBlock().length() <= 1)
        return 0;
    return document->blockCount();
}

void MemoQuestionList::remove_empty_lines()
{
    QTextDocument* document = memo_.document();
    std::vector<int> empty;
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next())
        if (block.length() <= 1)
            empty.push_back(block.blockNumber());
    if (empty.empty())
        return;

    if (empty.size() <= kLineByLineLimit) {
        // Usually only a few lines are empty (a list file's last line break
        // leaves one): deleting them one by one keeps the rest of a huge list
        // as it is.
        QTextCursor cursor(document);
        cursor.beginEditBlock();
        for (auto it = empty.rbegin(); it != empty.rend(); ++it) {
            const QTextBlock block = document->findBlockByNumber(*it);
            if (const QTextBlock before = block.previous(); before.isValid()) {
                cursor.setPosition(before.position() + before.length() - 1);
                cursor.setPosition(block.position(), QTextCursor::KeepAnchor);
            } else if (const QTextBlock after = block.next(); after.isValid()) {
                cursor.setPosition(block.position());
                cursor.setPosition(after.position(), QTextCursor::KeepAnchor);
            } else {
                continue;  // the one empty line of an empty list
            }
            cursor.removeSelectedText();
        }
        cursor.endEditBlock();
        return;
    }

    // Many empty lines: one rebuild is cheaper than a deletion per line.
    dropEmptyFieldLines(memo_);
}

int MemoQuestionList::count() const { return lineCount(memo_); }

std::u16string MemoQuestionList::line(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return blockText(memo_.document()->findBlockByNumber(index));
}

MemoStatusList::MemoStatusList(QPlainTextEdit& memo) : memo_(memo)
{
    retally();
    following_ =
        QObject::connect(memo_.document(), &QTextDocument::contentsChange, memo_.document(),
                         [this](int position, int removed, int added) { followChange(position, removed, added); });
}

MemoStatusList::~MemoStatusList() { QObject::disconnect(following_); }

void MemoStatusList::reset(int n)
{
    // n entries "0" separated by LF.
    QString text(std::max(2 * n - 1, 0), QLatin1Char('0'));
    for (qsizetype i = 1; i < text.size(); i += 2)
        text[i] = QLatin1Char('\n');
    // The new content is known: the tally is set, not read back line by line.
    resetting_ = true;
    const PreparedFill prepared(memo_);
    memo_.setPlainText(text);
    resetting_ = false;
    if (n > 0) {
        tally_.reset(n);
        lines_ = n;
    } else {
        retally();
    }
}

void MemoStatusList::mark_correct(int index)
{
    if (index < 0 || index >= lineCount(memo_))
        return;
    QTextCursor cursor(memo_.document()->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(QStringLiteral("X"));
}

std::u16string MemoStatusList::entry(int index) const
{
    const QTextBlock block = memo_.document()->findBlockByNumber(index);
    return block.isValid() ? blockText(block) : std::u16string();
}

void MemoStatusList::restore(int n, const std::map<std::int32_t, std::u16string>& entries)
{
    QStringList lines;
    lines.reserve(n);
    for (int i = 0; i < n; ++i) {
        const auto entry = entries.find(i);
        lines << (entry == entries.end() ? QStringLiteral("0") : QString::fromStdU16String(entry->second));
    }
    memo_.setPlainText(lines.join(QLatin1Char('\n')));
}

void MemoStatusList::retally()
{
    const QTextDocument* document = memo_.document();
    std::vector<std::u16string> entries;
    entries.reserve(static_cast<std::size_t>(document->blockCount()));
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next())
        entries.push_back(blockText(block));
    tally_.reset(0);
    lines_ = static_cast<int>(entries.size());
    tally_.replace(0, 0, std::move(entries));
}

void MemoStatusList::followChange(int position, int removed, int added)
{
    if (resetting_)
        return;
    // The tally holds one entry per block of the document (an empty field has
    // one empty entry, which counts as neither open nor correct).
    const QTextDocument* document = memo_.document();
    const int lastPosition = std::max(0, document->characterCount() - 1);
    const QTextBlock first = document->findBlock(std::clamp(position, 0, lastPosition));
    const QTextBlock last = document->findBlock(std::clamp(position + added, 0, lastPosition));
    if (!first.isValid() || !last.isValid()) {
        retally();
        return;
    }
    const int firstLine = first.blockNumber();
    const int newLines = last.blockNumber() - firstLine + 1;
    const int oldLines = newLines - (document->blockCount() - lines_);
    if (oldLines < 0 || firstLine + oldLines > lines_) {
        retally();
        return;
    }
    (void)removed;

    std::vector<std::u16string> entries;
    entries.reserve(static_cast<std::size_t>(newLines));
    for (QTextBlock block = first;; block = block.next()) {
        entries.push_back(blockText(block));
        if (block == last)
            break;
    }
    tally_.replace(firstLine, oldLines, std::move(entries));
    lines_ = document->blockCount();
}

}  // namespace lernwerk
