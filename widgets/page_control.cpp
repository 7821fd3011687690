#include "widgets/page_control.h"

#include <QTabBar>

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
public:
    static constexpr int kHeight = 26;

protected:
    QSize tabSizeHint(int index) const override { return {QTabBar::tabSizeHint(index).width(), kHeight}; }
    QSize minimumTabSizeHint(int index) const override { return {QTabBar::minimumTabSizeHint(index).width(), kHeight}; }
};

}  // namespace

PageControl::PageControl(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("blatt"));
    setTabBar(new TabRow);
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

void PageControl::setPageVisible(QWidget* page, bool visible)
{
    const ProgramChange change(programChanges_);
    setTabVisible(indexOf(page), visible);
}

bool PageControl::isPageVisible(QWidget* page) const { return isTabVisible(indexOf(page)); }

void PageControl::selectPage(QWidget* page)
{
    const ProgramChange change(programChanges_);
    setCurrentWidget(page);
}

}  // namespace lernwerk
