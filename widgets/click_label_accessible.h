#pragma once

#include <QAccessibleWidget>

namespace lernwerk {

class ClickLabel;

// A click label as a screen reader sees it: a picture that acts on a click
// is a button, a caption that opens a page is a link; either can be pressed.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Builds this interface for a click label; the accessibility hub hands
    // it to Qt.
    static QAccessibleInterface* make(const QString& className, QObject* object);
};

}  // namespace lernwerk
