#include "widgets/click_label.h"

#include <QMouseEvent>

#include "widgets/click_label_accessible.h"

namespace lernwerk {

namespace {

void installAccessibility()
{
    static const bool installed = (ClickLabelAccessible::install(), true);
    Q_UNUSED(installed);
}

}  // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) { installAccessibility(); }

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { installAccessibility(); }

QRect ClickLabel::contentArea() const
{
    const QRect inside = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (text().isEmpty())
        return inside;
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    return fontMetrics().boundingRect(inside, flags, text()).intersected(inside);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        pressed_ = contentArea().contains(event->position().toPoint());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && contentArea().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

}  // namespace lernwerk
