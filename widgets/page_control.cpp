#include "widgets/page_control.h"

#include <QKeyEvent>
#include <QTabBar>
#include <QToolButton>

#include "widgets/accessibility_hub.h"

namespace lernwerk {

namespace {

// Holds a count up while the program itself changes the current page.
class ProgramChange {
public:
    explicit ProgramChange(int& counter) : counter_(counter) { ++counter_; }
    ~ProgramChange() { --counter_; }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    int& counter_;
};

// The tab row is as high as the window's design has it, so that the pages
// get the height the layout of their fields is made for.
class TabRow : public QTabBar {
    Q_OBJECT
public:
    static constexpr int kHeight = 26;

signals:
    void nowhereToGo();

protected:
    // The arrow keys on the row move to the next tab the user can see.
    void keyPressEvent(QKeyEvent* event) override
    {
        int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
        if (step == 0 || event->modifiers() != Qt::NoModifier) {
            QTabBar::keyPressEvent(event);
            return;
        }
        if (isRightToLeft())
            step = -step;
        for (int index = currentIndex() + step; index >= 0 && index < count(); index += step) {
            if (isTabVisible(index) && isTabEnabled(index)) {
                setCurrentIndex(index);
                break;
            }
        }
    }

    // Tab and Shift+Tab from the row, when the page holds nothing that takes
    // the keys (the trainer page before a round), leave the focus where it
    // is; the row says so, so that a screen reader can say why.
    bool focusNextPrevChild(bool next) override
    {
        const bool moved = QTabBar::focusNextPrevChild(next);
        if (hasFocus())
            emit nowhereToGo();
        return moved;
    }

    QSize tabSizeHint(int index) const override { return {QTabBar::tabSizeHint(index).width(), kHeight}; }
    QSize minimumTabSizeHint(int index) const override { return {QTabBar::minimumTabSizeHint(index).width(), kHeight}; }
};

}  // namespace

PageControl::PageControl(QWidget* parent) : QTabWidget(parent)
{
    installAccessibilityHub();
    setObjectName(QStringLiteral("blatt"));
    auto* row = new TabRow;
    setTabBar(row);
    connect(row, &TabRow::nowhereToGo, this, &PageControl::tabGoesNowhere);
    tabBar()->setUsesScrollButtons(true);
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (programChanges_ == 0)
            emit userChange();
    });
}

void PageControl::resizeEvent(QResizeEvent* event)
{
    QTabWidget::resizeEvent(event);
    // Every page, shown or not, takes the size of the page area, so that the
    // pages' own layouts always work from the same height.
    if (QWidget* current = currentWidget()) {
        for (int i = 0; i < count(); ++i)
            widget(i)->resize(current->size());
    }
}

void PageControl::addPage(QWidget* page)
{
    addTab(page, page->windowTitle());
    page->installEventFilter(this);
}

bool PageControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange) {
        auto* page = static_cast<QWidget*>(watched);
        setTabText(indexOf(page), page->windowTitle());
    }
    return QTabWidget::eventFilter(watched, event);
}

void PageControl::setPageVisible(QWidget* page, bool visible)
{
    const ProgramChange change(programChanges_);
    setTabVisible(indexOf(page), visible);
}

void PageControl::changeEvent(QEvent* event)
{
    QTabWidget::changeEvent(event);
    // The tab row names its scroll buttons once, in the language Qt spoke
    // then; they follow the interface language as the rest does.
    if (event->type() != QEvent::LanguageChange)
        return;
    for (auto* button : tabBar()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->arrowType() == Qt::LeftArrow)
            button->setAccessibleName(QTabBar::tr("Scroll Left"));
        else if (button->arrowType() == Qt::RightArrow)
            button->setAccessibleName(QTabBar::tr("Scroll Right"));
    }
}

void PageControl::keyPressEvent(QKeyEvent* event)
{
    // Ctrl+Tab and Ctrl+Page Down go to the next page, Ctrl+Shift+Tab and
    // Ctrl+Page Up to the one before, passing over pages whose tab is hidden.
    const bool control = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::ControlModifier;
    int step = 0;
    if (control && event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier))
        step = 1;
    else if (control && (event->key() == Qt::Key_Backtab ||
                         (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier))))
        step = -1;
    else if (control && !(event->modifiers() & Qt::ShiftModifier) && event->key() == Qt::Key_PageDown)
        step = 1;
    else if (control && !(event->modifiers() & Qt::ShiftModifier) && event->key() == Qt::Key_PageUp)
        step = -1;
    if (step == 0 || count() == 0) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    int index = currentIndex();
    for (int tried = 0; tried < count(); ++tried) {
        index = (index + step + count()) % count();
        if (isTabVisible(index) && isTabEnabled(index))
            break;
    }
    setCurrentIndex(index);
    // On the tab row a screen reader hears the tab that takes the focus; from
    // inside a page it hears nothing of the change.
    if (!tabBar()->hasFocus())
        emit pageChosenByKeys(tabText(index));
}

bool PageControl::isPageVisible(QWidget* page) const { return isTabVisible(indexOf(page)); }

void PageControl::selectPage(QWidget* page)
{
    const ProgramChange change(programChanges_);
    setCurrentWidget(page);
}

}  // namespace lernwerk

#include "page_control.moc"
