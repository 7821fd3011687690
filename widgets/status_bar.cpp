#include "widgets/status_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

#include "widgets/accessibility_hub.h"
#include "widgets/status_bar_accessible.h"

namespace lernwerk {

namespace {

constexpr int kSmallestPixels = 9;

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent)
{
    installAccessibilityHub();
    setObjectName(QStringLiteral("anzeige"));
    setSizeGripEnabled(false);
    setFixedHeight(kHeight);
    setMouseTracking(true);
}

QString StatusBar::panelText(int panel) const { return texts_.at(static_cast<std::size_t>(panel)); }

void StatusBar::setPanelText(int panel, const QString& text)
{
    QString& shown = texts_.at(static_cast<std::size_t>(panel));
    if (shown == text)
        return;
    shown = text;
    update();
    // A screen reader speaks the new phase or result line.
    StatusBarAccessible::announce(this, panel);
}

QRect StatusBar::panelRect(int panel) const
{
    int left = 0;
    for (int before = 0; before < panel; ++before)
        left += kPanelWidths[static_cast<std::size_t>(before)];
    return {left, 0, kPanelWidths[static_cast<std::size_t>(panel)] - 2, height()};
}

int StatusBar::panelAt(int x)
{
    int right = 0;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        right += kPanelWidths[static_cast<std::size_t>(panel)];
        if (right > x)
            return panel;
    }
    return -1;
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        const QRect box = panelRect(panel);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(box.adjusted(0, 0, -1, -1));

        // A text a little too long for its fixed panel is drawn smaller rather
        // than cut; only a much longer one is elided.
        const QString& text = texts_[static_cast<std::size_t>(panel)];
        const QRect textBox = box.adjusted(3, 0, -3, 0);
        QFont shown = font();
        while (QFontMetrics(shown).horizontalAdvance(text) > textBox.width() && shown.pixelSize() > kSmallestPixels)
            shown.setPixelSize(shown.pixelSize() - 1);
        painter.setFont(shown);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft,
                         QFontMetrics(shown).elidedText(text, Qt::ElideRight, textBox.width()));
    }
}

void StatusBar::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(showsHandAt(event->position().toPoint().x()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QStatusBar::mouseMoveEvent(event);
}

int StatusBar::panelUnder(QPoint point) const { return rect().contains(point) ? panelAt(point.x()) : kNotPressed; }

void StatusBar::mousePressEvent(QMouseEvent* event)
{
    QStatusBar::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        pressedPanel_ = panelUnder(event->position().toPoint());
}

void StatusBar::mouseReleaseEvent(QMouseEvent* event)
{
    QStatusBar::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const bool click = pressedPanel_ != kNotPressed && panelUnder(point) == pressedPanel_;
    pressedPanel_ = kNotPressed;
    if (click)
        emit clicked(point.x());
}

}  // namespace lernwerk
