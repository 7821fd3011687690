#pragma once

#include <QLabel>

namespace lernwerk {

// A label that reports a click of the left mouse button; pictures and link
// captions are made of it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lernwerk
