#include "widgets/click_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "widgets/accessibility_hub.h"

namespace lernwerk {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
    installAccessibilityHub();
    setFocusPolicy(Qt::StrongFocus);
}

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    installAccessibilityHub();
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    // Reached with Tab, it is pressed with Enter or Space like a button.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentArea().adjusted(-2, -1, 2, 1).intersected(rect());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

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
