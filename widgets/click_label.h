#pragma once

#include <QLabel>

namespace lernwerk {

// A label that reports a click of the left mouse button; pictures and link
// captions are made of it. A click counts only when the button is pressed and
// released over the caption or picture itself, not over empty room beside it.
// Tab reaches it, and Enter or Space press it as they press a button.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

    // Where the caption, or the picture, is drawn.
    QRect contentArea() const;

signals:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace lernwerk
