#include "widgets/status_column.h"

#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace lernwerk {

namespace {

// The column's entries are all about as wide as each other, so the entry just
// typed into is usually the widest one. The plain text layout keeps the number
// of its widest line, and when that line gets narrower it looks at every line
// of the document for the next widest: one Backspace after one typed letter
// then walks through all million entries of a large round.
//
// This layout lays out a line edited in place itself, in the same row and at
// the same width as before, as long as the entry fitted the field before the
// edit and needs no more room than the widest line afterwards. The recorded
// widest width then never shrinks, but it stays within the field's own width,
// where it gives no room to scroll sideways. Entries longer than the field, a
// line wider than any so far (recorded without any walk) and a line that no
// longer fits its row are left to the plain layout.
class EditInPlaceLayout : public QPlainTextDocumentLayout {
public:
    explicit EditInPlaceLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

protected:
    void documentChanged(int from, int removed, int added) override
    {
        if (!layOutInPlace(from, removed, added))
            QPlainTextDocumentLayout::documentChanged(from, removed, added);
        blocks_ = document()->blockCount();
    }

private:
    // Lays out one line changed within itself; false leaves the change to the
    // plain layout.
    bool layOutInPlace(int from, int removed, int added)
    {
        QTextDocument* document = this->document();
        if (document->blockCount() != blocks_)
            return false;
        const QTextBlock block = document->findBlock(from);
        if (!block.isValid() || !block.isVisible() ||
            block != document->findBlock(std::max(0, from + removed + added - 1)))
            return false;
        QTextLayout* layout = block.layout();
        if (layout->lineCount() != 1)
            return false;  // not laid out yet, or more than one row

        const QTextLine before = layout->lineAt(0);
        const qreal width = before.width();
        if (before.naturalTextWidth() > width)
            return false;  // the field scrolls sideways to this entry: its width must shrink with it
        const QPointF position = before.position();
        const qreal height = before.height();
        layout->setTextOption(document->defaultTextOption());
        layout->beginLayout();
        QTextLine line = layout->createLine();
        if (line.isValid()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(width);
            line.setPosition(position);
        }
        const bool oneRow = line.isValid() && !layout->createLine().isValid();
        layout->endLayout();
        if (oneRow && line.height() == height &&
            line.naturalTextWidth() + 2 * document->documentMargin() <= documentSize().width()) {
            emit updateBlock(block);
            return true;
        }
        // Wider than any line so far, or another height: the plain layout lays
        // the line out anew when it is next shown, records a new widest line
        // and moves the rows below.
        layout->clearLayout();
        emit update(QRectF(0, -document->documentMargin(), 1e9, 1e9));
        return true;
    }

    int blocks_ = 1;  // the block count the plain layout last saw
};

}  // namespace

StatusColumn::StatusColumn(QWidget* parent) : QPlainTextEdit(parent)
{
    auto* entries = new QTextDocument(this);
    entries->setDocumentLayout(new EditInPlaceLayout(entries));
    setDocument(entries);
}

void StatusColumn::follow(QPlainTextEdit* list)
{
    list_ = list;
    setFont(list->font());
    // Room at the foot for the list's horizontal scroll bar, so that both
    // fields show the same number of lines.
    setViewportMargins(0, 0, 0, list->horizontalScrollBar()->sizeHint().height());

    QScrollBar* listBar = list->verticalScrollBar();
    QScrollBar* ownBar = verticalScrollBar();
    connect(listBar, &QScrollBar::valueChanged, this, &StatusColumn::listScrolled);
    connect(listBar, &QScrollBar::rangeChanged, this, &StatusColumn::listScrolled);
    connect(ownBar, &QScrollBar::rangeChanged, this, &StatusColumn::listScrolled);
    connect(ownBar, &QScrollBar::valueChanged, this, &StatusColumn::columnScrolled);
    // A field that scrolls to keep its caret in view (Ctrl+End, the arrow
    // keys, typing, undo) moves its scroll bar with the bar's signals blocked,
    // and tells of the move only later, if at all. Once such an edit or caret
    // move is over, the two fields are compared and brought level.
    for (QPlainTextEdit* field : {list, static_cast<QPlainTextEdit*>(this)}) {
        connect(field, &QPlainTextEdit::updateRequest, this, &StatusColumn::levelSoon);
        connect(field, &QPlainTextEdit::cursorPositionChanged, this, &StatusColumn::levelSoon);
        connect(field, &QPlainTextEdit::blockCountChanged, this, &StatusColumn::levelSoon);
    }
}

void StatusColumn::levelSoon()
{
    if (levelPending_)
        return;
    levelPending_ = true;
    QMetaObject::invokeMethod(this, &StatusColumn::level, Qt::QueuedConnection);
}

void StatusColumn::level()
{
    levelPending_ = false;
    if (following_)
        return;
    // The side whose view moved since the fields were last level leads; when
    // both or neither moved, the list does.
    const bool listMoved = list_->verticalScrollBar()->value() != listLine_;
    const bool columnMoved = verticalScrollBar()->value() != columnLine_;
    if (columnMoved && !listMoved)
        columnScrolled();
    else
        listScrolled();
}

void StatusColumn::listScrolled()
{
    if (following_)
        return;
    following_ = true;
    listLine_ = list_->verticalScrollBar()->value();
    QScrollBar* ownBar = verticalScrollBar();
    ownBar->setValue(std::min(listLine_, ownBar->maximum()));
    columnLine_ = ownBar->value();
    setAligned(columnLine_ == listLine_);
    following_ = false;
}

void StatusColumn::columnScrolled()
{
    if (following_)
        return;
    // The user scrolled the column itself: the list follows as far as it can,
    // and the column never runs ahead of the list.
    following_ = true;
    QScrollBar* listBar = list_->verticalScrollBar();
    listBar->setValue(verticalScrollBar()->value());
    verticalScrollBar()->setValue(listBar->value());
    listLine_ = listBar->value();
    columnLine_ = verticalScrollBar()->value();
    setAligned(true);
    following_ = false;
}

void StatusColumn::focusInEvent(QFocusEvent* event)
{
    // Typing into the column needs its entries in view: bring the list back
    // beside them.
    if (!aligned_)
        columnScrolled();
    QPlainTextEdit::focusInEvent(event);
}

void StatusColumn::setAligned(bool aligned)
{
    if (aligned == aligned_)
        return;
    aligned_ = aligned;
    QPalette colours = palette();
    colours.setColor(QPalette::Text, aligned ? list_->palette().color(QPalette::Text) : colours.color(QPalette::Base));
    setPalette(colours);
}

}  // namespace lernwerk
