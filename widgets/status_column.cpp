#include "widgets/status_column.h"

#include <QScrollBar>

namespace lernwerk {

StatusColumn::StatusColumn(QWidget* parent) : QPlainTextEdit(parent) {}

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
}

void StatusColumn::listScrolled()
{
    if (following_)
        return;
    following_ = true;
    const int line = list_->verticalScrollBar()->value();
    QScrollBar* ownBar = verticalScrollBar();
    ownBar->setValue(std::min(line, ownBar->maximum()));
    setAligned(ownBar->value() == line);
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
