#pragma once

#include <QTabWidget>

namespace lernwerk {

// The main window's page control. Tabs can be hidden and shown; a page whose
// tab is hidden cannot be reached by the keyboard and is not shown to a
// screen reader. `userChange` fires only when the user selects another tab,
// never for changes the program makes.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent);

    // Adds `page` as a tab captioned by the page's window title: each page
    // keeps its own caption in the interface language, and the tab follows it.
    void addPage(QWidget* page);
    void setPageVisible(QWidget* page, bool visible);
    bool isPageVisible(QWidget* page) const;
    void selectPage(QWidget* page);

signals:
    void userChange();
    // Ctrl+Tab or its kin chose the page of this caption from inside a page.
    void pageChosenByKeys(const QString& caption);
    // Tab or Shift+Tab on the tab row found nothing else to go to in the page.
    void tabGoesNowhere();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int programChanges_ = 0;
};

}  // namespace lernwerk
