#pragma once

#include <QAccessibleWidget>

#include <array>

namespace lernwerk {

class StatusBar;

// The status bar as a screen reader sees it: three text objects, one for
// each panel, named by the panel's text.
class StatusBarAccessible : public QAccessibleWidget {
public:
    explicit StatusBarAccessible(StatusBar* bar);
    ~StatusBarAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // Tells assistive technology that a panel's text changed.
    static void announce(StatusBar* bar, int panel);
    // Builds this interface for a status bar; the accessibility hub hands it
    // to Qt.
    static QAccessibleInterface* make(const QString& className, QObject* object);

private:
    mutable std::array<QAccessible::Id, 3> panels_{};
};

}  // namespace lernwerk
