#include "widgets/status_bar_accessible.h"

#include <QPointer>

#include "widgets/status_bar.h"

namespace lernwerk {

namespace {

// One panel: a text without an object of its own.
class PanelAccessible : public QAccessibleInterface {
public:
    PanelAccessible(StatusBar* bar, int panel) : bar_(bar), panel_(panel) {}

    bool isValid() const override { return !bar_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return bar_ && t == QAccessible::Name ? bar_->panelText(panel_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!bar_)
            return {};
        const QRect panel = bar_->panelRect(panel_);
        return QRect(bar_->mapToGlobal(panel.topLeft()), panel.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !bar_ || !bar_->isVisible();
        return state;
    }

private:
    QPointer<StatusBar> bar_;
    int panel_;
};

}  // namespace

StatusBarAccessible::StatusBarAccessible(StatusBar* bar) : QAccessibleWidget(bar, QAccessible::StatusBar) {}

StatusBarAccessible::~StatusBarAccessible()
{
    for (QAccessible::Id id : panels_) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

int StatusBarAccessible::childCount() const { return StatusBar::kPanelCount; }

QAccessibleInterface* StatusBarAccessible::child(int index) const
{
    if (index < 0 || index >= StatusBar::kPanelCount)
        return nullptr;
    QAccessible::Id& id = panels_[static_cast<std::size_t>(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new PanelAccessible(static_cast<StatusBar*>(widget()), index));
    return QAccessible::accessibleInterface(id);
}

int StatusBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int index = 0; index < StatusBar::kPanelCount; ++index) {
        const QAccessible::Id id = panels_[static_cast<std::size_t>(index)];
        if (id && QAccessible::accessibleInterface(id) == child)
            return index;
    }
    return -1;
}

QAccessibleInterface* StatusBarAccessible::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    const int panel = StatusBar::panelAt(local.x());
    return panel < 0 || !widget()->rect().contains(local) ? nullptr : child(panel);
}

void StatusBarAccessible::announce(StatusBar* bar, int panel)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* barInterface = QAccessible::queryAccessibleInterface(bar);
    if (!barInterface)
        return;
    if (QAccessibleInterface* text = barInterface->child(panel)) {
        QAccessibleEvent changed(text, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QAccessibleInterface* StatusBarAccessible::make(const QString& className, QObject* object)
{
    if (className == QLatin1String("lernwerk::StatusBar"))
        return new StatusBarAccessible(static_cast<StatusBar*>(object));
    return nullptr;
}

}  // namespace lernwerk
