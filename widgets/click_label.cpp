#include "widgets/click_label.h"

#include <QMouseEvent>

namespace lernwerk {

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
