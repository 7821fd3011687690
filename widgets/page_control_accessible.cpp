#include "widgets/page_control_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>

#include <map>

#include "widgets/page_control.h"

namespace lernwerk {

namespace {

QString withoutMnemonic(QString caption)
{
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// One tab of the row, named by its caption; pressing it selects its page as
// a click on the tab does.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* row, int index) : row_(row), index_(index) {}

    bool isValid() const override { return row_ && index_ < row_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return row_ ? row_->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(row_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return withoutMnemonic(row_->tabText(index_));
        if (t == QAccessible::Description)
            return row_->tabToolTip(index_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = row_->tabRect(index_);
        return {row_->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.selected = row_->currentIndex() == index_;
        state.disabled = !row_->isTabEnabled(index_);
        state.invisible = !row_->isVisible() || !row_->isTabVisible(index_);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && row_->isTabVisible(index_) && row_->isTabEnabled(index_))
            row_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> row_;
    int index_;
};

class TabRowAccessible : public QAccessibleWidget {
public:
    explicit TabRowAccessible(QTabBar* row) : QAccessibleWidget(row, QAccessible::PageTabList) {}
    ~TabRowAccessible() override
    {
        for (const auto& [index, id] : tabs_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        int visible = 0;
        for (int index = 0; index < row()->count(); ++index)
            visible += row()->isTabVisible(index) ? 1 : 0;
        return visible;
    }

    // The n-th visible tab.
    QAccessibleInterface* child(int n) const override
    {
        for (int index = 0; index < row()->count(); ++index) {
            if (!row()->isTabVisible(index))
                continue;
            if (n-- == 0)
                return tab(index);
        }
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int n = 0; n < childCount(); ++n) {
            if (this->child(n) == child)
                return n;
        }
        return -1;
    }

    // Named by the tab in front, so that the row says which page is shown.
    QString text(QAccessible::Text t) const override
    {
        QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty() && row()->currentIndex() >= 0)
            own = withoutMnemonic(row()->tabText(row()->currentIndex()));
        return own;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int index = row()->tabAt(row()->mapFromGlobal(QPoint(x, y)));
        return index >= 0 && row()->isTabVisible(index) ? tab(index) : nullptr;
    }

private:
    QTabBar* row() const { return static_cast<QTabBar*>(widget()); }

    QAccessibleInterface* tab(int index) const
    {
        QAccessible::Id& id = tabs_[index];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new TabAccessible(row(), index));
        return QAccessible::accessibleInterface(id);
    }

    mutable std::map<int, QAccessible::Id> tabs_;
};

// The area that shows the current page: a plain pane that holds the pages
// whose tab is visible. Unnamed and without a role of its own to speak, a
// screen reader does not mention it on every move into a page.
class PageAreaAccessible : public QAccessibleWidget {
public:
    PageAreaAccessible(QStackedWidget* area, PageControl* pages)
        : QAccessibleWidget(area, QAccessible::Pane), pages_(pages)
    {
    }

    int childCount() const override { return static_cast<int>(shownPages().size()); }
    QAccessibleInterface* child(int n) const override
    {
        const QList<QWidget*> shown = shownPages();
        return n >= 0 && n < shown.size() ? QAccessible::queryAccessibleInterface(shown[n]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? static_cast<int>(shownPages().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> shownPages() const
    {
        QList<QWidget*> shown;
        if (!pages_)
            return shown;
        for (int index = 0; index < pages_->count(); ++index) {
            if (pages_->isTabVisible(index))
                shown.append(pages_->widget(index));
        }
        return shown;
    }

    QPointer<PageControl> pages_;
};

// The page control itself, the frame around its tab row and its pages. Its
// tab row takes the keys for it (the row is its focus proxy): the frame is no
// Tab stop of its own, and a screen reader is not told of an unnamed area
// that has the focus beside the row that has it.
class PageFrameAccessible : public QAccessibleWidget {
public:
    explicit PageFrameAccessible(PageControl* pages) : QAccessibleWidget(pages, QAccessible::Client) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = false;
        state.focused = false;
        return state;
    }
};

}  // namespace

QAccessibleInterface* makePageControlAccessible(const QString&, QObject* object)
{
    if (auto* pages = qobject_cast<PageControl*>(object))
        return new PageFrameAccessible(pages);
    auto* control = qobject_cast<PageControl*>(object ? object->parent() : nullptr);
    if (!control)
        return nullptr;
    if (auto* row = qobject_cast<QTabBar*>(object))
        return new TabRowAccessible(row);
    if (auto* area = qobject_cast<QStackedWidget*>(object))
        return new PageAreaAccessible(area, control);
    return nullptr;
}

bool countTabsAmongVisible(QAccessibleEvent* event)
{
    auto* row = qobject_cast<QTabBar*>(event->object());
    if (row && qobject_cast<PageControl*>(row->parent()) && event->child() >= 0) {
        const int index = event->child();
        if (index >= row->count() || !row->isTabVisible(index))
            return false;
        int visible = 0;
        for (int before = 0; before < index; ++before)
            visible += row->isTabVisible(before) ? 1 : 0;
        event->setChild(visible);
    }
    return true;
}

}  // namespace lernwerk
